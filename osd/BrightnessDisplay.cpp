// Brightness: the level after a brightness key, read from the vendor library, then shown.
#include "osd/BrightnessDisplay.h"

#include "app/Log.h"
#include "osd/CanShowOSD.h"
#include "osd/Function_UI.h"
#include "services/VendorLibraries.h"

namespace vh {

std::int32_t BrightnessValueTable[8] = {};

namespace {
constexpr int kLevels = 8;
constexpr std::uint32_t kDisplayMs = 3000;
}  // namespace

void SetBrightnessTotalLevel(DebugOutput& out) {
    out.Write(L"[Function_UI] Set Brightness total level");
    for (int i = 0; i < kLevels; ++i) {
        const std::int32_t value = WMI_GetBrightnessSetVista(i);
        if (value < 0) return;  // the list ends
        BrightnessValueTable[i] = value;
        LogFormat(out, L"[Function_UI] Set Brightness Levels to : %d\n", value);
    }
}

void ResetBrightnessValueTable() {
    for (auto& value : BrightnessValueTable) value = 0;
}

int Function_UI::GetBrightnessLevel() {
    DebugOutput& out = platform_.debug;
    out.Write(L"[Function_UI] Get Brightness level");
    const std::int32_t current = WMI_GetBrightnessVista();
    if (current < 0) return -1;
    // A table that is out of range or not increasing (one never filled, for instance) is
    // refilled once; the refilled table is used as it comes.
    for (int i = 0; i < kLevels; ++i) {
        const std::int32_t value = BrightnessValueTable[i];
        if (value > 100 || value < 0) {
            SetBrightnessTotalLevel(out);
            out.Write(L"[Function_UI] Brightness Range is invalid\n");
            break;
        }
        if (i > 0 && value <= BrightnessValueTable[i - 1]) {
            SetBrightnessTotalLevel(out);
            out.Write(L"[Function_UI] Brightness Value is invalid\n");
            break;
        }
        out.Write(L"[Function_UI] BrightnessValue Passed");
    }
    int level = 0;
    for (; level < kLevels; ++level) {
        LogFormat(out, L"[Function_UI] Check Brightness Values: %d\n", BrightnessValueTable[level]);
        if (BrightnessValueTable[level] >= current) break;
    }
    if (level > kLevels - 1) level = kLevels - 1;  // brighter than every level
    LogFormat(out, L"[Function_UI] BrightnessNumber: %d\tBrightnessLevel: %d\tWMIGetBrightness:%d\n", current, level,
              BrightnessValueTable[level]);
    return level;
}

void Function_UI::ShowBrightness(bool up) {
    if (!CanShowOSD(platform_.windows)) return;  // not even read
    const int level = GetBrightnessLevel();
    if (level == -1) {
        platform_.debug.Write(L"\n\n\n=========[Function_UI] Guest deny==========\n\n\n");
        OnClose();
        return;
    }
    const auto& pictures = up ? BrightnessUpImages : BrightnessDownImages;
    SetBackground(pictures[static_cast<std::size_t>(level)]);
    ShowImage(kDisplayMs);
}

}  // namespace vh
