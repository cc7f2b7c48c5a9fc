// The program's diagnostics: one debugger-output line per call, with the exact text.
#pragma once
#include <string>

#include "common/WFormat.h"
#include "platform/ports/DebugOutput.h"

namespace vh {

// Scratch string into which lines with parameters are formatted (used on the UI thread only).
extern std::wstring g_strLog;

// Longest line formatted through g_strLog; longer texts are cut.
constexpr std::size_t kLogLineMax = 1024;

inline void Log(DebugOutput& out, const wchar_t* text) { out.Write(text); }

template <typename... Args>
void LogFormat(DebugOutput& out, const wchar_t* pattern, const Args&... args) {
    FormatString(g_strLog, kLogLineMax, pattern, args...);
    out.Write(g_strLog.c_str());
}

}  // namespace vh
