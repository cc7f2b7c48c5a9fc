// Operating-system queries: the WMI steps of the version query, the native architecture, the
// classic version structure, the token's groups and the power status. Results are HRESULTs or
// plain success flags; every decision about them is the caller's.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vh {

struct OsVersionInfo {  // the fields of OSVERSIONINFOEXW that the program reads
    std::uint32_t majorVersion = 0;
    std::uint32_t minorVersion = 0;
    std::uint32_t platformId = 0;
    std::uint8_t productType = 0;
};

struct TokenGroup {
    bool nameFound = false;  // LookupAccountSidW succeeded
    std::wstring name;       // account name (without the domain)
    std::uint32_t attributes = 0;
};

struct PowerStatus {
    std::uint8_t acLineStatus = 255;
    std::uint8_t batteryLifePercent = 255;
};

// One run of the WMI version query. The session owns what it obtains (locator, services,
// enumerator, class objects) and releases it on ReleaseAll or destruction.
class WmiSession {
public:
    virtual ~WmiSession() = default;
    virtual std::int32_t InitializeCom() = 0;        // CoInitializeEx(COINIT_APARTMENTTHREADED)
    virtual std::int32_t InitializeSecurity() = 0;   // CoInitializeSecurity(...)
    virtual std::int32_t CreateLocator() = 0;        // CoCreateInstance(CLSID_WbemLocator)
    virtual std::int32_t ConnectServer(const wchar_t* nameSpace) = 0;
    virtual std::int32_t SetProxyBlanket() = 0;
    virtual std::int32_t ExecQuery(const wchar_t* language, const wchar_t* query) = 0;
    // Next object (WBEM_INFINITE) and its property read as text; false when no object came back.
    virtual bool NextObject(const wchar_t* property, std::wstring& value) = 0;
    virtual void ReleaseAll() = 0;
    virtual void UninitializeCom() = 0;
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual WmiSession& Wmi() = 0;
    // GetNativeSystemInfo looked up in kernel32.dll; false when it is not there.
    virtual bool GetNativeArchitecture(std::uint16_t& architecture) = 0;
    virtual bool GetVersionInfo(OsVersionInfo& info) = 0;  // GetVersionExW
    // The own token's groups, read into a buffer of bufferBytes; false when they cannot be read
    // or do not fit.
    virtual bool GetTokenGroups(std::uint32_t bufferBytes, std::vector<TokenGroup>& groups) = 0;
    virtual bool GetPowerStatus(PowerStatus& status) = 0;  // GetSystemPowerStatus
};

}  // namespace vh
