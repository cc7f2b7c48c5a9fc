// The simulated process: start-up calls, named mutexes, the module path and program starts.
#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/ports/Process.h"
#include "platform/sim/SimTrace.h"

namespace vh::sim {

struct ProgramStart {
    std::wstring verb, file, parameters, directory;
    int showCommand;
};

class SimProcess : public Process {
public:
    explicit SimProcess(SimTrace& trace) : trace_(trace) {}

    std::set<std::wstring> existingMutexes;  // held by another instance
    bool failMutex = false;
    std::wstring modulePath = L"C:\\Program Files\\VarnoHotkey\\VarnoHotkey.exe";
    bool failModulePath = false;
    std::vector<ProgramStart> starts;
    std::uintptr_t gdiplusToken = 0x5150;
    std::uintptr_t shutdownToken = 0;
    std::uint32_t commonControlsIcc = 0;

    std::uintptr_t GdiplusStartup() override;
    void GdiplusShutdown(std::uintptr_t token) override;
    bool InitCommonControls(std::uint32_t dwIcc) override;
    MutexResult CreateNamedMutex(const wchar_t* name, bool initialOwner) override;
    Handle Instance() override { return 0x400000; }
    std::uint32_t GetModulePath(wchar_t* buffer, std::uint32_t capacity) override;
    std::intptr_t ShellOpen(const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                               const wchar_t* directory, int showCommand) override;

private:
    SimTrace& trace_;
};

}  // namespace vh::sim
