// The OSD window: creation on demand, placement and its defence, the layered frame, the display
// timer and the re-centring timer.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "osd/OsdTimers.h"
#include "platform/sim/EmbeddedPictures.h"
#include "tests/OsdFixture.h"
#include "tests/ScratchDir.h"

namespace vh::test {
namespace {

using OsdWindow = OsdTest;

constexpr int kLevel6Bar = 238;  // volume 50 stepped up

std::vector<std::uint8_t> Premultiplied(const sim::DecodedPicture& picture) {
    std::vector<std::uint8_t> out(picture.rgba.size());
    for (std::size_t i = 0; i < out.size(); i += 4) {
        const unsigned a = picture.rgba[i + 3];
        for (int c = 0; c < 3; ++c) out[i + c] = static_cast<std::uint8_t>((picture.rgba[i + c] * a + 127) / 255);
        out[i + 3] = static_cast<std::uint8_t>(a);
    }
    return out;
}

sim::DecodedPicture Shipped(std::uint16_t id) {
    const auto bytes = sim::FindEmbeddedPicture(id);
    return sim::DecodePng(bytes.data(), bytes.size());
}

TEST_F(OsdWindow, OneDisplayFromCreationToTheEndOfItsPeriod) {
    Start();
    const std::size_t from = desk.debug.lines.size();
    Key(kVolumeUpKey);
    const std::vector<std::wstring> expected = {
        L"[VarnoHotkey] InitFuncUIDlg",
        L"[VarnoHotkey] m_OSDdlg HWND == NULL",
        L"[Function_UI] OnCreate",
        L"[Function_UI] OnInitDialog",
        L"#######------>[Function_UI] OnWindowPosChanging__befor ReSize(x,y,cx,cy)=(865,483,0,0),Flags =   11, "
        L"minimized:0",
        L"[Function_UI] bResetSize=FALSE Offset_x=865 Offset_y=483 Success",
        L"[Function_UI] Volume up down\n",
        L"[Function_UI] Get Volume Level\n",
        L"[Function_UI] Current Volume Levels:5 Value:50\n",
        L"[Function_UI] Set Volume Levels:6 Value:60\n",
        L"[Function_UI] SetBackground",
        L"[Function_UI] ShowImage",
        L"[Function_UI] Translucent display",
        L"---------- [Function_UI] OnShowWindow show window ----------\n",
        L"#######------>[Function_UI] OnWindowPosChanging__befor ReSize(x,y,cx,cy)=(865,483,190,114),Flags =   20, "
        L"minimized:0",
        L"[Function_UI] bResetSize=TRUE Offset_x=865 Offset_y=483 BackWidth =190 BackHeight=114 Success",
        L"#######------>[Function_UI] OnWindowPosChanging__befor ReSize(x,y,cx,cy)=(865,483,190,114),Flags =   47, "
        L"minimized:0",
    };
    EXPECT_EQ(LinesFrom(from), expected);

    sim::SimWindow* osd = Osd();
    ASSERT_NE(osd, nullptr);
    EXPECT_EQ(osd->title, L"Function_control_window");
    EXPECT_EQ(osd->parent, controller);
    EXPECT_TRUE(osd->visible);
    EXPECT_TRUE(osd->topmost);
    EXPECT_TRUE(osd->exStyle & kWsExLayered);
    EXPECT_EQ(desk.vendor.volume, 60);
    EXPECT_EQ(LastPicture(), kLevel6Bar);
    EXPECT_EQ(desk.windows.FindTimer(controller, 0), nullptr);  // the key was consumed

    desk.windows.RunFor(2999);
    EXPECT_TRUE(OsdVisible());
    desk.windows.RunFor(1);
    EXPECT_EQ(OsdHwnd(), kNoWindow);
    EXPECT_TRUE(desk.windows.FindByClass(L"#32770").empty());
    EXPECT_EQ(desk.debug.lines.back(), L"[Function_UI] OnClose");
}

struct Screen {
    int width, height, x, y;
};

class OsdPlacement : public OsdTest, public ::testing::WithParamInterface<Screen> {};

TEST_P(OsdPlacement, CentredAtTheFixedSize) {
    desk.windows.screenWidth = GetParam().width;
    desk.windows.screenHeight = GetParam().height;
    Start();
    Key(kMuteKey);
    sim::SimWindow* osd = Osd();
    ASSERT_NE(osd, nullptr);
    EXPECT_EQ(osd->rect.left, GetParam().x);
    EXPECT_EQ(osd->rect.top, GetParam().y);
    EXPECT_EQ(osd->rect.Width(), 190);
    EXPECT_EQ(osd->rect.Height(), 114);
}

INSTANTIATE_TEST_SUITE_P(Screens, OsdPlacement,
                         ::testing::Values(Screen{1920, 1080, 865, 483}, Screen{1366, 768, 588, 327}));

TEST_F(OsdWindow, ComposedFrameIsThePicturePremultiplied) {
    Start();
    Key(kVolumeUpKey);
    const sim::SimWindow* osd = Osd();
    ASSERT_NE(osd, nullptr);
    const sim::DecodedPicture shipped = Shipped(kLevel6Bar);
    ASSERT_EQ(shipped.width, 190);
    EXPECT_EQ(osd->frameWidth, shipped.width);
    EXPECT_EQ(osd->frameHeight, shipped.height);
    EXPECT_EQ(osd->frame, Premultiplied(shipped));

    // Saved as a PNG, the frame reads back as the same picture.
    ScratchDir dir;
    const std::string path = (dir.path() / "frame.png").string();
    ASSERT_TRUE(sim::SavePremultipliedPng(path, osd->frame, osd->frameWidth, osd->frameHeight));
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(sim::DecodePng(bytes.data(), bytes.size()).rgba, shipped.rgba);
}

TEST_F(OsdWindow, SecondDisplayWithinThePeriodReplacesThePictureAndRestartsThePeriod) {
    Start();
    Key(kVolumeUpKey);
    const Hwnd first = OsdHwnd();
    desk.windows.RunFor(2000);
    Key(kVolumeUpKey);
    EXPECT_EQ(OsdHwnd(), first);
    EXPECT_EQ(Osd()->frame, Premultiplied(Shipped(239)));
    desk.windows.RunFor(2999);
    EXPECT_TRUE(OsdVisible());
    desk.windows.RunFor(1);
    EXPECT_EQ(OsdHwnd(), kNoWindow);
}

TEST_F(OsdWindow, DisplayAfterThePeriodStartsInAFreshWindow) {
    Start();
    Key(kVolumeUpKey);
    const Hwnd first = OsdHwnd();
    desk.windows.RunFor(3000);
    ASSERT_EQ(OsdHwnd(), kNoWindow);
    dlg.m_OSDdlg.BackWidth = 77;  // whatever the last display left is reset by the new window
    const std::size_t from = desk.debug.lines.size();
    Key(kVolumeDownKey);
    ASSERT_NE(OsdHwnd(), kNoWindow);
    EXPECT_NE(OsdHwnd(), first);
    const auto lines = LinesFrom(from);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), L"[VarnoHotkey] m_OSDdlg HWND == NULL"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), L"[Function_UI] OnCreate"), 1);
    EXPECT_EQ(dlg.m_OSDdlg.BackWidth, 190);
    EXPECT_EQ(Osd()->rect.left, 865);
    EXPECT_EQ(Osd()->rect.top, 483);
    EXPECT_EQ(Osd()->layeredUpdates, 1);
}

