// The Setup launcher's simulated system: an in-memory file tree, a profile reader with the
// Windows semantics the launcher relies on, a scripted child program, a fixed local time.
#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/ports/LauncherSystem.h"

namespace vh::sim {

class SimLauncher : public LauncherSystem {
public:
    // The file tree. Paths are matched without regard to case; a trailing backslash is ignored.
    void AddFile(const std::wstring& path, const std::string& bytes);
    void AddFolder(const std::wstring& path);
    bool FileExists(const std::wstring& path) const;
    bool FolderExists(const std::wstring& path) const;
    std::string FileBytes(const std::wstring& path) const;

    std::set<std::wstring> existingMutexes;
    bool failMutex = false;
    int mutexesClosed = 0;
    std::wstring modulePath = L"C:\\Setup\\Setup.exe";
    bool failModulePath = false;

    struct Start {
        std::wstring file, parameters;
        int showCommand;
    };
    std::vector<Start> starts;
    std::int32_t childExitCode = 0;
    bool failStart = false;
    std::uint32_t startError = 2;
    bool childGivesNoHandle = false;
    bool exitCodeUnreadable = false;

    struct Copy {
        std::wstring from, to;
        std::uint16_t flags;
    };
    std::vector<Copy> copies;
    std::map<std::wstring, int> directoryFailures;  // lower-case path -> SHCreateDirectoryExW result
    std::set<std::wstring> lockedFiles;             // lower-case paths another process holds open
    LocalTime time{2016, 3, 9, 14, 5, 2};
    std::vector<std::wstring> debugLines;

    MutexResult CreateNamedMutex(const wchar_t* name) override;
    void CloseHandle(Handle handle) override;
    std::uint32_t LastError() override { return lastError_; }
    std::uint32_t GetModulePath(wchar_t* buffer, std::uint32_t capacity) override;
    bool PathExists(const wchar_t* path) override;
    std::uint32_t GetShortPath(const wchar_t* longPath, wchar_t* buffer, std::uint32_t capacity) override;
    std::uint32_t GetProfileString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                                   wchar_t* buffer, std::uint32_t capacity, const wchar_t* file) override;
    std::uint32_t GetProfileSectionNames(wchar_t* buffer, std::uint32_t capacity, const wchar_t* file) override;
    int CreateDirectoryTree(const wchar_t* path) override;
    int CopyFiles(const wchar_t* from, const wchar_t* to, std::uint16_t flags) override;
    bool StartProgram(const wchar_t* file, const wchar_t* parameters, int showCommand, Handle& process) override;
    void WaitForProcess(Handle) override {}
    bool GetExitCode(Handle process, std::uint32_t& code) override;
    LocalTime GetLocalTime() override { return time; }
    Handle OpenLogFile(const wchar_t* path) override;
    void WriteLogFile(Handle file, const std::uint8_t* bytes, std::uint32_t size) override;
    void CloseLogFile(Handle file) override;
    void DebugOutput(const wchar_t* text) override { debugLines.emplace_back(text); }

    static std::wstring Key(std::wstring path);  // lower case, no trailing backslash

private:
    struct Node {
        bool folder = false;
        std::wstring path;  // as given
        std::string bytes;
    };
    struct IniSection {
        std::wstring name;
        std::vector<std::pair<std::wstring, std::wstring>> keys;
    };
    std::vector<IniSection> ParseIni(const wchar_t* file) const;
    static std::uint32_t CopyList(const std::vector<std::wstring>& names, wchar_t* buffer, std::uint32_t capacity);

    std::map<std::wstring, Node> nodes_;
    std::map<Handle, std::wstring> openFiles_;
    Handle nextHandle_ = 0x100;
    std::uint32_t lastError_ = 0;
};

}  // namespace vh::sim
