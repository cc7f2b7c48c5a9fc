#include "tools/osdgen/Typeface.h"

#include FT_OUTLINE_H

#include <utility>

namespace osdgen {
namespace {

// Maps font units (y upwards) to picture pixels (y downwards) while decomposing an outline.
struct OutlineSink {
    cairo_t* context;
    double originX;
    double baseline;
    double scale;
    double lastX = 0;  // current point in font units, for the quadratic segments
    double lastY = 0;

    double X(double fontX) const { return originX + fontX * scale; }
    double Y(double fontY) const { return baseline - fontY * scale; }
};

int MoveTo(const FT_Vector* to, void* user) {
    auto* sink = static_cast<OutlineSink*>(user);
    cairo_close_path(sink->context);
    cairo_move_to(sink->context, sink->X(to->x), sink->Y(to->y));
    sink->lastX = to->x;
    sink->lastY = to->y;
    return 0;
}

int LineTo(const FT_Vector* to, void* user) {
    auto* sink = static_cast<OutlineSink*>(user);
    cairo_line_to(sink->context, sink->X(to->x), sink->Y(to->y));
    sink->lastX = to->x;
    sink->lastY = to->y;
    return 0;
}

// TrueType curves are quadratic; cairo takes cubic ones.
int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    auto* sink = static_cast<OutlineSink*>(user);
    const double c1x = sink->lastX + 2.0 / 3.0 * (control->x - sink->lastX);
    const double c1y = sink->lastY + 2.0 / 3.0 * (control->y - sink->lastY);
    const double c2x = to->x + 2.0 / 3.0 * (control->x - to->x);
    const double c2y = to->y + 2.0 / 3.0 * (control->y - to->y);
    cairo_curve_to(sink->context, sink->X(c1x), sink->Y(c1y), sink->X(c2x), sink->Y(c2y),
                   sink->X(to->x), sink->Y(to->y));
    sink->lastX = to->x;
    sink->lastY = to->y;
    return 0;
}

int CubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to,
            void* user) {
    auto* sink = static_cast<OutlineSink*>(user);
    cairo_curve_to(sink->context, sink->X(control1->x), sink->Y(control1->y),
                   sink->X(control2->x), sink->Y(control2->y), sink->X(to->x), sink->Y(to->y));
    sink->lastX = to->x;
    sink->lastY = to->y;
    return 0;
}

constexpr FT_Int32 kLoadFlags = FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP;

}  // namespace

Typeface::Typeface(LibraryPtr library, FacePtr face)
    : library_(std::move(library)), face_(std::move(face)) {}

std::optional<Typeface> Typeface::Open(const char* fontFile) {
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0) {
        return std::nullopt;
    }
    LibraryPtr library{rawLibrary};
    FT_Face rawFace = nullptr;
    if (FT_New_Face(library.get(), fontFile, 0, &rawFace) != 0) {
        return std::nullopt;
    }
    FacePtr face{rawFace};
    if (!FT_IS_SCALABLE(face.get()) || face->units_per_EM == 0) {
        return std::nullopt;
    }
    return Typeface(std::move(library), std::move(face));
}

template <typename Visit>
bool Typeface::ForEachGlyph(std::string_view text, Visit visit) const {
    FT_Face face = face_.get();
    FT_UInt previous = 0;
    long pen = 0;
    for (const char character : text) {
        const FT_UInt glyph = FT_Get_Char_Index(face, static_cast<unsigned char>(character));
        if (glyph == 0) {
            continue;
        }
        if (previous != 0 && FT_HAS_KERNING(face)) {
            FT_Vector kerning{};
            if (FT_Get_Kerning(face, previous, glyph, FT_KERNING_UNSCALED, &kerning) == 0) {
                pen += kerning.x;
            }
        }
        if (FT_Load_Glyph(face, glyph, kLoadFlags) != 0 || !visit(face->glyph, pen)) {
            return false;
        }
        pen += face->glyph->metrics.horiAdvance;
        previous = glyph;
    }
    return visit(nullptr, pen);
}

double Typeface::Width(std::string_view text, double size) const {
    long width = 0;
    ForEachGlyph(text, [&width](FT_GlyphSlot slot, long pen) {
        if (slot == nullptr) {
            width = pen;
        }
        return true;
    });
    return static_cast<double>(width) * size / face_->units_per_EM;
}

bool Typeface::AppendPath(cairo_t* context, std::string_view text, double x, double baseline,
                          double size) const {
    const double scale = size / face_->units_per_EM;
    static const FT_Outline_Funcs kFuncs{MoveTo, LineTo, ConicTo, CubicTo, 0, 0};
    return ForEachGlyph(text, [&](FT_GlyphSlot slot, long pen) {
        if (slot == nullptr) {
            return true;
        }
        if (slot->format != FT_GLYPH_FORMAT_OUTLINE) {
            return false;
        }
        OutlineSink sink{context, x + static_cast<double>(pen) * scale, baseline, scale};
        const bool decoded = FT_Outline_Decompose(&slot->outline, &kFuncs, &sink) == 0;
        cairo_close_path(context);
        return decoded;
    });
}

}  // namespace osdgen
