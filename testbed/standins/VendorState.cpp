#include "testbed/standins/VendorState.h"

#include <optional>

#include "testbed/standins/DebugLine.h"
#include "testbed/standins/FileAccess.h"
#include "testbed/standins/ModulePath.h"
#include "testbed/standins/StateValues.h"
#include "testbed/standins/TextCodec.h"

namespace vh::standins {
namespace {

constexpr std::wstring_view kFileName = L"VendorState.txt";

constexpr std::string_view kFailKey = "fail";
constexpr std::string_view kPlatformKey = "platform";
constexpr std::string_view kEcKeyPrefix = "ec.";
constexpr std::string_view kVolumeControlKey = "volumecontrol";
constexpr std::string_view kWirelessKey = "switch.wireless";
constexpr std::string_view kVolumeKey = "volume";
constexpr std::string_view kMuteKey = "mute";
constexpr std::string_view kBrightnessKey = "brightness";
constexpr std::string_view kLevelsKey = "levels";

// Defaults describe a healthy machine on which the program starts: platform code 0, wireless on,
// half volume, not muted, half brightness, eight rising brightness levels.
constexpr std::array<std::uint8_t, 2> kDefaultPlatform = {0x00, 0x00};
constexpr std::int32_t kDefaultWireless = 1;
constexpr std::int32_t kDefaultVolume = 50;
constexpr std::int32_t kDefaultMute = 0;
constexpr std::int32_t kDefaultBrightness = 50;
constexpr std::array<std::int32_t, 8> kDefaultLevels = {10, 20, 30, 40, 55, 70, 85, 100};

std::string EcKey(std::uint8_t index) {
    return std::string(kEcKeyPrefix) + std::to_string(index);
}

}  // namespace

VendorState::VendorState(std::wstring_view writer, std::wstring path, StateText text)
    : writer_(writer), path_(std::move(path)), text_(std::move(text)) {}

VendorState VendorState::Load(std::wstring_view writer) {
    VendorState state(writer, PathBesideModule(ThisModule(), kFileName), StateText());
    if (state.path_.empty()) {
        state.ReportFile(L"cannot locate");
        return state;
    }
    const std::optional<std::string> contents = ReadWholeFile(state.path_);
    if (!contents) {
        state.ReportFile(L"cannot read");
        return state;
    }
    state.text_ = StateText::Parse(*contents);
    return state;
}

bool VendorState::Save() const {
    if (path_.empty() || !ReplaceFileContents(path_, text_.Format())) {
        ReportFile(L"cannot write");
        return false;
    }
    return true;
}

bool VendorState::Failing() const {
    return DecimalOr(kFailKey, 0) != 0;
}

std::array<std::uint8_t, 2> VendorState::PlatformReply() const {
    const std::optional<std::string_view> text = text_.Find(kPlatformKey);
    if (!text) {
        return kDefaultPlatform;
    }
    const std::optional<std::vector<std::uint8_t>> bytes = ParseHexBytes(*text);
    if (!bytes || bytes->size() != 2) {
        ReportBadValue(kPlatformKey, *text);
        return kDefaultPlatform;
    }
    return {(*bytes)[0], (*bytes)[1]};
}

std::uint8_t VendorState::EcByte(std::uint8_t index) const {
    const std::string key = EcKey(index);
    const std::optional<std::string_view> text = text_.Find(key);
    if (!text) {
        return 0;
    }
    const std::optional<std::uint8_t> value = ParseHexByte(*text);
    if (!value) {
        ReportBadValue(key, *text);
        return 0;
    }
    return *value;
}

void VendorState::SetEcByte(std::uint8_t index, std::uint8_t value) {
    text_.Set(EcKey(index), FormatHexByte(value));
}

void VendorState::SetVolumeControl(std::uint8_t mode) {
    text_.Set(kVolumeControlKey, FormatHexByte(mode));
}

std::uint32_t VendorState::Wireless() const {
    return static_cast<std::uint32_t>(DecimalOr(kWirelessKey, kDefaultWireless));
}

std::int32_t VendorState::Volume() const {
    return DecimalOr(kVolumeKey, kDefaultVolume);
}

void VendorState::SetVolume(std::int32_t volume) {
    text_.Set(kVolumeKey, std::to_string(volume));
}

std::int32_t VendorState::Mute() const {
    return DecimalOr(kMuteKey, kDefaultMute);
}

void VendorState::SetMute(std::int32_t mute) {
    text_.Set(kMuteKey, std::to_string(mute));
}

std::int32_t VendorState::Brightness() const {
    return DecimalOr(kBrightnessKey, kDefaultBrightness);
}

std::vector<std::int32_t> VendorState::BrightnessLevels() const {
    const std::optional<std::string_view> text = text_.Find(kLevelsKey);
    if (!text) {
        return {kDefaultLevels.begin(), kDefaultLevels.end()};
    }
    std::optional<std::vector<std::int32_t>> levels = ParseDecimalList(*text);
    if (!levels) {
        ReportBadValue(kLevelsKey, *text);
        return {kDefaultLevels.begin(), kDefaultLevels.end()};
    }
    return std::move(*levels);
}

std::int32_t VendorState::DecimalOr(std::string_view key, std::int32_t fallback) const {
    const std::optional<std::string_view> text = text_.Find(key);
    if (!text) {
        return fallback;
    }
    const std::optional<std::int32_t> value = ParseDecimal(*text);
    if (!value) {
        ReportBadValue(key, *text);
        return fallback;
    }
    return *value;
}

// A value the stand-in cannot read is a mistake in the test; say so instead of guessing silently.
void VendorState::ReportBadValue(std::string_view key, std::string_view value) const {
    WriteDebugLine(L"[" + writer_ + L"] " + std::wstring(kFileName) + L": bad value " + WideFromUtf8(key) + L"=" +
                   WideFromUtf8(value));
}

void VendorState::ReportFile(std::wstring_view problem) const {
    WriteDebugLine(L"[" + writer_ + L"] " + std::wstring(kFileName) + L": " + std::wstring(problem) + L" " + path_);
}

}  // namespace vh::standins
