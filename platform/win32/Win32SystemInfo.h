// Operating-system queries: the WMI session of the version query, GetNativeSystemInfo,
// GetVersionExW, the own token's groups and GetSystemPowerStatus.
#pragma once
#include <windows.h>
#include <wbemcli.h>

#include <vector>

#include "platform/ports/SystemInfo.h"
#include "platform/win32/Unique.h"

namespace vh::win32 {

// Holds what one WMI query obtains. Everything is released by ReleaseAll or the destructor,
// which must happen before COM is uninitialised on this thread.
class Win32WmiSession final : public WmiSession {
public:
    Win32WmiSession() = default;
    ~Win32WmiSession() override;
    Win32WmiSession(const Win32WmiSession&) = delete;
    Win32WmiSession& operator=(const Win32WmiSession&) = delete;

    std::int32_t InitializeCom() override;
    std::int32_t InitializeSecurity() override;
    std::int32_t CreateLocator() override;
    std::int32_t ConnectServer(const wchar_t* nameSpace) override;
    std::int32_t SetProxyBlanket() override;
    std::int32_t ExecQuery(const wchar_t* language, const wchar_t* query) override;
    bool NextObject(const wchar_t* property, std::wstring& value) override;
    void ReleaseAll() override;
    void UninitializeCom() override;

private:
    ComPtr<IWbemLocator> locator_;
    ComPtr<IWbemServices> services_;
    ComPtr<IEnumWbemClassObject> enumerator_;
    std::vector<ComPtr<IWbemClassObject>> objects_;
};

class Win32SystemInfo final : public SystemInfo {
public:
    WmiSession& Wmi() override;
    bool GetNativeArchitecture(std::uint16_t& architecture) override;
    bool GetVersionInfo(OsVersionInfo& info) override;
    bool GetTokenGroups(std::uint32_t bufferBytes, std::vector<TokenGroup>& groups) override;
    bool GetPowerStatus(PowerStatus& status) override;

private:
    Win32WmiSession wmi_;
};

}  // namespace vh::win32
