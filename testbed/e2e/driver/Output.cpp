#include "Output.h"

#include <cstdio>

namespace e2e {

std::string ToUtf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                            nullptr, nullptr);
    }
    return out;
}

void ResultLine::Key(std::string_view key) {
    if (!line_.empty()) line_ += ' ';
    line_ += key;
    line_ += '=';
}

ResultLine& ResultLine::Text(std::string_view key, std::wstring_view value) {
    Key(key);
    line_ += '"';
    for (const char c : ToUtf8(value)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            line_ += '\\';
            line_ += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            line_ += escaped;
        } else {
            line_ += c;
        }
    }
    line_ += '"';
    return *this;
}

ResultLine& ResultLine::Word(std::string_view key, std::string_view value) {
    Key(key);
    line_ += value;
    return *this;
}

ResultLine& ResultLine::Dec(std::string_view key, std::int64_t value) {
    Key(key);
    line_ += std::to_string(value);
    return *this;
}

ResultLine& ResultLine::Hex(std::string_view key, std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return Word(key, text);
}

void ResultLine::Print() const {
    std::fwrite(line_.data(), 1, line_.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int Fail(std::string_view what) {
    ResultLine().Word("error", what).Print();
    return 1;
}

}  // namespace e2e
