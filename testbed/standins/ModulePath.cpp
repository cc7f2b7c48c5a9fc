#include "testbed/standins/ModulePath.h"

namespace vh::standins {
namespace {

// Its address lies inside whichever module links this file, which is what ThisModule asks for.
const char kModuleAnchor = 0;

constexpr DWORD kLongestPath = 32768;

std::wstring ModuleFileName(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD capacity = static_cast<DWORD>(path.size());
        const DWORD length = GetModuleFileNameW(module, path.data(), capacity);
        if (length == 0) {
            return {};
        }
        if (length < capacity) {  // equal means the name was cut
            path.resize(length);
            return path;
        }
        if (capacity >= kLongestPath) {
            return {};
        }
        path.resize(capacity * 2);
    }
}

}  // namespace

HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&kModuleAnchor), &module);
    return module;
}

std::wstring PathBesideModule(HMODULE module, std::wstring_view fileName) {
    if (module == nullptr) {
        return {};
    }
    std::wstring path = ModuleFileName(module);
    const std::size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos) {
        return {};
    }
    path.resize(separator + 1);
    path.append(fileName);
    return path;
}

}  // namespace vh::standins
