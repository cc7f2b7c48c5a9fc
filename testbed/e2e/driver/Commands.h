// The driver's subcommands. Each gets the arguments after its name, prints one result line
// (list prints one line per window and then a count line) and returns the exit code: 0 when
// what was asked for happened, 1 otherwise.
#pragma once
#include <span>

namespace e2e {

using Args = std::span<wchar_t* const>;

int Find(Args args);             // find <class> [timeoutMs]
int WaitGone(Args args);         // wait-gone <class> <timeoutMs>
int Post(Args args);             // post <target> <msg> <wParam> <lParam>
int Send(Args args);             // send <target> <msg> <wParam> <lParam> [timeoutMs]
int Show(Args args);             // show <target> <cmd>
int Key(Args args);              // key <scan> [extended 0/1] [both|press|release]
int WaitWindow(Args args);       // wait-window <title-or-class> <timeoutMs>
int CloseWindow(Args args);      // close-window <title-or-class> [timeoutMs] [close|cancel|ok]
int WaitExit(Args args);         // wait-exit <pid> <timeoutMs>
int List(Args args);             // list [class]
int Hold(Args args);             // hold <timeoutMs>
int Front(Args args);            // front <title> <timeoutMs> [width height]
int Foreground(Args args);       // foreground
int WaitWindowGone(Args args);   // wait-window-gone <title-or-class> <timeoutMs> [hidden]
int PostWatch(Args args);        // post-watch <target> <msg> <wParam> <lParam> <title-or-class> <timeoutMs>

}  // namespace e2e
