#include "platform/win32/Win32SystemInfo.h"

#include <oleauto.h>

#include <cstddef>
#include <string>
#include <utility>

namespace vh::win32 {
namespace {

// {4590F811-1D3A-11D0-891F-00AA004B2E24}
constexpr GUID kClsidWbemLocator = {0x4590F811, 0x1D3A, 0x11D0, {0x89, 0x1F, 0x00, 0xAA, 0x00, 0x4B, 0x2E, 0x24}};
// {DC12A687-737F-11CF-884D-00AA004B2E24}
constexpr GUID kIidWbemLocator = {0xDC12A687, 0x737F, 0x11CF, {0x88, 0x4D, 0x00, 0xAA, 0x00, 0x4B, 0x2E, 0x24}};

struct BstrTraits {
    using Type = BSTR;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type s) noexcept { return s != nullptr; }
    static void Close(Type s) noexcept { ::SysFreeString(s); }
};
using UniqueBstr = Unique<BstrTraits>;

class Variant {
public:
    Variant() noexcept { ::VariantInit(&value_); }
    ~Variant() { ::VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT* get() noexcept { return &value_; }
    const VARIANT& operator*() const noexcept { return value_; }

private:
    VARIANT value_;
};

constexpr std::int32_t kNoObject = static_cast<std::int32_t>(E_POINTER);

}  // namespace

// ---- WMI session ----

Win32WmiSession::~Win32WmiSession() { ReleaseAll(); }

std::int32_t Win32WmiSession::InitializeCom() { return ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }

std::int32_t Win32WmiSession::InitializeSecurity() {
    return ::CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT, RPC_C_IMP_LEVEL_IMPERSONATE,
                                  nullptr, EOAC_NONE, nullptr);
}

std::int32_t Win32WmiSession::CreateLocator() {
    void* locator = nullptr;
    const HRESULT hr = ::CoCreateInstance(kClsidWbemLocator, nullptr, CLSCTX_INPROC_SERVER, kIidWbemLocator, &locator);
    locator_.reset(static_cast<IWbemLocator*>(locator));
    return hr;
}

// The steps below each need the object of the step before; called out of order they fail
// with E_POINTER instead of calling through null.
std::int32_t Win32WmiSession::ConnectServer(const wchar_t* nameSpace) {
    if (!locator_) return kNoObject;
    const UniqueBstr path(::SysAllocString(nameSpace));
    return locator_->ConnectServer(path.get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr, services_.put());
}

