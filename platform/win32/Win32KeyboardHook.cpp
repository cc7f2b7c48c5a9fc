#include "platform/win32/Win32KeyboardHook.h"

#include <windows.h>

#include <cstddef>

namespace vh::win32 {

// The hook procedure reads the system's KBDLLHOOKSTRUCT through vh::KeyboardEvent.
static_assert(sizeof(KeyboardEvent) == sizeof(KBDLLHOOKSTRUCT));
static_assert(offsetof(KeyboardEvent, vkCode) == offsetof(KBDLLHOOKSTRUCT, vkCode));
static_assert(offsetof(KeyboardEvent, scanCode) == offsetof(KBDLLHOOKSTRUCT, scanCode));
static_assert(offsetof(KeyboardEvent, flags) == offsetof(KBDLLHOOKSTRUCT, flags));
static_assert(offsetof(KeyboardEvent, time) == offsetof(KBDLLHOOKSTRUCT, time));
static_assert(offsetof(KeyboardEvent, extraInfo) == offsetof(KBDLLHOOKSTRUCT, dwExtraInfo));
static_assert(sizeof(KeyboardEvent::extraInfo) == sizeof(KBDLLHOOKSTRUCT::dwExtraInfo));

// The port's hook procedure is registered as it is, so its arguments and result must be the
// system's in size (on the 32-bit build they are int/long pairs of the same width).
static_assert(sizeof(LResult) == sizeof(LRESULT));
static_assert(sizeof(WParam) == sizeof(WPARAM));
static_assert(sizeof(LParam) == sizeof(LPARAM));
static_assert(sizeof(Handle) == sizeof(HHOOK) && sizeof(Hwnd) == sizeof(HWND));

static_assert(kbflag::kExtended == LLKHF_EXTENDED && kbflag::kInjected == LLKHF_INJECTED &&
              kbflag::kAltDown == LLKHF_ALTDOWN && kbflag::kUp == LLKHF_UP);

Handle Win32KeyboardHook::SetHook(HookProc proc, Handle instance) {
    return reinterpret_cast<Handle>(::SetWindowsHookExW(WH_KEYBOARD_LL, reinterpret_cast<HOOKPROC>(proc),
                                                        reinterpret_cast<HINSTANCE>(instance), 0));
}

bool Win32KeyboardHook::Unhook(Handle hook) { return ::UnhookWindowsHookEx(reinterpret_cast<HHOOK>(hook)) != FALSE; }

LResult Win32KeyboardHook::CallNextHook(Handle hook, int nCode, WParam wParam, LParam lParam) {
    return static_cast<LResult>(::CallNextHookEx(reinterpret_cast<HHOOK>(hook), nCode, static_cast<WPARAM>(wParam),
                                                 static_cast<LPARAM>(lParam)));
}

bool Win32KeyboardHook::PostToWindow(Hwnd target, std::uint32_t message, WParam wParam, LParam lParam) {
    return ::PostMessageW(reinterpret_cast<HWND>(target), message, static_cast<WPARAM>(wParam),
                          static_cast<LPARAM>(lParam)) != FALSE;
}

}  // namespace vh::win32
