// Reading the driver sections of Setup.ini into the launcher state.
#pragma once
#include "platform/ports/LauncherSystem.h"
#include "setup/LauncherState.h"

namespace vh {

// LoadDriverInfo: fills state.driverSections with every section but "Utility", in the reader's
// order, with the values of its key pairs. 0 when done (also when there is nothing to read),
// 105 when Setup.ini does not exist.
int LoadDriverInfo(LauncherSystem& system, LauncherState& state);

}  // namespace vh