TEST_F(OsdWindow, DisplayChangeRecentresAfterHalfASecondOnlyWhileVisible) {
    Start();
    Key(kMuteKey);
    desk.windows.screenWidth = 1366;
    desk.windows.screenHeight = 768;
    desk.windows.Send(OsdHwnd(), msg::kDisplayChange, 32, (768 << 16) | 1366);
    const sim::SimTimer* timer = desk.windows.FindTimer(OsdHwnd(), osd_timer::kRecenter);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->period, 500u);
    desk.windows.RunFor(499);
    EXPECT_EQ(Osd()->rect.left, 865);
    desk.windows.RunFor(1);
    EXPECT_EQ(Osd()->rect.left, 588);
    EXPECT_EQ(Osd()->rect.top, 327);
    EXPECT_EQ(desk.windows.FindTimer(OsdHwnd(), osd_timer::kRecenter), nullptr);  // ran once

    // A window that is not shown ignores the change.
    dlg.m_OSDdlg.OnClose();
    dlg.InitFuncUIDlg();
    desk.windows.Send(OsdHwnd(), msg::kDisplayChange, 32, (1080 << 16) | 1920);
    EXPECT_EQ(desk.windows.FindTimer(OsdHwnd(), osd_timer::kRecenter), nullptr);
}

TEST_F(OsdWindow, MinimisingPutsItBackCentredAtOnce) {
    Start();
    Key(kMuteKey);
    const std::size_t from = desk.debug.lines.size();
    desk.windows.ShowWindow(OsdHwnd(), kSwMinimize);
    const sim::SimWindow* osd = Osd();
    ASSERT_NE(osd, nullptr);
    EXPECT_FALSE(osd->iconic);
    EXPECT_TRUE(osd->visible);
    EXPECT_EQ(osd->rect.left, 865);
    EXPECT_EQ(osd->rect.top, 483);
    EXPECT_EQ(osd->rect.Width(), 190);
    EXPECT_EQ(osd->rect.Height(), 114);
    const auto lines = LinesFrom(from);
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        L"#######------>[Function_UI] OnWindowPosChanging__ ReSize to (x,y,cx,cy)=(865,483,190,114)"),
              lines.end());
}

