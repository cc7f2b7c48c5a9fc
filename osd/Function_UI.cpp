// The OSD window: creation, the current picture and the layered frame.
#include "osd/Function_UI.h"

#include "app/Log.h"
#include "osd/OsdTimers.h"
#include "res/resource.h"

namespace vh {

const MessageEntry Function_UI::kEntries[] = {
    {msg::kCreate, on::Create<Function_UI, &Function_UI::OnCreate>},
    {msg::kTimer, on::Timer<Function_UI, &Function_UI::OnTimer>},
    {msg::kDisplayChange, on::DisplayChange<Function_UI, &Function_UI::OnDisplayChange>},
    {msg::kWindowPosChanging, on::PosChanging<Function_UI, &Function_UI::OnWindowPosChanging>},
    {msg::kShowWindow, on::ShowWindow<Function_UI, &Function_UI::OnShowWindow>},
};
const MessageMap Function_UI::kMap{&Dialog::kMap, kEntries};

const MessageMap& Function_UI::GetMessageMap() const { return kMap; }

Function_UI::Function_UI(Platform& platform)
    : Dialog(platform.windows, IDD_FUNCTION_UI), BackImage(platform.graphics), platform_(platform) {}

int Function_UI::OnCreate(const void*) {
    if (Default() == -1) return -1;
    platform_.debug.Write(L"[Function_UI] OnCreate");
    BackImage.reset();
    BackHeight = 0;
    BackWidth = 0;
    return 0;
}

bool Function_UI::OnInitDialog() {
    Dialog::OnInitDialog();
    platform_.debug.Write(L"[Function_UI] OnInitDialog");
    platform_.windows.SetWindowTitle(GetSafeHwnd(), L"Function_control_window");
    SetOSDPosition(false);
    return true;
}

void Function_UI::OnClose() {
    platform_.debug.Write(L"[Function_UI] OnClose");
    Default();
    DestroyWindow();
}

bool Function_UI::LoadPngBackground(std::uint16_t pictureId, OwnedPicture& picture) {
    // Nothing is cached: every display decodes its picture afresh from the resources.
    picture.reset(platform_.graphics.LoadPngResource(pictureId));
    return static_cast<bool>(picture);
}

bool Function_UI::SetBackground(std::uint32_t pictureId) {
    platform_.debug.Write(L"[Function_UI] SetBackground");
    BackImage.reset();
    if (!LoadPngBackground(static_cast<std::uint16_t>(pictureId), BackImage)) {
        platform_.debug.Write(L"[Function_UI] Load Png Background Failed");
        return false;
    }
    std::uint32_t width = 0, height = 0;
    if (!platform_.graphics.GetPictureWidth(BackImage.get(), width)) width = 0;
    if (!platform_.graphics.GetPictureHeight(BackImage.get(), height)) height = 0;
    BackWidth = static_cast<std::int32_t>(width);
    BackHeight = static_cast<std::int32_t>(height);
    return true;
}

void Function_UI::ShowImage(std::uint32_t periodMs) {
    platform_.debug.Write(L"[Function_UI] ShowImage");
    TranslucentDisplay();
    // Every display runs its full period from now.
    platform_.windows.KillTimer(GetSafeHwnd(), osd_timer::kDisplay);
    platform_.windows.SetTimer(GetSafeHwnd(), osd_timer::kDisplay, periodMs);
    platform_.windows.ShowWindow(GetSafeHwnd(), kSwShow);
}

void Function_UI::TranslucentDisplay() {
    platform_.debug.Write(L"[Function_UI] Translucent display");
    Rect rect;
    platform_.windows.GetWindowRect(GetSafeHwnd(), rect);
    platform_.graphics.UpdateLayeredFrame(GetSafeHwnd(), BackImage.get(), Point{rect.left, rect.top}, BackWidth,
                                          BackHeight);
}

}  // namespace vh
