#include "tools/icongen/IconRender.h"

#include "tools/icongen/CairoHandles.h"
#include "tools/icongen/IcoFile.h"

#include <cairo.h>

#include <cstddef>
#include <utility>

namespace icongen {
namespace {

SurfacePtr RenderSurface(IconDesign design, int size) {
    SurfacePtr surface{cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size)};
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        return nullptr;
    }
    const ContextPtr context{cairo_create(surface.get())};
    cairo_scale(context.get(), size, size);
    DrawIcon(context.get(), design, size);
    if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS) {
        return nullptr;
    }
    cairo_surface_flush(surface.get());
    return surface;
}

// cairo keeps premultiplied native-endian ARGB words; icons want straight BGRA bytes.
BgraImage ToBgraImage(cairo_surface_t* surface, int size) {
    BgraImage image;
    image.size = size;
    image.pixels.resize(static_cast<std::size_t>(size) * size * 4);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < size; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < size; ++x) {
            const std::uint32_t word = row[x];
            const std::uint32_t alpha = word >> 24;
            auto unpremultiply = [alpha](std::uint32_t channel) -> std::uint8_t {
                if (alpha == 0) {
                    return 0;
                }
                const std::uint32_t straight = (channel * 255 + alpha / 2) / alpha;
                return static_cast<std::uint8_t>(straight > 255 ? 255 : straight);
            };
            std::uint8_t* pixel = &image.pixels[(static_cast<std::size_t>(y) * size + x) * 4];
            pixel[0] = unpremultiply(word & 0xFF);
            pixel[1] = unpremultiply((word >> 8) & 0xFF);
            pixel[2] = unpremultiply((word >> 16) & 0xFF);
            pixel[3] = static_cast<std::uint8_t>(alpha);
        }
    }
    return image;
}

cairo_status_t AppendToVector(void* closure, const unsigned char* data, unsigned int length) {
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> RenderIcoFile(IconDesign design) {
    std::vector<IcoEntry> entries;
    for (const int size : kIconSizes) {
        const SurfacePtr surface = RenderSurface(design, size);
        if (!surface) {
            return std::nullopt;
        }
        if (size >= 256) {
            std::vector<std::uint8_t> png;
            if (cairo_surface_write_to_png_stream(surface.get(), AppendToVector, &png) !=
                CAIRO_STATUS_SUCCESS) {
                return std::nullopt;
            }
            entries.push_back(MakePngEntry(size, std::move(png)));
        } else {
            entries.push_back(EncodeDibEntry(ToBgraImage(surface.get(), size)));
        }
    }
    return BuildIcoFile(entries);
}

}  // namespace icongen
