// The on-screen display window object: its window (dialog template 131) exists only during a
// display.
#pragma once
#include "framework/Dialog.h"
#include "res/resource.h"

namespace vh {

class Function_UI : public Dialog {
public:
    explicit Function_UI(WindowSystem& windows) : Dialog(windows, IDD_FUNCTION_UI) {}
};

}  // namespace vh
