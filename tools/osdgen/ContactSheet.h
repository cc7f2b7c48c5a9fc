// A contact sheet for people to look at: every picture in a grid, its id written under it.
#pragma once

#include "tools/icongen/CairoHandles.h"
#include "tools/osdgen/Typeface.h"

#include <vector>

namespace osdgen {

struct SheetEntry {
    int id;
    cairo_surface_t* picture;
};

// Null when drawing failed.
icongen::SurfacePtr RenderContactSheet(const std::vector<SheetEntry>& entries,
                                       const Typeface& face);

}  // namespace osdgen
