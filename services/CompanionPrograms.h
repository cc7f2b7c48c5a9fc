// Starting the companion programs, which are then left to themselves.
#pragma once
#include <cstdint>
#include <string>

#include "platform/ports/DebugOutput.h"
#include "platform/ports/Process.h"
#include "platform/ports/WindowSystem.h"

namespace vh {

// The quoted full path of Orlenda.exe beside the program; stays empty when the program's own
// path cannot be read.
void BuildOrlendaCmd(Process& process, DebugOutput& out, std::wstring& command);

// Starts the companion display program with one event code, unless a full-screen window is in
// front (then the code is dropped). The start's result is not examined.
void LaunchOrlenda(WindowSystem& windows, Process& process, DebugOutput& out, const std::wstring& command,
                   std::int32_t code);

}  // namespace vh
