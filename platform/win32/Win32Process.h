// Process-wide services: GDI+ and common-controls start-up, named mutexes, the module's own
// instance and path, and ShellExecuteW.

#pragma once
#include "platform/ports/Process.h"

namespace vh::win32 {

class Win32Process final : public Process {
public:
    std::uintptr_t GdiplusStartup() override;
    void GdiplusShutdown(std::uintptr_t token) override;
    bool InitCommonControls(std::uint32_t dwIcc) override;
    MutexResult CreateNamedMutex(const wchar_t* name, bool initialOwner) override;
    Handle Instance() override;
    std::uint32_t GetModulePath(wchar_t* buffer, std::uint32_t capacity) override;
    std::intptr_t ShellOpen(const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                               const wchar_t* directory, int showCommand) override;
};

}  // namespace vh::win32
