// The feature mask and the other registry values the controller reads or creates.
#pragma once
#include <cstdint>

#include "platform/ports/DebugOutput.h"
#include "platform/ports/Registry.h"

namespace vh {

constexpr std::uint32_t HKC_VOLUME = 0x0001;
constexpr std::uint32_t HKC_BRIGHTNESS = 0x0002;
constexpr std::uint32_t HKC_WIRELESS = 0x0004;
constexpr std::uint32_t HKC_TOUCHPAD = 0x0008;
constexpr std::uint32_t HKC_ODD_EJECT = 0x0010;
constexpr std::uint32_t HKC_AC_OSD = 0x0020;
constexpr std::uint32_t HKC_BATTERY_NOTIFY = 0x0040;
constexpr std::uint32_t HKC_SWITCH_GRAPHIC = 0x0080;
constexpr std::uint32_t HKC_HDMI = 0x0100;
constexpr std::uint32_t HKC_BATTERY_DTM = 0x0200;
constexpr std::uint32_t HKC_NUMLOCK_TRAY = 0x0400;
constexpr std::uint32_t HKC_DISPLAY_SETTINGS = 0x0800;
constexpr std::uint32_t HKC_LAUNCH_CORVEX = 0x1000;
constexpr std::uint32_t HKC_SUSPEND_EC_FLAG = 0x2000;

inline constexpr const wchar_t* kVarnoHotkeyKey = L"SOFTWARE\\VarnoHotkey";
inline constexpr const wchar_t* kPowerSettingKey = L"SOFTWARE\\VarnoHotkey\\PowerSetting";
constexpr std::uint32_t kBatteryRemindMissing = 0xFFFFFFFF;

// Reads "VarnoHotkeyControl" and logs the outcome; 0 when it cannot be read.
std::uint32_t ReadHotkeyControl(Registry& registry, DebugOutput& out);
void CreatePowerSettingKey(Registry& registry);
// 0 when the key cannot be opened, 0xFFFFFFFF when the value is missing, else the value.
std::uint32_t ReadBatteryRemind(Registry& registry, DebugOutput& out);

}  // namespace vh
