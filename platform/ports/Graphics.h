// Pictures and layered frames: decoding a picture of the program's resources into a bitmap
// object, and composing a bitmap onto a layered window with per-pixel alpha.
#pragma once
#include <cstdint>

#include "common/Types.h"

namespace vh {

using PictureHandle = std::uintptr_t;  // a decoded bitmap object, 0 = none
constexpr PictureHandle kNoPicture = 0;

struct Point {
    int x = 0, y = 0;
};

class Graphics {
public:
    virtual ~Graphics() = default;

    // Finds the resource of type "PNG" with this id, copies its bytes into a private block,
    // opens a stream on it and decodes the stream into a new bitmap object. The object is made
    // even when there is no such resource or its bytes do not decode (it then has no pixels);
    // kNoPicture only when no object could be allocated. The caller releases the object.
    virtual PictureHandle LoadPngResource(std::uint16_t id) = 0;
    virtual void ReleasePicture(PictureHandle picture) = 0;
    // GdipGetImageWidth / GdipGetImageHeight; false when the size cannot be read.
    virtual bool GetPictureWidth(PictureHandle picture, std::uint32_t& width) = 0;
    virtual bool GetPictureHeight(PictureHandle picture, std::uint32_t& height) = 0;

    // Composes picture (kNoPicture draws nothing) 1:1 into a fresh, cleared width x height 32-bit
    // frame, marks the window WS_EX_LAYERED and makes the frame its whole content at destination
    // with per-pixel alpha (UpdateLayeredWindow, which also sizes the window). Every object made
    // for the frame is released before it returns. When the frame cannot be made (width or
    // height 0) nothing is composed and the window is left as it is.
    virtual void UpdateLayeredFrame(Hwnd window, PictureHandle picture, Point destination, int width,
                                    int height) = 0;
};

}  // namespace vh
