// Stand-in for the utility setup program that Setup.exe starts: shows nothing, appends the
// arguments it was started with as one line of UtilitySetup.log (UTF-8) beside itself, waits
// while UtilitySetup.wait exists beside itself (at most 60 s), then exits with the number in
// UtilitySetup.exitcode beside itself, or 0 when that file is absent.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "testbed/standins/FileAccess.h"
#include "testbed/standins/ModulePath.h"
#include "testbed/standins/TextCodec.h"

namespace {

constexpr DWORD kWaitLimitMilliseconds = 60'000;
constexpr DWORD kPollMilliseconds = 20;

std::wstring Beside(std::wstring_view fileName) {
    return vh::standins::PathBesideModule(GetModuleHandleW(nullptr), fileName);
}

void Debug(std::wstring_view text) {
    OutputDebugStringW((L"[UtilitySetup] " + std::wstring(text)).c_str());
}

bool AppendLine(const std::wstring& path, std::wstring_view line) {
    // Append-only access puts every write at the end, also when two instances run at once.
    vh::standins::UniqueHandle log = vh::standins::OpenFileRetrying(path, FILE_APPEND_DATA, OPEN_ALWAYS);
    return log && vh::standins::WriteText(log.Get(), vh::standins::Utf8FromWide(line) + "\n");
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Returns once the file is gone, or false when it is still there after the limit.
bool WaitWhileExists(const std::wstring& path) {
    const ULONGLONG start = GetTickCount64();
    while (Exists(path)) {
        if (GetTickCount64() - start >= kWaitLimitMilliseconds) {
            return false;
        }
        Sleep(kPollMilliseconds);
    }
    return true;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A decimal with an optional sign, blanks around it allowed, from -2147483648 to 4294967295;
// negative values give their two's complement, as a process exit code is an unsigned 32 bits.
std::optional<std::uint32_t> ParseExitCode(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (negative) {
        value = -value;
    }
    if (value < INT32_MIN || value > UINT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

// The arguments are the command line without the program's own name, as the start-up code passes
// them: for `"C:\x\UtilitySetup.exe" /log "C:\l.txt"` that is `/log "C:\l.txt"`.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    const std::wstring_view line = arguments != nullptr ? arguments : L"";
    const std::wstring logPath = Beside(L"UtilitySetup.log");
    if (logPath.empty() || !AppendLine(logPath, line)) {
        Debug(L"cannot write UtilitySetup.log");
    }
    Debug(line);

    const std::wstring waitPath = Beside(L"UtilitySetup.wait");
    if (!waitPath.empty() && !WaitWhileExists(waitPath)) {
        Debug(L"UtilitySetup.wait still there after 60 s");
    }

    std::uint32_t exitCode = 0;
    const std::wstring codePath = Beside(L"UtilitySetup.exitcode");
    if (!codePath.empty() && Exists(codePath)) {
        const std::optional<std::string> codeText = vh::standins::ReadWholeFile(codePath);
        const std::optional<std::uint32_t> parsed = codeText ? ParseExitCode(*codeText) : std::nullopt;
        if (parsed) {
            exitCode = *parsed;
        } else if (!codeText) {
            Debug(L"cannot read UtilitySetup.exitcode");
        } else {
            Debug(L"bad exit code in UtilitySetup.exitcode: " + vh::standins::WideFromUtf8(*codeText));
        }
    }
    Debug(L"exit " + std::to_wstring(static_cast<std::int32_t>(exitCode)));
    ExitProcess(exitCode);
}
