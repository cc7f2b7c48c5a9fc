// Volume and mute keys: the level stepped through the vendor library and the picture shown.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "osd/VolumeDisplay.h"
#include "tests/OsdFixture.h"

namespace vh::test {
namespace {

struct VolumeCase {
    const char* name;
    std::int32_t volume;
    std::int32_t mute;
    bool up;
    std::uint8_t platformCode;
    std::int32_t volumeAfter;
    int picture;
};

class VolumeKey : public OsdTest, public ::testing::WithParamInterface<VolumeCase> {};

TEST_P(VolumeKey, StepsOneLevelFromTheRoundedDownLevelAndShowsIt) {
    const VolumeCase& c = GetParam();
    desk.vendor.volume = c.volume;
    desk.vendor.mute = c.mute;
    desk.vendor.platformReply[1] = c.platformCode;
    Start();
    Key(c.up ? kVolumeUpKey : kVolumeDownKey);
    EXPECT_EQ(desk.vendor.volume, c.volumeAfter);
    EXPECT_EQ(desk.vendor.mute, 0);  // a volume key always ends mute
    EXPECT_EQ(Logged(L"[Function_UI] Mute to UnMute\n"), c.mute != 0);
    EXPECT_EQ(LastPicture(), c.picture);
    EXPECT_TRUE(OsdVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Levels, VolumeKey,
    ::testing::Values(VolumeCase{"Up55", 55, 0, true, 0x00, 60, 238}, VolumeCase{"Down55", 55, 0, false, 0x00, 40, 236},
                      VolumeCase{"UpAtTop", 100, 0, true, 0x00, 100, 242},
                      VolumeCase{"DownAtBottom", 0, 0, false, 0x00, 0, 232},
                      VolumeCase{"MutedDown", 30, 1, false, 0x00, 20, 234},
                      VolumeCase{"ArcDownToZeroShowsMute", 10, 0, false, 0xCB, 0, 194},
                      VolumeCase{"ArcLevel3", 20, 0, true, 0xD8, 30, 207},
                      VolumeCase{"BarForOtherCodes", 20, 0, true, 0xD5, 30, 235},
                      VolumeCase{"NegativeCountsAsZero", -5, 0, true, 0x00, 10, 233},
                      VolumeCase{"AboveScaleCountsAsTop", 150, 0, false, 0x00, 90, 241}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OsdTest, VolumeLevelLinesNameTheLevelAndItsValue) {
    desk.vendor.volume = 55;
    Start();
    Key(kVolumeDownKey);
    EXPECT_TRUE(Logged(L"[Function_UI] Current Volume Levels:5 Value:50\n"));
    EXPECT_TRUE(Logged(L"[Function_UI] Set Volume Levels:4 Value:40\n"));
}

TEST_F(OsdTest, MuteKeyTogglesAndShowsTheSpeaker) {
    Start();
    Key(kMuteKey);
    EXPECT_EQ(desk.vendor.mute, 1);
    EXPECT_EQ(LastPicture(), picture::kMuteOn);
    Key(kMuteKey);
    EXPECT_EQ(desk.vendor.mute, 0);
    EXPECT_EQ(LastPicture(), picture::kMuteOff);
    EXPECT_EQ(desk.vendor.volume, 50);
    EXPECT_TRUE(OsdVisible());
}

TEST_F(OsdTest, FullScreenWindowKeepsTheAudioChangeButShowsNothing) {
    Start();
    PutFullScreenInFront();
    Key(kVolumeUpKey);
    EXPECT_EQ(desk.vendor.volume, 60);
    EXPECT_TRUE(PicturesLoaded().empty());
    Key(kMuteKey);
    EXPECT_EQ(desk.vendor.mute, 1);
    EXPECT_EQ(PicturesLoaded(), std::vector<int>{picture::kMuteOn});  // loaded, not shown
    ASSERT_NE(Osd(), nullptr);  // created before the test, as every display
    EXPECT_FALSE(OsdVisible());
    EXPECT_EQ(Osd()->layeredUpdates, 0);
}

TEST_F(OsdTest, VolumeKeysNeedTheirBitAndASystemBeforeWindows8) {
    SetWindows10();
    Start();
    for (std::uint32_t scan : {kVolumeUpKey, kVolumeDownKey, kMuteKey}) {
        desk.windows.KillTimer(controller, 0);
        Key(scan);
        EXPECT_NE(desk.windows.FindTimer(controller, 0), nullptr) << scan;  // fell through
    }
    EXPECT_EQ(desk.vendor.volume, 50);
    EXPECT_EQ(desk.vendor.mute, 0);
    EXPECT_EQ(OsdHwnd(), kNoWindow);
    EXPECT_EQ(VolumeValueTable[10], 0);  // never filled on Windows 8 or later
}

TEST_F(OsdTest, VolumeKeyPressIsNotConsumed) {
    Start(HKC_BRIGHTNESS);
    Key(kVolumeUpKey);  // without the volume bit
    EXPECT_NE(desk.windows.FindTimer(controller, 0), nullptr);
    desk.windows.KillTimer(controller, 0);
    dlg.m_dwHotkeyControl |= HKC_VOLUME;
    Key(kVolumeUpKey, 0x01);  // the press
    EXPECT_NE(desk.windows.FindTimer(controller, 0), nullptr);
    EXPECT_EQ(desk.vendor.volume, 50);
}

TEST_F(OsdTest, UnboundAudioEntryPointsCountAsSilentAndUnmuted) {
    const std::set<std::string> audio = {"GetVolumnVista", "SetVolumnVista", "GetMuteVista", "SetMuteVista"};
    desk.vendor.missingEntries = audio;
    desk.vendor.volume = 70;
    desk.vendor.mute = 1;
    Start();
    Key(kVolumeUpKey);
    EXPECT_EQ(LastPicture(), 233);  // level 0 stepped up
    Key(kMuteKey);
    EXPECT_EQ(LastPicture(), picture::kMuteOn);
    EXPECT_EQ(desk.vendor.volume, 70);
    EXPECT_EQ(desk.vendor.mute, 1);
    for (const auto& call : desk.vendor.calls) EXPECT_EQ(audio.count(call.entry), 0u) << call.entry;
}

}  // namespace
}  // namespace vh::test
