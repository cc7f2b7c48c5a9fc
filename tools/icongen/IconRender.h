// Renders an icon design at every size of the program's icons and encodes the .ico file.
#pragma once

#include "tools/icongen/IconArt.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace icongen {

inline constexpr std::array<int, 6> kIconSizes{16, 32, 48, 64, 128, 256};

// The .ico bytes of the design: DIB entries below 256 pixels, a PNG entry at 256.
// Empty when cairo fails.
std::optional<std::vector<std::uint8_t>> RenderIcoFile(IconDesign design);

}  // namespace icongen
