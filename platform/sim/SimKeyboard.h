// The simulated keyboard: low-level hooks in a chain (the latest first) and key events that pass
// through them to the focused application unless a hook swallows them.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/ports/KeyboardHook.h"
#include "platform/sim/SimTrace.h"
#include "platform/sim/SimWindows.h"

namespace vh::sim {

class SimKeyboard : public KeyboardHook {
public:
    SimKeyboard(SimWindows& windows, SimTrace& trace) : windows_(windows), trace_(trace) { hooks_.reserve(8); }

    // Delivers one event through the hook chain; returns true when it reached the application.
    bool Deliver(std::uint32_t scanCode, std::uint32_t flags, std::uint32_t vkCode = 0);
    // A press and its release.
    void Tap(std::uint32_t scanCode, bool extended);

    int InstalledHooks() const { return static_cast<int>(hooks_.size()); }
    int deliveredToApplication = 0;
    int setHookCalls = 0;
    int unhookCalls = 0;
    bool failSetHook = false;

    Handle SetHook(HookProc proc, Handle instance) override;
    bool Unhook(Handle hook) override;
    LResult CallNextHook(Handle hook, int nCode, WParam wParam, LParam lParam) override;
    bool PostToWindow(Hwnd target, std::uint32_t message, WParam wParam, LParam lParam) override {
        return windows_.Post(target, message, wParam, lParam);
    }

private:
    struct Installed {
        Handle handle;
        HookProc proc;
    };
    std::vector<Installed> hooks_;  // the latest is last and is called first
    Handle nextHook_ = 0x30000;
    SimWindows& windows_;
    SimTrace& trace_;
};

}  // namespace vh::sim
