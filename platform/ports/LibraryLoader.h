// Loading libraries by name at run time.
#pragma once
#include "common/Types.h"

namespace vh {

// A generic function pointer; callers cast it to the entry point's own type.
using ProcAddress = void (*)();

class LibraryLoader {
public:
    virtual ~LibraryLoader() = default;
    virtual Handle Load(const wchar_t* fileName) = 0;                  // LoadLibraryW; 0 on failure
    virtual ProcAddress GetProc(Handle module, const char* name) = 0;  // GetProcAddress; null if absent
    virtual bool Free(Handle module) = 0;                              // FreeLibrary
};

}  // namespace vh
