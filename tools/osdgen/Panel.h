// The look every OSD picture shares: the framed glossy panel and the caption along the top.
#pragma once

#include "tools/osdgen/Typeface.h"

#include <cairo.h>

#include <string_view>

namespace osdgen {

// Fills the whole width × height picture: light-grey outer line, black inner line, and the
// panel split at half height into a bright upper and a dark lower gradient.
void DrawPanel(cairo_t* context, int width, int height);

// The caption, centred along the top edge.
bool DrawCaption(cairo_t* context, const Typeface& face, std::string_view caption, int width);

}  // namespace osdgen
