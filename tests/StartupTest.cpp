// Start-up and close of the whole program on the simulated desktop.
#include <gtest/gtest.h>

#include "app/CVarnoHotkeyDlg.h"
#include "res/resource.h"
#include "services/VendorLibraries.h"
#include "tests/ProgramFixture.h"

namespace vh::test {
namespace {

constexpr const wchar_t* kEnableLine = L"[VarnoHotkey]Enable VarnoHotkey to control Volume\n";
constexpr const wchar_t* kDisableLine = L"[VarnoHotkey]Disable VarnoHotkey to control Volume\n";
constexpr const wchar_t* kClosedLine = L"[VarnoHotkey]VarnoHotKey Utility Closed\n";

struct StartupCase {
    const char* name;
    bool maskPresent;
    std::uint32_t mask;
    bool platformFails;
    bool windows10;
    bool guest;
    // expected
    bool librariesLoaded;
    bool hooked;      // a hook was installed at start
    bool volumeHandOver;  // command 0x59 with 0x90
    bool trayAdded;
};

class StartupTable : public ProgramTest, public ::testing::WithParamInterface<StartupCase> {};

TEST_P(StartupTable, RunsAsFarAsTheMaskAndTheSystemAllow) {
    const StartupCase& c = GetParam();
    if (c.maskPresent) SetMask(c.mask);
    desk.vendor.failKavrel = c.platformFails;
    if (c.windows10) SetWindows10();
    if (c.guest) desk.system.tokenGroups.push_back({true, L"Guests", 7});
    bool hookedWhileRunning = false, sessionsWhileRunning = false;
    int librariesWhileRunning = 0;
    RunProgram(10000, [&] {
        hookedWhileRunning = desk.keyboard.InstalledHooks() == 1;
        sessionsWhileRunning = desk.windows.SessionNotificationRegistered(Controller());
        librariesWhileRunning = desk.libraries.LoadedCount();
    });

    EXPECT_EQ(librariesWhileRunning, c.librariesLoaded ? 2 : 0);
    EXPECT_EQ(hookedWhileRunning, c.hooked);
    EXPECT_EQ(sessionsWhileRunning, c.hooked);
    EXPECT_EQ(desk.vendor.SentCommand(kavrel::kVolumeControl, kavrel::kVolumeToProgram), c.volumeHandOver);
    EXPECT_EQ(Index(L"NotifyIcon add") >= 0, c.trayAdded);
    EXPECT_EQ(Logged(L"[VarnoHotkey] Can't Read EC Namespace!\n"), c.platformFails);
    // The close sequence runs in every case and frees whatever was loaded.
    EXPECT_TRUE(Logged(kClosedLine));
    EXPECT_EQ(desk.libraries.LoadedCount(), 0);
    EXPECT_EQ(desk.keyboard.InstalledHooks(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupTable,
    ::testing::Values(
        //          name            present mask    fail   win10  guest  libs   hook   0x59   tray
        StartupCase{"MaskZero", true, 0x0000, false, false, false, false, false, false, false},
        StartupCase{"MaskMissing", false, 0, false, false, false, false, false, false, false},
        StartupCase{"HighBitsOnly", true, 0xC000, false, false, false, true, true, true, false},
        StartupCase{"PlatformQueryFails", true, 0x0401, true, false, false, true, false, false, false},
        StartupCase{"Windows7", true, 0x0401, false, false, false, true, true, true, true},
        StartupCase{"Windows10", true, 0x0401, false, true, false, true, true, false, true},
        StartupCase{"GuestUser", true, 0x0401, false, false, true, true, true, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramTest, Windows7StartAndCloseLogExactly) {
    SetMask(0x0401);
    desk.vendor.platformReply[1] = 0xD8;
    RunProgram();
    const std::vector<std::wstring> expected = {
        L"[VarnoHotkey] Read TskControl (0x401, 1025) from the registry.\n",
        L"[stdafx] IsGuestUser",
        L"[Function_UI] Not GuestUser",
        kEnableLine,
        L"[VarnoHotkey] Kavrel True\n",
        kDisableLine,
        L"[VarnoHotkey] Kavrel True\n",
        kClosedLine,
    };
    EXPECT_EQ(desk.debug.lines, expected);
    EXPECT_TRUE(desk.vendor.SentCommand(kavrel::kVolumeControl, kavrel::kVolumeToEc));
}

TEST_F(ProgramTest, Windows10NeverSendsTheVolumeHandOver) {
    SetMask(0x0001);
    SetWindows10();
    RunProgram();
    EXPECT_EQ(desk.vendor.CountCommand(kavrel::kVolumeControl), 0);
    EXPECT_FALSE(Logged(kEnableLine));
    EXPECT_FALSE(Logged(kDisableLine));
}

TEST_F(ProgramTest, MissingMaskLogsAndLoadsNothing) {
    RunProgram();
    ASSERT_GE(desk.debug.lines.size(), 1u);
    EXPECT_EQ(desk.debug.lines[0], L"[VarnoHotkey] ***** Unable to read VarnoHotkeyControl from the registry! *****\n");
    EXPECT_EQ(Index(L"LoadLibrary Kavrel.dll"), -1);
    EXPECT_EQ(desk.keyboard.setHookCalls, 0);
}

TEST_F(ProgramTest, ApplicationStepsRunInOrder) {
    SetMask(0x0001);
    RunProgram();
    const std::vector<std::wstring> order = {L"GdiplusStartup", L"InitCommonControlsEx", L"LoadIcon 128",
                                             L"CreateMutex Mutex_VarnoHotkey", L"RegisterClass VarnoHotkeyClass",
                                             L"CreateDialog 102", L"GdiplusShutdown"};
    int last = -1;
    for (const auto& event : order) {
        const int at = Index(event);
        EXPECT_GT(at, last) << std::string(event.begin(), event.end());
        last = at;
    }
    EXPECT_EQ(desk.process.commonControlsIcc, 0xFFu);
    EXPECT_EQ(desk.process.shutdownToken, desk.process.gdiplusToken);
    EXPECT_EQ(desk.windows.Find(Controller()), nullptr);  // the dialog is gone when the program ends
}

TEST_F(ProgramTest, SecondInstanceEndsAtOnce) {
    SetMask(0x0401);
    desk.process.existingMutexes.insert(L"Mutex_VarnoHotkey");
    RunVarnoHotkey(desk.platform);
    EXPECT_EQ(Index(L"CreateDialog 102"), -1);
    EXPECT_EQ(Index(L"RegisterClass VarnoHotkeyClass"), -1);
    EXPECT_EQ(desk.keyboard.setHookCalls, 0);
    EXPECT_EQ(Index(L"LoadLibrary Kavrel.dll"), -1);
    EXPECT_TRUE(desk.debug.lines.empty());
    EXPECT_GE(Index(L"GdiplusShutdown"), 0);
}

TEST_F(ProgramTest, NoWindowWhenTheMutexOrTheClassFails) {
    SetMask(0x0401);
    desk.process.failMutex = true;
    RunVarnoHotkey(desk.platform);
    EXPECT_EQ(Index(L"CreateDialog 102"), -1);

    desk.process.failMutex = false;
    desk.windows.failRegisterClass = true;
    RunVarnoHotkey(desk.platform);
    EXPECT_EQ(Index(L"CreateDialog 102"), -1);
    EXPECT_TRUE(desk.debug.lines.empty());
}

TEST_F(ProgramTest, CloseTearsDownInOrder) {
    SetMask(0x0401);
    RunProgram();
    const std::vector<std::wstring> order = {
        L"UnhookWindowsHookEx",      L"log " + std::wstring(kDisableLine), L"WTSUnRegisterSessionNotification",
        L"NotifyIcon delete",        L"DestroyIcon",                       L"FreeLibrary Kavrel.dll",
        L"FreeLibrary Marlowen.dll", L"log " + std::wstring(kClosedLine),  L"DestroyWindow 102"};
    int last = Index(L"WTSRegisterSessionNotification");
    for (const auto& event : order) {
        const int at = Index(event);
        EXPECT_GT(at, last) << std::string(event.begin(), event.end());
        last = at;
    }
    EXPECT_EQ(desk.windows.liveIcons.count(desk.windows.trayCalls.front().data.hIcon), 0u);
}

TEST_F(ProgramTest, CloseAfterFailedPlatformQueryStillRunsTheWholeTeardown) {
    SetMask(0x0401);
    desk.vendor.failKavrel = true;
    RunProgram();
    EXPECT_GE(Index(L"UnhookWindowsHookEx"), 0);
    EXPECT_GE(Index(L"NotifyIcon delete"), 0);
    EXPECT_GE(Index(L"FreeLibrary Kavrel.dll"), 0);
    EXPECT_TRUE(Logged(kDisableLine));  // the library is loaded, so the hand-back is attempted
}

struct TrayCase {
    std::int16_t numLockState;
    int expectedIcon;
};

class TrayIcon : public ProgramTest, public ::testing::WithParamInterface<TrayCase> {};

TEST_P(TrayIcon, ShowsTheNumLockState) {
    SetMask(HKC_NUMLOCK_TRAY);
    desk.windows.keyState[0x90] = GetParam().numLockState;
    RunProgram();
    ASSERT_FALSE(desk.windows.trayCalls.empty());
    const sim::TrayCall& add = desk.windows.trayCalls.front();
    EXPECT_EQ(add.operation, tray::kAdd);
    EXPECT_EQ(add.data.uID, 222u);
    EXPECT_EQ(add.data.uFlags, 7u);
    EXPECT_EQ(add.data.uCallbackMessage, 0x400u);
    EXPECT_EQ(add.data.szTip[0], L'\0');
    EXPECT_NE(add.data.hWnd, kNoWindow);
    const int loaded = Index(L"LoadIcon " + std::to_wstring(GetParam().expectedIcon));
    EXPECT_GT(loaded, Index(L"CreateDialog 102"));
}

INSTANTIATE_TEST_SUITE_P(States, TrayIcon,
                         ::testing::Values(TrayCase{1, IDI_NUMLOCK_ON}, TrayCase{0, IDI_NUMLOCK_OFF},
                                           TrayCase{static_cast<std::int16_t>(0xFF81), IDI_NUMLOCK_ON},
                                           TrayCase{static_cast<std::int16_t>(0xFF80), IDI_NUMLOCK_OFF}));

TEST_F(ProgramTest, PowerSettingKeyOnlyWithHdmiOrDtm) {
    for (std::uint32_t mask : {HKC_HDMI, HKC_BATTERY_DTM, HKC_VOLUME}) {
        sim::SimDesktop fresh;
        ResetProcessGlobals();
        fresh.registry.SetDword(kVarnoHotkeyKey, L"VarnoHotkeyControl", mask);
        fresh.windows.Schedule(10, [&] {
            fresh.windows.Post(fresh.windows.FindByClass(kControllerClassName).front()->hwnd, msg::kClose, 0, 0);
        });
        RunVarnoHotkey(fresh.platform);
        EXPECT_EQ(fresh.registry.KeyExists(kPowerSettingKey), mask != HKC_VOLUME) << mask;
        if (mask != HKC_VOLUME) {
            ASSERT_EQ(fresh.registry.createAccess.size(), 1u);
            EXPECT_EQ(fresh.registry.createAccess[0], 0x2001Fu);
            EXPECT_EQ(fresh.registry.OpenHandles(), 0);
        }
    }
}

TEST_F(ProgramTest, PlatformCodeSelectsTheDtmIndex) {
    struct Case {
        std::uint8_t b0, b1;
        bool alt;
    };
    for (Case c : {Case{0x00, 0xD5, true}, Case{0x00, 0xCB, true}, Case{0x00, 0xD8, true}, Case{0x01, 0xD8, false},
                   Case{0x00, 0x10, false}}) {
        ResetProcessGlobals();
        sim::SimDesktop fresh;
        fresh.registry.SetDword(kVarnoHotkeyKey, L"VarnoHotkeyControl", HKC_VOLUME);
        fresh.vendor.platformReply[0] = c.b0;
        fresh.vendor.platformReply[1] = c.b1;
        fresh.windows.RegisterDialogClassCopy(kControllerClassName);
        CVarnoHotkeyDlg dlg(fresh.platform);
        ASSERT_TRUE(dlg.Create(kNoWindow));
        EXPECT_EQ(dlg.m_bAltDtmIndex, c.alt) << int(c.b0) << " " << int(c.b1);
        EXPECT_EQ(PlatformCode(), c.b1);
        EXPECT_EQ(dlg.m_strOrlendaCmd, L"\"C:\\Program Files\\VarnoHotkey\\Orlenda.exe\"");
        dlg.DestroyWindow();
    }
}

}  // namespace
}  // namespace vh::test
