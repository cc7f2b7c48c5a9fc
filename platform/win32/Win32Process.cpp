#include <windows.h>
// <gdiplus.h> needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out of <windows.h>.
#include <objidl.h>
#include <commctrl.h>
#include <gdiplus.h>
#include <shellapi.h>

#include "platform/win32/Win32Process.h"

namespace vh::win32 {

static_assert(sizeof(std::uintptr_t) == sizeof(ULONG_PTR));
static_assert(sizeof(INITCOMMONCONTROLSEX) == 8);

std::uintptr_t Win32Process::GdiplusStartup() {
    Gdiplus::GdiplusStartupInput input;
    input.GdiplusVersion = 1;
    input.DebugEventCallback = nullptr;
    input.SuppressBackgroundThread = FALSE;
    input.SuppressExternalCodecs = FALSE;
    ULONG_PTR token = 0;
    // The port reports failure as token 0.
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 0;
    return token;
}

void Win32Process::GdiplusShutdown(std::uintptr_t token) { Gdiplus::GdiplusShutdown(token); }

bool Win32Process::InitCommonControls(std::uint32_t dwIcc) {
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof(icc);
    icc.dwICC = dwIcc;
    return ::InitCommonControlsEx(&icc) != FALSE;
}

MutexResult Win32Process::CreateNamedMutex(const wchar_t* name, bool initialOwner) {
    // Never closed: the mutex marks the running instance for as long as the process lives.
    const HANDLE mutex = ::CreateMutexW(nullptr, initialOwner ? TRUE : FALSE, name);
    const DWORD lastError = ::GetLastError();
    return MutexResult{reinterpret_cast<Handle>(mutex), static_cast<std::uint32_t>(lastError)};
}

Handle Win32Process::Instance() { return reinterpret_cast<Handle>(::GetModuleHandleW(nullptr)); }

std::uint32_t Win32Process::GetModulePath(wchar_t* buffer, std::uint32_t capacity) {
    return ::GetModuleFileNameW(nullptr, buffer, capacity);
}

std::intptr_t Win32Process::ShellOpen(const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                                         const wchar_t* directory, int showCommand) {
    return reinterpret_cast<std::intptr_t>(::ShellExecuteW(nullptr, verb, file, parameters, directory, showCommand));
}

}  // namespace vh::win32
