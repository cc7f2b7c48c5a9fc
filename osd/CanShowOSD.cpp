#include "osd/CanShowOSD.h"

namespace vh {

namespace {

bool EqualsNoCase(const wchar_t* a, const wchar_t* b) {
    for (;; ++a, ++b) {
        wchar_t x = *a, y = *b;
        if (x >= L'A' && x <= L'Z') x = static_cast<wchar_t>(x - L'A' + L'a');
        if (y >= L'A' && y <= L'Z') y = static_cast<wchar_t>(y - L'A' + L'a');
        if (x != y) return false;
        if (x == L'\0') return true;
    }
}

}  // namespace

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
