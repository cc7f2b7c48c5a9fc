// vh-driver: finds, pokes and watches windows of other processes for the end-to-end harness.
// Every subcommand prints one line of key=value pairs and exits with 0 when what was asked for
// happened, 1 when it did not (or the arguments were wrong: "error=usage").
#include <windows.h>

#include <array>
#include <cstdio>
#include <span>
#include <string_view>

#include "Commands.h"
#include "Output.h"

namespace {

struct Command {
    std::wstring_view name;
    int (*run)(e2e::Args);
    const char* usage;
};

constexpr std::array<Command, 15> kCommands{{
    {L"find", e2e::Find, "find <class> [timeoutMs]"},
    {L"wait-gone", e2e::WaitGone, "wait-gone <class> <timeoutMs>"},
    {L"post", e2e::Post, "post <class|hwnd=0x..> <msg> <wParam> <lParam>"},
    {L"send", e2e::Send, "send <class|hwnd=0x..> <msg> <wParam> <lParam> [timeoutMs]"},
    {L"show", e2e::Show, "show <class|hwnd=0x..> <SW_... or number>"},
    {L"key", e2e::Key, "key <scan> [extended 0/1] [both|press|release]"},
    {L"wait-window", e2e::WaitWindow, "wait-window <title-or-class> <timeoutMs>"},
    {L"close-window", e2e::CloseWindow, "close-window <title-or-class> [timeoutMs] [close|cancel|ok]"},
    {L"wait-exit", e2e::WaitExit, "wait-exit <pid> <timeoutMs>"},
    {L"list", e2e::List, "list [class]"},
    {L"hold", e2e::Hold, "hold <timeoutMs>: keep a hidden window open until WM_CLOSE or the time is up"},
    {L"front", e2e::Front, "front <title> <timeoutMs> [width height]: a visible window in the foreground until WM_CLOSE"},
    {L"foreground", e2e::Foreground, "foreground: the foreground window"},
    {L"wait-window-gone", e2e::WaitWindowGone, "wait-window-gone <title-or-class> <timeoutMs> [hidden]"},
    {L"post-watch", e2e::PostWatch,
     "post-watch <class|hwnd=0x..> <msg> <wParam> <lParam> <title-or-class> <timeoutMs>: post, then time the window"},
}};

int Usage() {
    std::fputs("usage: vh-driver <command> ...; numbers are decimal or 0x hexadecimal\n", stderr);
    for (const Command& command : kCommands) std::fprintf(stderr, "  %s\n", command.usage);
    return e2e::Fail("usage");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return Usage();
    const std::wstring_view name = argv[1];
    for (const Command& command : kCommands) {
        if (command.name == name) return command.run(std::span<wchar_t* const>(argv + 2, static_cast<size_t>(argc - 2)));
    }
    return Usage();
}
