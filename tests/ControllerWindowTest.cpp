// The controller dialog on its own: hook path, timers, staying hidden, the message filter and
// the system commands.
#include <gtest/gtest.h>

#include "app/CVarnoHotkeyDlg.h"
#include "hotkey/CHook.h"
#include "tests/ProgramFixture.h"

namespace vh::test {
namespace {

class ControllerTest : public ProgramTest {
protected:
    void Start(std::uint32_t mask = HKC_VOLUME) {
        SetMask(mask);
        desk.windows.RegisterDialogClassCopy(kControllerClassName);
        ASSERT_TRUE(dlg.Create(kNoWindow));
        hwnd = dlg.GetSafeHwnd();
    }
    CVarnoHotkeyDlg dlg{desk.platform};
    Hwnd hwnd = kNoWindow;
};

TEST_F(ControllerTest, EveryKeyEventReachesTheControllerAndPassesOn) {
    Start();
    struct Event {
        std::uint32_t scan, flags;
    };
    for (Event e : {Event{0x2D, 0x01}, Event{0x2D, 0x81}, Event{0x1E, 0x00}, Event{0x1E, 0x80}, Event{0x2D, 0x91}}) {
        EXPECT_TRUE(desk.keyboard.Deliver(e.scan, e.flags));
        ASSERT_EQ(desk.windows.QueueLength(), 1u);
        desk.windows.RunFor(0);
        const sim::SimTimer* timer = desk.windows.FindTimer(hwnd, 0);
        ASSERT_NE(timer, nullptr) << e.scan << " " << e.flags;
        EXPECT_EQ(timer->period, 5000u);
    }
    EXPECT_EQ(desk.keyboard.deliveredToApplication, 5);
}

KeyboardEvent g_seenByEarlierHook{};

LResult VH_CALLBACK EarlierHook(int, WParam, LParam lParam) {
    g_seenByEarlierHook = *reinterpret_cast<const KeyboardEvent*>(lParam);
    return 0;
}

TEST_F(ControllerTest, HookProcedurePostsFlagsAndScanCodeAndCallsTheNextHook) {
    Start();
    CHook::StopHook(desk.keyboard);
    desk.keyboard.SetHook(&EarlierHook, 0);
    ASSERT_TRUE(CHook::StartHook(desk.keyboard, hwnd, 0));
    EXPECT_TRUE(desk.keyboard.Deliver(0x6F, 0x81, 0xAD));
    EXPECT_EQ(g_seenByEarlierHook.scanCode, 0x6Fu);
    EXPECT_EQ(g_seenByEarlierHook.flags, 0x81u);
    ASSERT_EQ(desk.windows.QueueLength(), 1u);
    const Message& posted = desk.windows.Queued(0);
    EXPECT_EQ(posted.hwnd, hwnd);
    EXPECT_EQ(posted.message, 0x8065u);
    EXPECT_EQ(posted.wParam, 0x81u);
    EXPECT_EQ(posted.lParam, 0x6F);
}

TEST_F(ControllerTest, TimerZeroReinstallsTheHookAfterFiveQuietSeconds) {
    Start();
    ASSERT_EQ(desk.keyboard.setHookCalls, 1);
    desk.keyboard.Tap(0x1E, false);
    desk.windows.RunFor(4000);
    desk.keyboard.Tap(0x1E, false);  // more typing restarts the wait
    desk.windows.RunFor(4999);
    EXPECT_EQ(desk.keyboard.setHookCalls, 1);
    desk.windows.RunFor(1);
    EXPECT_EQ(desk.keyboard.setHookCalls, 2);
    EXPECT_EQ(desk.keyboard.unhookCalls, 1);  // StopHook; StartHook then finds none left
    EXPECT_EQ(desk.keyboard.InstalledHooks(), 1);
    EXPECT_EQ(desk.windows.FindTimer(hwnd, 0), nullptr);  // the timer runs once
    desk.windows.RunFor(60000);
    EXPECT_EQ(desk.keyboard.setHookCalls, 2);
    // The new hook works.
    desk.keyboard.Tap(0x1E, false);
    desk.windows.RunFor(0);
    EXPECT_NE(desk.windows.FindTimer(hwnd, 0), nullptr);
}

TEST_F(ControllerTest, FailedReinstallIsLoggedOnce) {
    Start();
    desk.keyboard.failSetHook = true;
    desk.keyboard.Tap(0x1E, false);
    desk.windows.RunFor(5000);
    EXPECT_EQ(desk.debug.lines.back(), L"[VarnoHotkey] Start KB Hook is fail.\n");
    EXPECT_EQ(desk.keyboard.InstalledHooks(), 0);
    desk.windows.RunFor(60000);
    EXPECT_EQ(desk.keyboard.setHookCalls, 2);  // no retry
}

TEST_F(ControllerTest, FailedStartHookIsLoggedAndStartupGoesOn) {
    desk.keyboard.failSetHook = true;
    desk.windows.failSessionRegistration = true;
    Start(HKC_NUMLOCK_TRAY);
    EXPECT_TRUE(Logged(L"[VarnoHotkey] Strat hook fail."));
    EXPECT_TRUE(Logged(L"[VarnoHotkey] Register Session Notification Fail\n"));
    EXPECT_GE(Index(L"NotifyIcon add"), 0);
}

TEST_F(ControllerTest, StartHookTwiceLeavesOneHook) {
    Start();
    ASSERT_TRUE(CHook::StartHook(desk.keyboard, hwnd, 0));
    ASSERT_TRUE(CHook::StartHook(desk.keyboard, hwnd, 0));
    EXPECT_EQ(desk.keyboard.InstalledHooks(), 1);
    desk.keyboard.Tap(0x1E, false);
    EXPECT_EQ(desk.windows.QueueLength(), 2u);  // one message per event, not one per hook
    CHook::StopHook(desk.keyboard);
    EXPECT_EQ(desk.keyboard.InstalledHooks(), 0);
    EXPECT_EQ(g_hHookTarget, hwnd);
    CHook::StopHook(desk.keyboard);  // with none installed the call simply fails
    EXPECT_EQ(g_hHook, kNoHandle);
}

TEST_F(ControllerTest, StaysHiddenWhateverShowsIt) {
    Start();
    for (int command : {kSwShow, kSwShowNormal, 3 /* SW_MAXIMIZE */}) {
        desk.windows.ShowWindow(hwnd, command);
        EXPECT_FALSE(desk.windows.Find(hwnd)->visible) << command;
    }
}

TEST_F(ProgramTest, ModalLoopsShowAttemptIsStripped) {
    SetMask(HKC_VOLUME);
    bool visible = true;
    RunProgram(1000, [&] { visible = desk.windows.Find(Controller())->visible; });
    EXPECT_FALSE(visible);
}

struct FilterCase {
    std::uint32_t message;
    WParam wParam;
    LParam lParam;
    bool swallowed;
};

class MessageFilter : public ControllerTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(MessageFilter, SwallowsF4EnterEscapeAndSpace) {
    Start();
    const FilterCase& c = GetParam();
    EXPECT_EQ(dlg.PreTranslateMessage(Message{hwnd, c.message, c.wParam, c.lParam}), c.swallowed);
}

INSTANTIATE_TEST_SUITE_P(Keys, MessageFilter,
                         ::testing::Values(FilterCase{msg::kKeyDown, 0x73, 1, true},       // F4
                                           FilterCase{0x104 /* WM_SYSKEYDOWN */, 0x73, 0x20000001, true},
                                           FilterCase{msg::kKeyUp, 0x73, 0x0101, true},    // low byte 1
                                           FilterCase{msg::kKeyDown, 0x73, 2, false},
                                           FilterCase{msg::kKeyDown, 0x0D, 1, true},       // Enter
                                           FilterCase{msg::kKeyDown, 0x1B, 1, true},       // Escape
                                           FilterCase{msg::kKeyDown, 0x20, 1, true},       // Space
                                           FilterCase{msg::kKeyUp, 0x0D, 1, false},
                                           FilterCase{msg::kKeyDown, 0x41, 1, false},
                                           FilterCase{msg::kVarnoHotkey, 0x01, 0x2D, false}));

TEST_F(ProgramTest, EnterAndEscapeDoNotCloseTheController) {
    SetMask(HKC_VOLUME);
    RunProgram(5000, [&] {
        for (WParam key : {WParam{0x0D}, WParam{0x1B}, WParam{0x73}})
            desk.windows.Post(Controller(), msg::kKeyDown, key, 1);
        desk.windows.Schedule(100, [&] { EXPECT_NE(Controller(), kNoWindow); });
    });
    EXPECT_GT(Index(L"log [VarnoHotkey]VarnoHotKey Utility Closed\n"), 0);
}

TEST_F(ProgramTest, AboutBoxForTheAboutCommandRange) {
    SetMask(HKC_VOLUME);
    int opened = 0;
    RunProgram(60000, [&] {
        for (std::uint32_t code = 0x0010; code <= 0x001F; ++code) {
            desk.windows.Schedule(10 + code * 100, [&, code] {
                desk.windows.Schedule(10, [&] {
                    // The about box is modal over the controller; its OK button ends it.
                    sim::SimWindow* about = desk.windows.FindByTitle(L"About VarnoHotkey");
                    ASSERT_NE(about, nullptr);
                    EXPECT_EQ(about->parent, Controller());
                    ++opened;
                    desk.windows.Post(about->hwnd, msg::kCommand, kIdOk, 0);
                });
                desk.windows.Post(Controller(), msg::kSysCommand, code, 0);
            });
        }
    });
    EXPECT_EQ(opened, 16);
    EXPECT_EQ(desk.trace.Count(L"CreateDialog 100"), 16);
}

TEST_F(ProgramTest, OtherSystemCommandsGetDefaultProcessing) {
    SetMask(HKC_VOLUME);
    RunProgram(60000, [&] {
        desk.windows.Post(Controller(), msg::kSysCommand, 0x0020, 0);  // not the about range
        desk.windows.Post(Controller(), msg::kSysCommand, kScClose, 0);
    });
    EXPECT_EQ(Index(L"CreateDialog 100"), -1);
    // SC_CLOSE went through WM_CLOSE, long before the test's own close.
    EXPECT_GE(Index(L"log [VarnoHotkey]VarnoHotKey Utility Closed\n"), 0);
    EXPECT_LT(desk.windows.Now(), 60000u);
}

TEST_F(ControllerTest, MinimisedPaintDrawsTheIconCentred) {
    Start();
    desk.windows.Find(hwnd)->iconic = true;
    desk.windows.Find(hwnd)->rect = Rect{0, 0, 101, 60};
    desk.windows.Send(hwnd, msg::kPaint);
    ASSERT_EQ(desk.windows.paintedIcons.size(), 1u);
    EXPECT_EQ(desk.windows.paintedIcons[0].icon, dlg.m_hIcon);
    EXPECT_EQ(desk.windows.paintedIcons[0].x, (101 - 32 + 1) / 2);
    EXPECT_EQ(desk.windows.paintedIcons[0].y, (60 - 32 + 1) / 2);
    EXPECT_EQ(desk.windows.Send(hwnd, msg::kQueryDragIcon), static_cast<LResult>(dlg.m_hIcon));
    desk.windows.Find(hwnd)->iconic = false;
    desk.windows.Send(hwnd, msg::kPaint);
    EXPECT_EQ(desk.windows.paintedIcons.size(), 1u);
}

}  // namespace
}  // namespace vh::test
