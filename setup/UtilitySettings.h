// Where Setup.ini is and which utility setup program it names.
#pragma once
#include "platform/ports/LauncherSystem.h"
#include "setup/LauncherState.h"

namespace vh {

// LocateIni: moduleDir from the launcher's own path, iniPath = moduleDir\Setup.ini. False when
// the path cannot be obtained, was cut by the system, names no folder or leaves no room for
// "\Setup.ini".
bool LocateIni(LauncherSystem& system, LauncherState& state);

// ReadUtilitySettings: turns moduleDir into moduleDir\<Name of [Utility]>. False when Setup.ini
// does not exist. A result too long for the path buffer is marked (moduleDir.TooLong()).
bool ReadUtilitySettings(LauncherSystem& system, LauncherState& state);

}  // namespace vh