TEST_F(OsdWindow, WiderPictureIsCorrectedOnceWithoutALoop) {
    Start();
    for (std::uint32_t picture : {picture::kAcPower, picture::kBattery}) {
        dlg.InitFuncUIDlg();
        const std::size_t from = desk.debug.lines.size();
        ASSERT_TRUE(dlg.m_OSDdlg.SetBackground(picture));
        EXPECT_EQ(dlg.m_OSDdlg.BackWidth, 191);
        dlg.m_OSDdlg.ShowImage(3000);
        const auto lines = LinesFrom(from);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), L"---------- [Function_UI] WindowProc size was wrong"), 1)
            << picture;
        EXPECT_EQ(Osd()->rect.Width(), 190);
        EXPECT_EQ(Osd()->frameWidth, 191);  // composed at the picture's own size
        desk.windows.RunFor(3000);
    }
}

TEST_F(OsdWindow, PictureWithoutPixelsShowsNothingNew) {
    Start();
    desk.graphics.replacedResources[237] = {0x89, 'P', 'N', 'G', 1, 2, 3};  // does not decode
    for (std::uint16_t missing : {std::uint16_t{999}, std::uint16_t{237}}) {
        Key(kVolumeUpKey);
        const std::vector<std::uint8_t> before = Osd()->frame;
        const int updates = Osd()->layeredUpdates;
        EXPECT_TRUE(dlg.m_OSDdlg.SetBackground(missing));
        EXPECT_EQ(dlg.m_OSDdlg.BackWidth, 0);
        EXPECT_EQ(dlg.m_OSDdlg.BackHeight, 0);
        dlg.m_OSDdlg.ShowImage(3000);
        EXPECT_EQ(Osd()->layeredUpdates, updates);
        EXPECT_EQ(Osd()->frame, before);
        EXPECT_TRUE(desk.windows.messageBoxes.empty());
        desk.windows.RunFor(3000);

        // A fresh window that never had a picture is not made layered at all.
        dlg.InitFuncUIDlg();
        dlg.m_OSDdlg.SetBackground(missing);
        dlg.m_OSDdlg.ShowImage(3000);
        EXPECT_FALSE(Osd()->exStyle & kWsExLayered);
        EXPECT_EQ(Osd()->layeredUpdates, 0);
        desk.windows.RunFor(3000);
    }
}

TEST_F(OsdWindow, NoBitmapObjectKeepsTheOldSizeAndShowsAnEmptyFrame) {
    Start();
    Key(kVolumeUpKey);
    desk.graphics.failAllocation = true;
    const std::size_t from = desk.debug.lines.size();
    EXPECT_FALSE(dlg.m_OSDdlg.SetBackground(240));
    EXPECT_EQ(LinesFrom(from), (std::vector<std::wstring>{L"[Function_UI] SetBackground",
                                                          L"[Function_UI] Load Png Background Failed"}));
    EXPECT_FALSE(dlg.m_OSDdlg.BackImage);
    EXPECT_EQ(dlg.m_OSDdlg.BackWidth, 190);
    dlg.m_OSDdlg.ShowImage(3000);
    const auto& frame = Osd()->frame;
    EXPECT_TRUE(std::all_of(frame.begin(), frame.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST_F(OsdWindow, EveryPictureIsReleasedAndNoneIsCached) {
    Start();
    for (int i = 0; i < 200; ++i) {
        Key(i % 2 ? kVolumeUpKey : kVolumeDownKey);
        if (i % 50 == 0) desk.windows.RunFor(3000);
        EXPECT_LE(desk.graphics.LivePictures(), 1u);
    }
    EXPECT_EQ(desk.graphics.picturesLoaded, 200);  // decoded afresh for every display
}

TEST_F(OsdWindow, FailedPlacementIsLoggedWithTheErrorCode) {
    Start();
    desk.windows.failSetWindowPos = true;
    Key(kMuteKey);
    EXPECT_TRUE(Logged(L"[Function_UI] bResetSize=FALSE Offset_x=865 Offset_y=483 ERROR = 5 FAILED!!!!"));
    EXPECT_TRUE(Logged(
        L"[Function_UI] bResetSize=TRUE Offset_x=865 Offset_y=483 BackWidth =190 BackHeight=114 ERROR = 5 FAILED!!!!"));
    EXPECT_TRUE(OsdVisible());  // the display goes on
}

TEST_F(OsdWindow, EscapeReleaseEndsTheDisplayAtOnce) {
    Start();
    Key(kEscapeKey, 0x80);  // no display: consumed all the same
    EXPECT_EQ(desk.windows.FindTimer(controller, 0), nullptr);
    EXPECT_FALSE(Logged(L"[Function_UI] OnClose"));

    Key(kVolumeUpKey);
    ASSERT_TRUE(OsdVisible());
    Key(kEscapeKey, kReleased);  // the extended release is another key
    EXPECT_TRUE(OsdVisible());
    Key(kEscapeKey, 0x80);
    EXPECT_EQ(OsdHwnd(), kNoWindow);
    EXPECT_EQ(desk.debug.lines.back(), L"[Function_UI] OnClose");
}

}  // namespace
}  // namespace vh::test
