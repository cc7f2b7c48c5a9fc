#include "platform/win32/Win32DebugOutput.h"

#include <windows.h>

namespace vh::win32 {

void Win32DebugOutput::Write(const wchar_t* text) { ::OutputDebugStringW(text); }

}  // namespace vh::win32
