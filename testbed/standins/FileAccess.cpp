#include "testbed/standins/FileAccess.h"

namespace vh::standins {
namespace {

constexpr int kAttempts = 50;
constexpr DWORD kPauseMilliseconds = 20;
constexpr DWORD kLargestFile = 1 << 20;  // a state file is a few hundred bytes

bool IsPassingConflict(DWORD error) {
    // ACCESS_DENIED also covers a file that another process is just deleting or renaming.
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}

}  // namespace

UniqueHandle OpenFileRetrying(const std::wstring& path, DWORD access, DWORD disposition) {
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    for (int attempt = 1;; ++attempt) {
        UniqueHandle file(
            CreateFileW(path.c_str(), access, kShareAll, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || attempt == kAttempts || !IsPassingConflict(GetLastError())) {
            return file;
        }
        Sleep(kPauseMilliseconds);
    }
}

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
    UniqueHandle file = OpenFileRetrying(path, GENERIC_READ, OPEN_EXISTING);
    if (!file) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return std::string();
        }
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > kLargestFile) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!text.empty() && !ReadFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr)) {
        return std::nullopt;
    }
    text.resize(read);
    return text;
}

bool WriteText(HANDLE file, std::string_view text) {
    DWORD written = 0;
    return WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0 &&
           written == text.size();
}

bool ReplaceFileContents(const std::wstring& path, std::string_view text) {
    // One temporary name per process, so two test processes never write into the same one.
    const std::wstring temporary = path + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    {
        UniqueHandle file = OpenFileRetrying(temporary, GENERIC_WRITE, CREATE_ALWAYS);
        if (!file || !WriteText(file.Get(), text)) {
            file.Reset();
            DeleteFileW(temporary.c_str());
            return false;
        }
    }
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            return true;
        }
        if (attempt == kAttempts || !IsPassingConflict(GetLastError())) {
            DeleteFileW(temporary.c_str());
            return false;
        }
        Sleep(kPauseMilliseconds);
    }
}

}  // namespace vh::standins
