#include "tools/icongen/IconArt.h"

#include "tools/icongen/CairoHandles.h"
#include "tools/icongen/CairoShapes.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <numbers>

namespace icongen {
namespace {

constexpr double kPi = std::numbers::pi;

struct Rgb {
    double red;
    double green;
    double blue;
};

void SetColour(cairo_t* context, Rgb colour) {
    cairo_set_source_rgb(context, colour.red, colour.green, colour.blue);
}

// A stroke width in unit coordinates that is never thinner than minPixels on the target image.
double StrokeWidth(double unitWidth, double minPixels, int pixelSize) {
    return std::max(unitWidth, minPixels / pixelSize);
}


void FillVerticalGradient(cairo_t* context, double top, double bottom, Rgb topColour,
                          Rgb bottomColour) {
    const PatternPtr gradient{cairo_pattern_create_linear(0, top, 0, bottom)};
    cairo_pattern_add_color_stop_rgb(gradient.get(), 0, topColour.red, topColour.green,
                                     topColour.blue);
    cairo_pattern_add_color_stop_rgb(gradient.get(), 1, bottomColour.red, bottomColour.green,
                                     bottomColour.blue);
    cairo_set_source(context, gradient.get());
    cairo_fill(context);
}

// --- NumLock icons -------------------------------------------------------------------------

constexpr Rgb kTileTop{0.33, 0.33, 0.34};
constexpr Rgb kTileBottom{0.17, 0.17, 0.18};
constexpr Rgb kDigit{0.22, 0.22, 0.23};
constexpr Rgb kLockWhite{1.0, 1.0, 1.0};
constexpr Rgb kSignRed{0.86, 0.11, 0.11};

// The padlock stands a little left of and below the centre, leaving the top right corner free
// for the prohibition sign.
constexpr double kLockCentreX = 0.45;
constexpr double kBodyLeft = kLockCentreX - 0.25;
constexpr double kBodyTop = 0.45;
constexpr double kBodyWidth = 0.50;
constexpr double kBodyHeight = 0.42;
constexpr double kShackleRadius = 0.14;
constexpr double kShackleTop = 0.31;  // centre height of the shackle's arc

void DrawTile(cairo_t* context) {
    RoundedRectangle(context, 0.03, 0.03, 0.94, 0.94, 0.19);
    FillVerticalGradient(context, 0.03, 0.97, kTileTop, kTileBottom);
}

void DrawPadlock(cairo_t* context, int pixelSize) {
    // Shackle: two legs joined by a half circle, entering the body.
    cairo_set_line_cap(context, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_width(context, StrokeWidth(0.075, 1.6, pixelSize));
    cairo_move_to(context, kLockCentreX - kShackleRadius, kBodyTop + 0.02);
    cairo_line_to(context, kLockCentreX - kShackleRadius, kShackleTop);
    cairo_arc(context, kLockCentreX, kShackleTop, kShackleRadius, kPi, 2 * kPi);
    cairo_line_to(context, kLockCentreX + kShackleRadius, kBodyTop + 0.02);
    SetColour(context, kLockWhite);
    cairo_stroke(context);

    RoundedRectangle(context, kBodyLeft, kBodyTop, kBodyWidth, kBodyHeight, 0.07);
    SetColour(context, kLockWhite);
    cairo_fill(context);

    // The digit 9 in the tile's colour: a round bowl and a tail that bends down to the left.
    const double bowlX = kLockCentreX;
    const double bowlY = kBodyTop + 0.13;
    const double bowlRadius = 0.068;
    cairo_set_line_width(context, StrokeWidth(0.052, 1.25, pixelSize));
    cairo_set_line_cap(context, CAIRO_LINE_CAP_ROUND);
    SetColour(context, kDigit);
    cairo_new_path(context);
    cairo_arc(context, bowlX, bowlY, bowlRadius, 0, 2 * kPi);
    cairo_stroke(context);
    cairo_move_to(context, bowlX + bowlRadius, bowlY);
    cairo_line_to(context, bowlX + bowlRadius, bowlY + 0.09);
    cairo_curve_to(context, bowlX + bowlRadius, bowlY + 0.17, bowlX + 0.01, bowlY + 0.19,
                   bowlX - bowlRadius, bowlY + 0.15);
    cairo_stroke(context);
}

// A red circle with a slash on a white disc, wholly inside the top right quadrant.
void DrawProhibitionSign(cairo_t* context, int pixelSize) {
    const double centreX = 0.755;
    const double centreY = 0.245;
    const double outerRadius = 0.19;
    const double ringWidth = StrokeWidth(0.055, 1.2, pixelSize);
    const double ringRadius = outerRadius - 0.03;

    cairo_new_path(context);
    cairo_arc(context, centreX, centreY, outerRadius, 0, 2 * kPi);
    SetColour(context, kLockWhite);
    cairo_fill(context);

    cairo_set_line_width(context, ringWidth);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_BUTT);
    SetColour(context, kSignRed);
    cairo_arc(context, centreX, centreY, ringRadius, 0, 2 * kPi);
    cairo_stroke(context);

    const double reach = ringRadius * std::numbers::sqrt2 / 2;
    cairo_move_to(context, centreX - reach, centreY - reach);
    cairo_line_to(context, centreX + reach, centreY + reach);
    cairo_stroke(context);
}

// --- Application icon ----------------------------------------------------------------------

constexpr Rgb kSkirtTop{0.10, 0.42, 0.52};
constexpr Rgb kSkirtBottom{0.05, 0.25, 0.33};
constexpr Rgb kFaceTop{0.36, 0.74, 0.84};
constexpr Rgb kFaceBottom{0.20, 0.56, 0.68};
constexpr Rgb kSymbol{1.0, 1.0, 1.0};

void DrawKeyCap(cairo_t* context) {
    // The skirt, seen below the top face, gives the key its height.
    RoundedRectangle(context, 0.05, 0.06, 0.90, 0.88, 0.17);
    FillVerticalGradient(context, 0.06, 0.94, kSkirtTop, kSkirtBottom);
    RoundedRectangle(context, 0.14, 0.10, 0.72, 0.70, 0.12);
    FillVerticalGradient(context, 0.10, 0.80, kFaceTop, kFaceBottom);
}

void DrawSpeaker(cairo_t* context, int pixelSize) {
    const double centreY = 0.45;
    SetColour(context, kSymbol);
    cairo_new_path(context);
    cairo_move_to(context, 0.27, centreY - 0.07);
    cairo_line_to(context, 0.36, centreY - 0.07);
    cairo_line_to(context, 0.47, centreY - 0.17);
    cairo_line_to(context, 0.47, centreY + 0.17);
    cairo_line_to(context, 0.36, centreY + 0.07);
    cairo_line_to(context, 0.27, centreY + 0.07);
    cairo_close_path(context);
    cairo_fill(context);

    cairo_set_line_width(context, StrokeWidth(0.045, 1.2, pixelSize));
    cairo_set_line_cap(context, CAIRO_LINE_CAP_ROUND);
    for (const double radius : {0.10, 0.19}) {
        cairo_new_path(context);
        cairo_arc(context, 0.48, centreY, radius, -kPi / 4, kPi / 4);
        cairo_stroke(context);
    }
}

// --- Setup launcher icon ------------------------------------------------------------------

constexpr Rgb kCartonTop{0.86, 0.64, 0.36};
constexpr Rgb kCartonBottom{0.66, 0.45, 0.22};
constexpr Rgb kFlap{0.93, 0.76, 0.50};
constexpr Rgb kCartonEdge{0.42, 0.27, 0.12};
constexpr Rgb kArrowTop{0.36, 0.80, 0.40};
constexpr Rgb kArrowBottom{0.13, 0.55, 0.22};
constexpr Rgb kArrowEdge{0.05, 0.30, 0.10};

void Polygon(cairo_t* context, std::initializer_list<std::array<double, 2>> points) {
    cairo_new_path(context);
    for (const auto& [x, y] : points) {
        cairo_line_to(context, x, y);
    }
    cairo_close_path(context);
}

// The carton's body with its two flaps folded out to the sides, its opening at y 0.50.
void DrawCarton(cairo_t* context, int pixelSize) {
    const double edgeWidth = StrokeWidth(0.022, 1.0, pixelSize);
    cairo_set_line_join(context, CAIRO_LINE_JOIN_ROUND);
    for (const double side : {-1.0, 1.0}) {
        const double hinge = 0.5 + side * 0.38;
        const double inner = 0.5 + side * 0.14;
        const double outer = 0.5 + side * 0.47;
        Polygon(context, {{hinge, 0.50}, {inner, 0.50}, {0.5 + side * 0.22, 0.38}, {outer, 0.38}});
        SetColour(context, kFlap);
        cairo_fill_preserve(context);
        cairo_set_line_width(context, edgeWidth);
        SetColour(context, kCartonEdge);
        cairo_stroke(context);
    }

    RoundedRectangle(context, 0.12, 0.50, 0.76, 0.44, 0.05);
    FillVerticalGradient(context, 0.50, 0.94, kCartonTop, kCartonBottom);
    RoundedRectangle(context, 0.12, 0.50, 0.76, 0.44, 0.05);
    cairo_set_line_width(context, edgeWidth);
    SetColour(context, kCartonEdge);
    cairo_stroke(context);

    // The seam of the folded bottom flaps.
    cairo_move_to(context, 0.5, 0.78);
    cairo_line_to(context, 0.5, 0.94);
    cairo_stroke(context);
}

// A broad arrow from the top edge down into the carton's opening.
void DrawDownArrow(cairo_t* context, int pixelSize) {
    Polygon(context, {{0.40, 0.05}, {0.60, 0.05}, {0.60, 0.40}, {0.78, 0.40}, {0.50, 0.74},
                      {0.22, 0.40}, {0.40, 0.40}});
    const PatternPtr gradient{cairo_pattern_create_linear(0, 0.05, 0, 0.74)};
    cairo_pattern_add_color_stop_rgb(gradient.get(), 0, kArrowTop.red, kArrowTop.green, kArrowTop.blue);
    cairo_pattern_add_color_stop_rgb(gradient.get(), 1, kArrowBottom.red, kArrowBottom.green,
                                     kArrowBottom.blue);
    cairo_set_source(context, gradient.get());
    cairo_fill_preserve(context);
    cairo_set_line_join(context, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(context, StrokeWidth(0.025, 1.0, pixelSize));
    SetColour(context, kArrowEdge);
    cairo_stroke(context);
}

// --- 16-pixel variants ---------------------------------------------------------------------
// At 16 pixels the scaled drawings blur into blobs, so these are laid out on the pixel grid
// (coordinates in pixels). The padlock and sign keep their places: the sign stays within the
// top right quadrant.

void DrawPadlockSmall(cairo_t* context) {
    SetColour(context, kLockWhite);
    cairo_set_line_width(context, 1.5);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_BUTT);
    cairo_move_to(context, 4.75, 8.0);
    cairo_line_to(context, 4.75, 5.5);
    cairo_arc(context, 7.5, 5.5, 2.75, kPi, 2 * kPi);
    cairo_line_to(context, 10.25, 8.0);
    cairo_stroke(context);

    cairo_rectangle(context, 3, 7, 9, 7);
    cairo_fill(context);

    // A 3 x 5 pixel 9.
    SetColour(context, kDigit);
    cairo_rectangle(context, 6, 8, 3, 1);
    cairo_rectangle(context, 6, 9, 1, 1);
    cairo_rectangle(context, 8, 9, 1, 4);
    cairo_rectangle(context, 6, 10, 2, 1);
    cairo_rectangle(context, 6, 12, 2, 1);
    cairo_fill(context);
}

// Too small for a drawn circle: a pixel pattern, R red, W white, '.' left to the tile.
void DrawProhibitionSignSmall(cairo_t* context) {
    static constexpr const char* kPattern[] = {
        "..RRRR..",
        ".RRWWRR.",
        "RRRRWWRR",
        "RWWRRWWR",
        "RWWWRRWR",
        "RRWWWRRR",
        ".RRWWRR.",
        "..RRRR..",
    };
    constexpr int kLeft = 8;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const char cell = kPattern[row][column];
            if (cell == '.') {
                continue;
            }
            SetColour(context, cell == 'R' ? kSignRed : kLockWhite);
            cairo_rectangle(context, kLeft + column, row, 1, 1);
            cairo_fill(context);
        }
    }
}

