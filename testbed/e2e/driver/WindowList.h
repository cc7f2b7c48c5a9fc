// Looking at the top-level windows of every process on the desktop.
#pragma once
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "Output.h"

namespace e2e {

struct WindowInfo {
    HWND hwnd = nullptr;
    std::wstring className;
    std::wstring title;
    HWND owner = nullptr;
    DWORD pid = 0;
    DWORD tid = 0;
    bool visible = false;
    LONG_PTR style = 0;
    LONG_PTR exStyle = 0;
    RECT rect{};
};

WindowInfo Describe(HWND hwnd);

// Adds hwnd, class, title, visible, style, exstyle, rect, owner, pid and tid.
void AddTo(ResultLine& line, const WindowInfo& info);

// Every top-level window, visible or not, in z-order.
std::vector<HWND> TopLevelWindows();

// Class names compare without regard to case, as the window manager does; titles exactly.
bool SameClass(HWND hwnd, std::wstring_view className);
bool SameTitle(HWND hwnd, std::wstring_view title);

std::vector<HWND> WindowsOfClass(std::wstring_view className);

// The first top-level window whose title equals the text, else the first of that class.
HWND FindByTitleOrClass(std::wstring_view text);

// "hwnd=0x..." names a window by handle; anything else is a class name found with FindWindowW.
HWND ResolveTarget(std::wstring_view target);

// A wait with a limit: Poll calls the test every few milliseconds until it holds or the time is up.
class Deadline {
public:
    explicit Deadline(ULONGLONG timeoutMs) : start_(GetTickCount64()), end_(start_ + timeoutMs) {}
    [[nodiscard]] bool Expired() const { return GetTickCount64() >= end_; }
    [[nodiscard]] ULONGLONG Elapsed() const { return GetTickCount64() - start_; }

    template <typename Test>
    bool Poll(Test test) const {
        for (;;) {
            if (test()) return true;
            if (Expired()) return false;
            Sleep(kPollMs);
        }
    }

private:
    static constexpr DWORD kPollMs = 20;
    ULONGLONG start_;
    ULONGLONG end_;
};

}  // namespace e2e
