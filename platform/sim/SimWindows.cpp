#include "platform/sim/SimWindows.h"

#include <algorithm>
#include <limits>

#include "res/resource.h"

namespace vh::sim {

namespace {
constexpr std::size_t kQueueLimit = 10000;            // the system's posted-message limit per thread
constexpr std::uint64_t kVirtualTimeLimit = 3600000;  // a modal loop that runs an hour is stuck
constexpr std::uint32_t kErrorInvalidWindowHandle = 1400, kErrorAccessDenied = 5;

struct TemplateInfo {
    int id;
    const wchar_t* className;  // null: the system dialog class
    const wchar_t* title;
    Rect rect;
};
constexpr TemplateInfo kTemplates[] = {
    {IDD_ABOUTBOX, nullptr, L"About VarnoHotkey", {0, 0, 340, 150}},
    {IDD_VARNOHOTKEY_DIALOG, L"VarnoHotkeyClass", L"", {0, 0, 480, 325}},
    {IDD_FUNCTION_UI, nullptr, L"", {0, 0, 281, 154}},
};
}  // namespace

SimWindows::SimWindows(SimTrace& trace) : trace_(trace) {
    queue_.resize(kQueueLimit);
    timers_.reserve(64);
    actions_.reserve(64);
}

void SimWindows::Schedule(std::uint32_t delayMs, std::function<void()> action) {
    actions_.push_back(Action{now_ + delayMs, actionOrder_++, std::move(action)});
}

bool SimWindows::PopMessage(Message& message) {
    if (queueCount_ == 0) return false;
    message = queue_[queueHead_];
    queueHead_ = (queueHead_ + 1) % queue_.size();
    --queueCount_;
    return true;
}

void SimWindows::Dispatch(const Message& message) {
    SimWindow* window = Find(message.hwnd);
    if (window && window->target) window->target->WindowProc(message);
}

bool SimWindows::FireNext(std::uint64_t limit) {
    SimTimer* timer = nullptr;
    for (auto& t : timers_)
        if (t.live && t.due <= limit && (!timer || t.due < timer->due)) timer = &t;
    std::size_t actionIndex = actions_.size();
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        const Action& a = actions_[i];
        if (a.due > limit) continue;
        if (actionIndex == actions_.size() || a.due < actions_[actionIndex].due ||
            (a.due == actions_[actionIndex].due && a.order < actions_[actionIndex].order))
            actionIndex = i;
    }
    const bool haveAction = actionIndex != actions_.size();
    if (!timer && !haveAction) return false;
    if (haveAction && (!timer || actions_[actionIndex].due <= timer->due)) {
        Action action = std::move(actions_[actionIndex]);
        actions_.erase(actions_.begin() + static_cast<std::ptrdiff_t>(actionIndex));
        if (action.due > now_) now_ = action.due;
        action.run();
        return true;
    }
    if (timer->due > now_) now_ = timer->due;
    timer->due = now_ + (timer->period ? timer->period : 1);
    Post(timer->hwnd, msg::kTimer, timer->id, 0);
    return true;
}

void SimWindows::RunFor(std::uint32_t ms) {
    const std::uint64_t end = now_ + ms;
    for (;;) {
        Message message;
        while (PopMessage(message)) Dispatch(message);
        if (!FireNext(end)) break;
    }
    now_ = end;
}

LResult SimWindows::Send(Hwnd hwnd, std::uint32_t message, WParam wParam, LParam lParam) {
    SimWindow* window = Find(hwnd);
    if (!window || !window->target) return 0;
    return window->target->WindowProc(Message{hwnd, message, wParam, lParam});
}

SimWindow* SimWindows::Find(Hwnd hwnd) {
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : &it->second;
}

std::vector<SimWindow*> SimWindows::FindByClass(const std::wstring& className) {
    std::vector<SimWindow*> found;
    for (auto& [hwnd, w] : windows_)
        if (w.className == className) found.push_back(&w);
    return found;
}

SimWindow* SimWindows::FindByTitle(const std::wstring& title) {
    for (auto& [hwnd, w] : windows_)
        if (w.title == title) return &w;
    return nullptr;
}

const SimTimer* SimWindows::FindTimer(Hwnd hwnd, std::uintptr_t id) const {
    for (const auto& t : timers_)
        if (t.live && t.hwnd == hwnd && t.id == id) return &t;
    return nullptr;
}

