#include "framework/Dialog.h"

namespace vh {

const MessageEntry Dialog::kEntries[] = {
    {msg::kInitDialog, on::Raw<Dialog, &Dialog::OnInitDialogMessage>},
    {msg::kCommand, on::Raw<Dialog, &Dialog::OnCommand>},
};
const MessageMap Dialog::kMap{nullptr, kEntries};

const MessageMap& Dialog::GetMessageMap() const { return kMap; }

int Dialog::DoModal(Hwnd parent) {
    Hwnd hwnd = Windows().CreateDialogWindow(templateId_, parent, *this);
    if (hwnd == kNoWindow) return -1;
    modal_ = true;
    int result = Windows().RunModalLoop(hwnd, *this);
    modal_ = false;
    DestroyWindow();
    return result;
}

bool Dialog::Create(Hwnd parent) { return Windows().CreateDialogWindow(templateId_, parent, *this) != kNoWindow; }

void Dialog::EndDialog(int result) {
    if (modal_) Windows().EndModalLoop(GetSafeHwnd(), result);
    else DestroyWindow();
}

LResult Dialog::OnInitDialogMessage(WParam, LParam) { return OnInitDialog() ? 1 : 0; }

LResult Dialog::OnCommand(WParam wParam, LParam) {
    switch (wParam & 0xFFFF) {
        case kIdOk: OnOK(); return 0;
        case kIdCancel: OnCancel(); return 0;
        default: return Default();
    }
}

}  // namespace vh
