#include "services/SystemQueries.h"

#include <string>
#include <vector>

#include "common/WFormat.h"
#include "common/WText.h"
#include "services/OsVersion.h"

namespace vh {

namespace {

constexpr std::int32_t kRpcETooLate = static_cast<std::int32_t>(0x80010119u);
constexpr std::uint32_t kPlatformWin32Nt = 2;
constexpr std::uint8_t kNtWorkstation = 1;
constexpr std::uint32_t kGroupEnabled = 0x4;
constexpr std::uint32_t kTokenGroupsBufferBytes = 1024;

bool Failed(std::int32_t hr) { return hr < 0; }

// The hresult messages fit a buffer of 100 characters.
void LogHresult(DebugOutput& out, const wchar_t* pattern, std::int32_t hr) {
    wchar_t text[100];
    FormatW(text, pattern, static_cast<std::uint32_t>(hr));
    out.Write(text);
}

}  // namespace

std::uint32_t QueryOsVersion(SystemInfo& system, DebugOutput& out) {
    WmiSession& wmi = system.Wmi();
    std::int32_t hr = wmi.InitializeCom();
    if (Failed(hr)) {
        LogHresult(out, L"[VarnoHotkey] Failed to initialize COM library. hres = 0x%x", hr);
        return kNoOsVersion;
    }
    auto fail = [&]() {
        wmi.ReleaseAll();
        wmi.UninitializeCom();
        return kNoOsVersion;
    };
    hr = wmi.InitializeSecurity();
    if (Failed(hr) && hr != kRpcETooLate) {
        LogHresult(out, L"[VarnoHotkey] Failed to initialize security. hres = 0x%x", hr);
        return fail();
    }
    hr = wmi.CreateLocator();
    if (Failed(hr)) {
        LogHresult(out, L"[VarnoHotkey] Failed to create IWbemLocator object. hres = 0x%x", hr);
        return fail();
    }
    if (Failed(wmi.ConnectServer(L"ROOT\\CIMV2"))) {
        out.Write(L"[VarnoHotkey] Failed to pLoc->ConnectServer.");
        return fail();
    }
    if (Failed(wmi.SetProxyBlanket())) {
        out.Write(L"[VarnoHotkey] Could not set proxy blanket.");
        return fail();
    }
    if (Failed(wmi.ExecQuery(L"WQL", L"Select * from Win32_OperatingSystem"))) {
        out.Write(L"[VarnoHotkey] Query for operating system name failed.");
        return fail();
    }
    std::wstring version;
    std::wstring value;
    while (wmi.NextObject(L"Version", value)) version = value;  // the last object read wins
    wmi.ReleaseAll();
    wmi.UninitializeCom();

    std::uint16_t architecture = 0;
    if (!system.GetNativeArchitecture(architecture)) return kNoOsVersion;
    return PackOsVersion(ParseOsVersion(version), architecture);
}

bool IsWin8OrLater(SystemInfo& system, DebugOutput& out) {
    const std::uint32_t packed = QueryOsVersion(system, out);
    if (packed != kNoOsVersion) return IsPackedAtLeastWin8(packed);
    OsVersionInfo info;
    if (!system.GetVersionInfo(info)) return false;
    return info.platformId == kPlatformWin32Nt && info.majorVersion >= 6 && info.minorVersion >= 2 &&
           info.productType == kNtWorkstation;
}

bool IsGuestUser(SystemInfo& system, DebugOutput& out) {
    out.Write(L"[stdafx] IsGuestUser");
    std::vector<TokenGroup> groups;
    if (!system.GetTokenGroups(kTokenGroupsBufferBytes, groups)) groups.clear();
    for (const TokenGroup& group : groups) {
        if (group.nameFound && (group.attributes & kGroupEnabled) && EqualsNoCase(group.name, L"guests")) {
            out.Write(L"[Function_UI] GuestUser");
            return true;
        }
    }
    out.Write(L"[Function_UI] Not GuestUser");
    return false;
}

bool IsAcOnline(SystemInfo& system) {
    PowerStatus status;
    return system.GetPowerStatus(status) && status.acLineStatus == 1;
}

}  // namespace vh
