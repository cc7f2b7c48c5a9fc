// The low-level keyboard hook: forwards every key event's flags and scan code to the controller
// window as a posted message and never swallows a key.
#pragma once
#include "platform/ports/KeyboardHook.h"

namespace vh {

extern Handle g_hHook;        // the installed hook, 0 when none
extern Hwnd g_hHookTarget;    // the window that receives the events
extern KeyboardHook* g_hookPort;  // the system the hook was installed through

class CHook {
public:
    virtual ~CHook() = default;

    // Stores the target, removes a hook still installed, installs a new one; true when it is in.
    static bool StartHook(KeyboardHook& port, Hwnd target, Handle instance);
    // Removes the hook (the call simply fails when none is installed); the target stays.
    static void StopHook(KeyboardHook& port);
    static void ResetState();
};

LResult VH_CALLBACK KeyboardHookProc(int nCode, WParam wParam, LParam lParam);

}  // namespace vh
