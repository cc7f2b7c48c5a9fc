#include "platform/sim/SimLauncher.h"

#include <algorithm>

namespace vh::sim {

namespace {

constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorPathNotFound = 3;
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorInvalidHandle = 6;
constexpr std::uint32_t kErrorSharingViolation = 32;
constexpr int kErrorFileExists = 80;
constexpr std::uint32_t kErrorInsufficientBuffer = 122;
constexpr int kErrorBadPathname = 161;
constexpr int kErrorAlreadyExistsCode = 183;
constexpr int kErrorFilenameTooLong = 206;
constexpr int kCopyInvalidFiles = 0x7C;
constexpr std::size_t kMaxDirectoryPath = 248;  // a folder path must leave room for a file name

wchar_t Lower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }
wchar_t Upper(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

std::wstring Lowered(std::wstring s) {
    std::transform(s.begin(), s.end(), s.begin(), Lower);
    return s;
}
std::wstring Uppered(std::wstring s) {
    std::transform(s.begin(), s.end(), s.begin(), Upper);
    return s;
}
bool SameText(const std::wstring& a, const std::wstring& b) { return Lowered(a) == Lowered(b); }

std::vector<std::wstring> SplitPath(const std::wstring& path) {
    std::vector<std::wstring> parts;
    std::wstring part;
    for (const wchar_t c : path) {
        if (c == L'\\' || c == L'/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

bool IsDrive(const std::wstring& part) {
    return part.size() == 2 && part[1] == L':' && Lower(part[0]) >= L'a' && Lower(part[0]) <= L'z';
}

// An 8.3-like form: upper case, and a name that is not already 8.3 becomes its first six
// letters and "~1" (collisions are not resolved; tests avoid them).
std::wstring ShortName(const std::wstring& name) {
    if (IsDrive(name)) return Uppered(name);
    const std::size_t dot = name.rfind(L'.');
    std::wstring base = dot == std::wstring::npos || dot == 0 ? name : name.substr(0, dot);
    std::wstring ext = dot == std::wstring::npos || dot == 0 ? L"" : name.substr(dot + 1);
    const bool is83 = !base.empty() && base.size() <= 8 && ext.size() <= 3 && name.find(L' ') == std::wstring::npos &&
                      std::count(name.begin(), name.end(), L'.') <= 1;
    if (!is83) {
        std::erase_if(base, [](wchar_t c) { return c == L' ' || c == L'.'; });
        std::erase(ext, L' ');
        base = base.substr(0, 6) + L"~1";
        ext = ext.substr(0, 3);
    }
    return Uppered(ext.empty() ? base : base + L"." + ext);
}

std::wstring Trim(const std::wstring& s) {
    const std::size_t first = s.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return L"";
    const std::size_t last = s.find_last_not_of(L" \t");
    return s.substr(first, last - first + 1);
}

std::wstring Decode(const std::string& bytes) {
    std::wstring text;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                         (static_cast<unsigned char>(bytes[i + 1]) << 8));
        }
    } else {
        for (const char b : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(b));
    }
    return text;
}

// Names each terminated and the list ended by a second terminator; cut as described in the header.
std::uint32_t WriteList(const std::vector<std::wstring>& names, wchar_t* buffer, std::uint32_t capacity) {
    if (!buffer || capacity == 0) return 0;
    if (capacity == 1) {
        buffer[0] = L'\0';
        return 0;
    }
    std::size_t used = 0;
    for (const std::wstring& name : names) {
        if (used + name.size() + 1 <= capacity - 1) {
            name.copy(buffer + used, name.size());
            used += name.size();
            buffer[used++] = L'\0';
            continue;
        }
        if (used <= capacity - 2) {
            name.copy(buffer + used, capacity - 2 - used);
            buffer[capacity - 2] = L'\0';
        }
        buffer[capacity - 1] = L'\0';
        return capacity - 2;
    }
    buffer[used] = L'\0';
    return static_cast<std::uint32_t>(used);
}

std::uint32_t WriteValue(const std::wstring& value, wchar_t* buffer, std::uint32_t capacity) {
    if (!buffer || capacity == 0) return 0;
    const std::size_t n = std::min<std::size_t>(value.size(), capacity - 1);
    value.copy(buffer, n);
    buffer[n] = L'\0';
    return static_cast<std::uint32_t>(n);
}

std::wstring StripQuotes(const std::wstring& value) {
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::wstring WithoutTrailingPattern(const std::wstring& entry) {
    if (entry.size() >= 2 && entry.compare(entry.size() - 2, 2, L"\\*") == 0) return entry.substr(0, entry.size() - 2);
    return entry;
}

// A double-terminated list as its entries.
std::vector<std::wstring> ReadDoubleTerminated(const wchar_t* list) {
    std::vector<std::wstring> entries;
    if (!list) return entries;
    while (*list) {
        entries.emplace_back(list);
        list += entries.back().size() + 1;
    }
    return entries;
}

}  // namespace

// --- File tree ------------------------------------------------------------------------------

std::optional<std::wstring> SimLauncher::FindChild(const std::wstring& parentKey, const std::wstring& component) const {
    const std::wstring direct = parentKey + L"\\" + Lowered(component);
    if (tree_.count(direct)) return direct;
    const std::wstring prefix = parentKey + L"\\";
    for (auto it = tree_.lower_bound(prefix); it != tree_.end() && it->first.starts_with(prefix); ++it) {
        if (it->first.find(L'\\', prefix.size()) != std::wstring::npos) continue;  // deeper
        if (SameText(ShortName(it->second.name), component)) return it->first;
    }
    return std::nullopt;
}

std::optional<std::vector<std::wstring>> SimLauncher::ResolveChain(const std::wstring& path) const {
    const std::vector<std::wstring> parts = SplitPath(path);
    if (parts.empty() || !IsDrive(parts[0]) || !tree_.count(Lowered(parts[0]))) return std::nullopt;
    std::vector<std::wstring> keys{Lowered(parts[0])};
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (!tree_.at(keys.back()).folder) return std::nullopt;
        const std::optional<std::wstring> child = FindChild(keys.back(), parts[i]);
        if (!child) return std::nullopt;
        keys.push_back(*child);
    }
    return keys;
}

std::optional<std::wstring> SimLauncher::Resolve(const std::wstring& path) const {
    const auto chain = ResolveChain(path);
    if (!chain) return std::nullopt;
    return chain->back();
}

std::wstring SimLauncher::KeyFor(const std::wstring& path) const {
    const std::vector<std::wstring> parts = SplitPath(path);
    if (parts.empty()) return L"";
    std::wstring key = Lowered(parts[0]);
    bool resolving = tree_.count(key) > 0;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::optional<std::wstring> child = resolving ? FindChild(key, parts[i]) : std::nullopt;
        resolving = child.has_value();
        key = child ? *child : key + L"\\" + Lowered(parts[i]);
    }
    return key;
}

