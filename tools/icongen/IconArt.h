// The drawings of the program icons and of the Setup launcher's icon, in a unit square (0..1,
// y downwards).
#pragma once

#include <cairo.h>

namespace icongen {

enum class IconDesign {
    Application,  // icon 128: a key cap carrying a speaker
    NumLockOn,    // icon 222: dark tile, white padlock with the digit 9
    NumLockOff,   // icon 221: the same with a red prohibition sign at the top right
    Setup,        // the Setup launcher: an open carton with a green arrow pointing down into it
};

// Draws the design onto a context already scaled to the unit square. pixelSize is the side of the
// target image; thin strokes are widened at small sizes so that they stay visible.
void DrawIcon(cairo_t* context, IconDesign design, int pixelSize);

}  // namespace icongen
