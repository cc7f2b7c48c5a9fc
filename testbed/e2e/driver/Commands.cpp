#include "Commands.h"

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "Args.h"
#include "Output.h"
#include "WindowList.h"

namespace e2e {
namespace {

std::wstring_view Arg(Args args, size_t index) {
    return index < args.size() ? std::wstring_view(args[index]) : std::wstring_view();
}

// An optional numeric argument: its default when absent, nothing when present but malformed.
std::optional<std::int64_t> NumberArg(Args args, size_t index, std::int64_t fallback) {
    if (index >= args.size()) return fallback;
    return ParseNumber(args[index]);
}

struct Message {
    UINT code;
    WPARAM wParam;
    LPARAM lParam;
};

std::optional<Message> MessageArgs(Args args, size_t first) {
    if (args.size() < first + 3) return std::nullopt;
    const auto code = ParseNumber(args[first]);
    const auto wParam = ParseNumber(args[first + 1]);
    const auto lParam = ParseNumber(args[first + 2]);
    if (!code || !wParam || !lParam) return std::nullopt;
    return Message{static_cast<UINT>(*code), static_cast<WPARAM>(*wParam), static_cast<LPARAM>(*lParam)};
}

}  // namespace

int Find(Args args) {
    const auto timeout = NumberArg(args, 1, 0);
    if (args.empty() || !timeout) return Fail("usage");
    const std::wstring className(args[0]);
    const Deadline deadline(static_cast<ULONGLONG>(*timeout));
    HWND hwnd = nullptr;
    const bool found = deadline.Poll([&] { return (hwnd = FindWindowW(className.c_str(), nullptr)) != nullptr; });
    ResultLine line;
    line.Flag("found", found);
    if (found) AddTo(line, Describe(hwnd));
    line.Dec("count", static_cast<std::int64_t>(WindowsOfClass(className).size()))
        .Dec("waited_ms", static_cast<std::int64_t>(deadline.Elapsed()));
    line.Print();
    return found ? 0 : 1;
}

int WaitGone(Args args) {
    const auto timeout = NumberArg(args, 1, -1);
    if (args.size() != 2 || !timeout || *timeout < 0) return Fail("usage");
    const std::wstring className(args[0]);
    const Deadline deadline(static_cast<ULONGLONG>(*timeout));
    const bool gone = deadline.Poll([&] { return FindWindowW(className.c_str(), nullptr) == nullptr; });
    ResultLine()
        .Flag("gone", gone)
        .Dec("count", static_cast<std::int64_t>(WindowsOfClass(className).size()))
        .Dec("waited_ms", static_cast<std::int64_t>(deadline.Elapsed()))
        .Print();
    return gone ? 0 : 1;
}

int Post(Args args) {
    const auto message = MessageArgs(args, 1);
    if (args.size() != 4 || !message) return Fail("usage");
    HWND hwnd = ResolveTarget(args[0]);
    if (!hwnd) return Fail("no-window");
    const bool posted = PostMessageW(hwnd, message->code, message->wParam, message->lParam) != FALSE;
    ResultLine().Flag("posted", posted).Hex("hwnd", reinterpret_cast<UINT_PTR>(hwnd)).Print();
    return posted ? 0 : 1;
}

int Send(Args args) {
    const auto message = MessageArgs(args, 1);
    const auto timeout = NumberArg(args, 4, 5000);
    if (args.size() < 4 || args.size() > 5 || !message || !timeout) return Fail("usage");
    HWND hwnd = ResolveTarget(args[0]);
    if (!hwnd) return Fail("no-window");
    DWORD_PTR result = 0;
    const bool sent = SendMessageTimeoutW(hwnd, message->code, message->wParam, message->lParam,
                                          SMTO_ABORTIFHUNG, static_cast<UINT>(*timeout), &result) != 0;
    ResultLine line;
    line.Flag("sent", sent).Hex("hwnd", reinterpret_cast<UINT_PTR>(hwnd));
    if (sent) line.Hex("result", result);
    else line.Dec("lasterror", GetLastError());
    line.Print();
    return sent ? 0 : 1;
}

int Show(Args args) {
    const auto command = args.size() == 2 ? ParseShowCommand(args[1]) : std::nullopt;
    if (!command) return Fail("usage");
    HWND hwnd = ResolveTarget(args[0]);
    if (!hwnd) return Fail("no-window");
    const bool before = IsWindowVisible(hwnd) != FALSE;
    const bool wasVisible = ShowWindow(hwnd, *command) != FALSE;
    ResultLine line;
    line.Flag("before", before).Flag("returned", wasVisible);
    AddTo(line, Describe(hwnd));
    line.Print();
    return 0;
}

int Key(Args args) {
    const auto scan = args.empty() ? std::nullopt : ParseNumber(args[0]);
    const auto extended = NumberArg(args, 1, 0);
    const std::wstring_view phase = args.size() > 2 ? Arg(args, 2) : std::wstring_view(L"both");
    const bool press = phase == L"both" || phase == L"press";
    const bool release = phase == L"both" || phase == L"release";
    if (!scan || !extended || args.size() > 3 || (!press && !release)) return Fail("usage");

    DWORD flags = KEYEVENTF_SCANCODE;
    if (*extended != 0) flags |= KEYEVENTF_EXTENDEDKEY;
    std::array<INPUT, 2> inputs{};
    UINT count = 0;
    auto add = [&](DWORD extra) {
        INPUT& input = inputs[count++];
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = static_cast<WORD>(*scan);
        input.ki.dwFlags = flags | extra;
    };
    if (press) add(0);
    if (release) add(KEYEVENTF_KEYUP);
    const UINT sent = SendInput(count, inputs.data(), sizeof(INPUT));
    ResultLine().Dec("sent", sent).Hex("scan", static_cast<std::uint64_t>(*scan)).Hex("flags", flags).Print();
    return sent == count ? 0 : 1;
}

int WaitWindow(Args args) {
    const auto timeout = NumberArg(args, 1, -1);
    if (args.size() != 2 || !timeout || *timeout < 0) return Fail("usage");
    const Deadline deadline(static_cast<ULONGLONG>(*timeout));
    HWND hwnd = nullptr;
    const bool found = deadline.Poll([&] { return (hwnd = FindByTitleOrClass(args[0])) != nullptr; });
    ResultLine line;
    line.Flag("found", found);
    if (found) AddTo(line, Describe(hwnd));
    line.Dec("waited_ms", static_cast<std::int64_t>(deadline.Elapsed()));
    line.Print();
    return found ? 0 : 1;
}

int CloseWindow(Args args) {
    const auto timeout = NumberArg(args, 1, 5000);
    const std::wstring_view how = args.size() > 2 ? Arg(args, 2) : std::wstring_view(L"close");
    if (args.empty() || args.size() > 3 || !timeout) return Fail("usage");
    Message message{};
    if (how == L"close") message = {WM_CLOSE, 0, 0};
    else if (how == L"cancel") message = {WM_COMMAND, IDCANCEL, 0};
    else if (how == L"ok") message = {WM_COMMAND, IDOK, 0};
    else return Fail("usage");

    HWND hwnd = FindByTitleOrClass(args[0]);
    if (!hwnd) return Fail("no-window");
    const bool posted = PostMessageW(hwnd, message.code, message.wParam, message.lParam) != FALSE;
    const Deadline deadline(static_cast<ULONGLONG>(*timeout));
    const bool closed = posted && deadline.Poll([&] { return !IsWindow(hwnd); });
    ResultLine()
        .Flag("closed", closed)
        .Hex("hwnd", reinterpret_cast<UINT_PTR>(hwnd))
        .Dec("waited_ms", static_cast<std::int64_t>(deadline.Elapsed()))
        .Print();
    return closed ? 0 : 1;
}

int WaitExit(Args args) {
    const auto pid = args.empty() ? std::nullopt : ParseNumber(args[0]);
    const auto timeout = NumberArg(args, 1, -1);
    if (args.size() != 2 || !pid || !timeout || *timeout < 0) return Fail("usage");
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(*pid));
    if (!process) {
        // A process that has ended and been reaped cannot be opened any more.
        const bool ended = GetLastError() == ERROR_INVALID_PARAMETER;
        ResultLine().Flag("exited", ended).Word("code", "unknown").Print();
        return ended ? 0 : 1;
    }
    const bool exited = WaitForSingleObject(process, static_cast<DWORD>(*timeout)) == WAIT_OBJECT_0;
    ResultLine line;
    line.Flag("exited", exited);
    DWORD code = 0;
    if (exited && GetExitCodeProcess(process, &code)) line.Dec("code", code);
    line.Print();
    CloseHandle(process);
    return exited ? 0 : 1;
}

