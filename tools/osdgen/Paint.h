// Colours and the few ways the OSD pictures put paint down: glowing outlines, lit and unlit
// fills, and text.
#pragma once

#include "tools/osdgen/Typeface.h"

#include <cairo.h>

#include "tools/icongen/CairoShapes.h"

#include <string_view>

namespace osdgen {

struct Rgb {
    double red;
    double green;
    double blue;
};

constexpr Rgb FromBytes(int red, int green, int blue) {
    return Rgb{red / 255.0, green / 255.0, blue / 255.0};
}

inline constexpr Rgb kLit = FromBytes(132, 206, 247);         // light sky blue
inline constexpr Rgb kLitGreen = FromBytes(124, 224, 104);    // far end of the volume arcs
inline constexpr Rgb kFaint = FromBytes(88, 104, 116);        // a switched-off symbol
inline constexpr Rgb kUnlitFill = FromBytes(56, 56, 58);      // an unlit bar
inline constexpr Rgb kUnlitEdge = FromBytes(100, 100, 104);
inline constexpr Rgb kButtonGrey = FromBytes(112, 112, 116);
inline constexpr Rgb kBlack = FromBytes(0, 0, 0);

Rgb Mix(Rgb from, Rgb to, double amount);
void SetColour(cairo_t* context, Rgb colour, double alpha = 1.0);

// Strokes the current path with a soft halo around it, then clears the path.
void StrokeGlowing(cairo_t* context, double width, Rgb colour);
// Strokes the current path once, then clears it.
void StrokePlain(cairo_t* context, double width, Rgb colour, double alpha = 1.0);
// Fills the current path and keeps it, for an outline stroked after.
void FillKeep(cairo_t* context, Rgb colour, double alpha = 1.0);

// Adds a closed rounded rectangle to the current path.
using icongen::RoundedRectangle;

// A square-ended bar: lit (sky blue with a glow) or unlit (dark grey with a grey edge).
void DrawBar(cairo_t* context, double x, double y, double width, double height, bool lit);
// A minus or plus sign of the given arm length, centred on (x, y).
void DrawSign(cairo_t* context, double x, double y, double arm, bool plus);

// Text centred on centreX, with a dark shadow so that it reads on the light upper half too.
bool DrawCentredText(cairo_t* context, const Typeface& face, std::string_view text,
                     double centreX, double baseline, double size, Rgb colour);

}  // namespace osdgen
