// The Setup launcher from start to end: setup mode starts the utility setup program and waits
// for it; extraction mode ("/ExtractDrivers") copies the driver folders.
#pragma once
#include "platform/ports/LauncherSystem.h"
#include "setup/LauncherState.h"

namespace vh {

// Returns the launcher's exit code.
int RunSetup(LauncherSystem& system, const wchar_t* commandLine);

// Fills moduleDir and iniPath; false when the launcher's own path cannot be had.
bool LocateIni(LauncherSystem& system, LauncherState& state);
// Turns moduleDir into the utility setup program's path; false when Setup.ini does not exist.
bool ReadUtilitySettings(LauncherSystem& system, LauncherState& state);

}  // namespace vh