int SimLauncher::MakeFolders(const std::wstring& path, bool allowNewDrive) {
    const std::vector<std::wstring> parts = SplitPath(path);
    if (parts.empty() || !IsDrive(parts[0])) return kErrorBadPathname;
    std::wstring key = Lowered(parts[0]);
    if (!tree_.count(key)) {
        if (!allowNewDrive) return kErrorPathNotFound;
        tree_[key] = Node{true, Uppered(parts[0]), {}};
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (!tree_.at(key).folder) return kErrorPathNotFound;
        const std::optional<std::wstring> child = FindChild(key, parts[i]);
        if (child) {
            key = *child;
            continue;
        }
        key += L"\\" + Lowered(parts[i]);
        tree_[key] = Node{true, parts[i], {}};
    }
    return tree_.at(key).folder ? 0 : kErrorPathNotFound;
}

void SimLauncher::AddFolder(const std::wstring& path) { MakeFolders(path, true); }

void SimLauncher::AddFile(const std::wstring& path, std::string bytes) {
    std::vector<std::wstring> parts = SplitPath(path);
    if (parts.size() < 2) return;
    const std::wstring name = parts.back();
    parts.pop_back();
    std::wstring parent;
    for (const std::wstring& part : parts) parent += part + L"\\";
    if (MakeFolders(parent, true) != 0) return;
    const std::wstring parentKey = KeyFor(parent);
    const std::wstring key = FindChild(parentKey, name).value_or(parentKey + L"\\" + Lowered(name));
    tree_[key] = Node{false, name, std::move(bytes)};
}

void SimLauncher::AddTextFile(const std::wstring& path, const std::wstring& text) {
    const bool singleBytes = std::all_of(text.begin(), text.end(), [](wchar_t c) { return c <= 0xFF; });
    std::string bytes;
    if (singleBytes) {
        for (const wchar_t c : text) bytes += static_cast<char>(static_cast<unsigned char>(c));
    } else {
        bytes = "\xFF\xFE";
        for (const wchar_t c : text) {
            const auto unit = static_cast<std::uint32_t>(c) & 0xFFFF;
            bytes += static_cast<char>(unit & 0xFF);
            bytes += static_cast<char>(unit >> 8);
        }
    }
    AddFile(path, std::move(bytes));
}

