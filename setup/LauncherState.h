// The launcher's state for one run.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "setup/SetupText.h"

namespace vh {

// One section of Setup.ini other than Utility, with its source and destination pairs.
struct DriverSection {
    std::wstring name;
    std::vector<std::wstring> sources;
    std::vector<std::wstring> destinations;
};

struct LauncherState {
    wchar_t moduleDir[kSetupPath] = {};
    wchar_t iniPath[kSetupPath] = {};
    wchar_t logPath[kSetupPath] = {};
    wchar_t extractRoot[kSetupPath] = {};
    std::vector<DriverSection> driverSections;
    std::int32_t childExitCode = -2;
};

}  // namespace vh