int List(Args args) {
    if (args.size() > 1) return Fail("usage");
    std::int64_t count = 0;
    for (HWND hwnd : TopLevelWindows()) {
        if (!args.empty() && !SameClass(hwnd, args[0])) continue;
        ResultLine line;
        AddTo(line, Describe(hwnd));
        line.Print();
        ++count;
    }
    ResultLine().Dec("count", count).Print();
    return 0;
}

}  // namespace e2e

namespace e2e {
namespace {

// Microseconds on the performance counter, for timings finer than the tick count.
class Stopwatch {
public:
    Stopwatch() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    [[nodiscard]] std::int64_t Microseconds() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return (now.QuadPart - start_.QuadPart) * 1000000 / frequency_.QuadPart;
    }

private:
    LARGE_INTEGER frequency_{};
    LARGE_INTEGER start_{};
};

}  // namespace

// Until no top-level window has that title (or class); with "hidden", until none of them is
// visible. Wine may keep a window's handle, and its pixels, for a while after it stopped being
// visible.
int WaitWindowGone(Args args) {
    const auto timeout = NumberArg(args, 1, -1);
    const std::wstring_view mode = Arg(args, 2);
    if (args.size() < 2 || args.size() > 3 || !timeout || *timeout < 0 || (args.size() == 3 && mode != L"hidden")) {
        return Fail("usage");
    }
    const bool hiddenIsEnough = args.size() == 3;
    const Deadline deadline(static_cast<ULONGLONG>(*timeout));
    HWND hwnd = nullptr;
    const bool gone = deadline.Poll([&] {
        hwnd = FindByTitleOrClass(args[0]);
        return !hwnd || (hiddenIsEnough && !IsWindowVisible(hwnd));
    });
    ResultLine()
        .Flag("gone", gone)
        .Flag("exists", hwnd != nullptr && IsWindow(hwnd))
        .Dec("waited_ms", static_cast<std::int64_t>(deadline.Elapsed()))
        .Print();
    return gone ? 0 : 1;
}

