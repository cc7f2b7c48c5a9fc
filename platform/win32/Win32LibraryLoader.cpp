#include "platform/win32/Win32LibraryLoader.h"

#include <windows.h>

namespace vh::win32 {

Handle Win32LibraryLoader::Load(const wchar_t* fileName) {
    return reinterpret_cast<Handle>(::LoadLibraryW(fileName));
}

ProcAddress Win32LibraryLoader::GetProc(Handle module, const char* name) {
    // FARPROC and ProcAddress are both "some function"; the caller casts to the real signature.
    return reinterpret_cast<ProcAddress>(::GetProcAddress(reinterpret_cast<HMODULE>(module), name));
}

bool Win32LibraryLoader::Free(Handle module) { return ::FreeLibrary(reinterpret_cast<HMODULE>(module)) != FALSE; }

}  // namespace vh::win32
