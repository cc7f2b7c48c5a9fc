#include "tools/osdgen/Catalogue.h"

#include <algorithm>
#include <array>

namespace osdgen {
namespace {

// Index = level, value = picture id, as the OSD chooses them.
constexpr std::array<int, 8> kBrightnessUp{148, 149, 150, 151, 152, 153, 154, 139};
constexpr std::array<int, 8> kBrightnessDown{140, 141, 142, 143, 144, 145, 146, 147};
constexpr std::array<int, 11> kVolumeBarIds{232, 233, 234, 235, 236, 237,
                                            238, 239, 240, 241, 242};
// Level 0 of the arc style is the struck-through speaker (194); level 3 is 207.
constexpr std::array<int, 11> kVolumeArcIds{194, 196, 197, 207, 198, 199,
                                            200, 201, 202, 203, 204};

Picture Make(int id, std::string_view caption, Design design, int level = 0,
             int width = kPictureWidth) {
    return Picture{id, caption, design, level, width, kPictureHeight};
}

std::vector<Picture> Build() {
    std::vector<Picture> pictures;
    for (int level = 0; level <= kBrightnessBars; ++level) {
        pictures.push_back(Make(kBrightnessUp[level], "BRIGHTER", Design::BrightnessUp, level));
        pictures.push_back(Make(kBrightnessDown[level], "DIMMER", Design::BrightnessDown, level));
    }
    pictures.push_back(Make(kVolumeArcIds[0], "MUTE", Design::MuteStrike));
    for (int level = 1; level <= kVolumeBars; ++level) {
        pictures.push_back(Make(kVolumeArcIds[level], "VOLUME", Design::VolumeArcs, level));
    }
    for (int level = 0; level <= kVolumeBars; ++level) {
        pictures.push_back(Make(kVolumeBarIds[level], "VOLUME", Design::VolumeBars, level));
    }
    pictures.push_back(Make(155, "SPEAKERS", Design::SpeakersOn));
    pictures.push_back(Make(156, "SPEAKERS", Design::SpeakersMuted));
    pictures.push_back(Make(157, "WIRELESS", Design::WirelessOn));
    pictures.push_back(Make(158, "WIRELESS", Design::WirelessOff));
    pictures.push_back(Make(192, "TOUCHPAD", Design::TouchpadOn));
    pictures.push_back(Make(193, "TOUCHPAD", Design::TouchpadOff));
    pictures.push_back(Make(212, "AC POWER", Design::AcPower, 0, kWidePictureWidth));
    pictures.push_back(Make(214, "ODD", Design::Eject));
    pictures.push_back(Make(215, "HDMI IN", Design::HdmiIn));
    pictures.push_back(Make(220, "BATTERY", Design::Battery, 0, kWidePictureWidth));
    std::sort(pictures.begin(), pictures.end(),
              [](const Picture& a, const Picture& b) { return a.id < b.id; });
    return pictures;
}

}  // namespace

const std::vector<Picture>& Catalogue() {
    static const std::vector<Picture> pictures = Build();
    return pictures;
}

}  // namespace osdgen
