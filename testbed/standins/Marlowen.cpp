// Stand-in for Marlowen.dll: master volume, mute and display brightness, answered from the
// simulated hardware in VendorState.txt. Every call leaves one debug line.
#include <windows.h>

#include <algorithm>
#include <type_traits>

#include "services/VendorApi.h"
#include "testbed/standins/DebugLine.h"
#include "testbed/standins/VendorState.h"

using vh::standins::VendorState;
using vh::standins::WriteDebugLine;

namespace {

constexpr std::wstring_view kWriter = L"Marlowen";
constexpr std::int32_t kFailed = -1;
constexpr std::int32_t kDone = 0;

std::int32_t Report(const wchar_t* call, std::int32_t result) {
    WriteDebugLine(std::wstring(L"[Marlowen] ") + call + L" -> " + std::to_wstring(result));
    return result;
}

std::int32_t Report(const wchar_t* call, std::int32_t argument, std::int32_t result) {
    WriteDebugLine(std::wstring(L"[Marlowen] ") + call + L" " + std::to_wstring(argument) + L" -> " +
                   std::to_wstring(result));
    return result;
}

}  // namespace

extern "C" {

// Getters return the file's value as written, also outside 0..100, so tests can feed odd values.
std::int32_t VENDOR_CALL GetVolumnVista() {
    const VendorState state = VendorState::Load(kWriter);
    return Report(L"GetVolumnVista", state.Failing() ? kFailed : state.Volume());
}

std::int32_t VENDOR_CALL SetVolumnVista(std::int32_t volume) {
    VendorState state = VendorState::Load(kWriter);
    if (state.Failing()) {
        return Report(L"SetVolumnVista", volume, kFailed);
    }
    state.SetVolume(std::clamp(volume, 0, 100));
    return Report(L"SetVolumnVista", volume, state.Save() ? kDone : kFailed);
}

std::int32_t VENDOR_CALL GetMuteVista() {
    const VendorState state = VendorState::Load(kWriter);
    return Report(L"GetMuteVista", state.Failing() ? kFailed : state.Mute());
}

std::int32_t VENDOR_CALL SetMuteVista(std::int32_t mute) {
    VendorState state = VendorState::Load(kWriter);
    if (state.Failing()) {
        return Report(L"SetMuteVista", mute, kFailed);
    }
    state.SetMute(mute != 0 ? 1 : 0);
    return Report(L"SetMuteVista", mute, state.Save() ? kDone : kFailed);
}

std::int32_t VENDOR_CALL WMI_GetBrightnessVista() {
    const VendorState state = VendorState::Load(kWriter);
    return Report(L"WMI_GetBrightnessVista", state.Failing() ? kFailed : state.Brightness());
}

std::int32_t VENDOR_CALL WMI_GetBrightnessSetVista(std::int32_t index) {
    const VendorState state = VendorState::Load(kWriter);
    std::int32_t level = kFailed;
    if (!state.Failing() && index >= 0) {
        const std::vector<std::int32_t> levels = state.BrightnessLevels();
        if (static_cast<std::size_t>(index) < levels.size()) {
            level = levels[static_cast<std::size_t>(index)];
        }
    }
    return Report(L"WMI_GetBrightnessSetVista", index, level);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        OutputDebugStringW(L"[Marlowen] attach");
    } else if (reason == DLL_PROCESS_DETACH) {
        OutputDebugStringW(L"[Marlowen] detach");
    }
    return TRUE;
}

}  // extern "C"

// The exports must match the signatures the program calls through.
static_assert(std::is_same_v<decltype(&GetVolumnVista), vh::GetIntFn>);
static_assert(std::is_same_v<decltype(&GetMuteVista), vh::GetIntFn>);
static_assert(std::is_same_v<decltype(&WMI_GetBrightnessVista), vh::GetIntFn>);
static_assert(std::is_same_v<decltype(&SetVolumnVista), vh::SetIntFn>);
static_assert(std::is_same_v<decltype(&SetMuteVista), vh::SetIntFn>);
static_assert(std::is_same_v<decltype(&WMI_GetBrightnessSetVista), vh::GetLevelFn>);
