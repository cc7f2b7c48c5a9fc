// The simulated picture decoder and layered composition: libpng decodes the embedded pictures,
// and a layered update leaves its premultiplied RGBA frame on the simulated window.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/ports/Graphics.h"
#include "platform/sim/SimTrace.h"
#include "platform/sim/SimWindows.h"

namespace vh::sim {

// A decoded picture: straight (not premultiplied) RGBA, row by row from the top.
struct DecodedPicture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgba;
};

// Decodes PNG bytes; an empty picture when they do not decode.
DecodedPicture DecodePng(const std::uint8_t* bytes, std::size_t size);
// Writes premultiplied RGBA as a PNG file (for looking at a composed frame); false on failure.
bool SavePremultipliedPng(const std::string& path, const std::vector<std::uint8_t>& rgba, int width, int height);

class SimGraphics : public Graphics {
public:
    SimGraphics(SimWindows& windows, SimTrace& trace) : windows_(windows), trace_(trace) {}

    // Resource bytes that replace (or add to) the embedded pictures, e.g. bytes that do not decode.
    std::map<std::uint16_t, std::vector<std::uint8_t>> replacedResources;
    bool failAllocation = false;  // no bitmap object can be made
    int picturesLoaded = 0;
    std::size_t LivePictures() const { return pictures_.size(); }

    PictureHandle LoadPngResource(std::uint16_t id) override;
    void ReleasePicture(PictureHandle picture) override;
    bool GetPictureWidth(PictureHandle picture, std::uint32_t& width) override;
    bool GetPictureHeight(PictureHandle picture, std::uint32_t& height) override;
    void UpdateLayeredFrame(Hwnd window, PictureHandle picture, Point destination, int width, int height) override;

private:
    SimWindows& windows_;
    SimTrace& trace_;
    std::map<PictureHandle, DecodedPicture> pictures_;
    PictureHandle next_ = 0x30000;
};

}  // namespace vh::sim
