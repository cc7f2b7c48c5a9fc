// A simulated desktop with the program's process-wide values reset around each test.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "app/CVarnoHotkeyApp.h"
#include "app/FeatureConfig.h"
#include "app/Globals.h"
#include "platform/sim/SimDesktop.h"

namespace vh::test {

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() { ResetProcessGlobals(); }
    ~ProgramTest() override { ResetProcessGlobals(); }

    void SetMask(std::uint32_t mask) { desk.registry.SetDword(kVarnoHotkeyKey, L"VarnoHotkeyControl", mask); }
    void SetWindows10() {
        desk.system.SetWindowsVersion(L"10.0.18362");
        desk.system.architecture = 9;
    }

    // The controller window of the running program (at most one exists).
    Hwnd Controller() {
        auto found = desk.windows.FindByClass(kControllerClassName);
        return found.empty() ? kNoWindow : found.front()->hwnd;
    }

    // Runs the whole program; `during` runs once it is up, then WM_CLOSE is posted after closeAt ms.
    void RunProgram(std::uint32_t closeAt = 10000, std::function<void()> during = {}) {
        if (during) desk.windows.Schedule(1, std::move(during));
        desk.windows.Schedule(closeAt, [this] { desk.windows.Post(Controller(), msg::kClose, 0, 0); });
        RunVarnoHotkey(desk.platform);
        EXPECT_FALSE(desk.windows.ModalLoopStarved());
    }

    bool Logged(const std::wstring& line) const { return desk.debug.Contains(line); }
    int Index(const std::wstring& event) const { return desk.trace.IndexOf(event); }

    sim::SimDesktop desk;
};

}  // namespace vh::test