int Foreground(Args args) {
    if (!args.empty()) return Fail("usage");
    HWND hwnd = GetForegroundWindow();
    ResultLine line;
    line.Flag("found", hwnd != nullptr);
    if (hwnd) AddTo(line, Describe(hwnd));
    line.Print();
    return hwnd ? 0 : 1;
}

// Posts the message and then watches, polling every millisecond, for a top-level window with that
// title (or class): the times after the post at which it was first seen, first carried
// WS_EX_LAYERED and first was visible. -1 for what did not happen within the time.
int PostWatch(Args args) {
    const auto message = MessageArgs(args, 1);
    const auto timeout = NumberArg(args, 5, -1);
    if (args.size() != 6 || !message || !timeout || *timeout < 0) return Fail("usage");
    HWND target = ResolveTarget(args[0]);
    if (!target) return Fail("no-window");
    const std::wstring_view watched = args[4];
    FindByTitleOrClass(watched);  // the first look costs more; keep that out of the times

    const ULONGLONG postTick = GetTickCount64();
    const Stopwatch stopwatch;
    const bool posted = PostMessageW(target, message->code, message->wParam, message->lParam) != FALSE;
    const Deadline deadline(static_cast<ULONGLONG>(*timeout));
    std::int64_t seenUs = -1;
    std::int64_t layeredUs = -1;
    std::int64_t visibleUs = -1;
    std::int64_t rounds = 0;
    HWND hwnd = nullptr;
    while (posted && visibleUs < 0 && !deadline.Expired()) {
        ++rounds;
        if (!hwnd || !IsWindow(hwnd)) hwnd = FindByTitleOrClass(watched);
        if (hwnd) {
            const bool layered = (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
            const bool visible = IsWindowVisible(hwnd) != FALSE;
            // Taken after the look, so each time is the end of the round that saw the change.
            const std::int64_t now = stopwatch.Microseconds();
            if (seenUs < 0) seenUs = now;
            if (layered && layeredUs < 0) layeredUs = now;
            if (visible) visibleUs = now;
        }
        if (visibleUs < 0) Sleep(1);
    }
    ResultLine line;
    line.Flag("posted", posted)
        .Dec("post_tick", static_cast<std::int64_t>(postTick))
        .Dec("seen_us", seenUs)
        .Dec("layered_us", layeredUs)
        .Dec("visible_us", visibleUs)
        .Dec("rounds", rounds);
    if (hwnd && IsWindow(hwnd)) AddTo(line, Describe(hwnd));
    line.Print();
    return visibleUs >= 0 ? 0 : 1;
}

namespace {

LRESULT CALLBACK KeepWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// One window of its own class with the procedure above, which ends the message loop when the
// window is destroyed (WM_CLOSE from outside does that through DefWindowProc).
HWND CreateKeptWindow(const wchar_t* className, const wchar_t* title, DWORD style, int width, int height) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &KeepWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    if (!RegisterClassW(&windowClass)) return nullptr;
    return CreateWindowExW(0, className, title, style, 0, 0, width, height, nullptr, nullptr, windowClass.hInstance,
                           nullptr);
}

// Runs the message loop until the window is destroyed or the time is up, then destroys it.
void KeepUntilClosed(HWND hwnd, ULONGLONG timeoutMs) {
    const Deadline deadline(timeoutMs);
    bool quit = false;
    while (!quit && !deadline.Expired()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1000, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) quit = true;
            DispatchMessageW(&message);
        }
    }
    if (!quit) DestroyWindow(hwnd);
}

}  // namespace

