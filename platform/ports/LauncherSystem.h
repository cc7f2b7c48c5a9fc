// What the Setup launcher needs from the system: its mutex, its own path, profile reading,
// files and folders, the shell copy, starting and waiting for a child, local time, the log file
// and debug output. Results are the system's own; every decision about them is the caller's.
#pragma once
#include <cstdint>

#include "common/Types.h"

namespace vh {

struct LocalTime {
    std::uint16_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class LauncherSystem {
public:
    virtual ~LauncherSystem() = default;

    // CreateMutexW(no security attributes, initially owned, name); lastError is GetLastError
    // right after it.
    struct MutexResult {
        Handle handle = kNoHandle;
        std::uint32_t lastError = 0;
    };
    virtual MutexResult CreateNamedMutex(const wchar_t* name) = 0;
    virtual void CloseHandle(Handle handle) = 0;
    // GetLastError: the code the last failed call of this port left.
    virtual std::uint32_t LastError() = 0;

    // GetModuleFileNameW for the launcher's own file; the length copied, 0 on failure.
    virtual std::uint32_t GetModulePath(wchar_t* buffer, std::uint32_t capacity) = 0;
    // PathFileExistsW (files and folders).
    virtual bool PathExists(const wchar_t* path) = 0;
    // GetShortPathNameW; the length of the short path, 0 on failure.
    virtual std::uint32_t GetShortPath(const wchar_t* longPath, wchar_t* buffer, std::uint32_t capacity) = 0;

    // GetPrivateProfileStringW. With a null section it lists the section names, with a null key
    // the section's key names, each terminated and the list ended by a second terminator.
    virtual std::uint32_t GetProfileString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                                           wchar_t* buffer, std::uint32_t capacity, const wchar_t* file) = 0;
    // GetPrivateProfileSectionNamesW.
    virtual std::uint32_t GetProfileSectionNames(wchar_t* buffer, std::uint32_t capacity, const wchar_t* file) = 0;

    // SHCreateDirectoryExW(no owner window, default security): its result code.
    virtual int CreateDirectoryTree(const wchar_t* path) = 0;
    // SHFileOperationW(FO_COPY) with the given double-terminated lists and flags: its result.
    virtual int CopyFiles(const wchar_t* from, const wchar_t* to, std::uint16_t flags) = 0;

    // ShellExecuteExW(SEE_MASK_NOCLOSEPROCESS, default verb, no working folder); false when the
    // call failed. process is the child's handle, or 0 when none came back.
    virtual bool StartProgram(const wchar_t* file, const wchar_t* parameters, int showCommand, Handle& process) = 0;
    virtual void WaitForProcess(Handle process) = 0;  // WaitForSingleObject(INFINITE)
    virtual bool GetExitCode(Handle process, std::uint32_t& code) = 0;

    virtual LocalTime GetLocalTime() = 0;

    // The log file: opened for reading and appending, created if missing, without sharing.
    virtual Handle OpenLogFile(const wchar_t* path) = 0;  // 0 when it cannot be opened
    virtual void WriteLogFile(Handle file, const std::uint8_t* bytes, std::uint32_t size) = 0;
    virtual void CloseLogFile(Handle file) = 0;

    virtual void DebugOutput(const wchar_t* text) = 0;  // OutputDebugStringW
};

}  // namespace vh
