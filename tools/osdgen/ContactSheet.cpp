#include "tools/osdgen/ContactSheet.h"

#include "tools/osdgen/Catalogue.h"
#include "tools/osdgen/Paint.h"

#include <string>

namespace osdgen {
namespace {

constexpr int kColumns = 8;
constexpr int kMargin = 12;
constexpr int kCellWidth = kWidePictureWidth + kMargin;
constexpr int kLabelHeight = 20;
constexpr int kCellHeight = kPictureHeight + kLabelHeight + kMargin / 2;
constexpr Rgb kBackground = FromBytes(64, 64, 68);
constexpr Rgb kLabel = FromBytes(232, 232, 232);

}  // namespace

icongen::SurfacePtr RenderContactSheet(const std::vector<SheetEntry>& entries,
                                       const Typeface& face) {
    const int count = static_cast<int>(entries.size());
    const int rows = (count + kColumns - 1) / kColumns;
    const int width = kMargin + kColumns * kCellWidth;
    const int height = kMargin + rows * kCellHeight;
    icongen::SurfacePtr sheet{cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)};
    if (cairo_surface_status(sheet.get()) != CAIRO_STATUS_SUCCESS) {
        return nullptr;
    }
    const icongen::ContextPtr context{cairo_create(sheet.get())};
    cairo_t* cr = context.get();
    SetColour(cr, kBackground);
    cairo_paint(cr);

    for (int index = 0; index < count; ++index) {
        const int x = kMargin + (index % kColumns) * kCellWidth;
        const int y = kMargin + (index / kColumns) * kCellHeight;
        cairo_set_source_surface(cr, entries[index].picture, x, y);
        cairo_paint(cr);
        const std::string label = std::to_string(entries[index].id);
        if (!face.AppendPath(cr, label,
                             x + (kWidePictureWidth - face.Width(label, 13)) / 2,
                             y + kPictureHeight + 15, 13)) {
            return nullptr;
        }
        SetColour(cr, kLabel);
        cairo_fill(cr);
    }
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
        return nullptr;
    }
    cairo_surface_flush(sheet.get());
    return sheet;
}

}  // namespace osdgen