void DrawSpeakerSmall(cairo_t* context) {
    SetColour(context, kSymbol);
    cairo_rectangle(context, 4, 6, 2, 3);
    cairo_move_to(context, 6, 6);
    cairo_line_to(context, 8, 4);
    cairo_line_to(context, 8, 11);
    cairo_line_to(context, 6, 9);
    cairo_close_path(context);
    cairo_fill(context);

    // One sound wave, set pixel by pixel.
    cairo_rectangle(context, 10, 5, 1, 1);
    cairo_rectangle(context, 11, 6, 1, 4);
    cairo_rectangle(context, 10, 10, 1, 1);
    cairo_fill(context);
}

// Carton and arrow on the pixel grid; the flaps shrink to one-pixel ledges.
void DrawSetupSmall(cairo_t* context) {
    SetColour(context, kFlap);
    cairo_rectangle(context, 0, 7, 4, 1);
    cairo_rectangle(context, 12, 7, 4, 1);
    cairo_fill(context);

    SetColour(context, kCartonEdge);
    cairo_rectangle(context, 2, 8, 12, 8);
    cairo_fill(context);
    cairo_rectangle(context, 3, 9, 10, 6);
    FillVerticalGradient(context, 9, 15, kCartonTop, kCartonBottom);

    SetColour(context, kArrowBottom);
    cairo_rectangle(context, 6, 0, 4, 7);
    cairo_move_to(context, 3, 7);
    cairo_line_to(context, 13, 7);
    cairo_line_to(context, 8, 12);
    cairo_close_path(context);
    cairo_fill(context);
}

