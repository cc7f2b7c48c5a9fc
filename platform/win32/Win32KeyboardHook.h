// The low-level keyboard hook: SetWindowsHookExW(WH_KEYBOARD_LL), UnhookWindowsHookEx,
// CallNextHookEx, and PostMessageW for the hook procedure.
#pragma once
#include "platform/ports/KeyboardHook.h"

namespace vh::win32 {

class Win32KeyboardHook final : public KeyboardHook {
public:
    Handle SetHook(HookProc proc, Handle instance) override;
    bool Unhook(Handle hook) override;
    LResult CallNextHook(Handle hook, int nCode, WParam wParam, LParam lParam) override;
    bool PostToWindow(Hwnd target, std::uint32_t message, WParam wParam, LParam lParam) override;
};

}  // namespace vh::win32
