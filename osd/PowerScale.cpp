// The battery charge the controller checks at start.
#include "osd/Function_UI.h"
#include "platform/ports/SystemInfo.h"

namespace vh {

namespace {
constexpr std::uint8_t kNoChargeReading = 255;
}

void Function_UI::GetPowerScale(int& percent) {
    platform_.debug.Write(L"[Function_UI] GetPowerScale!");
    PowerStatus status;
    if (!platform_.system.GetPowerStatus(status)) {
        platform_.windows.ShowMessageBox(GetSafeHwnd(), L"GetSystemPowerStatus fail!", L"VarnoHotkey", kMbOk);
        return;
    }
    percent = status.batteryLifePercent == kNoChargeReading ? 0 : status.batteryLifePercent;
}

}  // namespace vh
