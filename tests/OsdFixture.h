// A running controller on the simulated desktop, for the displays it shows.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CVarnoHotkeyDlg.h"
#include "tests/ProgramFixture.h"

namespace vh::test {

class OsdTest : public ProgramTest {
protected:
    static constexpr std::uint32_t kMuteKey = 0x6F, kVolumeUpKey = 0x2D, kVolumeDownKey = 0x28;
    static constexpr std::uint32_t kBrightnessDownKey = 0x05, kBrightnessUpKey = 0x06, kEscapeKey = 0x01;
    static constexpr std::uint32_t kReleased = 0x81;

    void Start(std::uint32_t mask = HKC_VOLUME | HKC_BRIGHTNESS) {
        SetMask(mask);
        desk.windows.RegisterDialogClassCopy(kControllerClassName);
        ASSERT_TRUE(dlg.Create(kNoWindow));
        controller = dlg.GetSafeHwnd();
    }
    // One hotkey event as the hook posts it, handled at once.
    void Key(std::uint32_t scan, std::uint32_t flags = kReleased) {
        desk.windows.Post(controller, msg::kVarnoHotkey, flags, scan);
        desk.windows.RunFor(0);
    }
    Hwnd OsdHwnd() const { return dlg.m_OSDdlg.GetSafeHwnd(); }
    sim::SimWindow* Osd() { return OsdHwnd() ? desk.windows.Find(OsdHwnd()) : nullptr; }
    bool OsdVisible() {
        sim::SimWindow* w = Osd();
        return w && w->visible;
    }
    // The picture ids loaded, in order.
    std::vector<int> PicturesLoaded() const {
        std::vector<int> ids;
        const std::wstring prefix = L"LoadPngResource ";
        for (const auto& e : desk.trace.events)
            if (e.rfind(prefix, 0) == 0) ids.push_back(std::stoi(e.substr(prefix.size())));
        return ids;
    }
    int LastPicture() const {
        auto ids = PicturesLoaded();
        return ids.empty() ? -1 : ids.back();
    }
    std::vector<std::wstring> LinesFrom(std::size_t first) const {
        return {desk.debug.lines.begin() + static_cast<std::ptrdiff_t>(first), desk.debug.lines.end()};
    }
    void PutFullScreenInFront() {
        desk.windows.foreground = desk.windows.AddForeignWindow(L"FullScreenTopLayout", Rect{0, 0, 800, 600});
    }

    CVarnoHotkeyDlg dlg{desk.platform};
    Hwnd controller = kNoWindow;
};

}  // namespace vh::test
