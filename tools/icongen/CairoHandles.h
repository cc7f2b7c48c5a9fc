// Owning handles for the cairo objects the icon generator creates.
#pragma once

#include <cairo.h>

#include <memory>

namespace icongen {

struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextRelease {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
struct PatternRelease {
    void operator()(cairo_pattern_t* pattern) const { cairo_pattern_destroy(pattern); }
};

using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceRelease>;
using ContextPtr = std::unique_ptr<cairo_t, ContextRelease>;
using PatternPtr = std::unique_ptr<cairo_pattern_t, PatternRelease>;

}  // namespace icongen
