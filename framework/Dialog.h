// A dialog made from a template: modal (DoModal runs the modal loop) or modeless (Create).
#pragma once
#include "framework/Window.h"

namespace vh {

class Dialog : public Window {
public:
    Dialog(WindowSystem& windows, int templateId) : Window(windows), templateId_(templateId) {}

    // Creates the dialog, runs its modal loop and destroys it; -1 when it could not be created.
    int DoModal(Hwnd parent = kNoWindow);
    // Creates the dialog as a modeless window.
    bool Create(Hwnd parent);
    void EndDialog(int result);

protected:
    const MessageMap& GetMessageMap() const override;
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(kIdOk); }
    virtual void OnCancel() { EndDialog(kIdCancel); }

    static const MessageMap kMap;  // derived maps chain to this one

private:
    LResult OnInitDialogMessage(WParam, LParam);
    LResult OnCommand(WParam wParam, LParam lParam);
    static const MessageEntry kEntries[];

    int templateId_;
    bool modal_ = false;
};

}  // namespace vh