Hwnd SimWindows::CreateDialogWindow(int templateId, Hwnd parent, WindowTarget& target) {
    const TemplateInfo* info = nullptr;
    for (const auto& t : kTemplates)
        if (t.id == templateId) info = &t;
    if (!info) return kNoWindow;
    const std::wstring className = info->className ? info->className : L"#32770";
    if (info->className && !ClassRegistered(className)) return kNoWindow;
    const Hwnd hwnd = nextHwnd_;
    nextHwnd_ += 2;
    SimWindow& window = windows_[hwnd];
    window = SimWindow{};
    window.hwnd = hwnd;
    window.templateId = templateId;
    window.className = className;
    window.title = info->title;
    window.parent = parent;
    window.rect = info->rect;
    window.target = &target;
    trace_.Add(L"CreateDialog " + std::to_wstring(templateId));
    target.Attach(hwnd);
    if (Send(hwnd, msg::kCreate, 0, 0) == -1) {
        DestroyWindow(hwnd);
        return kNoWindow;
    }
    Send(hwnd, msg::kInitDialog, 0, 0);
    return Find(hwnd) ? hwnd : kNoWindow;
}

int SimWindows::RunModalLoop(Hwnd dialog, WindowTarget& target) {
    ModalState state{dialog, &target, false, -1};
    modal_.push_back(&state);
    bool shown = false;
    while (!state.ended && Find(dialog)) {
        Message message;
        if (PopMessage(message)) {
            if (IsInFamily(message.hwnd, dialog) && target.PreTranslateMessage(message)) continue;
            Dispatch(message);
            continue;
        }
        if (!shown) {
            // Like the class library, show the dialog once the loop first becomes idle.
            shown = true;
            ShowWindow(dialog, kSwShowNormal);
            continue;
        }
        if (now_ > kVirtualTimeLimit || !FireNext(std::numeric_limits<std::uint64_t>::max())) {
            starved_ = true;
            break;
        }
    }
    modal_.pop_back();
    return state.result;
}

void SimWindows::EndModalLoop(Hwnd dialog, int result) {
    for (ModalState* state : modal_)
        if (state->dialog == dialog) {
            state->ended = true;
            state->result = result;
        }
}

bool SimWindows::IsInFamily(Hwnd window, Hwnd dialog) {
    for (SimWindow* w = Find(window); w; w = Find(w->parent))
        if (w->hwnd == dialog) return true;
    return false;
}

LResult SimWindows::DefaultProcessing(const Message& message) {
    // The parts of the system dialog procedure the program relies on.
    switch (message.message) {
        case msg::kClose:
            Post(message.hwnd, msg::kCommand, kIdCancel, 0);
            return 0;
        case msg::kSysCommand:
            if ((message.wParam & 0xFFF0) == kScClose) Send(message.hwnd, msg::kClose);
            return 0;
        default:
            return 0;
    }
}

bool SimWindows::DestroyWindow(Hwnd hwnd) {
    SimWindow* window = Find(hwnd);
    if (!window) return false;
    // Owned windows go first.
    std::vector<Hwnd> owned;
    for (auto& [h, w] : windows_)
        if (w.parent == hwnd) owned.push_back(h);
    for (Hwnd h : owned) DestroyWindow(h);
    window = Find(hwnd);
    if (!window) return false;
    trace_.Add(L"DestroyWindow " + std::to_wstring(window->templateId));
    Send(hwnd, msg::kDestroy);
    WindowTarget* target = window->target;
    windows_.erase(hwnd);
    for (auto& t : timers_)
        if (t.hwnd == hwnd) t.live = false;
    if (target) target->Detach();
    return true;
}

bool SimWindows::ShowWindow(Hwnd hwnd, int command) {
    SimWindow* window = Find(hwnd);
    if (!window) return false;
    const bool wasVisible = window->visible;
    const bool show = command != kSwHide;
    if (show != wasVisible) {
        Send(hwnd, msg::kShowWindow, show ? 1 : 0, 0);
        window = Find(hwnd);
        if (!window) return wasVisible;
    }
    // The minimised state changes before the position messages, as on the system, so that a
    // handler restoring the window from them sees it minimised.
    const bool wasIconic = window->iconic;
    if (command == kSwShowMinimized || command == kSwMinimize) window->iconic = true;
    if (command == kSwRestore || command == kSwShowNormal) window->iconic = false;
    WindowPos pos{kNoWindow, window->rect.left, window->rect.top, window->rect.Width(), window->rect.Height(),
                  (show ? kSwpShowWindow : kSwpHideWindow) | kSwpNoSize | kSwpNoMove | kSwpNoZOrder};
    ChangePosition(hwnd, pos, window->iconic != wasIconic);
    return wasVisible;
}

