#include "setup/SetupLog.h"

#include "common/WFormat.h"

namespace vh {

std::vector<std::uint8_t> EncodeLogEntry(const LocalTime& time, std::wstring_view message) {
    // The stamp is formatted on its own so that a message of any length is written whole.
    wchar_t stamp[64];
    FormatW(stamp, L"%d/%d/%d %d:%d:%d ", time.year, time.month, time.day, time.hour, time.minute, time.second);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(message.size() + 32);
    auto put = [&bytes](wchar_t c) {
        if (c == L'\n') {
            bytes.push_back('\r');
            bytes.push_back('\n');
        } else {
            bytes.push_back(static_cast<unsigned>(c) <= 0xFF ? static_cast<std::uint8_t>(c) : '?');
        }
    };
    for (const wchar_t* p = stamp; *p; ++p) put(*p);
    for (wchar_t c : message) put(c);
    put(L'\n');
    return bytes;
}

void WriteLog(LauncherSystem& system, const wchar_t* logPath, const wchar_t* message) {
    if (!logPath || !logPath[0]) {
        system.DebugOutput(message);
        return;
    }
    const Handle file = system.OpenLogFile(logPath);
    if (file == kNoHandle) {
        system.DebugOutput(message);
        return;
    }
    system.DebugOutput(L"*******Open file success***********");
    const std::vector<std::uint8_t> entry = EncodeLogEntry(system.GetLocalTime(), message);
    system.WriteLogFile(file, entry.data(), static_cast<std::uint32_t>(entry.size()));
    system.CloseLogFile(file);
}

}  // namespace vh
