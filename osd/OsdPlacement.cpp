// The OSD window's place and size, its defence of them, and its timers.
#include "app/Log.h"
#include "osd/Function_UI.h"
#include "osd/OsdTimers.h"

namespace vh {

namespace {
constexpr int kOsdWidth = 190, kOsdHeight = 114;
constexpr int kHalfWidth = 95, kHalfHeight = 57;
}  // namespace

int Function_UI::ScreenWidth() { return platform_.windows.GetSystemMetrics(metric::kCxScreen); }
int Function_UI::ScreenHeight() { return platform_.windows.GetSystemMetrics(metric::kCyScreen); }

void Function_UI::Restore() { platform_.windows.ShowWindow(GetSafeHwnd(), kSwRestore); }

void Function_UI::SetOSDPosition(bool bResetSize) {
    WindowSystem& windows = platform_.windows;
    const int x = ScreenWidth() / 2 - kHalfWidth;
    const int y = ScreenHeight() / 2 - kHalfHeight;
    if (bResetSize) {
        // SWP_FRAMECHANGED alone: the window is also activated.
        if (windows.SetWindowPos(GetSafeHwnd(), kHwndTopmost, x, y, kOsdWidth, kOsdHeight, kSwpFrameChanged))
            FormatString(g_strLog, kLogLineMax,
                         L"[Function_UI] bResetSize=TRUE Offset_x=%d Offset_y=%d BackWidth =%d BackHeight=%d Success",
                         x, y, kOsdWidth, kOsdHeight);
        else
            FormatString(g_strLog, kLogLineMax,
                         L"[Function_UI] bResetSize=TRUE Offset_x=%d Offset_y=%d BackWidth =%d BackHeight=%d "
                         L"ERROR = %d FAILED!!!!",
                         x, y, kOsdWidth, kOsdHeight, windows.LastError());
    } else {
        if (windows.SetWindowPos(GetSafeHwnd(), kHwndTopmost, x, y, 0, 0, kSwpNoSize | kSwpNoActivate))
            FormatString(g_strLog, kLogLineMax, L"[Function_UI] bResetSize=FALSE Offset_x=%d Offset_y=%d Success", x,
                         y);
        else
            FormatString(g_strLog, kLogLineMax,
                         L"[Function_UI] bResetSize=FALSE Offset_x=%d Offset_y=%d ERROR = %d FAILED!!!!", x, y,
                         windows.LastError());
    }
    // The line is formed first and written after the repaint.
    windows.UpdateWindow(GetSafeHwnd());
    platform_.debug.Write(g_strLog.c_str());
}

void Function_UI::OnShowWindow(bool show, std::uint32_t) {
    if (show) {
        platform_.debug.Write(L"---------- [Function_UI] OnShowWindow show window ----------\n");
        SetOSDPosition(true);
    } else {
        platform_.debug.Write(L"---------- [Function_UI] OnShowWindow unshow window ----------\n");
    }
}

void Function_UI::OnWindowPosChanging(WindowPos* pos) {
    if (!pos) {
        Default();
        return;
    }
    WindowSystem& windows = platform_.windows;
    const bool minimized = windows.IsIconic(GetSafeHwnd());
    LogFormat(platform_.debug,
              L"#######------>[Function_UI] OnWindowPosChanging__befor ReSize(x,y,cx,cy)=(%d,%d,%d,%d),Flags = %4x, "
              L"minimized:%d",
              pos->x, pos->y, pos->cx, pos->cy, pos->flags, minimized ? 1 : 0);
    if (minimized) {
        // Minimising (e.g. "show the desktop") would hide the display: put it back at once.
        Rect rect;
        windows.GetWindowRect(GetSafeHwnd(), rect);
        pos->x = ScreenWidth() / 2 - rect.Width() / 2;
        pos->y = ScreenHeight() / 2 - rect.Height() / 2;
        pos->cx = BackWidth;
        pos->cy = BackHeight;
        LogFormat(platform_.debug, L"#######------>[Function_UI] OnWindowPosChanging__ ReSize to (x,y,cx,cy)=(%d,%d,%d,%d)",
                  pos->x, pos->y, pos->cx, pos->cy);
        Restore();
    }
    Default();
}

LResult Function_UI::WindowProc(const Message& message) {
    if (message.message == msg::kSize) OnSize(message.wParam);
    return Dialog::WindowProc(message);
}

void Function_UI::OnSize(WParam sizeType) {
    WindowSystem& windows = platform_.windows;
    DebugOutput& out = platform_.debug;
    Rect rect;
    windows.GetWindowRect(GetSafeHwnd(), rect);
    const int w = rect.Width(), h = rect.Height();
    LogFormat(out,
              L"[Function_UI] WindowProc WM_SIZE GetWindowRect Offset_x=%d Offset_y=%d BackWidth =%d BackHeight=%d",
              ScreenWidth() / 2 - w / 2, ScreenHeight() / 2 - h / 2, w, h);
    if (sizeType == kSizeMinimized) {
        out.Write(L"---------- [Function_UI] WindowProc WM_SIZE  SIZE_MINIMIZED----------\n");
        Restore();
    } else if (sizeType == kSizeRestored) {
        out.Write(L"---------- [Function_UI] WindowProc WM_SIZE  SIZE_RESTORED----------\n");
        if (windows.IsIconic(GetSafeHwnd())) {
            out.Write(L"---------- [Function_UI] WindowProc IsIconic");
            Restore();
        } else if (BackWidth != 0 && BackHeight != 0 && (w != BackWidth || h != BackHeight)) {
            // Re-applying a size the window already has brings no further WM_SIZE, so this
            // happens once.
            out.Write(L"---------- [Function_UI] WindowProc size was wrong");
            SetOSDPosition(true);
        }
    }
}

LResult Function_UI::OnDisplayChange(std::uint32_t, int, int) {
    // A hidden window is placed afresh at its next display anyway.
    if (platform_.windows.IsWindowVisible(GetSafeHwnd()))
        platform_.windows.SetTimer(GetSafeHwnd(), osd_timer::kRecenter, osd_timer::kRecenterMs);
    return 0;
}

void Function_UI::OnTimer(std::uintptr_t id) {
    if (id == osd_timer::kRecenter) {
        platform_.windows.KillTimer(GetSafeHwnd(), osd_timer::kRecenter);
        SetOSDPosition(true);
    } else if (id == osd_timer::kDisplay) {
        platform_.windows.KillTimer(GetSafeHwnd(), osd_timer::kDisplay);
        OnClose();
    }
}

}  // namespace vh