// Keeps one hidden top-level window (class "VhDriverHold") and a message loop alive, so that a
// run of short-lived programs shares one desktop process instead of each starting it anew.
int Hold(Args args) {
    const auto timeout = NumberArg(args, 0, -1);
    if (args.size() != 1 || !timeout || *timeout < 0) return Fail("usage");
    HWND hwnd = CreateKeptWindow(L"VhDriverHold", L"", WS_POPUP, 1, 1);
    if (!hwnd) return Fail("create-window");
    ResultLine().Flag("holding", true).Hex("hwnd", reinterpret_cast<UINT_PTR>(hwnd)).Print();
    KeepUntilClosed(hwnd, static_cast<ULONGLONG>(*timeout));
    return 0;
}

// A visible popup window (class "VhDriverFront") with the given title at the screen's top-left
// corner, brought to the foreground and kept until WM_CLOSE or the time is up. The result line
// comes once the window is up and tells whether it is the foreground window.
int Front(Args args) {
    const auto timeout = NumberArg(args, 1, -1);
    const auto width = NumberArg(args, 2, 400);
    const auto height = NumberArg(args, 3, 300);
    if ((args.size() != 2 && args.size() != 4) || !timeout || *timeout < 0 || !width || !height || *width <= 0 ||
        *height <= 0) {
        return Fail("usage");
    }
    const std::wstring title(args[0]);
    HWND hwnd = CreateKeptWindow(L"VhDriverFront", title.c_str(), WS_POPUP | WS_VISIBLE, static_cast<int>(*width),
                                 static_cast<int>(*height));
    if (!hwnd) return Fail("create-window");
    SetForegroundWindow(hwnd);
    UpdateWindow(hwnd);
    ResultLine line;
    line.Flag("holding", true).Flag("foreground", GetForegroundWindow() == hwnd);
    AddTo(line, Describe(hwnd));
    line.Print();
    KeepUntilClosed(hwnd, static_cast<ULONGLONG>(*timeout));
    return 0;
}

}  // namespace e2e
