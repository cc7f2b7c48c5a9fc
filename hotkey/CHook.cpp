#include "hotkey/CHook.h"

namespace vh {

Handle g_hHook = kNoHandle;
Hwnd g_hHookTarget = kNoWindow;
KeyboardHook* g_hookPort = nullptr;

bool CHook::StartHook(KeyboardHook& port, Hwnd target, Handle instance) {
    g_hHookTarget = target;
    if (g_hHook != kNoHandle) {
        port.Unhook(g_hHook);
        g_hHook = kNoHandle;
    }
    g_hookPort = &port;
    g_hHook = port.SetHook(&KeyboardHookProc, instance);
    return g_hHook != kNoHandle;
}

void CHook::StopHook(KeyboardHook& port) {
    port.Unhook(g_hHook);
    g_hHook = kNoHandle;
}

void CHook::ResetState() {
    g_hHook = kNoHandle;
    g_hHookTarget = kNoWindow;
    g_hookPort = nullptr;
}

// Runs for every key event of the desktop: one post and the call to the next hook, nothing else.
LResult VH_CALLBACK KeyboardHookProc(int nCode, WParam wParam, LParam lParam) {
    const auto* event = reinterpret_cast<const KeyboardEvent*>(lParam);
    g_hookPort->PostToWindow(g_hHookTarget, msg::kVarnoHotkey, event->flags, static_cast<LParam>(event->scanCode));
    return g_hookPort->CallNextHook(g_hHook, nCode, wParam, lParam);
}

}  // namespace vh
