#include "platform/win32/Win32Registry.h"

#include <windows.h>
#include <shlwapi.h>

#include "platform/win32/Unique.h"

namespace vh::win32 {
namespace {

// A 32-bit process asks for its own view, which changes nothing; the 64-bit build needs it to see
// what the 32-bit release sees.
constexpr REGSAM kView = KEY_WOW64_32KEY;

HKEY ToKey(Handle key) { return reinterpret_cast<HKEY>(key); }

// The system's DWORD is unsigned long, the port's counts are uint32_t: copy through locals
// rather than alias one as the other.
class DwordInOut {
public:
    explicit DwordInOut(std::uint32_t* target) : target_(target), value_(target ? *target : 0) {}
    ~DwordInOut() {
        if (target_ != nullptr) *target_ = static_cast<std::uint32_t>(value_);
    }
    DwordInOut(const DwordInOut&) = delete;
    DwordInOut& operator=(const DwordInOut&) = delete;
    DWORD* get() { return target_ != nullptr ? &value_ : nullptr; }

private:
    std::uint32_t* target_;
    DWORD value_;
};

}  // namespace

// SHGetValueW has no view flag, so the subkey is opened in the 32-bit view first (as SHGetValueW
// itself opens it, for KEY_QUERY_VALUE) and SHGetValueW then reads the value from that key. The
// value is read with SHGetValueW's own rules: a REG_EXPAND_SZ comes back expanded, as REG_SZ, and
// a buffer that is too small gives ERROR_MORE_DATA with the needed size. A missing key gives the
// error of the open, as SHGetValueW would return it.
long Win32Registry::GetValue(const wchar_t* subKey, const wchar_t* valueName, std::uint32_t* type, void* data,
                             std::uint32_t* size) {
    UniqueKey key;
    const LSTATUS opened = ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey, 0, KEY_QUERY_VALUE | kView, key.put());
    if (opened != ERROR_SUCCESS) return opened;
    DwordInOut typeOut(type);
    DwordInOut sizeInOut(size);
    return ::SHGetValueW(key.get(), nullptr, valueName, typeOut.get(), data, sizeInOut.get());
}

long Win32Registry::CreateKey(const wchar_t* subKey, std::uint32_t access, Handle* key) {
    HKEY created = nullptr;
    const LSTATUS result = ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, subKey, 0, nullptr, 0, access | kView, nullptr,
                                             &created, nullptr);
    if (key != nullptr) *key = reinterpret_cast<Handle>(created);
    return result;
}

long Win32Registry::OpenKey(const wchar_t* subKey, std::uint32_t access, Handle* key) {
    HKEY opened = nullptr;
    const LSTATUS result = ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey, 0, access | kView, &opened);
    if (key != nullptr) *key = reinterpret_cast<Handle>(opened);
    return result;
}

long Win32Registry::QueryValue(Handle key, const wchar_t* valueName, std::uint32_t* type, void* data,
                               std::uint32_t* size) {
    DwordInOut typeOut(type);
    DwordInOut sizeInOut(size);
    return ::RegQueryValueExW(ToKey(key), valueName, nullptr, typeOut.get(), static_cast<BYTE*>(data),
                              sizeInOut.get());
}

long Win32Registry::SetValue(Handle key, const wchar_t* valueName, std::uint32_t type, const void* data,
                             std::uint32_t size) {
    return ::RegSetValueExW(ToKey(key), valueName, 0, type, static_cast<const BYTE*>(data), size);
}

long Win32Registry::CloseKey(Handle key) { return ::RegCloseKey(ToKey(key)); }

}  // namespace vh::win32
