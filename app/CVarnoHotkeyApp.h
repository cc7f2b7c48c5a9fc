// The application object: GDI+, the single-instance rule, the controller's window class, and
// the controller dialog's modal loop as the program's only message loop.
#pragma once
#include <cstdint>

#include "platform/ports/Platform.h"

namespace vh {

class CVarnoHotkeyApp {
public:
    explicit CVarnoHotkeyApp(Platform& platform) : platform_(platform) {}
    virtual ~CVarnoHotkeyApp() = default;

    // The whole life of the program; always false, so no message pump of its own follows.
    bool InitInstance();
    int ExitInstance();

    std::uintptr_t m_gdiplusToken = 0;

private:
    Platform& platform_;
};

inline constexpr const wchar_t* kInstanceMutexName = L"Mutex_VarnoHotkey";
inline constexpr const wchar_t* kControllerClassName = L"VarnoHotkeyClass";

// The program from start to end: process-wide values, InitInstance, ExitInstance.
int RunVarnoHotkey(Platform& platform);

}  // namespace vh
