#include "setup/DriverInfo.h"

#include "setup/ProfileList.h"

namespace vh {

namespace {

// Lists and values are read into 260-character buffers; what the reader cuts off is not seen.
constexpr std::uint32_t kListCapacity = 260;
constexpr std::uint32_t kValueCapacity = 260;

std::wstring ReadValue(LauncherSystem& system, const std::wstring& section, const std::wstring& key,
                       const wchar_t* iniPath) {
    wchar_t value[kValueCapacity] = {};
    system.GetProfileString(section.c_str(), key.c_str(), L"", value, kValueCapacity, iniPath);
    value[kValueCapacity - 1] = L'\0';
    return value;
}

}  // namespace

int LoadDriverInfo(LauncherSystem& system, LauncherState& state) {
    const wchar_t* iniPath = state.iniPath.c_str();
    if (!system.PathExists(iniPath)) return kSetupFailed;

    wchar_t sectionList[kListCapacity] = {};
    const std::uint32_t sectionsReported = system.GetProfileSectionNames(sectionList, kListCapacity, iniPath);
    for (const std::wstring& name : SplitProfileList(sectionList, kListCapacity, sectionsReported)) {
        if (name == L"Utility") continue;
        DriverSection section{name, {}, {}};

        wchar_t keyList[kListCapacity] = {};
        const std::uint32_t keysReported =
            system.GetProfileString(name.c_str(), nullptr, L"", keyList, kListCapacity, iniPath);
        for (const DriverKeyPair& pair : PairDriverKeys(SplitProfileList(keyList, kListCapacity, keysReported))) {
            section.sources.push_back(ReadValue(system, name, pair.sourceKey, iniPath));
            section.destinations.push_back(ReadValue(system, name, pair.destinationKey, iniPath));
        }
        state.driverSections.push_back(std::move(section));
    }
    return kSetupSucceeded;
}

}  // namespace vh
