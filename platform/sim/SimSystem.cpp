#include "platform/sim/SimSystem.h"

namespace vh::sim {

std::int32_t SimWmi::InitializeCom() {
    trace_.Add(L"CoInitializeEx");
    const std::int32_t hr = Step(WmiStep::InitializeCom);
    if (hr >= 0) ++comInitialized;
    next_ = 0;
    return hr;
}

std::int32_t SimWmi::ConnectServer(const wchar_t* nameSpace) {
    if (std::wstring(nameSpace) != L"ROOT\\CIMV2") return static_cast<std::int32_t>(0x8004100Eu);
    return Acquire(WmiStep::ConnectServer);
}

std::int32_t SimWmi::ExecQuery(const wchar_t* language, const wchar_t* query) {
    ++queries;
    if (std::wstring(language) != L"WQL" || std::wstring(query) != L"Select * from Win32_OperatingSystem")
        return static_cast<std::int32_t>(0x80041017u);
    return Acquire(WmiStep::ExecQuery);
}

bool SimWmi::NextObject(const wchar_t* property, std::wstring& value) {
    if (next_ >= versions.size()) return false;
    ++acquired;
    value = std::wstring(property) == L"Version" ? versions[next_] : L"";
    ++next_;
    return true;
}

void SimWmi::UninitializeCom() {
    trace_.Add(L"CoUninitialize");
    --comInitialized;
}

bool SimSystem::GetNativeArchitecture(std::uint16_t& arch) {
    if (!nativeInfoAvailable) return false;
    arch = architecture;
    return true;
}

bool SimSystem::GetVersionInfo(OsVersionInfo& info) {
    if (!versionInfoAvailable) return false;
    info = versionInfo;
    return true;
}

bool SimSystem::GetTokenGroups(std::uint32_t bufferBytes, std::vector<TokenGroup>& groups) {
    if (!tokenGroupsReadable || tokenGroupsBytes > bufferBytes) return false;
    groups = tokenGroups;
    return true;
}

bool SimSystem::GetPowerStatus(PowerStatus& status) {
    if (!powerStatusReadable) return false;
    status = powerStatus;
    return true;
}

}  // namespace vh::sim
