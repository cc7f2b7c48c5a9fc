// An in-memory registry (the 32-bit view of HKEY_LOCAL_MACHINE). Names are matched without
// regard to case, as Windows does.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/ports/Registry.h"
#include "platform/sim/SimTrace.h"

namespace vh::sim {

class SimRegistry : public Registry {
public:
    explicit SimRegistry(SimTrace& trace) : trace_(trace) {}

    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> bytes;
    };

    // Test set-up and inspection.
    void SetDword(const std::wstring& key, const std::wstring& name, std::uint32_t value);
    void SetBytes(const std::wstring& key, const std::wstring& name, std::uint32_t type, std::vector<std::uint8_t> bytes);
    void CreateKeyPath(const std::wstring& key);
    bool KeyExists(const std::wstring& key) const;
    const Value* Find(const std::wstring& key, const std::wstring& name) const;
    int OpenHandles() const { return static_cast<int>(open_.size()); }
    std::vector<std::uint32_t> createAccess;  // access masks passed to CreateKey

    long GetValue(const wchar_t* subKey, const wchar_t* valueName, std::uint32_t* type, void* data,
                  std::uint32_t* size) override;
    long CreateKey(const wchar_t* subKey, std::uint32_t access, Handle* key) override;
    long OpenKey(const wchar_t* subKey, std::uint32_t access, Handle* key) override;
    long QueryValue(Handle key, const wchar_t* valueName, std::uint32_t* type, void* data,
                    std::uint32_t* size) override;
    long SetValue(Handle key, const wchar_t* valueName, std::uint32_t type, const void* data,
                  std::uint32_t size) override;
    long CloseKey(Handle key) override;

private:
    static std::wstring Lower(std::wstring s);
    long Read(const std::wstring& key, const wchar_t* valueName, std::uint32_t* type, void* data, std::uint32_t* size);

    std::map<std::wstring, std::map<std::wstring, Value>> keys_;  // lower-case paths and names
    std::map<Handle, std::wstring> open_;
    Handle nextHandle_ = 0x100;
    SimTrace& trace_;
};

}  // namespace vh::sim
