#include "platform/sim/SimGraphics.h"

#include <png.h>

#include <algorithm>

#include "platform/sim/EmbeddedPictures.h"

namespace vh::sim {

DecodedPicture DecodePng(const std::uint8_t* bytes, std::size_t size) {
    DecodedPicture picture;
    if (!bytes || size == 0) return picture;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes, size)) return picture;
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        return picture;
    }
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.rgba = std::move(rgba);
    return picture;
}

bool SavePremultipliedPng(const std::string& path, const std::vector<std::uint8_t>& rgba, int width, int height) {
    if (width <= 0 || height <= 0 || rgba.size() != static_cast<std::size_t>(width) * height * 4) return false;
    std::vector<std::uint8_t> straight(rgba.size());
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        const unsigned a = rgba[i + 3];
        for (int c = 0; c < 3; ++c)
            straight[i + c] = a ? static_cast<std::uint8_t>(std::min(255u, (rgba[i + c] * 255u + a / 2) / a)) : 0;
        straight[i + 3] = static_cast<std::uint8_t>(a);
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGBA;
    return png_image_write_to_file(&image, path.c_str(), 0, straight.data(), 0, nullptr) != 0;
}

PictureHandle SimGraphics::LoadPngResource(std::uint16_t id) {
    trace_.Add(L"LoadPngResource " + std::to_wstring(id));
    if (failAllocation) return kNoPicture;
    ++picturesLoaded;
    DecodedPicture decoded;
    if (auto it = replacedResources.find(id); it != replacedResources.end()) {
        decoded = DecodePng(it->second.data(), it->second.size());
    } else {
        const auto bytes = FindEmbeddedPicture(id);
        decoded = DecodePng(bytes.data(), bytes.size());
    }
    const PictureHandle handle = next_++;
    pictures_.emplace(handle, std::move(decoded));
    return handle;
}

void SimGraphics::ReleasePicture(PictureHandle picture) { pictures_.erase(picture); }

bool SimGraphics::GetPictureWidth(PictureHandle picture, std::uint32_t& width) {
    auto it = pictures_.find(picture);
    if (it == pictures_.end()) return false;
    width = static_cast<std::uint32_t>(it->second.width);
    return true;
}

bool SimGraphics::GetPictureHeight(PictureHandle picture, std::uint32_t& height) {
    auto it = pictures_.find(picture);
    if (it == pictures_.end()) return false;
    height = static_cast<std::uint32_t>(it->second.height);
    return true;
}

void SimGraphics::UpdateLayeredFrame(Hwnd window, PictureHandle picture, Point destination, int width, int height) {
    if (width <= 0 || height <= 0 || !windows_.Find(window)) return;  // no frame can be made
    trace_.Add(L"UpdateLayeredWindow");
    std::vector<std::uint8_t> frame(static_cast<std::size_t>(width) * height * 4, 0);
    if (auto it = pictures_.find(picture); it != pictures_.end()) {
        const DecodedPicture& source = it->second;
        const int w = std::min(width, source.width), h = std::min(height, source.height);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint8_t* s = &source.rgba[(static_cast<std::size_t>(y) * source.width + x) * 4];
                std::uint8_t* d = &frame[(static_cast<std::size_t>(y) * width + x) * 4];
                const unsigned a = s[3];
                for (int c = 0; c < 3; ++c) d[c] = static_cast<std::uint8_t>((s[c] * a + 127) / 255);
                d[3] = static_cast<std::uint8_t>(a);
            }
    }
    windows_.SetLayeredContent(window, destination, width, height, std::move(frame));
}

}  // namespace vh::sim