bool SimWindows::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy, std::uint32_t flags) {
    if (!Find(hwnd)) {
        lastError_ = kErrorInvalidWindowHandle;
        return false;
    }
    if (failSetWindowPos) {
        lastError_ = kErrorAccessDenied;
        return false;
    }
    trace_.Add(L"SetWindowPos");
    return ChangePosition(hwnd, WindowPos{insertAfter, x, y, cx, cy, flags}, false);
}

bool SimWindows::ChangePosition(Hwnd hwnd, WindowPos pos, bool stateChanged) {
    Send(hwnd, msg::kWindowPosChanging, 0, reinterpret_cast<LParam>(&pos));
    SimWindow* window = Find(hwnd);
    if (!window) return false;
    const Rect before = window->rect;
    if (!(pos.flags & kSwpNoZOrder)) {
        if (pos.insertAfter == kHwndTopmost) window->topmost = true;
        if (pos.insertAfter == kHwndNoTopmost) window->topmost = false;
    }
    if (!(pos.flags & kSwpNoMove)) window->rect = Rect{pos.x, pos.y, pos.x + before.Width(), pos.y + before.Height()};
    if (!(pos.flags & kSwpNoSize))
        window->rect = Rect{window->rect.left, window->rect.top, window->rect.left + pos.cx, window->rect.top + pos.cy};
    if (pos.flags & kSwpShowWindow) window->visible = true;
    if (pos.flags & kSwpHideWindow) window->visible = false;
    const bool sized = window->rect.Width() != before.Width() || window->rect.Height() != before.Height();
    if (sized || stateChanged) {
        const Rect& r = window->rect;
        Send(hwnd, msg::kSize, window->iconic ? kSizeMinimized : kSizeRestored,
             static_cast<LParam>((r.Height() & 0xFFFF) << 16 | (r.Width() & 0xFFFF)));
    }
    return true;
}

bool SimWindows::UpdateWindow(Hwnd hwnd) { return Find(hwnd) != nullptr; }

bool SimWindows::SetWindowTitle(Hwnd hwnd, const wchar_t* title) {
    SimWindow* window = Find(hwnd);
    if (!window) return false;
    window->title = title;
    return true;
}

bool SimWindows::IsWindowVisible(Hwnd hwnd) {
    SimWindow* window = Find(hwnd);
    return window && window->visible;
}

int SimWindows::ShowMessageBox(Hwnd owner, const wchar_t* text, const wchar_t* caption, std::uint32_t type) {
    trace_.Add(std::wstring(L"MessageBox ") + text);
    messageBoxes.push_back({owner, text, caption, type});
    return kIdOk;  // dismissed at once
}

void SimWindows::SetLayeredContent(Hwnd hwnd, Point destination, int width, int height,
                                   std::vector<std::uint8_t> frame) {
    SimWindow* window = Find(hwnd);
    if (!window) return;
    window->exStyle |= kWsExLayered;
    window->rect = Rect{destination.x, destination.y, destination.x + width, destination.y + height};
    window->frame = std::move(frame);
    window->frameWidth = width;
    window->frameHeight = height;
    ++window->layeredUpdates;
}

bool SimWindows::IsIconic(Hwnd hwnd) {
    SimWindow* window = Find(hwnd);
    return window && window->iconic;
}

bool SimWindows::GetClientRect(Hwnd hwnd, Rect& rect) {
    SimWindow* window = Find(hwnd);
    if (!window) return false;
    rect = Rect{0, 0, window->rect.Width(), window->rect.Height()};
    return true;
}

bool SimWindows::GetWindowRect(Hwnd hwnd, Rect& rect) {
    SimWindow* window = Find(hwnd);
    if (!window || failWindowRect) return false;
    rect = window->rect;
    return true;
}

int SimWindows::GetWindowText(Hwnd hwnd, wchar_t* buffer, int capacity) {
    if (capacity <= 0) return 0;
    buffer[0] = L'\0';
    SimWindow* window = Find(hwnd);
    if (!window) return 0;
    const std::size_t n = std::min<std::size_t>(window->title.size(), static_cast<std::size_t>(capacity - 1));
    window->title.copy(buffer, n);
    buffer[n] = L'\0';
    return static_cast<int>(n);
}

