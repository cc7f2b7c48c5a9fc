// Process-wide services: the start-up calls of the application, named mutexes, the module's own
// path and starting other programs.
#pragma once
#include <cstdint>

#include "common/Types.h"

namespace vh {

struct MutexResult {
    Handle handle = kNoHandle;
    std::uint32_t lastError = 0;
};

class Process {
public:
    virtual ~Process() = default;
    virtual std::uintptr_t GdiplusStartup() = 0;  // returns the token (0 when it failed)
    virtual void GdiplusShutdown(std::uintptr_t token) = 0;
    virtual bool InitCommonControls(std::uint32_t dwIcc) = 0;
    // CreateMutexW(no security attributes, initialOwner, name) and GetLastError right after it.
    // The handle is never closed: it lives as long as the process.
    virtual MutexResult CreateNamedMutex(const wchar_t* name, bool initialOwner) = 0;
    virtual Handle Instance() = 0;  // the program's own module instance
    // GetModuleFileNameW for the program's own file; returns the length copied, 0 on failure.
    virtual std::uint32_t GetModulePath(wchar_t* buffer, std::uint32_t capacity) = 0;
    // ShellExecuteW with no owner window; returns its result code.
    virtual std::intptr_t ShellOpen(const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                                       const wchar_t* directory, int showCommand) = 0;
};

}  // namespace vh
