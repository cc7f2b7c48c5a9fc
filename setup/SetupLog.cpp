#include "setup/SetupLog.h"

#include "common/WFormat.h"

namespace vh {

namespace {
// The longest message (the copy step's 1024-character buffer) plus the longest stamp and the line
// feed; a longer message is cut at the end of the entry.
constexpr std::size_t kEntryCapacity = 1024 + 64;
}  // namespace

std::string EncodeLogText(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size() + 16);
    for (const wchar_t c : text) {
        const std::uint32_t code = static_cast<std::uint32_t>(c);
        if (c == L'\n') {
            bytes += "\r\n";
        } else if (code <= 0xFF) {
            bytes += static_cast<char>(code);
        } else {
            // A character beyond 16 bits (only where wchar_t has 32) is two UTF-16 units on
            // Windows, so two marks.
            bytes += (code >> 16) != 0 ? "??" : "?";
        }
    }
    return bytes;
}

void SetupLog::Write(const wchar_t* message) {
    if (!message) message = L"";
    if (!logPath_ || !*logPath_) {
        system_.DebugOutput(message);
        return;
    }
    const Handle file = system_.OpenLogFile(logPath_);
    if (file == kNoHandle) {
        system_.DebugOutput(message);
        return;
    }
    system_.DebugOutput(L"*******Open file success***********");

    const LocalTime now = system_.GetLocalTime();
    wchar_t entry[kEntryCapacity];
    const std::size_t length = FormatW(entry, L"%d/%d/%d %d:%d:%d %s\n", now.year, now.month, now.day, now.hour,
                                       now.minute, now.second, message);
    const std::string bytes = EncodeLogText(std::wstring_view(entry, length));
    system_.WriteLogFile(file, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                         static_cast<std::uint32_t>(bytes.size()));
    system_.CloseLogFile(file);
}

}  // namespace vh
