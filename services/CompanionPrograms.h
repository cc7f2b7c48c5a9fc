// Starting the companion programs; for now the path of the companion display program.
#pragma once
#include <string>

#include "platform/ports/DebugOutput.h"
#include "platform/ports/Process.h"

namespace vh {

// The quoted full path of Orlenda.exe beside the program; stays empty when the program's own
// path cannot be read.
void BuildOrlendaCmd(Process& process, DebugOutput& out, std::wstring& command);

}  // namespace vh
