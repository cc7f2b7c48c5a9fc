#include "tools/osdgen/AudioArt.h"

#include "tools/osdgen/Catalogue.h"
#include "tools/osdgen/Paint.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace osdgen {
namespace {

constexpr double kPi = std::numbers::pi;

// Speaker proportions at scale 1: magnet box, then the cone widening to the right.
constexpr double kBoxWidth = 13;
constexpr double kBoxHalfHeight = 8;
constexpr double kConeWidth = 15;
constexpr double kConeHalfHeight = 20;
constexpr double kSpeakerWidth = kBoxWidth + kConeWidth;

// Draws the speaker with its left edge at x, vertically centred on cy. Returns the x of the
// cone's mouth, where the sound arcs are centred.
double DrawSpeaker(cairo_t* context, double x, double cy, double scale) {
    const double box = kBoxWidth * scale;
    const double mouth = x + kSpeakerWidth * scale;
    cairo_move_to(context, x, cy - kBoxHalfHeight * scale);
    cairo_line_to(context, x + box, cy - kBoxHalfHeight * scale);
    cairo_line_to(context, mouth, cy - kConeHalfHeight * scale);
    cairo_line_to(context, mouth, cy + kConeHalfHeight * scale);
    cairo_line_to(context, x + box, cy + kBoxHalfHeight * scale);
    cairo_line_to(context, x, cy + kBoxHalfHeight * scale);
    cairo_close_path(context);
    FillKeep(context, kLit, 0.22);
    StrokeGlowing(context, 2.0, kLit);
    // The seam between magnet and cone.
    cairo_move_to(context, x + box, cy - kBoxHalfHeight * scale);
    cairo_line_to(context, x + box, cy + kBoxHalfHeight * scale);
    StrokePlain(context, 1.5, kLit);
    return mouth;
}

// One sound arc of the given radius around (cx, cy), no taller than maxHalfHeight each way.
void SoundArc(cairo_t* context, double cx, double cy, double radius, double maxHalfHeight) {
    const double halfHeight = std::min(radius * std::sin(kPi * 50 / 180), maxHalfHeight);
    const double sweep = std::asin(halfHeight / radius);
    cairo_new_sub_path(context);
    cairo_arc(context, cx, cy, radius, -sweep, sweep);
}

// The slider under the speaker: a wedge growing from minus to plus, its left part filled.
void DrawWedgeSlider(cairo_t* context) {
    constexpr double kLeft = 46;
    constexpr double kRight = 144;
    constexpr double kBottom = 98;
    constexpr double kLeftHeight = 2;
    constexpr double kRightHeight = 16;
    constexpr double kFilled = 0.55;
    auto topAt = [](double x) {
        return kBottom - kLeftHeight - (kRightHeight - kLeftHeight) * (x - kLeft) / (kRight - kLeft);
    };
    const double split = kLeft + (kRight - kLeft) * kFilled;

    cairo_move_to(context, kLeft, kBottom);
    cairo_line_to(context, kRight, kBottom);
    cairo_line_to(context, kRight, topAt(kRight));
    cairo_line_to(context, kLeft, topAt(kLeft));
    cairo_close_path(context);
    FillKeep(context, kUnlitFill);
    StrokePlain(context, 1.0, kUnlitEdge);

    cairo_move_to(context, kLeft, kBottom);
    cairo_line_to(context, split, kBottom);
    cairo_line_to(context, split, topAt(split));
    cairo_line_to(context, kLeft, topAt(kLeft));
    cairo_close_path(context);
    FillKeep(context, kLit);
    StrokeGlowing(context, 1.0, kLit);

    DrawSign(context, 32, kBottom - 5, 5, false);
    DrawSign(context, 158, kBottom - 8, 6, true);
}

}  // namespace

void DrawSpeakers(cairo_t* context, bool muted) {
    constexpr double kCentreY = 46;
    const double mouth = DrawSpeaker(context, 64, kCentreY, 1.0);
    if (muted) {
        constexpr double kArm = 8;
        const double cx = mouth + 18;
        cairo_move_to(context, cx - kArm, kCentreY - kArm);
        cairo_line_to(context, cx + kArm, kCentreY + kArm);
        cairo_move_to(context, cx + kArm, kCentreY - kArm);
        cairo_line_to(context, cx - kArm, kCentreY + kArm);
        StrokeGlowing(context, 3.0, kLit);
    } else {
        for (int arc = 0; arc < 3; ++arc) {
            SoundArc(context, mouth - 4, kCentreY, 12 + arc * 9, 40);
        }
        StrokeGlowing(context, 2.5, kLit);
    }
    DrawWedgeSlider(context);
}

void DrawMuteStrike(cairo_t* context) {
    constexpr double kScale = 1.4;
    constexpr double kCentreY = 62;
    DrawSpeaker(context, kPictureWidth / 2.0 - kSpeakerWidth * kScale / 2, kCentreY, kScale);
    // A dark gap on each side keeps the stroke apart from the speaker's outline.
    cairo_move_to(context, 68, 30);
    cairo_line_to(context, 122, 94);
    StrokePlain(context, 8.0, kBlack, 0.85);
    cairo_move_to(context, 68, 30);
    cairo_line_to(context, 122, 94);
    StrokeGlowing(context, 3.0, kLit);
}

void DrawVolumeArcs(cairo_t* context, int arcs) {
    constexpr double kCentreY = 62;
    const double mouth = DrawSpeaker(context, 18, kCentreY, 1.2);
    for (int arc = 0; arc < std::clamp(arcs, 0, kVolumeBars); ++arc) {
        // The first three stay blue, the rest shade over to green.
        const double shade = std::clamp((arc - 2) / 7.0, 0.0, 1.0);
        SoundArc(context, mouth - 4, kCentreY, 14 + arc * 10.5, 34);
        StrokeGlowing(context, 3.0, Mix(kLit, kLitGreen, shade));
    }
}

void DrawVolumeBars(cairo_t* context, int lit) {
    constexpr double kScale = 1.1;
    DrawSpeaker(context, kPictureWidth / 2.0 - kSpeakerWidth * kScale / 2, 50, kScale);
    constexpr double kSide = 11;
    constexpr double kGap = 3;
    constexpr double kRowWidth = kVolumeBars * kSide + (kVolumeBars - 1) * kGap;
    constexpr double kLeft = static_cast<int>((kPictureWidth - kRowWidth) / 2);  // whole pixels
    constexpr double kTop = 86;
    for (int bar = 0; bar < kVolumeBars; ++bar) {
        DrawBar(context, kLeft + bar * (kSide + kGap), kTop, kSide, kSide, bar < lit);
    }
    DrawSign(context, kLeft - 10, kTop + kSide / 2, 5, false);
    DrawSign(context, kLeft + kRowWidth + 10, kTop + kSide / 2, 5, true);
}

}  // namespace osdgen
