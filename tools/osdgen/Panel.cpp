#include "tools/osdgen/Panel.h"

#include "tools/icongen/CairoHandles.h"
#include "tools/osdgen/Paint.h"

namespace osdgen {
namespace {

constexpr Rgb kOuterLine = FromBytes(200, 200, 200);
constexpr Rgb kUpperTop = FromBytes(190, 190, 190);
constexpr Rgb kUpperBottom = FromBytes(82, 82, 82);
constexpr Rgb kLowerTop = FromBytes(24, 24, 24);
constexpr Rgb kLowerBottom = FromBytes(49, 49, 49);

constexpr double kCaptionSize = 13.0;
constexpr double kCaptionBaseline = 16.0;

void FillGradient(cairo_t* context, double left, double top, double width, double bottom,
                  Rgb topColour, Rgb bottomColour) {
    const icongen::PatternPtr gradient{cairo_pattern_create_linear(0, top, 0, bottom)};
    cairo_pattern_add_color_stop_rgb(gradient.get(), 0, topColour.red, topColour.green,
                                     topColour.blue);
    cairo_pattern_add_color_stop_rgb(gradient.get(), 1, bottomColour.red, bottomColour.green,
                                     bottomColour.blue);
    cairo_rectangle(context, left, top, width, bottom - top);
    cairo_set_source(context, gradient.get());
    cairo_fill(context);
}

}  // namespace

void DrawPanel(cairo_t* context, int width, int height) {
    SetColour(context, kOuterLine);
    cairo_paint(context);
    cairo_rectangle(context, 1, 1, width - 2, height - 2);
    SetColour(context, kBlack);
    cairo_fill(context);

    const double inside = 2;
    const double half = height / 2;
    FillGradient(context, inside, inside, width - 2 * inside, half, kUpperTop, kUpperBottom);
    FillGradient(context, inside, half, width - 2 * inside, height - inside, kLowerTop,
                 kLowerBottom);
}

bool DrawCaption(cairo_t* context, const Typeface& face, std::string_view caption, int width) {
    return DrawCentredText(context, face, caption, width / 2.0, kCaptionBaseline, kCaptionSize,
                           kLit);
}

}  // namespace osdgen
