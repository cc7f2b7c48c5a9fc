// The window system: dialogs from templates, the modal loop, default processing, timers, posted
// messages, icons, the tray and session notifications.
#pragma once
#include <cstdint>

#include "common/Types.h"

namespace vh {

struct Message {
    Hwnd hwnd = kNoWindow;
    std::uint32_t message = 0;
    WParam wParam = 0;
    LParam lParam = 0;
};

// The portable view of WINDOWPOS. For WM_WINDOWPOSCHANGING the adapter passes a pointer to one
// of these in lParam and writes changes back before default processing and after the handler.
struct WindowPos {
    Hwnd insertAfter = kNoWindow;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::uint32_t flags = 0;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// The fields of NOTIFYICONDATAW that the program fills; the adapter adds cbSize and the rest.
struct TrayIconData {
    Hwnd hWnd = kNoWindow;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    Handle hIcon = kNoHandle;
    wchar_t szTip[128] = {};
};

namespace tray {
constexpr std::uint32_t kAdd = 0, kModify = 1, kDelete = 2;  // NIM_*
constexpr std::uint32_t kFlagMessage = 1, kFlagIcon = 2, kFlagTip = 4;  // NIF_*
}  // namespace tray

namespace metric {
constexpr int kCxScreen = 0, kCyScreen = 1, kCxIcon = 11, kCyIcon = 12;
}

// Receives the messages of one window; implemented by the window framework.
class WindowTarget {
public:
    virtual ~WindowTarget() = default;
    // Called at the earliest message of the window (before WM_NCCREATE returns).
    virtual void Attach(Hwnd hwnd) = 0;
    virtual LResult WindowProc(const Message& message) = 0;
    // Called by the modal loop for a message addressed to the dialog or one of its children;
    // true swallows it.
    virtual bool PreTranslateMessage(const Message& message) = 0;
    // Called for the window's last message (WM_NCDESTROY), after default processing.
    virtual void Detach() = 0;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Creates the dialog of the given template as a modeless window whose messages, from the
    // first one on, go to target. 0 on failure.
    virtual Hwnd CreateDialogWindow(int templateId, Hwnd parent, WindowTarget& target) = 0;
    // Runs the modal loop for a dialog: shows it once when the loop first becomes idle, then
    // gets, pre-translates and dispatches messages until EndModalLoop. Returns the end result.
    virtual int RunModalLoop(Hwnd dialog, WindowTarget& target) = 0;
    virtual void EndModalLoop(Hwnd dialog, int result) = 0;
    // The window's own default processing (the system dialog procedure for dialogs).
    virtual LResult DefaultProcessing(const Message& message) = 0;

    virtual bool DestroyWindow(Hwnd hwnd) = 0;
    virtual bool ShowWindow(Hwnd hwnd, int command) = 0;
    virtual bool SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy, std::uint32_t flags) = 0;
    virtual bool UpdateWindow(Hwnd hwnd) = 0;
    virtual bool SetWindowTitle(Hwnd hwnd, const wchar_t* title) = 0;  // SetWindowTextW
    virtual std::uint32_t LastError() = 0;                            // GetLastError
    virtual bool IsWindow(Hwnd hwnd) = 0;
    virtual bool IsWindowVisible(Hwnd hwnd) = 0;
    virtual bool IsIconic(Hwnd hwnd) = 0;
    virtual bool GetClientRect(Hwnd hwnd, Rect& rect) = 0;
    virtual bool GetWindowRect(Hwnd hwnd, Rect& rect) = 0;  // screen coordinates
    virtual Hwnd GetForegroundWindow() = 0;
    // GetWindowTextW: the characters copied (the buffer always terminated), 0 when none.
    virtual int GetWindowText(Hwnd hwnd, wchar_t* buffer, int capacity) = 0;
    virtual int GetSystemMetrics(int index) = 0;
    // BeginPaint, WM_ICONERASEBKGND with the paint device context, DrawIcon at (x, y), EndPaint.
    virtual void PaintIcon(Hwnd hwnd, Handle icon, int x, int y) = 0;

    virtual bool SetTimer(Hwnd hwnd, std::uintptr_t id, std::uint32_t elapseMs) = 0;
    virtual bool KillTimer(Hwnd hwnd, std::uintptr_t id) = 0;
    virtual bool Post(Hwnd hwnd, std::uint32_t message, WParam wParam, LParam lParam) = 0;
    virtual std::uint32_t RegisterMessage(const wchar_t* name) = 0;
    // GetClassInfoExW of the system dialog class (atom 0x8002) and RegisterClassExW of a copy
    // under the given name; false when either call failed.
    virtual bool RegisterDialogClassCopy(const wchar_t* className) = 0;

    virtual int ShowMessageBox(Hwnd owner, const wchar_t* text, const wchar_t* caption, std::uint32_t type) = 0;

    virtual Handle LoadIconResource(int resourceId) = 0;
    virtual bool DestroyIcon(Handle icon) = 0;
    virtual bool NotifyIcon(std::uint32_t operation, const TrayIconData& data) = 0;  // Shell_NotifyIconW
    virtual std::int16_t GetKeyState(int virtualKey) = 0;

    virtual bool RegisterSessionNotification(Hwnd hwnd, std::uint32_t flags) = 0;
    virtual bool UnregisterSessionNotification(Hwnd hwnd) = 0;
};

}  // namespace vh
