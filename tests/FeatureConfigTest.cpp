#include "app/FeatureConfig.h"

#include <gtest/gtest.h>

#include "app/Globals.h"
#include "platform/sim/SimDesktop.h"

namespace vh {
namespace {

class FeatureConfig : public ::testing::Test {
protected:
    FeatureConfig() { ResetProcessGlobals(); }
    sim::SimDesktop desk;
};

struct MaskCase {
    std::uint32_t type;
    std::vector<std::uint8_t> bytes;
    bool readable;
    std::uint32_t mask;
};

class MaskValue : public FeatureConfig, public ::testing::WithParamInterface<MaskCase> {};

TEST_P(MaskValue, TakesAtMostFourBytesOfAnyType) {
    desk.registry.SetBytes(kVarnoHotkeyKey, L"VarnoHotkeyControl", GetParam().type, GetParam().bytes);
    EXPECT_EQ(ReadHotkeyControl(desk.registry, desk.debug), GetParam().mask);
    ASSERT_EQ(desk.debug.lines.size(), 1u);
    EXPECT_EQ(desk.debug.lines[0].rfind(GetParam().readable ? L"[VarnoHotkey] Read TskControl" : L"[VarnoHotkey] *****", 0),
              0u);
}

INSTANTIATE_TEST_SUITE_P(Values, MaskValue,
                         ::testing::Values(MaskCase{4, {0x01, 0x04, 0x00, 0x00}, true, 0x0401},
                                           MaskCase{3, {0x10, 0x20}, true, 0x2010},               // short binary
                                           MaskCase{3, {1, 2, 3, 4, 5, 6, 7, 8}, false, 0},       // too long
                                           MaskCase{4, {0xFF, 0xFF, 0xFF, 0xFF}, true, 0xFFFFFFFF}));

TEST_F(FeatureConfig, LogsTheMaskInHexAndDecimal) {
    desk.registry.SetDword(kVarnoHotkeyKey, L"VarnoHotkeyControl", 0x2FFF);
    EXPECT_EQ(ReadHotkeyControl(desk.registry, desk.debug), 0x2FFFu);
    EXPECT_EQ(desk.debug.lines[0], L"[VarnoHotkey] Read TskControl (0x2FFF, 12287) from the registry.\n");
}

TEST_F(FeatureConfig, BatteryRemindHasThreeOutcomes) {
    EXPECT_EQ(ReadBatteryRemind(desk.registry, desk.debug), 0u);  // no key
    desk.registry.CreateKeyPath(kPowerSettingKey);
    EXPECT_EQ(ReadBatteryRemind(desk.registry, desk.debug), 0xFFFFFFFFu);  // no value
    EXPECT_TRUE(desk.debug.lines.empty());
    desk.registry.SetDword(kPowerSettingKey, L"Battery Remind", 0);
    EXPECT_EQ(ReadBatteryRemind(desk.registry, desk.debug), 0u);
    desk.registry.SetDword(kPowerSettingKey, L"battery remind", 1);
    EXPECT_EQ(ReadBatteryRemind(desk.registry, desk.debug), 1u);
    EXPECT_EQ(desk.debug.lines, (std::vector<std::wstring>{L"[VarnoHotkey] Read check box Value",
                                                           L"[VarnoHotkey] Read check box Value"}));
    EXPECT_EQ(desk.registry.OpenHandles(), 0);
}

}  // namespace
}  // namespace vh
