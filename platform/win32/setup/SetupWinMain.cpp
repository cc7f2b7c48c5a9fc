// The Setup launcher's entry point: no window, no console; the exit code is the outcome.
#include <windows.h>

#include "platform/win32/setup/Win32LauncherSystem.h"
#include "setup/SetupLauncher.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    vh::win32::Win32LauncherSystem system;
    return vh::RunSetup(system, commandLine ? commandLine : L"");
}
