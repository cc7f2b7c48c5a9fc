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

LRESULT CALLBACK HoldWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Keeps one hidden top-level window (class "VhDriverHold") and a message loop alive, so that a
// run of short-lived programs shares one desktop process instead of each starting it anew.
int Hold(Args args) {
    const auto timeout = NumberArg(args, 0, -1);
    if (args.size() != 1 || !timeout || *timeout < 0) return Fail("usage");
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &HoldWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VhDriverHold";
    if (!RegisterClassW(&windowClass)) return Fail("register-class");
    HWND hwnd = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
    if (!hwnd) return Fail("create-window");
    ResultLine().Flag("holding", true).Hex("hwnd", reinterpret_cast<UINT_PTR>(hwnd)).Print();

    const Deadline deadline(static_cast<ULONGLONG>(*timeout));
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
    return 0;
}

}  // namespace e2e
