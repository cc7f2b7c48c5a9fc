#include "app/Globals.h"

#include "app/Log.h"
#include "hotkey/CHook.h"
#include "osd/BrightnessDisplay.h"
#include "osd/VolumeDisplay.h"
#include "services/VendorLibraries.h"

namespace vh {

std::uint32_t g_uChangeBatDtmModeMsg = 0;
bool g_bWin8OrLater = false;
bool g_bWin81OrLater = false;
std::wstring g_strLog;

void InitProcessGlobals(WindowSystem& windows) {
    g_uChangeBatDtmModeMsg = windows.RegisterMessage(kChangeBatDtmModeName);
}

void ResetProcessGlobals() {
    g_uChangeBatDtmModeMsg = 0;
    g_bWin8OrLater = false;
    g_bWin81OrLater = false;
    g_strLog.clear();
    CHook::ResetState();
    ResetVendorLibraries();
    ResetVolumeValueTable();
    ResetBrightnessValueTable();
}

}  // namespace vh
