#include "testbed/standins/DebugLine.h"

#include <windows.h>

namespace vh::standins {

void WriteDebugLine(const std::wstring& line) {
    OutputDebugStringW(line.c_str());
}

std::wstring HexByteText(std::uint8_t value) {
    constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    return {kDigits[value >> 4], kDigits[value & 0x0F]};
}

std::wstring ByteListText(const std::uint8_t* bytes, std::size_t count) {
    std::wstring text;
    for (std::size_t i = 0; bytes != nullptr && i < count; ++i) {
        if (i != 0) {
            text += L',';
        }
        text += HexByteText(bytes[i]);
    }
    return text;
}

}  // namespace vh::standins