bool SimLauncher::IsFile(const std::wstring& path) const {
    const auto key = Resolve(path);
    return key && !tree_.at(*key).folder;
}

bool SimLauncher::IsFolder(const std::wstring& path) const {
    const auto key = Resolve(path);
    return key && tree_.at(*key).folder;
}

std::string SimLauncher::FileBytes(const std::wstring& path) const {
    const auto key = Resolve(path);
    return key && !tree_.at(*key).folder ? tree_.at(*key).bytes : std::string();
}

bool SimLauncher::PathExists(const wchar_t* path) {
    if (path && Resolve(path)) return true;
    lastError = kErrorFileNotFound;
    return false;
}

std::uint32_t SimLauncher::GetShortPath(const wchar_t* longPath, wchar_t* buffer, std::uint32_t capacity) {
    const auto chain = longPath ? ResolveChain(longPath) : std::nullopt;
    if (!chain) {
        lastError = kErrorFileNotFound;
        return 0;
    }
    std::wstring shortPath;
    for (const std::wstring& key : *chain) {
        if (!shortPath.empty()) shortPath += L"\\";
        shortPath += ShortName(tree_.at(key).name);
    }
    const std::wstring text(longPath);
    if (chain->size() == 1 || text.back() == L'\\' || text.back() == L'/') shortPath += L"\\";
    if (!buffer || shortPath.size() + 1 > capacity) return static_cast<std::uint32_t>(shortPath.size() + 1);
    return WriteValue(shortPath, buffer, capacity);
}

int SimLauncher::CreateDirectoryTree(const wchar_t* path) {
    const std::wstring text = path ? path : L"";
    createdDirectories.push_back(text);
    int result = 0;
    const std::wstring key = KeyFor(text);
    const auto scripted = std::find_if(createDirectoryFailures.begin(), createDirectoryFailures.end(),
                                       [&](const auto& failure) { return KeyFor(failure.first) == key; });
    const std::wstring trimmed = text.substr(0, text.find_last_not_of(L"\\/") + 1);
    if (scripted != createDirectoryFailures.end()) {
        result = scripted->second;
    } else if (SplitPath(text).empty() || !IsDrive(SplitPath(text)[0])) {
        result = kErrorBadPathname;
    } else if (trimmed.size() >= kMaxDirectoryPath) {
        result = kErrorFilenameTooLong;
    } else if (const auto existing = Resolve(text)) {
        result = tree_.at(*existing).folder ? kErrorAlreadyExistsCode : kErrorFileExists;
    } else {
        result = MakeFolders(text, false);
    }
    if (result != 0) lastError = static_cast<std::uint32_t>(result);
    return result;
}

int SimLauncher::CopyEntry(const std::wstring& sourceKey, const std::wstring& destinationParentKey) {
    const Node source = tree_.at(sourceKey);
    const std::wstring target =
        FindChild(destinationParentKey, source.name).value_or(destinationParentKey + L"\\" + Lowered(source.name));
    const auto existing = tree_.find(target);
    if (existing != tree_.end() && existing->second.folder != source.folder) return kCopyInvalidFiles;
    if (!source.folder) {
        tree_[target] = source;  // overwrites without asking
        return 0;
    }
    if (existing == tree_.end()) tree_[target] = Node{true, source.name, {}};
    std::vector<std::wstring> children;
    const std::wstring prefix = sourceKey + L"\\";
    for (auto it = tree_.lower_bound(prefix); it != tree_.end() && it->first.starts_with(prefix); ++it) {
        if (it->first.find(L'\\', prefix.size()) == std::wstring::npos) children.push_back(it->first);
    }
    for (const std::wstring& child : children) {
        if (const int result = CopyEntry(child, target); result != 0) return result;
    }
    return 0;
}

