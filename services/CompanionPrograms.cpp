#include "services/CompanionPrograms.h"

#include "app/Log.h"
#include "common/WFormat.h"
#include "osd/CanShowOSD.h"

namespace vh {

namespace {
constexpr std::uint32_t kMaxPath = 260;
}

void BuildOrlendaCmd(Process& process, DebugOutput& out, std::wstring& command) {
    wchar_t path[kMaxPath] = {};
    const std::uint32_t length = process.GetModulePath(path, kMaxPath);
    if (length == 0) {
        out.Write(L"[VarnoHotkey] Read program path fail");
        return;
    }
    path[kMaxPath - 1] = L'\0';  // a cut path is not terminated by the system
    wchar_t* lastSlash = nullptr;
    for (wchar_t* p = path; *p; ++p)
        if (*p == L'\\') lastSlash = p;
    if (lastSlash) *lastSlash = L'\0';
    // The folder and the file name, in quotes; a folder too long for the buffer is cut there.
    wchar_t quoted[kMaxPath + 16];
    FormatW(quoted, L"\"%s\\%s\"", path, L"Orlenda.exe");
    command = quoted;
}

void LaunchOrlenda(WindowSystem& windows, Process& process, DebugOutput& out, const std::wstring& command,
                   std::int32_t code) {
    if (!CanShowOSD(windows)) return;
    wchar_t parameters[kMaxPath];
    FormatW(parameters, L"%d", code);
    LogFormat(out, L"%s", parameters);
    process.ShellOpen(L"open", command.c_str(), parameters, nullptr, kSwShowNormal);
}

}  // namespace vh