void DrawSmallIcon(cairo_t* context, IconDesign design) {
    cairo_save(context);
    cairo_scale(context, 1.0 / 16, 1.0 / 16);
    switch (design) {
    case IconDesign::Application:
        RoundedRectangle(context, 0.5, 0.5, 15, 15, 3);
        FillVerticalGradient(context, 0.5, 15.5, kSkirtTop, kSkirtBottom);
        RoundedRectangle(context, 2, 1, 12, 12, 2);
        FillVerticalGradient(context, 1, 13, kFaceTop, kFaceBottom);
        DrawSpeakerSmall(context);
        break;
    case IconDesign::NumLockOn:
    case IconDesign::NumLockOff:
        RoundedRectangle(context, 0.5, 0.5, 15, 15, 3);
        FillVerticalGradient(context, 0.5, 15.5, kTileTop, kTileBottom);
        DrawPadlockSmall(context);
        if (design == IconDesign::NumLockOff) {
            DrawProhibitionSignSmall(context);
        }
        break;
    case IconDesign::Setup:
        DrawSetupSmall(context);
        break;
    }
    cairo_restore(context);
}

}  // namespace

void DrawIcon(cairo_t* context, IconDesign design, int pixelSize) {
    if (pixelSize <= 16) {
        DrawSmallIcon(context, design);
        return;
    }
    switch (design) {
    case IconDesign::Application:
        DrawKeyCap(context);
        DrawSpeaker(context, pixelSize);
        break;
    case IconDesign::NumLockOn:
        DrawTile(context);
        DrawPadlock(context, pixelSize);
        break;
    case IconDesign::NumLockOff:
        DrawTile(context);
        DrawPadlock(context, pixelSize);
        DrawProhibitionSign(context, pixelSize);
        break;
    case IconDesign::Setup:
        DrawCarton(context, pixelSize);
        DrawDownArrow(context, pixelSize);
        break;
    }
}

}  // namespace icongen