std::int32_t Win32WmiSession::SetProxyBlanket() {
    if (!services_) return kNoObject;
    return ::CoSetProxyBlanket(services_.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                               RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
}

std::int32_t Win32WmiSession::ExecQuery(const wchar_t* language, const wchar_t* query) {
    if (!services_) return kNoObject;
    const UniqueBstr languageText(::SysAllocString(language));
    const UniqueBstr queryText(::SysAllocString(query));
    return services_->ExecQuery(languageText.get(), queryText.get(),
                                WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr, enumerator_.put());
}

bool Win32WmiSession::NextObject(const wchar_t* property, std::wstring& value) {
    if (!enumerator_) return false;
    IWbemClassObject* object = nullptr;
    ULONG returned = 0;
    enumerator_->Next(static_cast<LONG>(WBEM_INFINITE), 1, &object, &returned);
    if (returned == 0) return false;
    // Kept until ReleaseAll, like every object the query hands out.
    objects_.emplace_back(object);

    Variant propertyValue;
    const HRESULT hr = object->Get(property, 0, propertyValue.get(), nullptr, nullptr);
    const VARIANT& v = *propertyValue;
    if (SUCCEEDED(hr) && v.vt == VT_BSTR && v.bstrVal != nullptr) {
        value.assign(v.bstrVal, ::SysStringLen(v.bstrVal));
    } else {
        value.clear();
    }
    return true;
}

void Win32WmiSession::ReleaseAll() {
    services_.reset();
    locator_.reset();
    enumerator_.reset();
    objects_.clear();
}

void Win32WmiSession::UninitializeCom() { ::CoUninitialize(); }

// ---- System queries ----

WmiSession& Win32SystemInfo::Wmi() { return wmi_; }

bool Win32SystemInfo::GetNativeArchitecture(std::uint16_t& architecture) {
    // Looked up at run time: the call does not exist on every system the release runs on.
    using GetNativeSystemInfoFn = void(WINAPI*)(LPSYSTEM_INFO);
    const HMODULE kernel32 = ::GetModuleHandleW(L"kernel32.dll");  // not counted, not freed
    if (kernel32 == nullptr) return false;
    const FARPROC proc = ::GetProcAddress(kernel32, "GetNativeSystemInfo");
    if (proc == nullptr) return false;
    // Through void(*)() to say that the signature change is intended.
    const auto getNativeSystemInfo = reinterpret_cast<GetNativeSystemInfoFn>(reinterpret_cast<void (*)()>(proc));
    SYSTEM_INFO info{};
    getNativeSystemInfo(&info);
    architecture = info.wProcessorArchitecture;
    return true;
}

bool Win32SystemInfo::GetVersionInfo(OsVersionInfo& info) {
    OSVERSIONINFOEXW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    // GetVersionExW is deprecated in newer SDKs; it is the documented fallback here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const BOOL ok = ::GetVersionExW(reinterpret_cast<LPOSVERSIONINFOW>(&version));
#pragma GCC diagnostic pop
    if (!ok) return false;
    info.majorVersion = version.dwMajorVersion;
    info.minorVersion = version.dwMinorVersion;
    info.platformId = version.dwPlatformId;
    info.productType = version.wProductType;
    return true;
}

bool Win32SystemInfo::GetTokenGroups(std::uint32_t bufferBytes, std::vector<TokenGroup>& groups) {
    groups.clear();
    // Pointer-aligned storage of at least bufferBytes; the system is told exactly bufferBytes.
    std::vector<std::uintptr_t> storage((bufferBytes + sizeof(std::uintptr_t) - 1) / sizeof(std::uintptr_t));
    {
        const UniqueHandle process(
            ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, ::GetCurrentProcessId()));
        if (!process) return false;
        UniqueHandle token;
        if (!::OpenProcessToken(process.get(), TOKEN_QUERY, token.put())) return false;
        DWORD needed = 0;
        if (!::GetTokenInformation(token.get(), TokenGroups, storage.data(), bufferBytes, &needed)) return false;
    }  // token, then process, closed here

    const auto* bytes = reinterpret_cast<const unsigned char*>(storage.data());
    const auto* list = reinterpret_cast<const TOKEN_GROUPS*>(bytes);
    // Groups is declared with one element; the system writes GroupCount of them.
    const auto* entries = reinterpret_cast<const SID_AND_ATTRIBUTES*>(bytes + offsetof(TOKEN_GROUPS, Groups));
    groups.reserve(list->GroupCount);
    for (DWORD i = 0; i < list->GroupCount; ++i) {
        wchar_t name[1024] = {};
        wchar_t domain[1024] = {};
        DWORD nameChars = 1024;
        DWORD domainChars = 1024;
        SID_NAME_USE use{};
        const BOOL found = ::LookupAccountSidW(nullptr, entries[i].Sid, name, &nameChars, domain, &domainChars, &use);
        TokenGroup group;
        group.nameFound = found != FALSE;
        if (group.nameFound) group.name = name;
        group.attributes = entries[i].Attributes;
        groups.push_back(std::move(group));
    }
    return true;
}

bool Win32SystemInfo::GetPowerStatus(PowerStatus& status) {
    SYSTEM_POWER_STATUS power{};
    if (!::GetSystemPowerStatus(&power)) return false;
    status.acLineStatus = power.ACLineStatus;
    status.batteryLifePercent = power.BatteryLifePercent;
    return true;
}

}  // namespace vh::win32
