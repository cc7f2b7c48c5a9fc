#include <windows.h>
#include <shellapi.h>
#include <wtsapi32.h>

#include "platform/win32/Win32WindowSystem.h"

#include <vector>

#include "platform/win32/Unique.h"

namespace vh::win32 {

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(WNDCLASSEXW) == 48);
static_assert(sizeof(NOTIFYICONDATAW) == 956);
#endif
static_assert(sizeof(LResult) == sizeof(LRESULT) && sizeof(Hwnd) == sizeof(HWND));

namespace {

constexpr wchar_t kOldProcProperty[] = L"VarnoHotkey.OldProc";
constexpr ATOM kDialogClassAtom = 0x8002;

HWND ToHwnd(Hwnd h) { return reinterpret_cast<HWND>(h); }
Hwnd FromHwnd(HWND h) { return reinterpret_cast<Hwnd>(h); }

// The target of the dialog being created, bound at the window's first message.
thread_local WindowTarget* t_pendingTarget = nullptr;
thread_local HHOOK t_cbtHook = nullptr;

// WM_WINDOWPOSCHANGING in progress: the portable copy the handler sees and the system's record.
struct PosTranslation {
    WindowPos* portable;
    WINDOWPOS* real;
};
thread_local std::vector<PosTranslation> t_positions;

struct ModalState {
    HWND dialog;
    bool ended;
    int result;
};
thread_local std::vector<ModalState*> t_modal;

WNDPROC OldProc(HWND hwnd) { return reinterpret_cast<WNDPROC>(::GetPropW(hwnd, kOldProcProperty)); }

WindowTarget* TargetOf(HWND hwnd) {
    return reinterpret_cast<WindowTarget*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void CopyBack(const WindowPos& from, WINDOWPOS& to) {
    to.hwndInsertAfter = ToHwnd(from.insertAfter);
    to.x = from.x;
    to.y = from.y;
    to.cx = from.cx;
    to.cy = from.cy;
    to.flags = from.flags;
}

LRESULT CALLBACK BoundWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowTarget* target = TargetOf(hwnd);
    WNDPROC old = OldProc(hwnd);
    if (!target) return old ? ::CallWindowProcW(old, hwnd, message, wParam, lParam) : ::DefWindowProcW(hwnd, message, wParam, lParam);

    Message portable{FromHwnd(hwnd), message, wParam, lParam};
    WindowPos pos;
    WINDOWPOS* real = nullptr;
    if (message == WM_WINDOWPOSCHANGING && lParam) {
        real = reinterpret_cast<WINDOWPOS*>(lParam);
        pos = WindowPos{FromHwnd(real->hwndInsertAfter), real->x, real->y, real->cx, real->cy, real->flags};
        portable.lParam = reinterpret_cast<LParam>(&pos);
        t_positions.push_back({&pos, real});
    }
    const LRESULT result = target->WindowProc(portable);
    if (real) {
        CopyBack(pos, *real);
        t_positions.pop_back();
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        ::RemovePropW(hwnd, kOldProcProperty);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        target->Detach();
    }
    return result;
}

// Binds the first window created while a dialog is being made: it is the dialog itself, and
// the hook sees it before WM_NCCREATE, which a dialog procedure never does.
LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_pendingTarget) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        WindowTarget* target = t_pendingTarget;
        t_pendingTarget = nullptr;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
        const LONG_PTR old = ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BoundWindowProc));
        ::SetPropW(hwnd, kOldProcProperty, reinterpret_cast<HANDLE>(old));
        target->Attach(FromHwnd(hwnd));
    }
    return ::CallNextHookEx(t_cbtHook, code, wParam, lParam);
}

// Every message is handled by the bound window procedure; the dialog procedure only lets the
// system dialog procedure do its default work.
INT_PTR CALLBACK PassiveDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

