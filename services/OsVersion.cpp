#include "services/OsVersion.h"

namespace vh {

namespace {

// Reads a decimal field up to the next dot; anything else than digits makes the field 0.
std::uint32_t ReadField(std::wstring_view& text) {
    const std::size_t dot = text.find(L'.');
    const std::wstring_view field = text.substr(0, dot);
    text = dot == std::wstring_view::npos ? std::wstring_view{} : text.substr(dot + 1);
    if (field.empty()) return 0;
    std::uint32_t value = 0;
    for (wchar_t c : field) {
        if (c < L'0' || c > L'9') return 0;
        value = value * 10 + static_cast<std::uint32_t>(c - L'0');
        if (value > 0xFFFF) return 0;  // no real version field is that large
    }
    return value;
}

}  // namespace

VersionFields ParseOsVersion(std::wstring_view text) {
    VersionFields fields;
    fields.major = ReadField(text);
    fields.minor = ReadField(text);
    return fields;
}

std::uint32_t PackOsVersion(VersionFields version, std::uint16_t architecture) {
    return ((version.major & 0xFF) << 24) | ((version.minor & 0xFF) << 16) | (architecture & 0xFFu);
}

bool IsPackedAtLeastWin8(std::uint32_t packed) { return (packed & 0xFF0F0000u) > 0x0601FFFFu; }

bool IsPackedAtLeastWin81(std::uint32_t packed) { return (packed & 0xFF0F0000u) > 0x0602FFFFu; }

}  // namespace vh
