#include "tools/osdgen/BrightnessArt.h"

#include "tools/osdgen/Catalogue.h"
#include "tools/osdgen/Paint.h"

#include <cmath>
#include <numbers>

namespace osdgen {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr Rgb kDimSun = FromBytes(82, 128, 154);

constexpr double kSunX = 76;
constexpr double kSunY = 50;

// A ring with twelve teeth standing out of it.
void DrawSun(cairo_t* context, bool bright) {
    constexpr int kTeeth = 12;
    constexpr double kRing = 11;
    constexpr double kToothInner = 15.5;
    constexpr double kToothOuter = 21;
    cairo_new_sub_path(context);
    cairo_arc(context, kSunX, kSunY, kRing, 0, 2 * kPi);
    if (bright) {
        FillKeep(context, kLit, 0.35);
        StrokeGlowing(context, 3.0, kLit);
    } else {
        FillKeep(context, kDimSun, 0.15);
        StrokePlain(context, 3.0, kDimSun);
    }
    for (int tooth = 0; tooth < kTeeth; ++tooth) {
        const double angle = 2 * kPi * tooth / kTeeth;
        cairo_move_to(context, kSunX + kToothInner * std::cos(angle),
                      kSunY + kToothInner * std::sin(angle));
        cairo_line_to(context, kSunX + kToothOuter * std::cos(angle),
                      kSunY + kToothOuter * std::sin(angle));
    }
    if (bright) {
        StrokeGlowing(context, 3.0, kLit);
    } else {
        StrokePlain(context, 3.0, kDimSun);
    }
}

void DrawTriangle(cairo_t* context, bool up) {
    constexpr double kCentreX = 124;
    constexpr double kHalfWidth = 10;
    constexpr double kHalfHeight = 9;
    const double tip = up ? kSunY - kHalfHeight : kSunY + kHalfHeight;
    const double base = up ? kSunY + kHalfHeight : kSunY - kHalfHeight;
    cairo_move_to(context, kCentreX, tip);
    cairo_line_to(context, kCentreX + kHalfWidth, base);
    cairo_line_to(context, kCentreX - kHalfWidth, base);
    cairo_close_path(context);
    StrokeGlowing(context, 2.0, kLit);
}

}  // namespace

void DrawBrightness(cairo_t* context, bool up, int lit) {
    DrawSun(context, up);
    DrawTriangle(context, up);
    constexpr double kWidth = 17;
    constexpr double kGap = 4;
    constexpr double kHeight = 12;
    constexpr double kRowWidth = kBrightnessBars * kWidth + (kBrightnessBars - 1) * kGap;
    constexpr double kLeft = static_cast<int>((kPictureWidth - kRowWidth) / 2);
    for (int bar = 0; bar < kBrightnessBars; ++bar) {
        DrawBar(context, kLeft + bar * (kWidth + kGap), 84, kWidth, kHeight, bar < lit);
    }
}

}  // namespace osdgen
