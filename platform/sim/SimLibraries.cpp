#include "platform/sim/SimLibraries.h"

namespace vh::sim {

bool SimLibraries::IsLoaded(const std::wstring& name) const {
    for (const auto& [h, n] : loaded_)
        if (n == name) return true;
    return false;
}

Handle SimLibraries::Load(const wchar_t* fileName) {
    const std::wstring name = fileName;
    trace_.Add(L"LoadLibrary " + name);
    if (missing.count(name) || (name != L"Kavrel.dll" && name != L"Marlowen.dll")) return kNoHandle;
    const Handle handle = next_++;
    loaded_[handle] = name;
    return handle;
}

ProcAddress SimLibraries::GetProc(Handle module, const char* name) {
    auto it = loaded_.find(module);
    if (it == loaded_.end()) return nullptr;
    const std::string narrow(it->second.begin(), it->second.end());
    return SimVendorEntry(narrow, name);
}

bool SimLibraries::Free(Handle module) {
    auto it = loaded_.find(module);
    if (it == loaded_.end()) return false;
    trace_.Add(L"FreeLibrary " + it->second);
    loaded_.erase(it);
    return true;
}

}  // namespace vh::sim
