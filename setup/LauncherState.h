// The launcher's state for its one run.
#pragma once
#include <cstdint>
#include <vector>

#include "setup/DriverSection.h"
#include "setup/ExitCode.h"
#include "setup/PathBuffer.h"

namespace vh {

struct LauncherState {
    PathBuffer moduleDir;  // the launcher's folder; in setup mode then the utility setup program
    PathBuffer iniPath;    // moduleDir\Setup.ini
    wchar_t logPath[kMaxPath] = {};      // empty: no log file
    wchar_t extractRoot[kMaxPath] = {};  // destination root of extraction mode
    std::vector<DriverSection> driverSections;
    std::int32_t childExitCode = kNoChildExitCode;
};

}  // namespace vh
