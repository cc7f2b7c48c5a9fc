// The simulated system of the Setup launcher: an in-memory file tree with a profile (INI) reader,
// folder creation and the shell copy over it, a scripted child process, named mutexes, a fixed
// local time, the log file and the debugger output.
//
// Paths are full Windows paths ("C:\dir\file"); a trailing backslash is ignored, names are
// matched without regard to case (ASCII letters), and every component can also be named by the
// short form GetShortPath gives. Failing calls set LastError as the system would; successful
// calls leave it alone.
//
// Result codes chosen where the system's own are not pinned down:
//  - PathExists, GetShortPath and profile reads of a missing file, section or key: last error 2.
//  - CreateDirectoryTree: 0 created, 183 an existing folder, 80 an existing file, 3 a missing drive
//    or a file in the way, 161 a relative path, 206 a path of 248 characters or more.
//  - CopyFiles: 0x7C (invalid source or destination) for a missing source, a destination that is a
//    file or lies inside the source; a pattern matching nothing (empty folder) copies nothing, 0.
//  - OpenLogFile: last error 3 without the folder, 5 on a folder, 32 when the file is held.
//
// Profile reader (GetProfileString, GetProfileSectionNames) over a file of single bytes (each byte
// one character) or UTF-16LE with a byte-order mark:
//  - "[name]" starts a section; "key=value" lines belong to it; blanks around names and values
//    are dropped, then one pair of matching surrounding quotes (" or ') of a value; lines
//    beginning with ";" and lines before the first section are ignored; a line without "=" is a
//    key without value (reads give the default).
//  - A section name that occurs again is listed once, at its first place, and only its first
//    occurrence is read (keys of later occurrences are not seen), as Windows reads the first.
//  - A value is cut to capacity - 1 characters; the result is the number copied.
//  - A list that does not fit is cut inside its last name, ended by two terminators at
//    capacity - 2 and capacity - 1, and the result is capacity - 2.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/ports/LauncherSystem.h"

namespace vh::sim {

struct SimProgramStart {
    std::wstring file, parameters;
    int showCommand = 0;
};

struct SimCopy {
    std::vector<std::wstring> from, to;  // the double-terminated lists as passed
    std::uint16_t flags = 0;
    int result = 0;
};

class SimLauncher : public LauncherSystem {
public:
    // --- File tree: set-up and inspection ---------------------------------------------------
    void AddFolder(const std::wstring& path);                       // with its parents
    void AddFile(const std::wstring& path, std::string bytes = {});  // with its parent folders
    // Text as single bytes when every character is below 256, otherwise UTF-16LE with a BOM.
    void AddTextFile(const std::wstring& path, const std::wstring& text);
    bool IsFile(const std::wstring& path) const;
    bool IsFolder(const std::wstring& path) const;
    std::string FileBytes(const std::wstring& path) const;  // empty when there is no such file

    // --- Scripted behaviour ------------------------------------------------------------------
    std::wstring modulePath = L"C:\\Setup\\Setup.exe";
    std::uint32_t modulePathError = 0;                    // nonzero: GetModulePath fails with it
    std::set<std::wstring> heldMutexes;                   // names another process holds
    std::uint32_t mutexError = 0;                         // nonzero: CreateNamedMutex fails with it
    std::map<std::wstring, int> createDirectoryFailures;  // path -> result of CreateDirectoryTree
    std::map<std::wstring, int> copyFailures;             // source folder -> result of CopyFiles
    std::set<std::wstring> lockedFiles;                   // files another process holds open
    std::uint32_t startError = 0;                         // nonzero: StartProgram fails with it
    bool startGivesNoHandle = false;                      // StartProgram succeeds without a handle
    std::uint32_t childExitCode = 0;
    std::uint32_t exitCodeError = 0;  // nonzero: GetExitCode fails with it
    std::function<void()> onWait;     // runs once, while the launcher waits for its child
    LocalTime localTime{2016, 3, 9, 14, 5, 2};

    // --- Records ------------------------------------------------------------------------------
    std::vector<std::wstring> debugLines;
    std::vector<SimProgramStart> starts;
    std::vector<Handle> waits;
    std::vector<std::wstring> createdDirectories;  // every CreateDirectoryTree path
    std::vector<SimCopy> copies;
    std::uint32_t lastError = 0;
    int OpenHandles() const { return static_cast<int>(handles_.size()); }

    // --- LauncherSystem -------------------------------------------------------------------------
    MutexResult CreateNamedMutex(const wchar_t* name) override;
    void CloseHandle(Handle handle) override;
    std::uint32_t LastError() override { return lastError; }
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
    LocalTime GetLocalTime() override { return localTime; }
    Handle OpenLogFile(const wchar_t* path) override;
    void WriteLogFile(Handle file, const std::uint8_t* bytes, std::uint32_t size) override;
    void CloseLogFile(Handle file) override;
    void DebugOutput(const wchar_t* text) override { debugLines.emplace_back(text ? text : L""); }

private:
    struct Node {
        bool folder = false;
        std::wstring name;  // the component as created, for short forms
        std::string bytes;
    };
    enum class HandleKind { Mutex, Process, LogFile };
    struct OpenHandle {
        HandleKind kind;
        std::wstring target;  // mutex name or tree key
    };
    struct IniKey {
        std::wstring name, value;
        bool hasValue = false;
    };
    struct IniSection {
        std::wstring name;
        std::vector<IniKey> keys;
    };

    // Tree keys: lower-case components joined by backslashes ("c:\setup\setup.ini").
    std::optional<std::wstring> FindChild(const std::wstring& parentKey, const std::wstring& component) const;
    std::optional<std::vector<std::wstring>> ResolveChain(const std::wstring& path) const;  // keys from the drive
    std::optional<std::wstring> Resolve(const std::wstring& path) const;
    std::wstring KeyFor(const std::wstring& path) const;  // existing part resolved, the rest lower-cased
    int MakeFolders(const std::wstring& path, bool allowNewDrive);  // 0, or 3 / 161
    int CopyEntry(const std::wstring& sourceKey, const std::wstring& destinationParentKey);
    std::vector<IniSection> ReadIni(const wchar_t* file);
    Handle NewHandle(HandleKind kind, std::wstring target);
    const OpenHandle* FindHandle(Handle handle, HandleKind kind) const;

    std::map<std::wstring, Node> tree_;
    std::map<Handle, OpenHandle> handles_;
    std::map<std::wstring, int> ownMutexHandles_;  // name -> open handles of this simulation
    Handle nextHandle_ = 0x100;
};

}  // namespace vh::sim
