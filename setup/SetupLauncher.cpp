#include "setup/SetupLauncher.h"

#include "common/WFormat.h"
#include "setup/DriverExtraction.h"
#include "setup/DriverInfo.h"
#include "setup/ExitCode.h"
#include "setup/LauncherState.h"
#include "setup/SetupLog.h"
#include "setup/SwitchValue.h"
#include "setup/UtilitySettings.h"

namespace vh {

namespace {

constexpr std::size_t kMessageCapacity = 260;  // a longer message is cut at the buffer's end

// Closes a handle of the launcher when the run ends.
class OwnedHandle {
public:
    explicit OwnedHandle(LauncherSystem& system, Handle handle = kNoHandle) : system_(system), handle_(handle) {}
    ~OwnedHandle() {
        if (handle_ != kNoHandle) system_.CloseHandle(handle_);
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    Handle& Ref() { return handle_; }
    Handle Get() const { return handle_; }

private:
    LauncherSystem& system_;
    Handle handle_;
};

class Launcher {
public:
    Launcher(LauncherSystem& system, const wchar_t* commandLine)
        : system_(system), commandLine_(commandLine ? commandLine : L""), log_(system, state_.logPath) {}

    int Run();

private:
    int Abort(const wchar_t* message) {
        log_.Write(message);
        return kSetupFailed;
    }
    int ExtractDrivers();
    int StartUtilitySetup();

    LauncherSystem& system_;
    const wchar_t* commandLine_;
    LauncherState state_;
    SetupLog log_;
    wchar_t message_[kMessageCapacity] = {};
};

int Launcher::Run() {
    const LauncherSystem::MutexResult mutex = system_.CreateNamedMutex(L"Mutex_Quenlo");
    if (mutex.handle == kNoHandle) return kSetupFailed;
    const OwnedHandle mutexOwner(system_, mutex.handle);  // held until the run ends
    if (mutex.lastError == kErrorAlreadyExists) return kSetupFailed;

    GetSwitchValue(commandLine_, L"/log", state_.logPath);  // no value: no log file
    log_.Write(L"\n======== Utility Setup Start ========");

    if (!LocateIni(system_, state_)) {
        FormatW(message_, L"Can not find INI path, error code = %x\n======== Utility Setup Abort ========",
                system_.LastError());
        return Abort(message_);
    }

    const int result = ContainsText(commandLine_, L"/ExtractDrivers") ? ExtractDrivers() : StartUtilitySetup();
    if (result != kSetupSucceeded) return result;

    FormatW(message_, L"Setup error code = %d.\n======== Utility Setup End ========", state_.childExitCode);
    log_.Write(message_);
    return MapExitCode(state_.childExitCode);
}

int Launcher::ExtractDrivers() {
    if (GetSwitchValue(commandLine_, L"/ExtractDrivers", state_.extractRoot) != kSetupSucceeded) {
        FormatW(message_, L"Can not find ExtractDrivers path = %s.\n======== Utility Setup Abort ========",
                state_.extractRoot);
        return Abort(message_);
    }
    if (LoadDriverInfo(system_, state_) != kSetupSucceeded) {
        FormatW(message_,
                L"Driver Information load fail, Return Error code = %x\n======== Utility Setup Abort ========",
                system_.LastError());
        return Abort(message_);
    }
    state_.childExitCode = CopyDriverFolders(system_, log_, state_);
    if (state_.childExitCode != kSetupSucceeded) {
        FormatW(message_, L"Copy files fail, Return Error code = %x\n======== Utility Setup Abort ========",
                system_.LastError());
        return Abort(message_);
    }
    return kSetupSucceeded;
}

int Launcher::StartUtilitySetup() {
    if (!ReadUtilitySettings(system_, state_)) {
        FormatW(message_,
                L"Utility information load fail, Return Error code = %x\n======== Utility Setup Abort ========",
                system_.LastError());
        return Abort(message_);
    }
    // A path cut to fit the buffer names another file: it counts as not found.
    if (state_.moduleDir.TooLong() || !system_.PathExists(state_.moduleDir.c_str()))
        return Abort(L"Can not find Utility Setup.\n======== Utility Setup Abort ========");

    OwnedHandle process(system_);
    if (!system_.StartProgram(state_.moduleDir.c_str(), commandLine_, kSwShow, process.Ref())) {
        FormatW(message_, L"Launch Utility Setup Fail, Error Code =%x.\n======== Utility Setup Abort ========",
                system_.LastError());
        return Abort(message_);
    }
    if (process.Get() != kNoHandle) {
        system_.WaitForProcess(process.Get());
        std::uint32_t code = 0;
        if (system_.GetExitCode(process.Get(), code)) state_.childExitCode = static_cast<std::int32_t>(code);
    }
    return kSetupSucceeded;
}

}  // namespace

int RunSetup(LauncherSystem& system, const wchar_t* commandLine) {
    Launcher launcher(system, commandLine);
    return launcher.Run();
}

}  // namespace vh
