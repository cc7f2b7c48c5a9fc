#include "platform/sim/SimLauncher.h"

#include <algorithm>

namespace vh::sim {

namespace {
constexpr std::uint32_t kErrFileNotFound = 2, kErrPathNotFound = 3, kErrSharingViolation = 32;

std::wstring Lower(std::wstring s) {
    for (auto& c : s)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return s;
}

std::wstring Trim(const std::wstring& s) {
    const auto first = s.find_first_not_of(L" \t\r");
    if (first == std::wstring::npos) return L"";
    const auto last = s.find_last_not_of(L" \t\r");
    return s.substr(first, last - first + 1);
}

std::wstring Parent(const std::wstring& key) {
    const auto slash = key.rfind(L'\\');
    return slash == std::wstring::npos ? L"" : key.substr(0, slash);
}
}  // namespace

std::wstring SimLauncher::Key(std::wstring path) {
    while (!path.empty() && path.back() == L'\\') path.pop_back();
    return Lower(path);
}

void SimLauncher::AddFolder(const std::wstring& path) {
    std::wstring trimmed = path;
    while (!trimmed.empty() && trimmed.back() == L'\\') trimmed.pop_back();
    if (trimmed.empty() || FolderExists(trimmed)) return;
    AddFolder(Parent(trimmed));
    nodes_[Lower(trimmed)] = Node{true, trimmed, {}};
}

void SimLauncher::AddFile(const std::wstring& path, const std::string& bytes) {
    AddFolder(Parent(path));
    nodes_[Key(path)] = Node{false, path, bytes};
}

bool SimLauncher::FileExists(const std::wstring& path) const {
    auto it = nodes_.find(Key(path));
    return it != nodes_.end() && !it->second.folder;
}

bool SimLauncher::FolderExists(const std::wstring& path) const {
    auto it = nodes_.find(Key(path));
    return it != nodes_.end() && it->second.folder;
}

std::string SimLauncher::FileBytes(const std::wstring& path) const {
    auto it = nodes_.find(Key(path));
    return it == nodes_.end() ? std::string() : it->second.bytes;
}

LauncherSystem::MutexResult SimLauncher::CreateNamedMutex(const wchar_t* name) {
    if (failMutex) return {kNoHandle, 5};
    const bool exists = !existingMutexes.insert(name).second;
    return {0x50, exists ? 183u : 0u};
}

void SimLauncher::CloseHandle(Handle handle) {
    if (handle == 0x50) ++mutexesClosed;
}

std::uint32_t SimLauncher::GetModulePath(wchar_t* buffer, std::uint32_t capacity) {
    if (failModulePath || capacity == 0) {
        lastError_ = 0x7A;
        return 0;
    }
    const std::size_t n = std::min<std::size_t>(modulePath.size(), capacity - 1);
    modulePath.copy(buffer, n);
    buffer[n] = L'\0';
    return n == modulePath.size() ? static_cast<std::uint32_t>(n) : capacity;
}

bool SimLauncher::PathExists(const wchar_t* path) {
    if (path && nodes_.count(Key(path))) return true;
    lastError_ = kErrFileNotFound;
    return false;
}

std::uint32_t SimLauncher::GetShortPath(const wchar_t* longPath, wchar_t* buffer, std::uint32_t capacity) {
    if (!PathExists(longPath)) return 0;
    // The short form is shown in capitals, so tests can tell it was used.
    std::wstring shortPath = longPath;
    for (auto& c : shortPath)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    if (shortPath.size() + 1 > capacity) return static_cast<std::uint32_t>(shortPath.size() + 1);
    shortPath.copy(buffer, shortPath.size());
    buffer[shortPath.size()] = L'\0';
    return static_cast<std::uint32_t>(shortPath.size());
}

// The profile file as the system reads it: sections in file order, "key=value" lines with blanks
// around both trimmed and one pair of enclosing quotes removed from the value, ';' comment lines
// skipped, a line without '=' listed as a key without value. A duplicated section name is listed
// each time, but values and keys come from its first occurrence.
std::vector<SimLauncher::IniSection> SimLauncher::ParseIni(const wchar_t* file) const {
    std::vector<IniSection> sections;
    auto it = nodes_.find(Key(file ? file : L""));
    if (it == nodes_.end() || it->second.folder) return sections;
    std::wstring text(it->second.bytes.begin(), it->second.bytes.end());
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find(L'\n', pos);
        if (end == std::wstring::npos) end = text.size();
        const std::wstring line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line[0] == L';') continue;
        if (line[0] == L'[') {
            const auto close = line.find(L']');
            sections.push_back({Trim(line.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1)), {}});
            continue;
        }
        if (sections.empty()) continue;
        const auto eq = line.find(L'=');
        std::wstring key = Trim(line.substr(0, eq));
        std::wstring value = eq == std::wstring::npos ? L"" : Trim(line.substr(eq + 1));
        if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        sections.back().keys.emplace_back(std::move(key), std::move(value));
    }
    return sections;
}

