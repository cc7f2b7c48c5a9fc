// Pictures and layered frames on Windows: GDI+ (flat API) decodes the PNG resources and
// composes; a 32-bit DIB section and UpdateLayeredWindow put the frame on the screen.
#pragma once
#include "platform/ports/Graphics.h"

namespace vh::win32 {

class Win32Graphics final : public Graphics {
public:
    PictureHandle LoadPngResource(std::uint16_t id) override;
    void ReleasePicture(PictureHandle picture) override;
    bool GetPictureWidth(PictureHandle picture, std::uint32_t& width) override;
    bool GetPictureHeight(PictureHandle picture, std::uint32_t& height) override;
    void UpdateLayeredFrame(Hwnd window, PictureHandle picture, Point destination, int width, int height) override;
};

}  // namespace vh::win32
