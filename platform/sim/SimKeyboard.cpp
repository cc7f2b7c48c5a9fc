#include "platform/sim/SimKeyboard.h"

namespace vh::sim {

namespace {
constexpr int kHcAction = 0;
constexpr WParam kWmKeyDown = 0x100, kWmKeyUp = 0x101;
}  // namespace

bool SimKeyboard::Deliver(std::uint32_t scanCode, std::uint32_t flags, std::uint32_t vkCode) {
    KeyboardEvent event{vkCode, scanCode, flags, static_cast<std::uint32_t>(windows_.Now()), 0};
    const WParam kind = (flags & kbflag::kUp) ? kWmKeyUp : kWmKeyDown;
    LResult result = 0;
    if (!hooks_.empty()) result = hooks_.back().proc(kHcAction, kind, reinterpret_cast<LParam>(&event));
    if (result != 0) return false;
    ++deliveredToApplication;
    return true;
}

void SimKeyboard::Tap(std::uint32_t scanCode, bool extended) {
    const std::uint32_t ext = extended ? kbflag::kExtended : 0;
    Deliver(scanCode, ext);
    Deliver(scanCode, ext | kbflag::kUp);
}

Handle SimKeyboard::SetHook(HookProc proc, Handle) {
    ++setHookCalls;
    trace_.Add(L"SetWindowsHookEx");
    if (failSetHook || !proc) return kNoHandle;
    const Handle handle = nextHook_++;
    hooks_.push_back({handle, proc});
    return handle;
}

bool SimKeyboard::Unhook(Handle hook) {
    ++unhookCalls;
    trace_.Add(L"UnhookWindowsHookEx");
    for (auto it = hooks_.begin(); it != hooks_.end(); ++it)
        if (it->handle == hook) {
            hooks_.erase(it);
            return true;
        }
    return false;
}

LResult SimKeyboard::CallNextHook(Handle hook, int nCode, WParam wParam, LParam lParam) {
    // The next hook is the one installed before this one.
    for (std::size_t i = hooks_.size(); i-- > 0;)
        if (hooks_[i].handle == hook) return i > 0 ? hooks_[i - 1].proc(nCode, wParam, lParam) : 0;
    return 0;
}

}  // namespace vh::sim
