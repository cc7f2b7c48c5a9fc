#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "platform/win32/setup/Win32LauncherSystem.h"

namespace vh::win32 {

namespace {
HANDLE ToHandle(Handle h) { return reinterpret_cast<HANDLE>(h); }
Handle FromHandle(HANDLE h) { return reinterpret_cast<Handle>(h); }
}  // namespace

LauncherSystem::MutexResult Win32LauncherSystem::CreateNamedMutex(const wchar_t* name) {
    HANDLE mutex = ::CreateMutexW(nullptr, TRUE, name);
    return {FromHandle(mutex), ::GetLastError()};
}

void Win32LauncherSystem::CloseHandle(Handle handle) { ::CloseHandle(ToHandle(handle)); }

std::uint32_t Win32LauncherSystem::LastError() { return ::GetLastError(); }

std::uint32_t Win32LauncherSystem::GetModulePath(wchar_t* buffer, std::uint32_t capacity) {
    return ::GetModuleFileNameW(nullptr, buffer, capacity);
}

bool Win32LauncherSystem::PathExists(const wchar_t* path) { return ::PathFileExistsW(path) != FALSE; }

std::uint32_t Win32LauncherSystem::GetShortPath(const wchar_t* longPath, wchar_t* buffer, std::uint32_t capacity) {
    return ::GetShortPathNameW(longPath, buffer, capacity);
}

std::uint32_t Win32LauncherSystem::GetProfileString(const wchar_t* section, const wchar_t* key,
                                                    const wchar_t* defaultValue, wchar_t* buffer,
                                                    std::uint32_t capacity, const wchar_t* file) {
    return ::GetPrivateProfileStringW(section, key, defaultValue, buffer, capacity, file);
}

std::uint32_t Win32LauncherSystem::GetProfileSectionNames(wchar_t* buffer, std::uint32_t capacity,
                                                          const wchar_t* file) {
    return ::GetPrivateProfileSectionNamesW(buffer, capacity, file);
}

int Win32LauncherSystem::CreateDirectoryTree(const wchar_t* path) {
    return ::SHCreateDirectoryExW(nullptr, path, nullptr);
}

int Win32LauncherSystem::CopyFiles(const wchar_t* from, const wchar_t* to, std::uint16_t flags) {
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = nullptr;
    operation.wFunc = FO_COPY;
    operation.pFrom = from;
    operation.pTo = to;
    operation.fFlags = flags;
    return ::SHFileOperationW(&operation);
}

bool Win32LauncherSystem::StartProgram(const wchar_t* file, const wchar_t* parameters, int showCommand,
                                       Handle& process) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = file;
    info.lpParameters = parameters;
    info.nShow = showCommand;
    const BOOL started = ::ShellExecuteExW(&info);
    process = FromHandle(info.hProcess);
    return started != FALSE;
}

void Win32LauncherSystem::WaitForProcess(Handle process) { ::WaitForSingleObject(ToHandle(process), INFINITE); }

bool Win32LauncherSystem::GetExitCode(Handle process, std::uint32_t& code) {
    DWORD exitCode = 0;
    if (!::GetExitCodeProcess(ToHandle(process), &exitCode)) return false;
    code = exitCode;
    return true;
}

LocalTime Win32LauncherSystem::GetLocalTime() {
    SYSTEMTIME t{};
    ::GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

Handle Win32LauncherSystem::OpenLogFile(const wchar_t* path) {
    // Reading and appending, created when missing, shared with nobody while it is open.
    HANDLE file = ::CreateFileW(path, GENERIC_READ | FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? kNoHandle : FromHandle(file);
}

void Win32LauncherSystem::WriteLogFile(Handle file, const std::uint8_t* bytes, std::uint32_t size) {
    DWORD written = 0;
    ::WriteFile(ToHandle(file), bytes, size, &written, nullptr);
}

void Win32LauncherSystem::CloseLogFile(Handle file) { ::CloseHandle(ToHandle(file)); }

void Win32LauncherSystem::DebugOutput(const wchar_t* text) { ::OutputDebugStringW(text); }

}  // namespace vh::win32
