#include "app/CVarnoHotkeyApp.h"

#include "app/CVarnoHotkeyDlg.h"
#include "app/Globals.h"

namespace vh {

namespace {
constexpr std::uint32_t kIccWin95Classes = 0xFF;
}

bool CVarnoHotkeyApp::InitInstance() {
    m_gdiplusToken = platform_.process.GdiplusStartup();
    platform_.process.InitCommonControls(kIccWin95Classes);

    CVarnoHotkeyDlg dlg(platform_);  // constructed before the single-instance test

    const MutexResult mutex = platform_.process.CreateNamedMutex(kInstanceMutexName, true);
    if (mutex.handle == kNoHandle || mutex.lastError == kErrorAlreadyExists) return false;

    // The class library's own set-up (control containers, profile key) has nothing to do here:
    // the program stores no profile values.
    if (!platform_.windows.RegisterDialogClassCopy(kControllerClassName)) return false;

    dlg.DoModal();
    return false;
}

int CVarnoHotkeyApp::ExitInstance() {
    platform_.process.GdiplusShutdown(m_gdiplusToken);
    return 0;
}

int RunVarnoHotkey(Platform& platform) {
    InitProcessGlobals(platform.windows);
    CVarnoHotkeyApp app(platform);
    app.InitInstance();
    return app.ExitInstance();
}

}  // namespace vh