Hwnd Win32WindowSystem::CreateDialogWindow(int templateId, Hwnd parent, WindowTarget& target) {
    UniqueHook hook(::SetWindowsHookExW(WH_CBT, &CreationHook, nullptr, ::GetCurrentThreadId()));
    if (!hook) return kNoWindow;
    t_cbtHook = hook.get();
    t_pendingTarget = &target;
    HWND hwnd = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), ToHwnd(parent),
                                     &PassiveDialogProc, 0);
    t_pendingTarget = nullptr;
    t_cbtHook = nullptr;
    return FromHwnd(hwnd);
}

int Win32WindowSystem::RunModalLoop(Hwnd dialogHandle, WindowTarget& target) {
    HWND dialog = ToHwnd(dialogHandle);
    ModalState state{dialog, false, -1};
    t_modal.push_back(&state);
    bool shown = false;
    MSG msg;
    while (!state.ended && ::IsWindow(dialog)) {
        if (!shown && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            // Like the class library, show the dialog once the loop first becomes idle.
            shown = true;
            ::ShowWindow(dialog, SW_SHOWNORMAL);
            continue;
        }
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));  // leave WM_QUIT for an outer loop
            break;
        }
        if (got == -1) break;
        const Message portable{FromHwnd(msg.hwnd), msg.message, msg.wParam, msg.lParam};
        if ((msg.hwnd == dialog || ::IsChild(dialog, msg.hwnd)) && target.PreTranslateMessage(portable)) continue;
        if (::IsDialogMessageW(dialog, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    t_modal.pop_back();
    return state.result;
}

void Win32WindowSystem::EndModalLoop(Hwnd dialog, int result) {
    for (ModalState* state : t_modal)
        if (state->dialog == ToHwnd(dialog)) {
            state->ended = true;
            state->result = result;
        }
    ::PostMessageW(ToHwnd(dialog), WM_NULL, 0, 0);  // wake the loop
}

LResult Win32WindowSystem::DefaultProcessing(const Message& message) {
    HWND hwnd = ToHwnd(message.hwnd);
    LPARAM lParam = message.lParam;
    if (message.message == WM_WINDOWPOSCHANGING && !t_positions.empty() &&
        reinterpret_cast<LParam>(t_positions.back().portable) == message.lParam) {
        CopyBack(*t_positions.back().portable, *t_positions.back().real);
        lParam = reinterpret_cast<LPARAM>(t_positions.back().real);
    }
    WNDPROC old = OldProc(hwnd);
    return old ? ::CallWindowProcW(old, hwnd, message.message, message.wParam, lParam)
               : ::DefWindowProcW(hwnd, message.message, message.wParam, lParam);
}

bool Win32WindowSystem::DestroyWindow(Hwnd hwnd) { return ::DestroyWindow(ToHwnd(hwnd)) != FALSE; }
bool Win32WindowSystem::ShowWindow(Hwnd hwnd, int command) { return ::ShowWindow(ToHwnd(hwnd), command) != FALSE; }
bool Win32WindowSystem::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy, std::uint32_t flags) {
    return ::SetWindowPos(ToHwnd(hwnd), ToHwnd(insertAfter), x, y, cx, cy, flags) != FALSE;
}
bool Win32WindowSystem::UpdateWindow(Hwnd hwnd) { return ::UpdateWindow(ToHwnd(hwnd)) != FALSE; }
bool Win32WindowSystem::SetWindowTitle(Hwnd hwnd, const wchar_t* title) {
    return ::SetWindowTextW(ToHwnd(hwnd), title) != FALSE;
}
std::uint32_t Win32WindowSystem::LastError() { return ::GetLastError(); }
bool Win32WindowSystem::IsWindow(Hwnd hwnd) { return ::IsWindow(ToHwnd(hwnd)) != FALSE; }
bool Win32WindowSystem::IsWindowVisible(Hwnd hwnd) { return ::IsWindowVisible(ToHwnd(hwnd)) != FALSE; }
int Win32WindowSystem::ShowMessageBox(Hwnd owner, const wchar_t* text, const wchar_t* caption, std::uint32_t type) {
    return ::MessageBoxW(ToHwnd(owner), text, caption, type);
}
bool Win32WindowSystem::IsIconic(Hwnd hwnd) { return ::IsIconic(ToHwnd(hwnd)) != FALSE; }