int SimLauncher::CopyFiles(const wchar_t* from, const wchar_t* to, std::uint16_t flags) {
    SimCopy copy{ReadDoubleTerminated(from), ReadDoubleTerminated(to), flags, 0};
    auto finish = [&](int result) {
        copy.result = result;
        copies.push_back(copy);
        return result;
    };
    if (copy.from.empty() || copy.to.empty()) return finish(kCopyInvalidFiles);
    for (const auto& [folder, result] : copyFailures) {
        if (KeyFor(folder) == KeyFor(WithoutTrailingPattern(copy.from[0]))) return finish(result);
    }

    const std::wstring& destination = copy.to[0];
    const auto destinationNode = Resolve(destination);
    if (destinationNode && !tree_.at(*destinationNode).folder) return finish(kCopyInvalidFiles);
    for (const std::wstring& entry : copy.from) {
        const bool contents = WithoutTrailingPattern(entry) != entry;
        const auto source = Resolve(WithoutTrailingPattern(entry));
        if (!source || (contents && !tree_.at(*source).folder)) return finish(kCopyInvalidFiles);
        const std::wstring destinationKey = KeyFor(destination);
        if (destinationKey == *source || destinationKey.starts_with(*source + L"\\")) return finish(kCopyInvalidFiles);
        if (MakeFolders(destination, false) != 0) return finish(kCopyInvalidFiles);
        const std::wstring target = KeyFor(destination);
        if (!contents) {
            if (const int result = CopyEntry(*source, target); result != 0) return finish(result);
            continue;
        }
        std::vector<std::wstring> children;
        const std::wstring prefix = *source + L"\\";
        for (auto it = tree_.lower_bound(prefix); it != tree_.end() && it->first.starts_with(prefix); ++it) {
            if (it->first.find(L'\\', prefix.size()) == std::wstring::npos) children.push_back(it->first);
        }
        for (const std::wstring& child : children) {
            if (const int result = CopyEntry(child, target); result != 0) return finish(result);
        }
    }
    return finish(0);
}

// --- Profile reader -------------------------------------------------------------------------

std::vector<SimLauncher::IniSection> SimLauncher::ReadIni(const wchar_t* file) {
    std::vector<IniSection> sections;
    const auto key = file ? Resolve(file) : std::nullopt;
    if (!key || tree_.at(*key).folder) {
        lastError = kErrorFileNotFound;
        return sections;
    }
    const std::wstring text = Decode(tree_.at(*key).bytes);
    IniSection* current = nullptr;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        line = Trim(line);
        if (line.empty() || line[0] == L';') continue;
        if (line[0] == L'[') {
            const std::size_t close = line.find(L']');
            const std::size_t length = close == std::wstring::npos ? std::wstring::npos : close - 1;
            const std::wstring name = Trim(line.substr(1, length));
            current = nullptr;
            if (name.empty()) continue;
            const bool seen = std::any_of(sections.begin(), sections.end(),
                                          [&](const IniSection& s) { return SameText(s.name, name); });
            if (!seen) current = &sections.emplace_back(IniSection{name, {}});
            continue;
        }
        if (!current) continue;
        const std::size_t equals = line.find(L'=');
        IniKey entry;
        entry.name = Trim(line.substr(0, equals));
        if (equals != std::wstring::npos) {
            entry.value = StripQuotes(Trim(line.substr(equals + 1)));
            entry.hasValue = true;
        }
        if (!entry.name.empty()) current->keys.push_back(std::move(entry));
    }
    return sections;
}

std::uint32_t SimLauncher::GetProfileSectionNames(wchar_t* buffer, std::uint32_t capacity, const wchar_t* file) {
    std::vector<std::wstring> names;
    for (const IniSection& section : ReadIni(file)) names.push_back(section.name);
    return WriteList(names, buffer, capacity);
}

std::uint32_t SimLauncher::GetProfileString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                                            wchar_t* buffer, std::uint32_t capacity, const wchar_t* file) {
    if (!section) return GetProfileSectionNames(buffer, capacity, file);
    const std::vector<IniSection> sections = ReadIni(file);
    const auto found = std::find_if(sections.begin(), sections.end(),
                                    [&](const IniSection& s) { return SameText(s.name, section); });
    if (!key) {
        std::vector<std::wstring> names;
        if (found != sections.end())
            for (const IniKey& k : found->keys) names.push_back(k.name);
        return WriteList(names, buffer, capacity);
    }
    if (found != sections.end()) {
        const auto entry = std::find_if(found->keys.begin(), found->keys.end(),
                                        [&](const IniKey& k) { return SameText(k.name, key); });
        if (entry != found->keys.end() && entry->hasValue) return WriteValue(entry->value, buffer, capacity);
    }
    lastError = kErrorFileNotFound;
    return WriteValue(defaultValue ? defaultValue : L"", buffer, capacity);
}

// --- Handles, mutexes and the child -------------------------------------------------------

Handle SimLauncher::NewHandle(HandleKind kind, std::wstring target) {
    const Handle handle = nextHandle_;
    nextHandle_ += 4;
    handles_[handle] = OpenHandle{kind, std::move(target)};
    return handle;
}

const SimLauncher::OpenHandle* SimLauncher::FindHandle(Handle handle, HandleKind kind) const {
    const auto it = handles_.find(handle);
    return it != handles_.end() && it->second.kind == kind ? &it->second : nullptr;
}

