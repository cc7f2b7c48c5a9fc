// The value formats of the state file: decimal numbers, hexadecimal bytes and lists of them.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vh::standins {

// Decimal, optionally negative: "55", "-1".
std::optional<std::int32_t> ParseDecimal(std::string_view text);

// One or two hexadecimal digits, optionally after "0x": "D8", "0x4", "ff".
std::optional<std::uint8_t> ParseHexByte(std::string_view text);

// Hexadecimal bytes separated by blanks or commas: "00 D8", "0x00,0xD8".
std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text);

// Decimal numbers separated by commas, blanks allowed around them; "" is the empty list.
std::optional<std::vector<std::int32_t>> ParseDecimalList(std::string_view text);

// Two upper-case hexadecimal digits: "D8".
std::string FormatHexByte(std::uint8_t value);

}  // namespace vh::standins
