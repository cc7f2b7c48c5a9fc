// The simulated window system: windows in memory, a virtual clock, timers and scheduled test
// actions that fire in order as the clock advances, a posted-message queue and the modal loop.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/ports/Graphics.h"
#include "platform/ports/WindowSystem.h"
#include "platform/sim/SimTrace.h"

namespace vh::sim {

struct SimWindow {
    Hwnd hwnd = kNoWindow;
    int templateId = 0;
    std::wstring className;
    std::wstring title;
    Hwnd parent = kNoWindow;
    bool visible = false;
    bool iconic = false;
    bool topmost = false;
    std::uint32_t exStyle = 0;
    Rect rect;
    WindowTarget* target = nullptr;
    // The last frame a layered update made the window's content: premultiplied RGBA, row by row
    // from the top.
    std::vector<std::uint8_t> frame;
    int frameWidth = 0, frameHeight = 0;
    int layeredUpdates = 0;
};

struct MessageBoxCall {
    Hwnd owner;
    std::wstring text, caption;
    std::uint32_t type;
};

struct SimTimer {
    Hwnd hwnd = kNoWindow;
    std::uintptr_t id = 0;
    std::uint32_t period = 0;
    std::uint64_t due = 0;
    bool live = false;
};

struct TrayCall {
    std::uint32_t operation;
    TrayIconData data;
};

class SimWindows : public WindowSystem {
public:
    explicit SimWindows(SimTrace& trace);

    // Clock and test actions.
    std::uint64_t Now() const { return now_; }
    void Schedule(std::uint32_t delayMs, std::function<void()> action);
    // Dispatches everything due up to now + ms, advancing the clock event by event.
    void RunFor(std::uint32_t ms);
    // Sends a message straight to a window's procedure (SendMessage).
    LResult Send(Hwnd hwnd, std::uint32_t message, WParam wParam = 0, LParam lParam = 0);

    // Inspection.
    SimWindow* Find(Hwnd hwnd);
    std::vector<SimWindow*> FindByClass(const std::wstring& className);
    SimWindow* FindByTitle(const std::wstring& title);
    const SimTimer* FindTimer(Hwnd hwnd, std::uintptr_t id) const;
    std::size_t QueueLength() const { return queueCount_; }
    const Message& Queued(std::size_t i) const { return queue_[(queueHead_ + i) % queue_.size()]; }
    bool ModalLoopStarved() const { return starved_; }
    bool ClassRegistered(const std::wstring& name) const { return classes_.count(name) != 0; }
    bool SessionNotificationRegistered(Hwnd hwnd) const { return sessionWindows_.count(hwnd) != 0; }
    std::vector<TrayCall> trayCalls;
    std::set<Handle> liveIcons;
    int iconsLoaded = 0;
    std::int16_t keyState[256] = {};
    int screenWidth = 1920, screenHeight = 1080;

    // Failures a test can ask for.
    bool failRegisterClass = false;
    bool failSessionRegistration = false;
    bool failSetWindowPos = false;  // with ERROR_ACCESS_DENIED
    std::vector<MessageBoxCall> messageBoxes;
    // Applies a layered update: the window takes the frame, the destination and the frame's size
    // at once, without position messages.
    void SetLayeredContent(Hwnd hwnd, Point destination, int width, int height, std::vector<std::uint8_t> frame);

    // WindowSystem
    Hwnd CreateDialogWindow(int templateId, Hwnd parent, WindowTarget& target) override;
    int RunModalLoop(Hwnd dialog, WindowTarget& target) override;
    void EndModalLoop(Hwnd dialog, int result) override;
    LResult DefaultProcessing(const Message& message) override;
    bool DestroyWindow(Hwnd hwnd) override;
    bool ShowWindow(Hwnd hwnd, int command) override;
    bool SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy, std::uint32_t flags) override;
    bool UpdateWindow(Hwnd hwnd) override;
    bool SetWindowTitle(Hwnd hwnd, const wchar_t* title) override;
    std::uint32_t LastError() override { return lastError_; }
    bool IsWindow(Hwnd hwnd) override { return Find(hwnd) != nullptr; }
    bool IsWindowVisible(Hwnd hwnd) override;
    int ShowMessageBox(Hwnd owner, const wchar_t* text, const wchar_t* caption, std::uint32_t type) override;
    bool IsIconic(Hwnd hwnd) override;
    bool GetClientRect(Hwnd hwnd, Rect& rect) override;
    bool GetWindowRect(Hwnd hwnd, Rect& rect) override;
    Hwnd GetForegroundWindow() override { return foreground; }
    int GetWindowText(Hwnd hwnd, wchar_t* buffer, int capacity) override;
    // A top-level window of another program, e.g. to put in the foreground.
    Hwnd AddForeignWindow(const std::wstring& title, Rect rect);
    Hwnd foreground = kNoWindow;
    bool failWindowRect = false;
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
    std::int16_t GetKeyState(int virtualKey) override { return keyState[virtualKey & 0xFF]; }
    bool RegisterSessionNotification(Hwnd hwnd, std::uint32_t flags) override;
    bool UnregisterSessionNotification(Hwnd hwnd) override;

    struct PaintedIcon {
        Handle icon;
        int x, y;
    };
    std::vector<PaintedIcon> paintedIcons;

private:
    struct Action {
        std::uint64_t due;
        std::uint64_t order;
        std::function<void()> run;
    };
    struct ModalState {
        Hwnd dialog;
        WindowTarget* target;
        bool ended;
        int result;
    };

    bool PopMessage(Message& message);
    void Dispatch(const Message& message);
    bool IsInFamily(Hwnd window, Hwnd dialog);
    // Fires the earliest timer or action due no later than limit; false when there is none.
    bool FireNext(std::uint64_t limit);
    // The system's window-position change: WM_WINDOWPOSCHANGING, then the change, then WM_SIZE
    // when the size or the minimised state changed.
    bool ChangePosition(Hwnd hwnd, WindowPos pos, bool stateChanged);

    SimTrace& trace_;
    std::uint64_t now_ = 0;
    std::uint64_t actionOrder_ = 0;
    std::map<Hwnd, SimWindow> windows_;
    Hwnd nextHwnd_ = 0x10010;
    Handle nextIcon_ = 0x20000;
    std::vector<SimTimer> timers_;
    std::vector<Action> actions_;
    std::vector<Message> queue_;  // a ring of fixed size, like the system's per-thread limit
    std::size_t queueHead_ = 0, queueCount_ = 0;
    std::vector<ModalState*> modal_;
    bool starved_ = false;
    std::set<std::wstring> classes_;
    std::map<std::wstring, std::uint32_t> registeredMessages_;
    std::set<Hwnd> sessionWindows_;
    std::uint32_t lastError_ = 0;
};

}  // namespace vh::sim
