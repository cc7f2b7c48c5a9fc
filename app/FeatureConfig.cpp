#include "app/FeatureConfig.h"

#include <cstring>

#include "app/Log.h"

namespace vh {

std::uint32_t ReadHotkeyControl(Registry& registry, DebugOutput& out) {
    // At most four bytes are taken: a longer value does not fit the buffer and reads as a
    // failure (ERROR_MORE_DATA); a shorter one fills the low bytes of a mask that starts at 0.
    std::uint8_t bytes[4] = {0, 0, 0, 0};
    std::uint32_t size = sizeof bytes;
    std::uint32_t type = 0;
    if (registry.GetValue(kVarnoHotkeyKey, L"VarnoHotkeyControl", &type, bytes, &size) != kErrorSuccess) {
        out.Write(L"[VarnoHotkey] ***** Unable to read VarnoHotkeyControl from the registry! *****\n");
        return 0;
    }
    const std::uint32_t mask = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                               (static_cast<std::uint32_t>(bytes[2]) << 16) |
                               (static_cast<std::uint32_t>(bytes[3]) << 24);
    LogFormat(out, L"[VarnoHotkey] Read TskControl (0x%X, %d) from the registry.\n", mask, mask);
    return mask;
}

void CreatePowerSettingKey(Registry& registry) {
    Handle key = kNoHandle;
    if (registry.CreateKey(kPowerSettingKey, reg::kKeyReadSetCreate, &key) == kErrorSuccess) registry.CloseKey(key);
}

std::uint32_t ReadBatteryRemind(Registry& registry, DebugOutput& out) {
    Handle key = kNoHandle;
    if (registry.OpenKey(kPowerSettingKey, reg::kKeyAllAccess, &key) != kErrorSuccess) return 0;
    std::uint32_t value = 0;
    std::uint32_t size = sizeof value;
    std::uint32_t type = 0;
    std::uint32_t result = kBatteryRemindMissing;
    if (registry.QueryValue(key, L"Battery Remind", &type, &value, &size) == kErrorSuccess) {
        out.Write(L"[VarnoHotkey] Read check box Value");
        result = value;
    }
    registry.CloseKey(key);
    return result;
}

}  // namespace vh
