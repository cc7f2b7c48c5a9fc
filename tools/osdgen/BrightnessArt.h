// The brightness pictures: a sun, a triangle for the direction, and seven level bars.
#pragma once

#include <cairo.h>

namespace osdgen {

// up: bright sun with the triangle pointing up; otherwise a dimmer sun, triangle down.
// `lit` of the seven bars are lit from the left.
void DrawBrightness(cairo_t* context, bool up, int lit);

}  // namespace osdgen
