// The Windows entry point: builds the real adapters and runs the program on them.
#include <windows.h>

#include "app/CVarnoHotkeyApp.h"
#include "platform/win32/Win32DebugOutput.h"
#include "platform/win32/Win32Graphics.h"
#include "platform/win32/Win32KeyboardHook.h"
#include "platform/win32/Win32LibraryLoader.h"
#include "platform/win32/Win32Process.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SystemInfo.h"
#include "platform/win32/Win32WindowSystem.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    vh::win32::Win32DebugOutput debug;
    vh::win32::Win32WindowSystem windows;
    vh::win32::Win32KeyboardHook hook;
    vh::win32::Win32Registry registry;
    vh::win32::Win32LibraryLoader libraries;
    vh::win32::Win32SystemInfo system;
    vh::win32::Win32Process process;
    vh::win32::Win32Graphics graphics;
    vh::Platform platform{debug, windows, hook, registry, libraries, system, process, graphics};
    return vh::RunVarnoHotkey(platform);
}
