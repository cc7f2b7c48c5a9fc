// The packed operating-system version: major in bits 24-31, minor in 16-23, the low byte of the
// native processor architecture in 0-7. 255 means no version was obtained.
#pragma once
#include <cstdint>
#include <string_view>

namespace vh {

constexpr std::uint32_t kNoOsVersion = 255;

struct VersionFields {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
};

// Splits "major.minor.build" at the dots; a missing or non-numeric field reads as 0.
VersionFields ParseOsVersion(std::wstring_view text);
std::uint32_t PackOsVersion(VersionFields version, std::uint16_t architecture);
// Only the major number and the low four bits of the minor number are compared.
bool IsPackedAtLeastWin8(std::uint32_t packed);   // 6.2 or later
bool IsPackedAtLeastWin81(std::uint32_t packed);  // 6.3 or later

}  // namespace vh
