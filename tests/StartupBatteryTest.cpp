// The battery check at start, the companion starts it and the controller's timers make, and the
// full-screen rule that also holds for them.
#include <gtest/gtest.h>

#include "osd/VolumeDisplay.h"
#include "services/CompanionPrograms.h"
#include "tests/OsdFixture.h"

namespace vh::test {
namespace {

struct BatteryCase {
    const char* name;
    std::uint8_t acLine, percent;
    bool launched;
};

class StartupBattery : public OsdTest, public ::testing::WithParamInterface<BatteryCase> {};

TEST_P(StartupBattery, LowBatteryOnBatteryPowerSendsCode4AndLeavesNoWindow) {
    desk.system.powerStatus = PowerStatus{GetParam().acLine, GetParam().percent};
    desk.process.modulePath = L"D:\\Tools\\Osd\\VarnoHotkey.exe";
    Start(HKC_BATTERY_NOTIFY);
    EXPECT_TRUE(Logged(L"[Function_UI] GetPowerScale!"));
    if (GetParam().launched) {
        ASSERT_EQ(desk.process.starts.size(), 1u);
        const sim::ProgramStart& start = desk.process.starts[0];
        EXPECT_EQ(start.verb, L"open");
        EXPECT_EQ(start.file, L"\"D:\\Tools\\Osd\\Orlenda.exe\"");
        EXPECT_EQ(start.parameters, L"4");
        EXPECT_EQ(start.directory, L"");
        EXPECT_EQ(start.showCommand, kSwShowNormal);
        EXPECT_TRUE(Logged(L"4"));
    } else {
        EXPECT_TRUE(desk.process.starts.empty());
    }
    EXPECT_EQ(desk.debug.lines.back(), L"[Function_UI] OnClose");
    EXPECT_EQ(OsdHwnd(), kNoWindow);
    EXPECT_TRUE(desk.windows.FindByClass(L"#32770").empty());
}

INSTANTIATE_TEST_SUITE_P(Charge, StartupBattery,
                         ::testing::Values(BatteryCase{"Battery8", 0, 8, true}, BatteryCase{"Battery10", 0, 10, true},
                                           BatteryCase{"Battery11", 0, 11, false},
                                           BatteryCase{"NoReadingCountsAsEmpty", 0, 255, true},
                                           BatteryCase{"OnAc", 1, 8, false},
                                           BatteryCase{"AcUnknown", 255, 8, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OsdTest, UnreadablePowerStatusRaisesTheMessageBoxAndCountsAsEmpty) {
    desk.system.powerStatusReadable = false;
    Start(HKC_BATTERY_NOTIFY);
    ASSERT_EQ(desk.windows.messageBoxes.size(), 1u);
    const sim::MessageBoxCall& box = desk.windows.messageBoxes[0];
    EXPECT_EQ(box.text, L"GetSystemPowerStatus fail!");
    EXPECT_EQ(box.caption, L"VarnoHotkey");
    EXPECT_EQ(box.type, kMbOk);
    EXPECT_NE(box.owner, kNoWindow);
    EXPECT_NE(box.owner, controller);  // owned by the OSD window
    // No AC reading either, so the check treats it as a flat battery.
    ASSERT_EQ(desk.process.starts.size(), 1u);
    EXPECT_EQ(desk.process.starts[0].parameters, L"4");
}

TEST_F(OsdTest, WithoutTheBatteryBitNothingIsChecked) {
    desk.system.powerStatus = PowerStatus{0, 5};
    Start(HKC_VOLUME);
    EXPECT_FALSE(Logged(L"[Function_UI] GetPowerScale!"));
    EXPECT_TRUE(desk.process.starts.empty());
    EXPECT_EQ(VolumeValueTable[3], 30);  // the volume table is filled before Windows 8
    EXPECT_EQ(VolumeValueTable[10], 100);
}

TEST_F(OsdTest, FullScreenWindowDropsTheCompanionStart) {
    desk.system.powerStatus = PowerStatus{0, 5};
    PutFullScreenInFront();
    Start(HKC_BATTERY_NOTIFY);
    EXPECT_TRUE(desk.process.starts.empty());
    EXPECT_FALSE(Logged(L"4"));
    desk.windows.RunFor(10000);
    EXPECT_TRUE(desk.process.starts.empty());  // not later either
}

TEST_F(OsdTest, ControllerTimersSendTheirDelayedCodesOnce) {
    Start(HKC_VOLUME);
    struct TimerCase {
        std::uintptr_t id;
        std::vector<std::wstring> codes;
    };
    for (const TimerCase& c : {TimerCase{1, {L"3"}}, TimerCase{2, {L"2"}}, TimerCase{3, {L"6", L"3"}}}) {
        desk.process.starts.clear();
        desk.windows.SetTimer(controller, c.id, 3000);
        desk.windows.RunFor(3000);
        std::vector<std::wstring> sent;
        for (const auto& start : desk.process.starts) sent.push_back(start.parameters);
        EXPECT_EQ(sent, c.codes) << c.id;
        EXPECT_EQ(desk.windows.FindTimer(controller, c.id), nullptr) << c.id;
    }
}

}  // namespace
}  // namespace vh::test
