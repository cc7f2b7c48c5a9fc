#include "tools/osdgen/IndicatorArt.h"

#include "tools/osdgen/Catalogue.h"
#include "tools/osdgen/Paint.h"

#include <numbers>

namespace osdgen {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kCentreX = kPictureWidth / 2.0;
constexpr double kWordSize = 15;
constexpr double kWordBaseline = 101;

void Outline(cairo_t* context, double width, bool glowing, Rgb colour) {
    if (glowing) {
        StrokeGlowing(context, width, colour);
    } else {
        StrokePlain(context, width, colour);
    }
}

// An arrow pointing down with its tip at (x, tipY).
void DownArrow(cairo_t* context, double x, double top, double tipY) {
    constexpr double kShaft = 3;
    constexpr double kHeadHalfWidth = 8;
    constexpr double kHeadHeight = 9;
    cairo_move_to(context, x - kShaft, top);
    cairo_line_to(context, x + kShaft, top);
    cairo_line_to(context, x + kShaft, tipY - kHeadHeight);
    cairo_line_to(context, x + kHeadHalfWidth, tipY - kHeadHeight);
    cairo_line_to(context, x, tipY);
    cairo_line_to(context, x - kHeadHalfWidth, tipY - kHeadHeight);
    cairo_line_to(context, x - kShaft, tipY - kHeadHeight);
    cairo_close_path(context);
    FillKeep(context, kLit);
    StrokeGlowing(context, 1.0, kLit);
}

}  // namespace

void DrawWireless(cairo_t* context, bool on) {
    const Rgb colour = on ? kLit : kFaint;
    constexpr double kBallY = 42;
    constexpr double kBallRadius = 5;
    constexpr double kFoot = 98;
    // Mast with two splayed legs.
    cairo_move_to(context, kCentreX, kBallY + kBallRadius);
    cairo_line_to(context, kCentreX, kFoot);
    cairo_move_to(context, kCentreX - 9, kFoot);
    cairo_line_to(context, kCentreX, kFoot - 24);
    cairo_line_to(context, kCentreX + 9, kFoot);
    Outline(context, 3.0, on, colour);

    cairo_new_sub_path(context);
    cairo_arc(context, kCentreX, kBallY, kBallRadius, 0, 2 * kPi);
    FillKeep(context, colour);
    Outline(context, 1.0, on, colour);

    constexpr double kSweep = kPi * 40 / 180;
    for (int arc = 0; arc < 3; ++arc) {
        const double radius = 13 + arc * 10;
        cairo_new_sub_path(context);
        cairo_arc(context, kCentreX, kBallY, radius, -kSweep, kSweep);
        cairo_new_sub_path(context);
        cairo_arc(context, kCentreX, kBallY, radius, kPi - kSweep, kPi + kSweep);
    }
    Outline(context, 3.0, on, colour);
}

bool DrawTouchpad(cairo_t* context, const Typeface& face, bool on) {
    constexpr double kLeft = 53;
    constexpr double kTop = 30;
    constexpr double kWidth = 84;
    constexpr double kHeight = 66;
    constexpr double kButtonTop = kTop + kHeight - 15;

    // Button bar along the lower edge, split into a left and a right button.
    cairo_rectangle(context, kLeft + 3, kButtonTop, kWidth - 6, kTop + kHeight - 3 - kButtonTop);
    SetColour(context, kButtonGrey);
    cairo_fill(context);
    cairo_move_to(context, kCentreX, kButtonTop);
    cairo_line_to(context, kCentreX, kTop + kHeight - 3);
    StrokePlain(context, 1.5, kUnlitFill);

    RoundedRectangle(context, kLeft, kTop, kWidth, kHeight, 6);
    if (on) {
        StrokeGlowing(context, 2.5, kLit);
    } else {
        StrokePlain(context, 2.0, kUnlitEdge);
    }
    return DrawCentredText(context, face, on ? "ON" : "OFF", kCentreX, kButtonTop - 12, 18,
                           on ? kLit : kFaint);
}

bool DrawEject(cairo_t* context, const Typeface& face) {
    constexpr double kDiscX = 72;
    constexpr double kDiscY = 52;
    cairo_new_sub_path(context);
    cairo_arc(context, kDiscX, kDiscY, 22, 0, 2 * kPi);
    FillKeep(context, kLit, 0.18);
    StrokeGlowing(context, 2.5, kLit);
    cairo_new_sub_path(context);
    cairo_arc(context, kDiscX, kDiscY, 8, 0, 2 * kPi);
    StrokePlain(context, 1.0, kLit, 0.6);
    cairo_new_sub_path(context);
    cairo_arc(context, kDiscX, kDiscY, 3, 0, 2 * kPi);
    FillKeep(context, kLit);
    cairo_new_path(context);

    // The eject symbol: a triangle pointing up over a bar.
    constexpr double kEjectX = 124;
    cairo_move_to(context, kEjectX, 34);
    cairo_line_to(context, kEjectX + 14, 54);
    cairo_line_to(context, kEjectX - 14, 54);
    cairo_close_path(context);
    cairo_rectangle(context, kEjectX - 14, 59, 28, 6);
    FillKeep(context, kLit);
    StrokeGlowing(context, 1.0, kLit);

    return DrawCentredText(context, face, "EJECT", kCentreX, kWordBaseline, kWordSize, kLit);
}

bool DrawHdmiIn(cairo_t* context, const Typeface& face) {
    DownArrow(context, kCentreX - 14, 26, 50);
    DownArrow(context, kCentreX + 14, 26, 50);

    // The socket: wide at the top, its lower corners cut off.
    constexpr double kHalfTop = 30;
    constexpr double kHalfBottom = 20;
    constexpr double kTop = 56;
    constexpr double kShoulder = 66;
    constexpr double kBottom = 78;
    cairo_move_to(context, kCentreX - kHalfTop, kTop);
    cairo_line_to(context, kCentreX + kHalfTop, kTop);
    cairo_line_to(context, kCentreX + kHalfTop, kShoulder);
    cairo_line_to(context, kCentreX + kHalfBottom, kBottom);
    cairo_line_to(context, kCentreX - kHalfBottom, kBottom);
    cairo_line_to(context, kCentreX - kHalfTop, kShoulder);
    cairo_close_path(context);
    StrokeGlowing(context, 2.5, kLit);
    // The contact tongue inside.
    cairo_rectangle(context, kCentreX - 20, 62, 40, 5);
    SetColour(context, kLit, 0.55);
    cairo_fill(context);

    return DrawCentredText(context, face, "ON", kCentreX, kWordBaseline, kWordSize, kLit);
}

}  // namespace osdgen
