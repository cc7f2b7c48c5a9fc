// The Setup launcher's system calls on Windows: kernel, shell and shell-utility functions only.
#pragma once
#include "platform/ports/LauncherSystem.h"

namespace vh::win32 {

class Win32LauncherSystem final : public LauncherSystem {
public:
    MutexResult CreateNamedMutex(const wchar_t* name) override;
    void CloseHandle(Handle handle) override;
    std::uint32_t LastError() override;
    std::uint32_t GetModulePath(wchar_t* buffer, std::uint32_t capacity) override;
    bool PathExists(const wchar_t* path) override;
    std::uint32_t GetShortPath(const wchar_t* longPath, wchar_t* buffer, std::uint32_t capacity) override;
    std::uint32_t GetProfileString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                                   wchar_t* buffer, std::uint32_t capacity, const wchar_t* file) override;
    std::uint32_t GetProfileSectionNames(wchar_t* buffer, std::uint32_t capacity, const wchar_t* file) override;
    int CreateDirectoryTree(const wchar_t* path) override;
    int CopyFiles(const wchar_t* from, const wchar_t* to, std::uint16_t flags) override;
    bool StartProgram(const wchar_t* file, const wchar_t* parameters, int showCommand, Handle& process) override;
    void WaitForProcess(Handle process) override;
    bool GetExitCode(Handle process, std::uint32_t& code) override;
    LocalTime GetLocalTime() override;
    Handle OpenLogFile(const wchar_t* path) override;
    void WriteLogFile(Handle file, const std::uint8_t* bytes, std::uint32_t size) override;
    void CloseLogFile(Handle file) override;
    void DebugOutput(const wchar_t* text) override;
};

}  // namespace vh::win32
