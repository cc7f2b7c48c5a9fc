// The launcher's log: a file named by "/log", or the debugger output when there is none or it
// cannot be opened.
#pragma once
#include <string>
#include <string_view>

#include "platform/ports/LauncherSystem.h"

namespace vh {

// The bytes a log text is written as: each character 0..255 as that byte, any other as "?"
// (one per UTF-16 unit, so the same on every build), and each line feed as CR LF.
std::string EncodeLogText(std::wstring_view text);

class SetupLog {
public:
    // logPath is the launcher's own buffer; an empty path means no log file.
    SetupLog(LauncherSystem& system, const wchar_t* logPath) : system_(system), logPath_(logPath) {}

    // WriteLog: one entry "year/month/day hour:minute:second message\n", the file opened and
    // closed around it.
    void Write(const wchar_t* message);

private:
    LauncherSystem& system_;
    const wchar_t* logPath_;
};

}  // namespace vh
