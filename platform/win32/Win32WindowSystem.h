// The window system on Windows: dialogs from the program's templates, bound to their window
// objects from the first message on, the modal loop, timers, icons, the tray and sessions.
#pragma once
#include "platform/ports/WindowSystem.h"

namespace vh::win32 {

class Win32WindowSystem final : public WindowSystem {
public:
    Hwnd CreateDialogWindow(int templateId, Hwnd parent, WindowTarget& target) override;
    int RunModalLoop(Hwnd dialog, WindowTarget& target) override;
    void EndModalLoop(Hwnd dialog, int result) override;
    LResult DefaultProcessing(const Message& message) override;

    bool DestroyWindow(Hwnd hwnd) override;
    bool ShowWindow(Hwnd hwnd, int command) override;
    bool SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy, std::uint32_t flags) override;
    bool UpdateWindow(Hwnd hwnd) override;
    bool SetWindowTitle(Hwnd hwnd, const wchar_t* title) override;
    std::uint32_t LastError() override;
    bool IsWindow(Hwnd hwnd) override;
    bool IsWindowVisible(Hwnd hwnd) override;
    int ShowMessageBox(Hwnd owner, const wchar_t* text, const wchar_t* caption, std::uint32_t type) override;
    bool IsIconic(Hwnd hwnd) override;
    bool GetClientRect(Hwnd hwnd, Rect& rect) override;
    bool GetWindowRect(Hwnd hwnd, Rect& rect) override;
    Hwnd GetForegroundWindow() override;
    int GetWindowText(Hwnd hwnd, wchar_t* buffer, int capacity) override;
    int GetSystemMetrics(int index) override;
    void PaintIcon(Hwnd hwnd, Handle icon, int x, int y) override;

    bool SetTimer(Hwnd hwnd, std::uintptr_t id, std::uint32_t elapseMs) override;
    bool KillTimer(Hwnd hwnd, std::uintptr_t id) override;
    bool Post(Hwnd hwnd, std::uint32_t message, WParam wParam, LParam lParam) override;
    std::uint32_t RegisterMessage(const wchar_t* name) override;
    bool RegisterDialogClassCopy(const wchar_t* className) override;

    Handle LoadIconResource(int resourceId) override;
    bool DestroyIcon(Handle icon) override;
    bool NotifyIcon(std::uint32_t operation, const TrayIconData& data) override;
    std::int16_t GetKeyState(int virtualKey) override;

    bool RegisterSessionNotification(Hwnd hwnd, std::uint32_t flags) override;
    bool UnregisterSessionNotification(Hwnd hwnd) override;
};

}  // namespace vh::win32