bool Win32WindowSystem::GetClientRect(Hwnd hwnd, Rect& rect) {
    RECT r{};
    if (!::GetClientRect(ToHwnd(hwnd), &r)) return false;
    rect = Rect{r.left, r.top, r.right, r.bottom};
    return true;
}

bool Win32WindowSystem::GetWindowRect(Hwnd hwnd, Rect& rect) {
    RECT r{};
    if (!::GetWindowRect(ToHwnd(hwnd), &r)) return false;
    rect = Rect{r.left, r.top, r.right, r.bottom};
    return true;
}

Hwnd Win32WindowSystem::GetForegroundWindow() { return FromHwnd(::GetForegroundWindow()); }

int Win32WindowSystem::GetWindowText(Hwnd hwnd, wchar_t* buffer, int capacity) {
    return ::GetWindowTextW(ToHwnd(hwnd), buffer, capacity);
}

int Win32WindowSystem::GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }

void Win32WindowSystem::PaintIcon(Hwnd hwnd, Handle icon, int x, int y) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(ToHwnd(hwnd), &ps);
    ::SendMessageW(ToHwnd(hwnd), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ::DrawIcon(dc, x, y, reinterpret_cast<HICON>(icon));
    ::EndPaint(ToHwnd(hwnd), &ps);
}

bool Win32WindowSystem::SetTimer(Hwnd hwnd, std::uintptr_t id, std::uint32_t elapseMs) {
    return ::SetTimer(ToHwnd(hwnd), id, elapseMs, nullptr) != 0;
}

bool Win32WindowSystem::KillTimer(Hwnd hwnd, std::uintptr_t id) { return ::KillTimer(ToHwnd(hwnd), id) != FALSE; }

bool Win32WindowSystem::Post(Hwnd hwnd, std::uint32_t message, WParam wParam, LParam lParam) {
    return ::PostMessageW(ToHwnd(hwnd), message, wParam, lParam) != FALSE;
}

std::uint32_t Win32WindowSystem::RegisterMessage(const wchar_t* name) { return ::RegisterWindowMessageW(name); }

bool Win32WindowSystem::RegisterDialogClassCopy(const wchar_t* className) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!::GetClassInfoExW(nullptr, MAKEINTATOM(kDialogClassAtom), &wc)) return false;
    wc.lpszClassName = className;
    return ::RegisterClassExW(&wc) != 0;
}

Handle Win32WindowSystem::LoadIconResource(int resourceId) {
    return reinterpret_cast<Handle>(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId)));
}

bool Win32WindowSystem::DestroyIcon(Handle icon) { return ::DestroyIcon(reinterpret_cast<HICON>(icon)) != FALSE; }

bool Win32WindowSystem::NotifyIcon(std::uint32_t operation, const TrayIconData& data) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = ToHwnd(data.hWnd);
    nid.uID = data.uID;
    nid.uFlags = data.uFlags;
    nid.uCallbackMessage = data.uCallbackMessage;
    nid.hIcon = reinterpret_cast<HICON>(data.hIcon);
    static_assert(sizeof nid.szTip == sizeof data.szTip);
    for (std::size_t i = 0; i < sizeof data.szTip / sizeof data.szTip[0]; ++i) nid.szTip[i] = data.szTip[i];
    return ::Shell_NotifyIconW(operation, &nid) != FALSE;
}

std::int16_t Win32WindowSystem::GetKeyState(int virtualKey) { return ::GetKeyState(virtualKey); }

bool Win32WindowSystem::RegisterSessionNotification(Hwnd hwnd, std::uint32_t flags) {
    return ::WTSRegisterSessionNotification(ToHwnd(hwnd), flags) != FALSE;
}

bool Win32WindowSystem::UnregisterSessionNotification(Hwnd hwnd) {
    return ::WTSUnRegisterSessionNotification(ToHwnd(hwnd)) != FALSE;
}

}  // namespace vh::win32
