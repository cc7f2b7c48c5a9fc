// The Setup launcher: starts the utility setup program named in Setup.ini and ends with its
// exit code, or with "/ExtractDrivers" copies the driver folders that Setup.ini names.
#pragma once
#include "platform/ports/LauncherSystem.h"

namespace vh {

// The whole run. commandLine is the part after the program name (may be null or empty); the
// result is the launcher's exit code.
int RunSetup(LauncherSystem& system, const wchar_t* commandLine);

}  // namespace vh
