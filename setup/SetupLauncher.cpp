#include "setup/SetupLauncher.h"

#include <cwchar>

#include "common/WFormat.h"
#include "setup/DriverExtraction.h"
#include "setup/ExitCode.h"
#include "setup/SetupLog.h"
#include "setup/SwitchValue.h"

namespace vh {

namespace {

constexpr int kSwShow = 5;

// Logs an abort entry and gives the abort code. Main-flow messages fit 260 characters; a longer
// one (a long path in it) is cut there.
template <typename... Args>
int Abort(LauncherSystem& system, const LauncherState& state, const wchar_t* pattern, const Args&... args) {
    wchar_t message[kSetupPath];
    FormatW(message, pattern, args...);
    WriteLog(system, state.logPath, message);
    return kSetupAbort;
}

int RunExtraction(LauncherSystem& system, LauncherState& state, const wchar_t* commandLine) {
    if (GetSwitchValue(commandLine, L"/ExtractDrivers", state.extractRoot, kSetupPath) == kSetupAbort)
        return Abort(system, state, L"Can not find ExtractDrivers path = %s.\n======== Utility Setup Abort ========",
                     state.extractRoot);
    if (LoadDriverInfo(system, state) == kSetupAbort)
        return Abort(system, state,
                     L"Driver Information load fail, Return Error code = %x\n======== Utility Setup Abort ========",
                     system.LastError());
    state.childExitCode = CopyDriverFolders(system, state);
    if (state.childExitCode == kSetupAbort)
        return Abort(system, state, L"Copy files fail, Return Error code = %x\n======== Utility Setup Abort ========",
                     system.LastError());
    return 0;
}

int RunUtilitySetup(LauncherSystem& system, LauncherState& state, const wchar_t* commandLine) {
    if (!ReadUtilitySettings(system, state))
        return Abort(system, state,
                     L"Utility information load fail, Return Error code = %x\n======== Utility Setup Abort ========",
                     system.LastError());
    if (!system.PathExists(state.moduleDir))
        return Abort(system, state, L"Can not find Utility Setup.\n======== Utility Setup Abort ========");
    Handle process = kNoHandle;
    if (!system.StartProgram(state.moduleDir, commandLine, kSwShow, process))
        return Abort(system, state, L"Launch Utility Setup Fail, Error Code =%x.\n======== Utility Setup Abort ========",
                     system.LastError());
    if (process != kNoHandle) {
        system.WaitForProcess(process);
        std::uint32_t code = 0;
        if (system.GetExitCode(process, code)) state.childExitCode = static_cast<std::int32_t>(code);
        system.CloseHandle(process);
    }
    return 0;
}

}  // namespace

bool LocateIni(LauncherSystem& system, LauncherState& state) {
    wchar_t path[kSetupPath] = {};
    if (system.GetModulePath(path, kSetupPath) == 0) return false;
    path[kSetupPath - 1] = L'\0';
    if (wchar_t* slash = std::wcsrchr(path, L'\\')) *slash = L'\0';
    CopyCut(state.moduleDir, kSetupPath, path);
    CopyCut(state.iniPath, kSetupPath, state.moduleDir);
    AppendCut(state.iniPath, kSetupPath, L"\\Setup.ini");
    return true;
}

bool ReadUtilitySettings(LauncherSystem& system, LauncherState& state) {
    if (!system.PathExists(state.iniPath)) return false;
    wchar_t name[kSetupPath] = {};
    system.GetProfileString(L"Utility", L"Name", L"", name, kSetupPath, state.iniPath);
    name[kSetupPath - 1] = L'\0';
    AddBackslash(state.moduleDir, kSetupPath);
    AppendCut(state.moduleDir, kSetupPath, name);
    return true;
}

int RunSetup(LauncherSystem& system, const wchar_t* commandLine) {
    if (!commandLine) commandLine = L"";
    // One launcher per logon session; the mutex is held until the process ends.
    const LauncherSystem::MutexResult mutex = system.CreateNamedMutex(L"Mutex_Quenlo");
    if (mutex.handle == kNoHandle) return kSetupAbort;
    if (mutex.lastError == kErrorAlreadyExists) {
        system.CloseHandle(mutex.handle);
        return kSetupAbort;
    }

    LauncherState state;
    GetSwitchValue(commandLine, L"/log", state.logPath, kSetupPath);
    WriteLog(system, state.logPath, L"\n======== Utility Setup Start ========");
    if (!LocateIni(system, state))
        return Abort(system, state, L"Can not find INI path, error code = %x\n======== Utility Setup Abort ========",
                     system.LastError());

    const bool extraction = std::wcsstr(commandLine, L"/ExtractDrivers") != nullptr;
    const int result = extraction ? RunExtraction(system, state, commandLine)
                                  : RunUtilitySetup(system, state, commandLine);
    if (result == kSetupAbort) return kSetupAbort;

    wchar_t message[kSetupPath];
    FormatW(message, L"Setup error code = %d.\n======== Utility Setup End ========", state.childExitCode);
    WriteLog(system, state.logPath, message);
    return MapExitCode(state.childExitCode);
}

}  // namespace vh
