#include "tools/osdgen/Paint.h"

#include <array>
#include <numbers>

namespace osdgen {
namespace {

constexpr double kPi = std::numbers::pi;

}  // namespace

Rgb Mix(Rgb from, Rgb to, double amount) {
    return Rgb{from.red + (to.red - from.red) * amount,
               from.green + (to.green - from.green) * amount,
               from.blue + (to.blue - from.blue) * amount};
}

void SetColour(cairo_t* context, Rgb colour, double alpha) {
    cairo_set_source_rgba(context, colour.red, colour.green, colour.blue, alpha);
}

void StrokeGlowing(cairo_t* context, double width, Rgb colour) {
    struct Halo {
        double extraWidth;
        double alpha;
    };
    // Widest and faintest first.
    constexpr std::array<Halo, 3> kHalo{{{7.0, 0.10}, {4.5, 0.16}, {2.5, 0.30}}};
    cairo_set_line_join(context, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_ROUND);
    for (const Halo& halo : kHalo) {
        cairo_set_line_width(context, width + halo.extraWidth);
        SetColour(context, colour, halo.alpha);
        cairo_stroke_preserve(context);
    }
    cairo_set_line_width(context, width);
    SetColour(context, colour);
    cairo_stroke(context);
}

void StrokePlain(cairo_t* context, double width, Rgb colour, double alpha) {
    cairo_set_line_join(context, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(context, width);
    SetColour(context, colour, alpha);
    cairo_stroke(context);
}

void FillKeep(cairo_t* context, Rgb colour, double alpha) {
    SetColour(context, colour, alpha);
    cairo_fill_preserve(context);
}


void DrawBar(cairo_t* context, double x, double y, double width, double height, bool lit) {
    cairo_rectangle(context, x, y, width, height);
    if (lit) {
        FillKeep(context, kLit);
        StrokeGlowing(context, 1.0, kLit);
    } else {
        FillKeep(context, kUnlitFill);
        cairo_new_path(context);
        // A 1-pixel edge just inside the bar, on whole pixels.
        cairo_rectangle(context, x + 0.5, y + 0.5, width - 1, height - 1);
        cairo_set_line_join(context, CAIRO_LINE_JOIN_MITER);
        cairo_set_line_width(context, 1.0);
        SetColour(context, kUnlitEdge);
        cairo_stroke(context);
    }
}

void DrawSign(cairo_t* context, double x, double y, double arm, bool plus) {
    cairo_move_to(context, x - arm, y);
    cairo_line_to(context, x + arm, y);
    if (plus) {
        cairo_move_to(context, x, y - arm);
        cairo_line_to(context, x, y + arm);
    }
    StrokeGlowing(context, 2.5, kLit);
}

bool DrawCentredText(cairo_t* context, const Typeface& face, std::string_view text,
                     double centreX, double baseline, double size, Rgb colour) {
    const double left = centreX - face.Width(text, size) / 2;
    if (!face.AppendPath(context, text, left + 1, baseline + 1, size)) {
        return false;
    }
    SetColour(context, kBlack, 0.6);
    cairo_fill(context);
    if (!face.AppendPath(context, text, left, baseline, size)) {
        return false;
    }
    SetColour(context, colour);
    cairo_fill(context);
    return true;
}

}  // namespace osdgen