Hwnd SimWindows::AddForeignWindow(const std::wstring& title, Rect rect) {
    const Hwnd hwnd = nextHwnd_;
    nextHwnd_ += 2;
    SimWindow& window = windows_[hwnd];
    window.hwnd = hwnd;
    window.className = L"Foreign";
    window.title = title;
    window.visible = true;
    window.rect = rect;
    return hwnd;
}

int SimWindows::GetSystemMetrics(int index) {
    switch (index) {
        case metric::kCxScreen: return screenWidth;
        case metric::kCyScreen: return screenHeight;
        case metric::kCxIcon:
        case metric::kCyIcon: return 32;
        default: return 0;
    }
}

void SimWindows::PaintIcon(Hwnd, Handle icon, int x, int y) { paintedIcons.push_back({icon, x, y}); }

bool SimWindows::SetTimer(Hwnd hwnd, std::uintptr_t id, std::uint32_t elapseMs) {
    if (!Find(hwnd)) return false;
    SimTimer* slot = nullptr;
    for (auto& t : timers_)
        if (t.live && t.hwnd == hwnd && t.id == id) slot = &t;
    if (!slot)
        for (auto& t : timers_)
            if (!t.live) {
                slot = &t;
                break;
            }
    if (!slot) slot = &timers_.emplace_back();
    *slot = SimTimer{hwnd, id, elapseMs, now_ + elapseMs, true};
    return true;
}

bool SimWindows::KillTimer(Hwnd hwnd, std::uintptr_t id) {
    for (auto& t : timers_)
        if (t.live && t.hwnd == hwnd && t.id == id) {
            t.live = false;
            return true;
        }
    return false;
}

bool SimWindows::Post(Hwnd hwnd, std::uint32_t message, WParam wParam, LParam lParam) {
    if (queueCount_ == queue_.size()) return false;
    queue_[(queueHead_ + queueCount_) % queue_.size()] = Message{hwnd, message, wParam, lParam};
    ++queueCount_;
    return true;
}

std::uint32_t SimWindows::RegisterMessage(const wchar_t* name) {
    auto [it, inserted] = registeredMessages_.emplace(name, 0);
    if (inserted) it->second = 0xC000 + static_cast<std::uint32_t>(registeredMessages_.size()) - 1;
    return it->second;
}

bool SimWindows::RegisterDialogClassCopy(const wchar_t* className) {
    trace_.Add(std::wstring(L"RegisterClass ") + className);
    if (failRegisterClass || ClassRegistered(className)) return false;
    classes_.insert(className);
    return true;
}

Handle SimWindows::LoadIconResource(int resourceId) {
    if (resourceId != IDR_MAINFRAME && resourceId != IDI_NUMLOCK_OFF && resourceId != IDI_NUMLOCK_ON)
        return kNoHandle;
    ++iconsLoaded;
    const Handle icon = nextIcon_++;
    liveIcons.insert(icon);
    trace_.Add(L"LoadIcon " + std::to_wstring(resourceId));
    return icon;
}

bool SimWindows::DestroyIcon(Handle icon) {
    trace_.Add(L"DestroyIcon");
    return liveIcons.erase(icon) != 0;
}

bool SimWindows::NotifyIcon(std::uint32_t operation, const TrayIconData& data) {
    static const wchar_t* const kNames[] = {L"add", L"modify", L"delete"};
    trace_.Add(std::wstring(L"NotifyIcon ") + (operation < 3 ? kNames[operation] : L"?"));
    trayCalls.push_back({operation, data});
    if (operation == tray::kAdd) return Find(data.hWnd) != nullptr;
    for (const auto& call : trayCalls)
        if (call.operation == tray::kAdd && call.data.uID == data.uID && call.data.hWnd == data.hWnd) return true;
    return false;
}

bool SimWindows::RegisterSessionNotification(Hwnd hwnd, std::uint32_t) {
    trace_.Add(L"WTSRegisterSessionNotification");
    if (failSessionRegistration || !Find(hwnd)) return false;
    sessionWindows_.insert(hwnd);
    return true;
}

bool SimWindows::UnregisterSessionNotification(Hwnd hwnd) {
    trace_.Add(L"WTSUnRegisterSessionNotification");
    return sessionWindows_.erase(hwnd) != 0;
}

}  // namespace vh::sim
