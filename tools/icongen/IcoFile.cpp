#include "tools/icongen/IcoFile.h"

#include <cstddef>
#include <utility>

namespace icongen {
namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

constexpr std::uint32_t kIconDirSize = 6;
constexpr std::uint32_t kIconDirEntrySize = 16;
constexpr std::uint32_t kBitmapInfoHeaderSize = 40;

}  // namespace

IcoEntry EncodeDibEntry(const BgraImage& image) {
    const auto size = static_cast<std::size_t>(image.size);
    const std::size_t maskStride = ((size + 31) / 32) * 4;  // 1 bit a pixel, rows padded to 32 bits
    const auto colourBytes = static_cast<std::uint32_t>(size * size * 4);
    const auto maskBytes = static_cast<std::uint32_t>(maskStride * size);

    IcoEntry entry;
    entry.size = image.size;
    std::vector<std::uint8_t>& out = entry.data;
    out.reserve(kBitmapInfoHeaderSize + colourBytes + maskBytes);

    // BITMAPINFOHEADER; the height counts the colour rows and the mask rows together.
    PutU32(out, kBitmapInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(size));
    PutU32(out, static_cast<std::uint32_t>(size * 2));
    PutU16(out, 1);   // planes
    PutU16(out, 32);  // bits a pixel
    PutU32(out, 0);   // BI_RGB
    PutU32(out, colourBytes + maskBytes);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);

    // Colour rows, bottom-up.
    for (std::size_t row = size; row-- > 0;) {
        const std::uint8_t* first = image.pixels.data() + row * size * 4;
        out.insert(out.end(), first, first + size * 4);
    }

    // AND mask rows, bottom-up: a set bit is a transparent pixel.
    for (std::size_t row = size; row-- > 0;) {
        std::vector<std::uint8_t> maskRow(maskStride, 0);
        for (std::size_t column = 0; column < size; ++column) {
            const std::uint8_t alpha = image.pixels[(row * size + column) * 4 + 3];
            if (alpha == 0) {
                maskRow[column / 8] |= static_cast<std::uint8_t>(0x80U >> (column % 8));
            }
        }
        out.insert(out.end(), maskRow.begin(), maskRow.end());
    }
    return entry;
}

IcoEntry MakePngEntry(int size, std::vector<std::uint8_t> pngBytes) {
    IcoEntry entry;
    entry.size = size;
    entry.data = std::move(pngBytes);
    return entry;
}

std::vector<std::uint8_t> BuildIcoFile(const std::vector<IcoEntry>& entries) {
    std::vector<std::uint8_t> out;
    PutU16(out, 0);  // reserved
    PutU16(out, 1);  // type: icon
    PutU16(out, static_cast<std::uint32_t>(entries.size()));

    auto offset = static_cast<std::uint32_t>(kIconDirSize + kIconDirEntrySize * entries.size());
    for (const IcoEntry& entry : entries) {
        // A width or height of 256 is written as 0.
        const auto side = static_cast<std::uint8_t>(entry.size >= 256 ? 0 : entry.size);
        out.push_back(side);
        out.push_back(side);
        out.push_back(0);  // no palette
        out.push_back(0);  // reserved
        PutU16(out, 1);    // planes
        PutU16(out, 32);   // bits a pixel
        PutU32(out, static_cast<std::uint32_t>(entry.data.size()));
        PutU32(out, offset);
        offset += static_cast<std::uint32_t>(entry.data.size());
    }
    for (const IcoEntry& entry : entries) {
        out.insert(out.end(), entry.data.begin(), entry.data.end());
    }
    return out;
}

}  // namespace icongen
