#include "setup/UtilitySettings.h"

namespace vh {

bool LocateIni(LauncherSystem& system, LauncherState& state) {
    wchar_t modulePath[kMaxPath] = {};
    const std::uint32_t length = system.GetModulePath(modulePath, kMaxPath);
    // A result of the full buffer size means the system cut the path: its folder would be wrong.
    if (length == 0 || length >= kMaxPath) return false;
    modulePath[length] = L'\0';
    state.moduleDir.Assign(modulePath);
    if (!state.moduleDir.CutAtLastBackslash()) return false;
    state.iniPath.Assign(state.moduleDir.c_str());
    state.iniPath.Append(L"\\");
    state.iniPath.Append(L"Setup.ini");
    return !state.iniPath.TooLong();
}

bool ReadUtilitySettings(LauncherSystem& system, LauncherState& state) {
    if (!system.PathExists(state.iniPath.c_str())) return false;
    wchar_t name[kMaxPath] = {};
    system.GetProfileString(L"Utility", L"Name", L"", name, kMaxPath, state.iniPath.c_str());
    name[kMaxPath - 1] = L'\0';
    state.moduleDir.AddBackslash();
    state.moduleDir.Append(name);
    return true;
}

}  // namespace vh
