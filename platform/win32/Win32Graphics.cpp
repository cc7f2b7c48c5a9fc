#include <windows.h>
// <gdiplus.h> needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out of <windows.h>.
#include <objidl.h>
#include <gdiplus.h>

#include "platform/win32/Win32Graphics.h"

#include <cstring>
#include <new>

#include "platform/win32/Unique.h"

namespace vh::win32 {

namespace gdip = Gdiplus::DllExports;

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(BITMAPINFOHEADER) == 40);
#endif

namespace {

constexpr wchar_t kPictureType[] = L"PNG";

// The bitmap object behind a PictureHandle: it exists even when decoding failed, and then holds
// no GDI+ bitmap (its size reads as 0 x 0).
struct PictureObject {
    Gdiplus::GpBitmap* bitmap = nullptr;
};

PictureObject* ToObject(PictureHandle picture) { return reinterpret_cast<PictureObject*>(picture); }

struct GdipImageTraits {
    using Type = Gdiplus::GpImage*;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type h) noexcept { return h != nullptr; }
    static void Close(Type h) noexcept { gdip::GdipDisposeImage(h); }
};
struct GdipGraphicsTraits {
    using Type = Gdiplus::GpGraphics*;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type h) noexcept { return h != nullptr; }
    static void Close(Type h) noexcept { gdip::GdipDeleteGraphics(h); }
};
using UniqueGdipImage = Unique<GdipImageTraits>;
using UniqueGdipGraphics = Unique<GdipGraphicsTraits>;

// Keeps an object selected into a device context and selects the previous one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~Selection() {
        if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Decodes the bytes through a stream over a private copy; the stream frees the copy once the
// bitmap, which keeps reading from it, lets go.
Gdiplus::GpBitmap* DecodePrivateCopy(const void* bytes, DWORD size) {
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    void* copy = ::GlobalLock(block);
    if (!copy) {
        ::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(copy, bytes, size);
    ::GlobalUnlock(block);
    ComPtr<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(block, TRUE, stream.put()))) {
        ::GlobalFree(block);
        return nullptr;
    }
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (gdip::GdipCreateBitmapFromStream(stream.get(), &bitmap) != Gdiplus::Ok) return nullptr;
    return bitmap;
}

}  // namespace

PictureHandle Win32Graphics::LoadPngResource(std::uint16_t id) {
    auto* object = new (std::nothrow) PictureObject;
    if (!object) return kNoPicture;
    HMODULE module = ::GetModuleHandleW(nullptr);
    if (HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(id), kPictureType)) {
        const DWORD size = ::SizeofResource(module, resource);
        HGLOBAL loaded = ::LoadResource(module, resource);
        const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
        if (bytes && size) object->bitmap = DecodePrivateCopy(bytes, size);
    }
    return reinterpret_cast<PictureHandle>(object);
}

void Win32Graphics::ReleasePicture(PictureHandle picture) {
    PictureObject* object = ToObject(picture);
    if (!object) return;
    if (object->bitmap) gdip::GdipDisposeImage(object->bitmap);
    delete object;
}

bool Win32Graphics::GetPictureWidth(PictureHandle picture, std::uint32_t& width) {
    PictureObject* object = ToObject(picture);
    UINT value = 0;
    if (!object || !object->bitmap || gdip::GdipGetImageWidth(object->bitmap, &value) != Gdiplus::Ok) return false;
    width = value;
    return true;
}

bool Win32Graphics::GetPictureHeight(PictureHandle picture, std::uint32_t& height) {
    PictureObject* object = ToObject(picture);
    UINT value = 0;
    if (!object || !object->bitmap || gdip::GdipGetImageHeight(object->bitmap, &value) != Gdiplus::Ok) return false;
    height = value;
    return true;
}

void Win32Graphics::UpdateLayeredFrame(Hwnd windowHandle, PictureHandle picture, Point destination, int width,
                                       int height) {
    HWND window = reinterpret_cast<HWND>(windowHandle);
    WindowDc windowDc(window);
    UniqueMemoryDc memoryDc(::CreateCompatibleDC(windowDc.get()));
    if (!memoryDc) return;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const DWORD stride = ((static_cast<DWORD>(width) * 32 + 31) >> 3) & ~3u;
    info.bmiHeader.biSizeImage = stride * static_cast<DWORD>(height);
    void* pixels = nullptr;
    UniqueBitmap dib(::CreateDIBSection(memoryDc.get(), &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!dib || !pixels) return;  // e.g. a picture of size 0
    std::memset(pixels, 0, info.bmiHeader.biSizeImage);  // fully transparent black
    Selection selected(memoryDc.get(), dib.get());

    UniqueGdipImage frame;
    {
        Gdiplus::GpBitmap* bitmap = nullptr;
        gdip::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap);
        frame.reset(bitmap);
    }
    UniqueGdipGraphics onMemoryDc;
    gdip::GdipCreateFromHDC(memoryDc.get(), onMemoryDc.put());
    if (onMemoryDc) gdip::GdipSetPageUnit(onMemoryDc.get(), Gdiplus::UnitPixel);
    UniqueGdipGraphics onFrame;
    if (frame) gdip::GdipGetImageGraphicsContext(frame.get(), onFrame.put());

    ::SetWindowLongW(window, GWL_EXSTYLE, ::GetWindowLongW(window, GWL_EXSTYLE) | WS_EX_LAYERED);

    const PictureObject* object = ToObject(picture);
    if (onFrame && object && object->bitmap)
        gdip::GdipDrawImageRectRectI(onFrame.get(), object->bitmap, 0, 0, width, height, 0, 0, width, height,
                                     Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
    if (onMemoryDc && frame) gdip::GdipDrawImageRectI(onMemoryDc.get(), frame.get(), 0, 0, width, height);

    POINT to{destination.x, destination.y};
    SIZE size{width, height};
    POINT from{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::UpdateLayeredWindow(window, windowDc.get(), &to, &size, memoryDc.get(), &from, 0, &blend, ULW_ALPHA);
    // The drawing surfaces, the frame bitmap, the selection, the DIB, the memory context and
    // the window's context go in that order as they leave scope.
}

}  // namespace vh::win32
