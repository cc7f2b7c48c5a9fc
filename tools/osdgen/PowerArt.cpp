#include "tools/osdgen/PowerArt.h"

#include "tools/osdgen/Paint.h"

namespace osdgen {
namespace {

constexpr double kMiddleY = 60;

}  // namespace

void DrawAcPower(cairo_t* context) {
    // Cable coming in from the left, with a gentle bend.
    cairo_move_to(context, 18, kMiddleY + 14);
    cairo_curve_to(context, 40, kMiddleY + 16, 52, kMiddleY, 74, kMiddleY);
    StrokeGlowing(context, 4.0, kLit);

    // Strain relief, body and face plate.
    cairo_move_to(context, 74, kMiddleY - 6);
    cairo_line_to(context, 88, kMiddleY - 9);
    cairo_line_to(context, 88, kMiddleY + 9);
    cairo_line_to(context, 74, kMiddleY + 6);
    cairo_close_path(context);
    RoundedRectangle(context, 88, kMiddleY - 18, 44, 36, 6);
    FillKeep(context, kLit, 0.22);
    StrokeGlowing(context, 2.0, kLit);
    cairo_rectangle(context, 132, kMiddleY - 14, 5, 28);
    FillKeep(context, kLit, 0.5);
    StrokeGlowing(context, 1.5, kLit);

    // The two pins.
    cairo_rectangle(context, 137, kMiddleY - 11, 28, 6);
    cairo_rectangle(context, 137, kMiddleY + 5, 28, 6);
    FillKeep(context, kLit);
    StrokeGlowing(context, 1.0, kLit);
}

void DrawBattery(cairo_t* context) {
    constexpr double kLeft = 38;
    constexpr double kTop = kMiddleY - 23;
    constexpr double kWidth = 104;
    constexpr double kHeight = 46;
    constexpr double kInset = 5;

    // Filled left half.
    cairo_rectangle(context, kLeft + kInset, kTop + kInset, kWidth / 2 - kInset,
                    kHeight - 2 * kInset);
    SetColour(context, kLit);
    cairo_fill(context);

    RoundedRectangle(context, kLeft, kTop, kWidth, kHeight, 5);
    StrokeGlowing(context, 2.5, kLit);
    // The terminal on the right.
    cairo_rectangle(context, kLeft + kWidth + 2, kMiddleY - 8, 7, 16);
    FillKeep(context, kLit);
    StrokeGlowing(context, 1.0, kLit);

    // Arrow towards the terminal: dark with a light edge, so it shows on both halves.
    constexpr double kTail = kLeft + 20;
    constexpr double kHeadBase = kLeft + 72;
    constexpr double kTip = kLeft + 90;
    cairo_move_to(context, kTail, kMiddleY - 4);
    cairo_line_to(context, kHeadBase, kMiddleY - 4);
    cairo_line_to(context, kHeadBase, kMiddleY - 12);
    cairo_line_to(context, kTip, kMiddleY);
    cairo_line_to(context, kHeadBase, kMiddleY + 12);
    cairo_line_to(context, kHeadBase, kMiddleY + 4);
    cairo_line_to(context, kTail, kMiddleY + 4);
    cairo_close_path(context);
    FillKeep(context, FromBytes(28, 40, 48));
    StrokeGlowing(context, 1.5, kLit);
}

}  // namespace osdgen