std::uint32_t SimLauncher::CopyList(const std::vector<std::wstring>& names, wchar_t* buffer, std::uint32_t capacity) {
    if (capacity < 2) return 0;
    std::uint32_t used = 0;
    for (const auto& name : names) {
        if (used + name.size() + 1 > capacity - 1) {
            // Does not fit: the system cuts the list and ends it with two terminators.
            const std::uint32_t room = capacity - 2 - used;
            name.copy(buffer + used, room);
            buffer[capacity - 2] = L'\0';
            buffer[capacity - 1] = L'\0';
            return capacity - 2;
        }
        name.copy(buffer + used, name.size());
        used += static_cast<std::uint32_t>(name.size());
        buffer[used++] = L'\0';
    }
    buffer[used] = L'\0';
    return used;
}

std::uint32_t SimLauncher::GetProfileString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                                            wchar_t* buffer, std::uint32_t capacity, const wchar_t* file) {
    if (capacity == 0) return 0;
    const auto sections = ParseIni(file);
    if (!section) {
        std::vector<std::wstring> names;
        for (const auto& s : sections) names.push_back(s.name);
        return CopyList(names, buffer, capacity);
    }
    const IniSection* found = nullptr;
    for (const auto& s : sections)
        if (Lower(s.name) == Lower(section)) {
            found = &s;
            break;
        }
    if (!key) {
        std::vector<std::wstring> names;
        if (found)
            for (const auto& [k, v] : found->keys) names.push_back(k);
        return CopyList(names, buffer, capacity);
    }
    std::wstring value = defaultValue ? defaultValue : L"";
    if (found)
        for (const auto& [k, v] : found->keys)
            if (Lower(k) == Lower(key)) {
                value = v;
                break;
            }
    const std::size_t n = std::min<std::size_t>(value.size(), capacity - 1);
    value.copy(buffer, n);
    buffer[n] = L'\0';
    return static_cast<std::uint32_t>(n);
}

std::uint32_t SimLauncher::GetProfileSectionNames(wchar_t* buffer, std::uint32_t capacity, const wchar_t* file) {
    return GetProfileString(nullptr, nullptr, nullptr, buffer, capacity, file);
}

int SimLauncher::CreateDirectoryTree(const wchar_t* path) {
    const std::wstring key = Key(path);
    if (auto it = directoryFailures.find(key); it != directoryFailures.end()) return it->second;
    if (FolderExists(path)) return 183;
    if (FileExists(path)) return 80;
    AddFolder(path);
    return 0;
}

int SimLauncher::CopyFiles(const wchar_t* from, const wchar_t* to, std::uint16_t flags) {
    copies.push_back({from, to, flags});
    std::wstring pattern = from;
    if (pattern.size() < 1 || pattern.back() != L'*') return 0x7C;  // not a folder pattern
    const std::wstring sourceKey = Key(pattern.substr(0, pattern.size() - 1));
    if (!FolderExists(sourceKey)) return kErrFileNotFound;
    const std::wstring target = Key(to);
    if (!FolderExists(target)) return kErrPathNotFound;
    std::vector<std::pair<std::wstring, Node>> copied;
    for (const auto& [key, node] : nodes_)
        if (key.size() > sourceKey.size() && key.compare(0, sourceKey.size() + 1, sourceKey + L"\\") == 0) {
            Node copy = node;
            copy.path = std::wstring(to) + (std::wstring(to).back() == L'\\' ? L"" : L"\\") +
                        node.path.substr(sourceKey.size() + 1);
            copied.emplace_back(target + key.substr(sourceKey.size()), copy);
        }
    for (auto& [key, node] : copied) nodes_[key] = node;
    return 0;
}

bool SimLauncher::StartProgram(const wchar_t* file, const wchar_t* parameters, int showCommand, Handle& process) {
    starts.push_back({file, parameters ? parameters : L"", showCommand});
    process = kNoHandle;
    if (failStart) {
        lastError_ = startError;
        return false;
    }
    if (!childGivesNoHandle) process = 0x60;
    return true;
}

bool SimLauncher::GetExitCode(Handle process, std::uint32_t& code) {
    if (process != 0x60 || exitCodeUnreadable) return false;
    code = static_cast<std::uint32_t>(childExitCode);
    return true;
}

Handle SimLauncher::OpenLogFile(const wchar_t* path) {
    const std::wstring key = Key(path);
    if (lockedFiles.count(key)) {
        lastError_ = kErrSharingViolation;
        return kNoHandle;
    }
    if (!Parent(key).empty() && !FolderExists(Parent(key))) {
        lastError_ = kErrPathNotFound;
        return kNoHandle;
    }
    if (!FileExists(path)) nodes_[key] = Node{false, path, {}};
    const Handle h = nextHandle_++;
    openFiles_[h] = key;
    return h;
}

void SimLauncher::WriteLogFile(Handle file, const std::uint8_t* bytes, std::uint32_t size) {
    auto it = openFiles_.find(file);
    if (it != openFiles_.end()) nodes_[it->second].bytes.append(reinterpret_cast<const char*>(bytes), size);
}

void SimLauncher::CloseLogFile(Handle file) { openFiles_.erase(file); }

}  // namespace vh::sim
