// Picture ids of the on-screen display and the tables that turn a level into a picture.
#pragma once
#include <array>
#include <cstdint>

namespace vh {

using PictureId = std::uint16_t;

inline constexpr std::array<PictureId, 11> VolumeBarImages = {232, 233, 234, 235, 236, 237, 238, 239, 240, 241, 242};
// Not in id order: level 3 is 207, and level 0 is the struck-through speaker.
inline constexpr std::array<PictureId, 11> VolumeArcImages = {194, 196, 197, 207, 198, 199, 200, 201, 202, 203, 204};
inline constexpr std::array<PictureId, 8> BrightnessUpImages = {148, 149, 150, 151, 152, 153, 154, 139};
inline constexpr std::array<PictureId, 8> BrightnessDownImages = {140, 141, 142, 143, 144, 145, 146, 147};

namespace picture {
inline constexpr PictureId kMuteOff = 155, kMuteOn = 156;
inline constexpr PictureId kWirelessOn = 157, kWirelessOff = 158;
inline constexpr PictureId kTouchpadOn = 192, kTouchpadOff = 193;
inline constexpr PictureId kEject = 214, kHdmiIn = 215, kAcPower = 212, kBattery = 220;
}  // namespace picture

}  // namespace vh
