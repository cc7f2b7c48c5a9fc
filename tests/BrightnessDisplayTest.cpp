// Brightness keys: the level read back from the vendor library, the validity check of the
// stored levels and the picture shown.
#include <gtest/gtest.h>

#include "common/WFormat.h"
#include "osd/BrightnessDisplay.h"
#include "services/VendorLibraries.h"
#include "tests/OsdFixture.h"

namespace vh::test {
namespace {

const std::vector<std::int32_t> kPanelLevels = {5, 15, 30, 45, 60, 75, 90, 100};

struct BrightnessCase {
    std::int32_t brightness;
    int level, upPicture, downPicture;
};

class BrightnessKey : public OsdTest, public ::testing::WithParamInterface<BrightnessCase> {};

TEST_P(BrightnessKey, LevelIsTheFirstOneThatReachesTheBrightness) {
    const BrightnessCase& c = GetParam();
    desk.vendor.levels = kPanelLevels;
    desk.vendor.brightness = c.brightness;
    Start();
    Key(kBrightnessUpKey);
    EXPECT_EQ(LastPicture(), c.upPicture);
    Key(kBrightnessDownKey);
    EXPECT_EQ(LastPicture(), c.downPicture);
    EXPECT_TRUE(OsdVisible());
    wchar_t line[200];
    FormatW(line, L"[Function_UI] BrightnessNumber: %d\tBrightnessLevel: %d\tWMIGetBrightness:%d\n", c.brightness,
            c.level, kPanelLevels[static_cast<std::size_t>(c.level)]);
    EXPECT_TRUE(Logged(line));
    EXPECT_EQ(desk.vendor.brightness, c.brightness);  // the program never sets it
}

INSTANTIATE_TEST_SUITE_P(Panel, BrightnessKey,
                         ::testing::Values(BrightnessCase{50, 4, 152, 144}, BrightnessCase{100, 7, 139, 147},
                                           BrightnessCase{3, 0, 148, 140}, BrightnessCase{5, 0, 148, 140},
                                           BrightnessCase{120, 7, 139, 147}));

TEST_F(OsdTest, StoredLevelsAreReadAtStartAndCheckedOnEveryKey) {
    desk.vendor.levels = kPanelLevels;
    desk.vendor.brightness = 50;
    Start();
    EXPECT_EQ(std::vector<std::int32_t>(std::begin(BrightnessValueTable), std::end(BrightnessValueTable)),
              kPanelLevels);
    EXPECT_TRUE(Logged(L"[Function_UI] Set Brightness Levels to : 100\n"));
    const std::size_t from = desk.debug.lines.size();
    Key(kBrightnessUpKey);
    std::vector<std::wstring> expected = {L"[VarnoHotkey] InitFuncUIDlg", L"[VarnoHotkey] m_OSDdlg HWND == NULL",
                                          L"[Function_UI] OnCreate", L"[Function_UI] OnInitDialog"};
    auto lines = LinesFrom(from);
    lines.erase(lines.begin() + 4, lines.begin() + 6);  // the placement lines
    expected.push_back(L"[Function_UI] Get Brightness level");
    for (int i = 0; i < 8; ++i) expected.push_back(L"[Function_UI] BrightnessValue Passed");
    for (int v : {5, 15, 30, 45, 60}) expected.push_back(L"[Function_UI] Check Brightness Values: " + std::to_wstring(v) + L"\n");
    expected.push_back(L"[Function_UI] BrightnessNumber: 50\tBrightnessLevel: 4\tWMIGetBrightness:60\n");
    expected.push_back(L"[Function_UI] SetBackground");
    lines.resize(expected.size());
    EXPECT_EQ(lines, expected);
}

struct RefillCase {
    const char* name;
    std::vector<std::int32_t> stored;
    const wchar_t* line;
};

class StoredLevels : public OsdTest, public ::testing::WithParamInterface<RefillCase> {};

TEST_P(StoredLevels, BadTableIsRefilledOnceBeforeTheLevelIsComputed) {
    desk.vendor.levels = kPanelLevels;
    desk.vendor.brightness = 50;
    Start(HKC_VOLUME);  // the brightness bit would fill the table at start
    dlg.m_dwHotkeyControl |= HKC_BRIGHTNESS;
    std::copy(GetParam().stored.begin(), GetParam().stored.end(), BrightnessValueTable);
    Key(kBrightnessUpKey);
    EXPECT_TRUE(Logged(GetParam().line));
    EXPECT_EQ(desk.debug.CountOf(L"[Function_UI] Set Brightness total level"), 1);
    EXPECT_EQ(LastPicture(), 152);  // level 4 of the refilled table
    EXPECT_EQ(BrightnessValueTable[7], 100);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, StoredLevels,
    ::testing::Values(RefillCase{"NeverFilled", {0, 0, 0, 0, 0, 0, 0, 0}, L"[Function_UI] Brightness Value is invalid\n"},
                      RefillCase{"EntryAbove100", {5, 15, 30, 101, 102, 103, 104, 105},
                                 L"[Function_UI] Brightness Range is invalid\n"},
                      RefillCase{"Negative", {-1, 15, 30, 45, 60, 75, 90, 100},
                                 L"[Function_UI] Brightness Range is invalid\n"},
                      RefillCase{"NotIncreasing", {5, 15, 15, 45, 60, 75, 90, 100},
                                 L"[Function_UI] Brightness Value is invalid\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OsdTest, FewerReportedLevelsKeepTheEarlierEntries) {
    desk.vendor.levels = kPanelLevels;
    Start();
    desk.vendor.levels = {1, 2, 3};
    SetBrightnessTotalLevel(desk.debug);
    EXPECT_EQ(std::vector<std::int32_t>(std::begin(BrightnessValueTable), std::end(BrightnessValueTable)),
              (std::vector<std::int32_t>{1, 2, 3, 45, 60, 75, 90, 100}));
}

TEST_F(OsdTest, UnreadableBrightnessClosesTheWindow) {
    desk.vendor.levels = kPanelLevels;
    desk.vendor.brightness = -1;
    Start();
    Key(kBrightnessDownKey);
    EXPECT_TRUE(Logged(L"\n\n\n=========[Function_UI] Guest deny==========\n\n\n"));
    EXPECT_EQ(desk.debug.lines.back(), L"[Function_UI] OnClose");
    EXPECT_EQ(OsdHwnd(), kNoWindow);
    EXPECT_TRUE(PicturesLoaded().empty());

    // An unbound entry point reads the same way.
    desk.vendor.brightness = 50;
    desk.vendor.missingEntries = {"WMI_GetBrightnessVista"};
    FreeVendorLibraries(desk.libraries);
    LoadVendorLibraries(desk.libraries);
    Key(kBrightnessUpKey);
    EXPECT_EQ(OsdHwnd(), kNoWindow);
    EXPECT_TRUE(PicturesLoaded().empty());
}

TEST_F(OsdTest, FullScreenWindowMeansNothingIsReadLoggedOrShown) {
    desk.vendor.levels = kPanelLevels;
    Start();
    PutFullScreenInFront();
    desk.vendor.calls.clear();
    const std::size_t from = desk.debug.lines.size();
    Key(kBrightnessUpKey);
    EXPECT_TRUE(desk.vendor.calls.empty());
    EXPECT_EQ(LinesFrom(from).back(), L"[Function_UI] bResetSize=FALSE Offset_x=865 Offset_y=483 Success");
    EXPECT_FALSE(OsdVisible());
}

TEST_F(OsdTest, GuestBrightnessKeysStartTheCompanionInstead) {
    desk.system.tokenGroups = {{true, L"Guests", 7}};
    Start();
    ASSERT_EQ(desk.process.starts.size(), 1u);
    EXPECT_EQ(desk.process.starts[0].parameters, L"9");  // instead of reading the levels
    EXPECT_FALSE(Logged(L"[Function_UI] Set Brightness total level"));
    for (std::uint32_t key : {kBrightnessUpKey, kBrightnessDownKey}) Key(key);
    ASSERT_EQ(desk.process.starts.size(), 3u);
    EXPECT_EQ(desk.process.starts[1].parameters, L"10");
    EXPECT_EQ(desk.process.starts[2].parameters, L"10");
    EXPECT_EQ(OsdHwnd(), kNoWindow);
    EXPECT_EQ(desk.windows.FindTimer(controller, 0), nullptr);  // consumed
}

}  // namespace
}  // namespace vh::test
