// The controller's handler for every key event the hook forwards: a table of rows tried from
// the top; the first row that applies and consumes the event ends the search.
#include "app/CVarnoHotkeyDlg.h"
#include "app/FeatureConfig.h"
#include "app/Globals.h"
#include "services/VendorLibraries.h"

namespace vh {

namespace {
constexpr std::uintptr_t kHookTimer = 0;
constexpr std::uint32_t kHookQuietMs = 5000;

enum class FlagRule : std::uint8_t {
    Released,       // exactly LLKHF_UP | LLKHF_EXTENDED
    PlainRelease,   // exactly LLKHF_UP: release of a non-extended key
};

constexpr WParam kReleased = 0x81, kPlainRelease = 0x80;

constexpr bool FlagsFit(FlagRule rule, WParam flags) {
    switch (rule) {
        case FlagRule::Released: return flags == kReleased;
        case FlagRule::PlainRelease: return flags == kPlainRelease;
    }
    return false;
}
}  // namespace

struct CVarnoHotkeyDlg::HotkeyRow {
    std::uint32_t featureBit;  // 0: always active
    bool beforeWin8Only;
    LParam scanCode;
    FlagRule flags;
    bool (CVarnoHotkeyDlg::*action)();
};

const CVarnoHotkeyDlg::HotkeyRow CVarnoHotkeyDlg::kHotkeyRows[] = {
    {HKC_VOLUME, true, 0x6F, FlagRule::Released, &CVarnoHotkeyDlg::RowMute},
    {HKC_VOLUME, true, 0x2D, FlagRule::Released, &CVarnoHotkeyDlg::RowVolumeUp},
    {HKC_VOLUME, true, 0x28, FlagRule::Released, &CVarnoHotkeyDlg::RowVolumeDown},
    {HKC_BRIGHTNESS, true, 0x05, FlagRule::Released, &CVarnoHotkeyDlg::RowBrightnessDown},
    {HKC_BRIGHTNESS, true, 0x06, FlagRule::Released, &CVarnoHotkeyDlg::RowBrightnessUp},
    {0, false, 0x01, FlagRule::PlainRelease, &CVarnoHotkeyDlg::RowEndDisplay},
};

LResult CVarnoHotkeyDlg::OnHotkey(WParam flags, LParam scanCode) {
    for (const HotkeyRow& row : kHotkeyRows) {
        if (row.scanCode != scanCode || !FlagsFit(row.flags, flags)) continue;
        if (row.featureBit != 0 && !(m_dwHotkeyControl & row.featureBit)) continue;
        if (row.beforeWin8Only && g_bWin8OrLater) continue;
        if ((this->*row.action)()) return 0;
    }
    // No row consumed the event: re-install the hook once the keyboard has been quiet a while.
    platform_.windows.KillTimer(GetSafeHwnd(), kHookTimer);
    platform_.windows.SetTimer(GetSafeHwnd(), kHookTimer, kHookQuietMs);
    return 0;
}

bool CVarnoHotkeyDlg::RowMute() {
    InitFuncUIDlg();
    m_OSDdlg.ShowWindowMute();
    return true;
}

bool CVarnoHotkeyDlg::RowVolumeUp() {
    InitFuncUIDlg();
    m_OSDdlg.VolumeUpDown(true, PlatformCode());
    return true;
}

bool CVarnoHotkeyDlg::RowVolumeDown() {
    InitFuncUIDlg();
    m_OSDdlg.VolumeUpDown(false, PlatformCode());
    return true;
}

bool CVarnoHotkeyDlg::RowBrightnessDown() { return BrightnessKey(false); }

bool CVarnoHotkeyDlg::RowBrightnessUp() { return BrightnessKey(true); }

bool CVarnoHotkeyDlg::BrightnessKey(bool up) {
    // A guest gets the companion's notice instead of the display.
    if (m_bGuestUser) {
        LaunchOrlenda(10);
        return true;
    }
    InitFuncUIDlg();
    m_OSDdlg.ShowBrightness(up);
    return true;
}

bool CVarnoHotkeyDlg::RowEndDisplay() {
    // The Esc release ends a display at once.
    if (m_OSDdlg.GetSafeHwnd() != kNoWindow) m_OSDdlg.OnClose();
    return true;
}

}  // namespace vh
