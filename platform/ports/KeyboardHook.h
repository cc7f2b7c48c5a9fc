// The low-level keyboard hook and the one call the hook procedure makes to reach its target.
#pragma once
#include <cstdint>

#include "common/Types.h"

namespace vh {

// Same layout as KBDLLHOOKSTRUCT, so the hook procedure reads the system's record as it is.
struct KeyboardEvent {
    std::uint32_t vkCode;
    std::uint32_t scanCode;
    std::uint32_t flags;
    std::uint32_t time;
    std::uintptr_t extraInfo;
};

namespace kbflag {
constexpr std::uint32_t kExtended = 0x01;
constexpr std::uint32_t kInjected = 0x10;
constexpr std::uint32_t kAltDown = 0x20;
constexpr std::uint32_t kUp = 0x80;
}  // namespace kbflag

// The hook procedure's signature, with the system's calling convention for callbacks, so the
// adapter registers it as it is.
using HookProc = LResult(VH_CALLBACK*)(int nCode, WParam wParam, LParam lParam);

class KeyboardHook {
public:
    virtual ~KeyboardHook() = default;
    // SetWindowsHookExW(WH_KEYBOARD_LL, proc, instance, 0); 0 on failure.
    virtual Handle SetHook(HookProc proc, Handle instance) = 0;
    // UnhookWindowsHookEx; false on failure (also for 0).
    virtual bool Unhook(Handle hook) = 0;
    virtual LResult CallNextHook(Handle hook, int nCode, WParam wParam, LParam lParam) = 0;
    // PostMessageW from the hook procedure; false when the queue refused it.
    virtual bool PostToWindow(Hwnd target, std::uint32_t message, WParam wParam, LParam lParam) = 0;
};

}  // namespace vh
