#include "Args.h"

#include <array>
#include <utility>

namespace e2e {

std::optional<std::int64_t> ParseNumber(std::wstring_view text) {
    bool negative = false;
    if (!text.empty() && text.front() == L'-') {
        negative = true;
        text.remove_prefix(1);
    }
    unsigned base = 10;
    if (text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || text.size() > 16) return std::nullopt;
    std::uint64_t value = 0;
    for (const wchar_t c : text) {
        unsigned digit;
        if (c >= L'0' && c <= L'9') digit = static_cast<unsigned>(c - L'0');
        else if (base == 16 && c >= L'a' && c <= L'f') digit = static_cast<unsigned>(c - L'a' + 10);
        else if (base == 16 && c >= L'A' && c <= L'F') digit = static_cast<unsigned>(c - L'A' + 10);
        else return std::nullopt;
        if (digit >= base) return std::nullopt;
        value = value * base + digit;
    }
    const auto result = static_cast<std::int64_t>(value);
    return negative ? -result : result;
}

std::optional<int> ParseShowCommand(std::wstring_view text) {
    static constexpr std::array<std::pair<std::wstring_view, int>, 11> kNames{{
        {L"SW_HIDE", SW_HIDE},
        {L"SW_SHOWNORMAL", SW_SHOWNORMAL},
        {L"SW_SHOWMINIMIZED", SW_SHOWMINIMIZED},
        {L"SW_SHOWMAXIMIZED", SW_SHOWMAXIMIZED},
        {L"SW_SHOWNOACTIVATE", SW_SHOWNOACTIVATE},
        {L"SW_SHOW", SW_SHOW},
        {L"SW_MINIMIZE", SW_MINIMIZE},
        {L"SW_SHOWMINNOACTIVE", SW_SHOWMINNOACTIVE},
        {L"SW_SHOWNA", SW_SHOWNA},
        {L"SW_RESTORE", SW_RESTORE},
        {L"SW_SHOWDEFAULT", SW_SHOWDEFAULT},
    }};
    for (const auto& [name, command] : kNames) {
        if (CompareStringOrdinal(name.data(), static_cast<int>(name.size()), text.data(),
                                 static_cast<int>(text.size()), TRUE) == CSTR_EQUAL) {
            return command;
        }
    }
    if (const auto number = ParseNumber(text)) return static_cast<int>(*number);
    return std::nullopt;
}

}  // namespace e2e
