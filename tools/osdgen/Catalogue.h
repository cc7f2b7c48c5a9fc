// The OSD pictures: one entry per picture id, with what the drawing code needs to draw it.
#pragma once

#include <string_view>
#include <vector>

namespace osdgen {

enum class Design {
    BrightnessUp,    // sun, triangle up, `level` of 7 bars lit
    BrightnessDown,  // dimmer sun, triangle down, `level` of 7 bars lit
    SpeakersOn,      // speaker with sound arcs over the wedge slider
    SpeakersMuted,   // speaker with an X over the same slider
    WirelessOn,
    WirelessOff,
    TouchpadOn,
    TouchpadOff,
    MuteStrike,      // speaker struck through
    VolumeArcs,      // speaker with `level` (1 to 10) sound arcs
    VolumeBars,      // speaker above `level` of 10 square bars
    AcPower,
    Eject,
    HdmiIn,
    Battery,
};

struct Picture {
    int id;
    std::string_view caption;
    Design design;
    int level;  // lit bars or arcs; 0 where the design has none
    int width;
    int height;
};

inline constexpr int kPictureWidth = 190;
inline constexpr int kWidePictureWidth = 191;  // the two power pictures
inline constexpr int kPictureHeight = 114;
inline constexpr int kBrightnessBars = 7;
inline constexpr int kVolumeBars = 10;

// Every picture, in ascending id order.
const std::vector<Picture>& Catalogue();

}  // namespace osdgen
