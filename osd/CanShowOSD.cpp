#include "osd/CanShowOSD.h"

#include "common/WText.h"

namespace vh {

bool CanShowOSD(WindowSystem& windows) {
    wchar_t title[512] = {};
    const Hwnd foreground = windows.GetForegroundWindow();
    if (windows.GetWindowText(foreground, title, 512) <= 0 || title[0] == L'\0') return true;
    if (EqualsNoCase(title, L"Program Manager")) return true;  // the desktop
    if (EqualsNoCase(title, L"FullScreenTopLayout")) return false;
    Rect rect;
    if (!windows.GetWindowRect(foreground, rect)) return false;
    const bool fullScreen = rect.Width() >= windows.GetSystemMetrics(metric::kCxScreen) &&
                            rect.Height() >= windows.GetSystemMetrics(metric::kCyScreen);
    return !fullScreen;
}

}  // namespace vh
