// Run-time library loading with LoadLibraryW, GetProcAddress and FreeLibrary.
#pragma once
#include "platform/ports/LibraryLoader.h"

namespace vh::win32 {

class Win32LibraryLoader final : public LibraryLoader {
public:
    Handle Load(const wchar_t* fileName) override;
    ProcAddress GetProc(Handle module, const char* name) override;
    bool Free(Handle module) override;
};

}  // namespace vh::win32
