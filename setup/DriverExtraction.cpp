#include "setup/DriverExtraction.h"

#include <string_view>

#include "common/WFormat.h"
#include "setup/DriverPaths.h"

namespace vh {

namespace {

constexpr int kErrorFileExists = 80;
constexpr std::size_t kMessageCapacity = 1024;  // a longer message is cut at the buffer's end

bool IsAcceptedCreateResult(int result) {
    return result == 0 || result == static_cast<int>(kErrorAlreadyExists) || result == kErrorFileExists;
}

// Copies path into list followed by two terminators; false when that does not fit.
bool ToDoubleTerminatedList(const wchar_t* path, wchar_t (&list)[kMaxPath]) {
    const std::wstring_view text(path ? path : L"");
    if (text.size() + 2 > kMaxPath) return false;
    text.copy(list, text.size());
    list[text.size()] = L'\0';
    list[text.size() + 1] = L'\0';
    return true;
}

}  // namespace

int CopyFolderContents(LauncherSystem& system, const wchar_t* source, const wchar_t* destination) {
    wchar_t from[kMaxPath];
    wchar_t to[kMaxPath];
    if (!ToDoubleTerminatedList(source, from) || !ToDoubleTerminatedList(destination, to)) return kErrorPathTooLong;
    return system.CopyFiles(from, to, kDriverCopyFlags);
}

int CopyDriverFolders(LauncherSystem& system, SetupLog& log, const LauncherState& state) {
    const bool appendSectionName = state.driverSections.size() > 1;
    wchar_t message[kMessageCapacity];
    for (const DriverSection& section : state.driverSections) {
        for (std::size_t n = 0; n < section.sources.size() && n < section.destinations.size(); ++n) {
            const std::wstring& sourceValue = section.sources[n];
            const std::wstring& destinationValue = section.destinations[n];
            if (sourceValue.empty() || destinationValue.empty()) continue;

            const PathBuffer destination =
                BuildDestinationPath(system, state.extractRoot, destinationValue.c_str(),
                                     appendSectionName ? section.name.c_str() : nullptr);
            const PathBuffer source = BuildSourcePath(system, state.moduleDir.c_str(), sourceValue.c_str());
            if (destination.empty() || source.empty()) {
                FormatW(message, L"Soure or Dest path empty, error code = %x", system.LastError());
                log.Write(message);
                continue;
            }

            // A path that did not fit is never used cut: it fails the step as the system would.
            const int created =
                destination.TooLong() ? kErrorPathTooLong : system.CreateDirectoryTree(destination.c_str());
            if (!IsAcceptedCreateResult(created)) {
                FormatW(message, L"Failed to create directory= %s, error code = %x", destination.c_str(), created);
                log.Write(message);
                return kSetupFailed;
            }
            const int copied =
                source.TooLong() ? kErrorPathTooLong : CopyFolderContents(system, source.c_str(), destination.c_str());
            if (copied != 0) {
                FormatW(message, L"Failed to copy, Soure directory= %s, Dest directory= %s, error code = %x",
                        source.c_str(), destination.c_str(), copied);
                log.Write(message);
                return kSetupFailed;
            }
        }
    }
    return kSetupSucceeded;
}

}  // namespace vh
