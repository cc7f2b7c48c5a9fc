// Encoding of .ico files: one ICONDIR, then one entry per image size.
#pragma once

#include <cstdint>
#include <vector>

namespace icongen {

// Square image, top-down rows, 4 bytes a pixel in the order B, G, R, A, alpha not premultiplied.
struct BgraImage {
    int size = 0;
    std::vector<std::uint8_t> pixels;
};

// One encoded image of an icon: a DIB (BITMAPINFOHEADER, bottom-up BGRA, AND mask) or a PNG file.
struct IcoEntry {
    int size = 0;
    std::vector<std::uint8_t> data;
};

// DIB entry with 32-bit colour; the AND mask marks fully transparent pixels, for old readers.
IcoEntry EncodeDibEntry(const BgraImage& image);

// PNG entry, the usual form for 256 pixels.
IcoEntry MakePngEntry(int size, std::vector<std::uint8_t> pngBytes);

// The whole file, entries in the order given.
std::vector<std::uint8_t> BuildIcoFile(const std::vector<IcoEntry>& entries);

}  // namespace icongen
