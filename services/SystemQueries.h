// The operating-system questions the controller asks at start-up and on power events.
#pragma once
#include <cstdint>

#include "platform/ports/DebugOutput.h"
#include "platform/ports/SystemInfo.h"

namespace vh {

// A fresh WMI query each call; the packed version, or 255 after a debugger message.
std::uint32_t QueryOsVersion(SystemInfo& system, DebugOutput& out);
bool IsWin8OrLater(SystemInfo& system, DebugOutput& out);
bool IsGuestUser(SystemInfo& system, DebugOutput& out);
bool IsAcOnline(SystemInfo& system);

}  // namespace vh