SimLauncher::MutexResult SimLauncher::CreateNamedMutex(const wchar_t* name) {
    if (mutexError != 0) {
        lastError = mutexError;
        return {kNoHandle, mutexError};
    }
    const std::wstring text = name ? name : L"";
    const bool exists = heldMutexes.count(text) > 0 || ownMutexHandles_[text] > 0;
    ++ownMutexHandles_[text];
    const Handle handle = NewHandle(HandleKind::Mutex, text);
    lastError = exists ? kErrorAlreadyExists : 0;
    return {handle, lastError};
}

void SimLauncher::CloseHandle(Handle handle) {
    const auto it = handles_.find(handle);
    if (it == handles_.end() || it->second.kind == HandleKind::LogFile) {
        lastError = kErrorInvalidHandle;
        return;
    }
    if (it->second.kind == HandleKind::Mutex) --ownMutexHandles_[it->second.target];
    handles_.erase(it);
}

std::uint32_t SimLauncher::GetModulePath(wchar_t* buffer, std::uint32_t capacity) {
    if (modulePathError != 0) {
        lastError = modulePathError;
        return 0;
    }
    if (!buffer || capacity == 0) {
        lastError = kErrorInsufficientBuffer;
        return 0;
    }
    // A path that does not fit is cut to the buffer, terminated, and the buffer size returned.
    const std::uint32_t copied = WriteValue(modulePath, buffer, capacity);
    if (copied == modulePath.size()) return copied;
    lastError = kErrorInsufficientBuffer;
    return capacity;
}

bool SimLauncher::StartProgram(const wchar_t* file, const wchar_t* parameters, int showCommand, Handle& process) {
    starts.push_back({file ? file : L"", parameters ? parameters : L"", showCommand});
    process = kNoHandle;
    if (startError != 0) {
        lastError = startError;
        return false;
    }
    if (!startGivesNoHandle) process = NewHandle(HandleKind::Process, starts.back().file);
    return true;
}

void SimLauncher::WaitForProcess(Handle process) {
    waits.push_back(process);
    if (onWait) {
        const std::function<void()> hook = std::move(onWait);
        onWait = nullptr;
        hook();
    }
}

bool SimLauncher::GetExitCode(Handle process, std::uint32_t& code) {
    if (exitCodeError != 0) {
        lastError = exitCodeError;
        return false;
    }
    if (!FindHandle(process, HandleKind::Process)) {
        lastError = kErrorInvalidHandle;
        return false;
    }
    code = childExitCode;
    return true;
}

// --- Log file -------------------------------------------------------------------------------

Handle SimLauncher::OpenLogFile(const wchar_t* path) {
    const std::wstring text = path ? path : L"";
    std::vector<std::wstring> parts = SplitPath(text);
    if (parts.size() < 2) {
        lastError = kErrorPathNotFound;
        return kNoHandle;
    }
    std::wstring parent;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) parent += parts[i] + L"\\";
    const auto parentKey = Resolve(parent);
    if (!parentKey || !tree_.at(*parentKey).folder) {
        lastError = kErrorPathNotFound;
        return kNoHandle;
    }
    const std::wstring key = KeyFor(text);
    const bool held = std::any_of(lockedFiles.begin(), lockedFiles.end(),
                                  [&](const std::wstring& locked) { return KeyFor(locked) == key; }) ||
                      std::any_of(handles_.begin(), handles_.end(), [&](const auto& open) {
                          return open.second.kind == HandleKind::LogFile && open.second.target == key;
                      });
    if (held) {
        lastError = kErrorSharingViolation;
        return kNoHandle;
    }
    const auto existing = tree_.find(key);
    if (existing != tree_.end() && existing->second.folder) {
        lastError = kErrorAccessDenied;
        return kNoHandle;
    }
    if (existing == tree_.end()) tree_[key] = Node{false, parts.back(), {}};
    return NewHandle(HandleKind::LogFile, key);
}

void SimLauncher::WriteLogFile(Handle file, const std::uint8_t* bytes, std::uint32_t size) {
    const OpenHandle* open = FindHandle(file, HandleKind::LogFile);
    if (!open || !bytes) {
        lastError = kErrorInvalidHandle;
        return;
    }
    tree_[open->target].bytes.append(reinterpret_cast<const char*>(bytes), size);
}

void SimLauncher::CloseLogFile(Handle file) {
    if (!FindHandle(file, HandleKind::LogFile)) {
        lastError = kErrorInvalidHandle;
        return;
    }
    handles_.erase(file);
}

}  // namespace vh::sim
