#include "WindowList.h"

#include "Args.h"

namespace e2e {

WindowInfo Describe(HWND hwnd) {
    WindowInfo info;
    info.hwnd = hwnd;
    wchar_t text[512];
    const int classLength = GetClassNameW(hwnd, text, static_cast<int>(std::size(text)));
    info.className.assign(text, static_cast<size_t>(classLength > 0 ? classLength : 0));
    // GetWindowTextW on another process's window asks that process; InternalGetWindowText
    // reads the stored text and cannot block on a busy program.
    const int titleLength = InternalGetWindowText(hwnd, text, static_cast<int>(std::size(text)));
    info.title.assign(text, static_cast<size_t>(titleLength > 0 ? titleLength : 0));
    info.tid = GetWindowThreadProcessId(hwnd, &info.pid);
    info.visible = IsWindowVisible(hwnd) != FALSE;
    info.style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    info.exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    GetWindowRect(hwnd, &info.rect);
    info.owner = GetWindow(hwnd, GW_OWNER);
    return info;
}

void AddTo(ResultLine& line, const WindowInfo& info) {
    char rect[64];
    std::snprintf(rect, sizeof rect, "%ld,%ld,%ld,%ld", info.rect.left, info.rect.top, info.rect.right,
                  info.rect.bottom);
    line.Hex("hwnd", reinterpret_cast<UINT_PTR>(info.hwnd))
        .Text("class", info.className)
        .Text("title", info.title)
        .Flag("visible", info.visible)
        .Hex("style", static_cast<DWORD>(info.style))
        .Hex("exstyle", static_cast<DWORD>(info.exStyle))
        .Word("rect", rect)
        .Hex("owner", reinterpret_cast<UINT_PTR>(info.owner))
        .Dec("pid", info.pid)
        .Dec("tid", info.tid);
}

namespace {
BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}
}  // namespace

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool SameClass(HWND hwnd, std::wstring_view className) {
    wchar_t text[256];
    const int length = GetClassNameW(hwnd, text, static_cast<int>(std::size(text)));
    return length > 0 && CompareStringOrdinal(text, length, className.data(),
                                              static_cast<int>(className.size()), TRUE) == CSTR_EQUAL;
}

bool SameTitle(HWND hwnd, std::wstring_view title) {
    wchar_t text[512];
    const int length = InternalGetWindowText(hwnd, text, static_cast<int>(std::size(text)));
    return std::wstring_view(text, static_cast<size_t>(length > 0 ? length : 0)) == title;
}

std::vector<HWND> WindowsOfClass(std::wstring_view className) {
    std::vector<HWND> found;
    for (HWND hwnd : TopLevelWindows()) {
        if (SameClass(hwnd, className)) found.push_back(hwnd);
    }
    return found;
}

HWND FindByTitleOrClass(std::wstring_view text) {
    const auto windows = TopLevelWindows();
    for (HWND hwnd : windows) {
        if (SameTitle(hwnd, text)) return hwnd;
    }
    for (HWND hwnd : windows) {
        if (SameClass(hwnd, text)) return hwnd;
    }
    return nullptr;
}

HWND ResolveTarget(std::wstring_view target) {
    constexpr std::wstring_view kHandlePrefix = L"hwnd=";
    if (target.starts_with(kHandlePrefix)) {
        const auto value = ParseNumber(target.substr(kHandlePrefix.size()));
        HWND hwnd = value ? reinterpret_cast<HWND>(static_cast<INT_PTR>(*value)) : nullptr;
        return hwnd && IsWindow(hwnd) ? hwnd : nullptr;
    }
    const std::wstring className(target);
    return FindWindowW(className.c_str(), nullptr);
}

}  // namespace e2e
