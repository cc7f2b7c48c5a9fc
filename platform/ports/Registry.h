// Registry access under HKEY_LOCAL_MACHINE, always through the 32-bit view.
// Results are Windows error codes (0 = ERROR_SUCCESS).
#pragma once
#include <cstdint>

#include "common/Types.h"

namespace vh {

class Registry {
public:
    virtual ~Registry() = default;

    // SHGetValueW: reads value into data; *size is the buffer size on entry and the value's
    // size on return. A value larger than the buffer gives ERROR_MORE_DATA and no data.
    virtual long GetValue(const wchar_t* subKey, const wchar_t* valueName, std::uint32_t* type, void* data,
                          std::uint32_t* size) = 0;
    // RegCreateKeyExW (class none, options 0, no security attributes).
    virtual long CreateKey(const wchar_t* subKey, std::uint32_t access, Handle* key) = 0;
    // RegOpenKeyExW.
    virtual long OpenKey(const wchar_t* subKey, std::uint32_t access, Handle* key) = 0;
    // RegQueryValueExW on an open key.
    virtual long QueryValue(Handle key, const wchar_t* valueName, std::uint32_t* type, void* data,
                            std::uint32_t* size) = 0;
    // RegSetValueExW on an open key.
    virtual long SetValue(Handle key, const wchar_t* valueName, std::uint32_t type, const void* data,
                          std::uint32_t size) = 0;
    virtual long CloseKey(Handle key) = 0;
};

namespace reg {
constexpr std::uint32_t kKeyAllAccess = 0xF003F;
constexpr std::uint32_t kKeyReadSetCreate = 0x2001F;  // KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY
constexpr std::uint32_t kTypeDword = 4;
}  // namespace reg

}  // namespace vh
