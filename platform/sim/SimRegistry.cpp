#include "platform/sim/SimRegistry.h"

#include <cstring>

namespace vh::sim {

std::wstring SimRegistry::Lower(std::wstring s) {
    for (auto& c : s)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return s;
}

void SimRegistry::CreateKeyPath(const std::wstring& key) {
    // Every parent exists too.
    std::wstring lower = Lower(key);
    for (std::size_t pos = 0; (pos = lower.find(L'\\', pos + 1)) != std::wstring::npos;) keys_[lower.substr(0, pos)];
    keys_[lower];
}

bool SimRegistry::KeyExists(const std::wstring& key) const { return keys_.count(Lower(key)) != 0; }

void SimRegistry::SetDword(const std::wstring& key, const std::wstring& name, std::uint32_t value) {
    std::vector<std::uint8_t> bytes(4);
    std::memcpy(bytes.data(), &value, 4);
    SetBytes(key, name, reg::kTypeDword, std::move(bytes));
}

void SimRegistry::SetBytes(const std::wstring& key, const std::wstring& name, std::uint32_t type,
                           std::vector<std::uint8_t> bytes) {
    CreateKeyPath(key);
    keys_[Lower(key)][Lower(name)] = Value{type, std::move(bytes)};
}

const SimRegistry::Value* SimRegistry::Find(const std::wstring& key, const std::wstring& name) const {
    auto k = keys_.find(Lower(key));
    if (k == keys_.end()) return nullptr;
    auto v = k->second.find(Lower(name));
    return v == k->second.end() ? nullptr : &v->second;
}

long SimRegistry::Read(const std::wstring& key, const wchar_t* valueName, std::uint32_t* type, void* data,
                       std::uint32_t* size) {
    auto k = keys_.find(Lower(key));
    if (k == keys_.end()) return kErrorFileNotFound;
    auto v = k->second.find(Lower(valueName ? valueName : L""));
    if (v == k->second.end()) return kErrorFileNotFound;
    const Value& value = v->second;
    if (type) *type = value.type;
    const auto needed = static_cast<std::uint32_t>(value.bytes.size());
    if (data && size && *size < needed) {
        *size = needed;
        return kErrorMoreData;
    }
    if (data && needed) std::memcpy(data, value.bytes.data(), needed);
    if (size) *size = needed;
    return kErrorSuccess;
}

long SimRegistry::GetValue(const wchar_t* subKey, const wchar_t* valueName, std::uint32_t* type, void* data,
                           std::uint32_t* size) {
    trace_.Add(std::wstring(L"RegGetValue ") + subKey + L" " + valueName);
    return Read(subKey, valueName, type, data, size);
}

long SimRegistry::CreateKey(const wchar_t* subKey, std::uint32_t access, Handle* key) {
    trace_.Add(std::wstring(L"RegCreateKey ") + subKey);
    createAccess.push_back(access);
    CreateKeyPath(subKey);
    *key = nextHandle_++;
    open_[*key] = subKey;
    return kErrorSuccess;
}

long SimRegistry::OpenKey(const wchar_t* subKey, std::uint32_t, Handle* key) {
    if (!KeyExists(subKey)) return kErrorFileNotFound;
    *key = nextHandle_++;
    open_[*key] = subKey;
    return kErrorSuccess;
}

long SimRegistry::QueryValue(Handle key, const wchar_t* valueName, std::uint32_t* type, void* data,
                             std::uint32_t* size) {
    auto it = open_.find(key);
    if (it == open_.end()) return 6;  // ERROR_INVALID_HANDLE
    return Read(it->second, valueName, type, data, size);
}

long SimRegistry::SetValue(Handle key, const wchar_t* valueName, std::uint32_t type, const void* data,
                           std::uint32_t size) {
    auto it = open_.find(key);
    if (it == open_.end()) return 6;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    SetBytes(it->second, valueName, type, std::vector<std::uint8_t>(bytes, bytes + size));
    return kErrorSuccess;
}

long SimRegistry::CloseKey(Handle key) { return open_.erase(key) ? kErrorSuccess : 6; }

}  // namespace vh::sim
