// The about box: dialog template 100 with an empty message map.
#pragma once
#include "framework/Dialog.h"
#include "res/resource.h"

namespace vh {

class CAboutDlg : public Dialog {
public:
    explicit CAboutDlg(WindowSystem& windows) : Dialog(windows, IDD_ABOUTBOX) {}
};

}  // namespace vh
