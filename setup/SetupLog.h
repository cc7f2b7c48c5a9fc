// The launcher's log: the debugger output, or one entry per call appended to the log file.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/ports/LauncherSystem.h"

namespace vh {

// One log-file entry: "Y/M/D h:m:s message\n" as single bytes, characters above 255 as "?",
// every line feed as CR LF.
std::vector<std::uint8_t> EncodeLogEntry(const LocalTime& time, std::wstring_view message);

// An empty logPath, or a log file that cannot be opened, sends the message to the debugger.
void WriteLog(LauncherSystem& system, const wchar_t* logPath, const wchar_t* message);

}  // namespace vh
