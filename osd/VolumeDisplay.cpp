// Volume and mute: stepped and toggled through the vendor library, then shown.
#include "osd/VolumeDisplay.h"

#include "app/Log.h"
#include "osd/CanShowOSD.h"
#include "osd/Function_UI.h"
#include "services/VendorLibraries.h"

namespace vh {

std::int32_t VolumeValueTable[11] = {};

namespace {
constexpr int kLevels = 11, kTopLevel = 10;
constexpr std::uint32_t kDisplayMs = 3000;

bool IsArcStyle(std::uint8_t platformCode) { return platformCode == 0xCB || platformCode == 0xD8; }
}  // namespace

void FillVolumeValueTable() {
    for (int i = 0; i < kLevels; ++i) VolumeValueTable[i] = i * 10;
}

void ResetVolumeValueTable() {
    for (auto& value : VolumeValueTable) value = 0;
}

int Function_UI::GetVolumeLevel() {
    DebugOutput& out = platform_.debug;
    out.Write(L"[Function_UI] Get Volume Level\n");
    const std::int32_t volume = GetVolumnVista();
    int reached = 0;
    while (reached < kLevels && volume >= VolumeValueTable[reached]) ++reached;
    int level = reached - 1;  // the largest level whose value is not above the volume
    if (reached == 0) level = 0;
    if (volume >= VolumeValueTable[kTopLevel]) level = kTopLevel;
    LogFormat(out, L"[Function_UI] Current Volume Levels:%d Value:%d\n", level, VolumeValueTable[level]);
    return level;
}

void Function_UI::VolumeUpDown(bool up, std::uint8_t platformCode) {
    DebugOutput& out = platform_.debug;
    out.Write(L"[Function_UI] Volume up down\n");
    int level = GetVolumeLevel();
    // A volume key always ends mute.
    if (GetMuteVista() != 0) {
        SetMuteVista(0);
        out.Write(L"[Function_UI] Mute to UnMute\n");
    }
    if (up && level < kTopLevel) ++level;
    if (!up && level > 0) --level;
    SetVolumnVista(VolumeValueTable[level]);
    LogFormat(out, L"[Function_UI] Set Volume Levels:%d Value:%d\n", level, VolumeValueTable[level]);
    if (!CanShowOSD(platform_.windows)) return;  // the change stays; only the display is skipped
    const auto& pictures = IsArcStyle(platformCode) ? VolumeArcImages : VolumeBarImages;
    SetBackground(pictures[static_cast<std::size_t>(level)]);
    ShowImage(kDisplayMs);
}

void Function_UI::ShowWindowMute() {
    platform_.debug.Write(L"[Function_UI] Show Window Mute\n");
    PictureId picture;
    if (GetMuteVista() != 0) {
        SetMuteVista(0);
        picture = picture::kMuteOff;
    } else {
        SetMuteVista(1);
        picture = picture::kMuteOn;
    }
    SetBackground(picture);  // loaded even when it is not shown
    if (CanShowOSD(platform_.windows)) ShowImage(kDisplayMs);
}

}  // namespace vh
