// Path shapes shared by the icon and picture generators.
#pragma once
#include <cairo.h>

#include <numbers>

namespace icongen {

inline void RoundedRectangle(cairo_t* context, double x, double y, double width, double height, double radius) {
    constexpr double kPi = std::numbers::pi;
    cairo_new_sub_path(context);
    cairo_arc(context, x + width - radius, y + radius, radius, -kPi / 2, 0);
    cairo_arc(context, x + width - radius, y + height - radius, radius, 0, kPi / 2);
    cairo_arc(context, x + radius, y + height - radius, radius, kPi / 2, kPi);
    cairo_arc(context, x + radius, y + radius, radius, kPi, 3 * kPi / 2);
    cairo_close_path(context);
}

}  // namespace icongen
