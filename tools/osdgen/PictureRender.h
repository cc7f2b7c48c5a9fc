// Draws one catalogue picture onto an opaque image surface, and encodes surfaces as PNG.
#pragma once

#include "tools/icongen/CairoHandles.h"
#include "tools/osdgen/Catalogue.h"
#include "tools/osdgen/Typeface.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace osdgen {

// An RGB surface of the picture's size, or null when drawing failed.
icongen::SurfacePtr RenderPicture(const Picture& picture, const Typeface& face);

// The surface as an 8-bit PNG file (RGB for opaque surfaces).
std::optional<std::vector<std::uint8_t>> EncodePng(cairo_surface_t* surface);

}  // namespace osdgen
