// osdgen OUTPUT_DIR: draws every OSD picture into OUTPUT_DIR as <id>.png, plus
// contact-sheet.png with all of them in a grid. The text comes from the outlines of a DejaVu
// font file, so the output depends only on this program, cairo, FreeType and that file, and
// can be checked in and compared byte for byte.
#include "tools/osdgen/Catalogue.h"
#include "tools/osdgen/ContactSheet.h"
#include "tools/osdgen/PictureRender.h"
#include "tools/osdgen/Typeface.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

bool WritePng(const std::filesystem::path& path, cairo_surface_t* surface) {
    const auto png = osdgen::EncodePng(surface);
    if (!png || !WriteFile(path, *png)) {
        std::fprintf(stderr, "osdgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: osdgen OUTPUT_DIR\n");
        return 2;
    }
    const std::filesystem::path outputDir = argv[1];
    const auto face = osdgen::Typeface::Open(kFontFile);
    if (!face) {
        std::fprintf(stderr, "osdgen: cannot read the font %s (package fonts-dejavu-core)\n",
                     kFontFile);
        return 1;
    }

    std::vector<icongen::SurfacePtr> surfaces;
    std::vector<osdgen::SheetEntry> sheetEntries;
    for (const osdgen::Picture& picture : osdgen::Catalogue()) {
        icongen::SurfacePtr surface = osdgen::RenderPicture(picture, *face);
        if (!surface) {
            std::fprintf(stderr, "osdgen: drawing picture %d failed\n", picture.id);
            return 1;
        }
        if (!WritePng(outputDir / (std::to_string(picture.id) + ".png"), surface.get())) {
            return 1;
        }
        sheetEntries.push_back({picture.id, surface.get()});
        surfaces.push_back(std::move(surface));
    }

    const icongen::SurfacePtr sheet = osdgen::RenderContactSheet(sheetEntries, *face);
    if (!sheet) {
        std::fprintf(stderr, "osdgen: drawing the contact sheet failed\n");
        return 1;
    }
    return WritePng(outputDir / "contact-sheet.png", sheet.get()) ? 0 : 1;
}
