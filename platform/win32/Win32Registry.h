// Registry access under HKEY_LOCAL_MACHINE, always in the 32-bit view, so that the 32-bit and the
// 64-bit builds read and write the same keys.
#pragma once
#include "platform/ports/Registry.h"

namespace vh::win32 {

class Win32Registry final : public Registry {
public:
    long GetValue(const wchar_t* subKey, const wchar_t* valueName, std::uint32_t* type, void* data,
                  std::uint32_t* size) override;
    long CreateKey(const wchar_t* subKey, std::uint32_t access, Handle* key) override;
    long OpenKey(const wchar_t* subKey, std::uint32_t access, Handle* key) override;
    long QueryValue(Handle key, const wchar_t* valueName, std::uint32_t* type, void* data,
                    std::uint32_t* size) override;
    long SetValue(Handle key, const wchar_t* valueName, std::uint32_t type, const void* data,
                  std::uint32_t size) override;
    long CloseKey(Handle key) override;
};

}  // namespace vh::win32
