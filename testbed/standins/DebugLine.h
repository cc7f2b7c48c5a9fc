// The stand-ins' debug output: one OutputDebugStringW call per line, no trailing line feed.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace vh::standins {

void WriteDebugLine(const std::wstring& line);

// Two upper-case hexadecimal digits: "D8".
std::wstring HexByteText(std::uint8_t value);

// Bytes as HexByteText joined by commas, "" for none: "08,41".
std::wstring ByteListText(const std::uint8_t* bytes, std::size_t count);

}  // namespace vh::standins
