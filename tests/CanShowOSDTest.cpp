#include "osd/CanShowOSD.h"

#include <gtest/gtest.h>

#include "platform/sim/SimDesktop.h"

namespace vh {
namespace {

struct ForegroundCase {
    const char* name;
    const wchar_t* title;  // null: no foreground window
    Rect rect;
    bool rectUnreadable;
    bool allowed;
};

class CanShowOSDTable : public ::testing::TestWithParam<ForegroundCase> {};

TEST_P(CanShowOSDTable, RefusesOnlyFullScreenForegroundWindows) {
    sim::SimDesktop desk;
    const ForegroundCase& c = GetParam();
    if (c.title) desk.windows.foreground = desk.windows.AddForeignWindow(c.title, c.rect);
    desk.windows.failWindowRect = c.rectUnreadable;
    EXPECT_EQ(CanShowOSD(desk.windows), c.allowed);
}

constexpr Rect kScreen{0, 0, 1920, 1080};

INSTANTIATE_TEST_SUITE_P(
    Windows, CanShowOSDTable,
    ::testing::Values(ForegroundCase{"NoForegroundWindow", nullptr, {}, false, true},
                      ForegroundCase{"NoTitle", L"", kScreen, false, true},
                      ForegroundCase{"Desktop", L"Program Manager", kScreen, false, true},
                      ForegroundCase{"DesktopOtherCase", L"PROGRAM manager", kScreen, false, true},
                      ForegroundCase{"TopLayoutSmall", L"FullScreenTopLayout", {0, 0, 10, 10}, false, false},
                      ForegroundCase{"TopLayoutOtherCase", L"fullscreentoplayout", {0, 0, 10, 10}, false, false},
                      ForegroundCase{"ExactlyScreenSized", L"Player", kScreen, false, false},
                      ForegroundCase{"LargerThanScreen", L"Game", {-8, -8, 1928, 1088}, false, false},
                      ForegroundCase{"OnePixelNarrower", L"Player", {0, 0, 1919, 1080}, false, true},
                      ForegroundCase{"OnePixelLower", L"Player", {0, 0, 1920, 1079}, false, true},
                      ForegroundCase{"RectangleUnreadable", L"Editor", {0, 0, 800, 600}, true, false},
                      ForegroundCase{"OrdinaryWindow", L"Editor", {100, 100, 900, 700}, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vh
