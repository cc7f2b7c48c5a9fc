#include "setup/DriverExtraction.h"

#include <cwchar>

#include "common/WFormat.h"
#include "setup/ExitCode.h"
#include "setup/SetupLog.h"

namespace vh {

namespace {

constexpr int kErrorFileExists = 80;
constexpr std::uint16_t kCopyFlags = 0x0614;  // silent, no confirmation, no mkdir confirmation, no error UI

std::wstring ReadValue(LauncherSystem& system, const std::wstring& section, const std::wstring& key,
                       const wchar_t* iniPath) {
    wchar_t value[kSetupPath] = {};
    system.GetProfileString(section.c_str(), key.c_str(), L"", value, kSetupPath, iniPath);
    value[kSetupPath - 1] = L'\0';
    return value;
}

// Replaces an existing path by its short form. When the short form cannot be had, the path is
// left empty, as the system leaves its output buffer, and the pair is then reported and skipped.
void ShortenIfExists(LauncherSystem& system, wchar_t* path) {
    if (!system.PathExists(path)) return;
    wchar_t shortPath[kSetupPath] = {};
    const std::uint32_t length = system.GetShortPath(path, shortPath, kSetupPath);
    if (length == 0 || length >= kSetupPath) shortPath[0] = L'\0';
    CopyCut(path, kSetupPath, shortPath);
}

}  // namespace

std::vector<std::wstring> SplitNameList(const wchar_t* list, std::size_t length) {
    std::vector<std::wstring> names;
    std::size_t pos = 0;
    while (pos < length && list[pos] != L'\0') {
        std::size_t end = pos;
        while (end < length && list[end] != L'\0') ++end;
        names.emplace_back(list + pos, end - pos);
        pos = end + 1;
    }
    return names;
}

std::vector<std::pair<std::size_t, std::size_t>> PairDriverKeys(const std::vector<std::wstring>& keys) {
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    std::size_t i = 0;
    while (i < keys.size()) {
        if (Contains(keys[i], L"ExtractDrvSource") && i + 1 < keys.size() && Contains(keys[i + 1], L"ExtractDrvDest")) {
            pairs.emplace_back(i, i + 1);
            i += 2;
        } else {
            ++i;
        }
    }
    return pairs;
}

int LoadDriverInfo(LauncherSystem& system, LauncherState& state) {
    if (!system.PathExists(state.iniPath)) return kSetupAbort;
    wchar_t sectionList[kSetupPath] = {};
    const std::uint32_t listLength = system.GetProfileSectionNames(sectionList, kSetupPath, state.iniPath);
    const std::size_t usable = listLength < kSetupPath ? listLength : kSetupPath - 1;
    for (const std::wstring& name : SplitNameList(sectionList, usable)) {
        if (name == L"Utility") continue;
        DriverSection section;
        section.name = name;
        wchar_t keyList[kSetupPath] = {};
        const std::uint32_t keysLength =
            system.GetProfileString(name.c_str(), nullptr, L"", keyList, kSetupPath, state.iniPath);
        const std::vector<std::wstring> keys =
            SplitNameList(keyList, keysLength < kSetupPath ? keysLength : kSetupPath - 1);
        for (auto [source, destination] : PairDriverKeys(keys)) {
            section.sources.push_back(ReadValue(system, name, keys[source], state.iniPath));
            section.destinations.push_back(ReadValue(system, name, keys[destination], state.iniPath));
        }
        state.driverSections.push_back(std::move(section));
    }
    return 0;
}

int CopyDriverFolders(LauncherSystem& system, LauncherState& state) {
    const bool nameInPath = state.driverSections.size() > 1;
    for (const DriverSection& section : state.driverSections) {
        for (std::size_t n = 0; n < section.sources.size(); ++n) {
            const std::wstring& sourceValue = section.sources[n];
            const std::wstring& destinationValue = section.destinations[n];
            if (sourceValue.empty() || destinationValue.empty()) continue;

            // Paths are built in 260-character buffers; text beyond that is cut.
            wchar_t destination[kSetupPath] = {};
            CopyCut(destination, kSetupPath, state.extractRoot);
            AddBackslash(destination, kSetupPath);
            AppendCut(destination, kSetupPath, destinationValue);
            AddBackslash(destination, kSetupPath);
            if (nameInPath) AppendCut(destination, kSetupPath, section.name);
            ShortenIfExists(system, destination);

            wchar_t source[kSetupPath] = {};
            CopyCut(source, kSetupPath, state.moduleDir);
            AppendCut(source, kSetupPath, L"\\");
            AppendCut(source, kSetupPath, sourceValue);
            AddBackslash(source, kSetupPath);
            ShortenIfExists(system, source);
            if (source[0] != L'\0') AppendCut(source, kSetupPath, L"*");

            wchar_t message[kCopyMessage];
            if (source[0] == L'\0' || destination[0] == L'\0') {
                FormatW(message, L"Soure or Dest path empty, error code = %x", system.LastError());
                WriteLog(system, state.logPath, message);
                continue;
            }
            const int created = system.CreateDirectoryTree(destination);
            if (created != 0 && created != static_cast<int>(kErrorAlreadyExists) && created != kErrorFileExists) {
                FormatW(message, L"Failed to create directory= %s, error code = %x", destination, created);
                WriteLog(system, state.logPath, message);
                return kSetupAbort;
            }
            const int copied = CopyFolderContents(system, source, destination);
            if (copied != 0) {
                FormatW(message, L"Failed to copy, Soure directory= %s, Dest directory= %s, error code = %x", source,
                        destination, copied);
                WriteLog(system, state.logPath, message);
                return kSetupAbort;
            }
        }
    }
    return 0;
}

int CopyFolderContents(LauncherSystem& system, const wchar_t* sourcePattern, const wchar_t* destination) {
    // Each path in its own 260-character buffer, ended by two terminators: at most 258
    // characters of a path are kept.
    wchar_t from[kSetupPath] = {};
    wchar_t to[kSetupPath] = {};
    CopyCut(from, kSetupPath - 1, sourcePattern);
    CopyCut(to, kSetupPath - 1, destination);
    return system.CopyFiles(from, to, kCopyFlags);
}

}  // namespace vh
