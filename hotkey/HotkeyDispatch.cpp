// The controller's handler for every key event the hook forwards.
#include "app/CVarnoHotkeyDlg.h"

namespace vh {

namespace {
constexpr std::uintptr_t kHookTimer = 0;
constexpr std::uint32_t kHookQuietMs = 5000;
}  // namespace

LResult CVarnoHotkeyDlg::OnHotkey(WParam, LParam) {
    // No row consumed the event: re-install the hook once the keyboard has been quiet a while.
    platform_.windows.KillTimer(GetSafeHwnd(), kHookTimer);
    platform_.windows.SetTimer(GetSafeHwnd(), kHookTimer, kHookQuietMs);
    return 0;
}

}  // namespace vh
