// A TrueType face read with FreeType, laid out as cairo paths from its unhinted outlines, so
// that text comes out the same whatever fontconfig or hinting settings the machine has.
#pragma once

#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <optional>
#include <string_view>

namespace osdgen {

class Typeface {
public:
    static std::optional<Typeface> Open(const char* fontFile);

    // Advance width of `text` at `size` pixels per em.
    double Width(std::string_view text, double size) const;
    // Appends the outlines of `text` to the current path, starting at x on the given baseline.
    // Characters missing from the face are skipped. Returns false when an outline can't be read.
    bool AppendPath(cairo_t* context, std::string_view text, double x, double baseline,
                    double size) const;

private:
    struct LibraryRelease {
        void operator()(FT_Library library) const { FT_Done_FreeType(library); }
    };
    struct FaceRelease {
        void operator()(FT_Face face) const { FT_Done_Face(face); }
    };
    using LibraryPtr = std::unique_ptr<FT_LibraryRec_, LibraryRelease>;
    using FacePtr = std::unique_ptr<FT_FaceRec_, FaceRelease>;

    Typeface(LibraryPtr library, FacePtr face);

    // Walks the glyphs of `text`; calls visit(glyphIndex, penX) in font units.
    template <typename Visit>
    bool ForEachGlyph(std::string_view text, Visit visit) const;

    // Declared in this order so that the face is released before its library.
    LibraryPtr library_;
    FacePtr face_;
};

}  // namespace osdgen
