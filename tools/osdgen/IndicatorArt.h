// The switch and event pictures: wireless, touchpad, optical-drive eject and HDMI input.
#pragma once

#include "tools/osdgen/Typeface.h"

#include <cairo.h>

namespace osdgen {

// Antenna mast with a ball on top and radio arcs on both sides; bright when on, faint when off.
void DrawWireless(cairo_t* context, bool on);
// Touchpad with its button bar and the word ON (glowing outline) or OFF (plain outline).
bool DrawTouchpad(cairo_t* context, const Typeface& face, bool on);
// Disc with the eject symbol beside it and the word EJECT under them.
bool DrawEject(cairo_t* context, const Typeface& face);
// HDMI socket with two arrows pointing down into it and the word ON under it.
bool DrawHdmiIn(cairo_t* context, const Typeface& face);

}  // namespace osdgen
