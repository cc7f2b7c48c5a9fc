// The simulated hardware behind the stand-in vendor libraries. It lives in VendorState.txt beside
// the library and is read again on every call, because tests change it while the program runs;
// a missing file or key means the default value.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "testbed/standins/StateText.h"

namespace vh::standins {

class VendorState {
public:
    // 'writer' names the library in diagnostic lines: "Kavrel", "Marlowen".
    static VendorState Load(std::wstring_view writer);

    // Writes the file back; false (with a diagnostic line) when that fails.
    bool Save() const;

    bool Failing() const;  // fail=1: the simulated hardware answers nothing

    std::array<std::uint8_t, 2> PlatformReply() const;
    std::uint8_t EcByte(std::uint8_t index) const;
    void SetEcByte(std::uint8_t index, std::uint8_t value);
    void SetVolumeControl(std::uint8_t mode);
    std::uint32_t Wireless() const;

    std::int32_t Volume() const;
    void SetVolume(std::int32_t volume);
    std::int32_t Mute() const;
    void SetMute(std::int32_t mute);
    std::int32_t Brightness() const;
    std::vector<std::int32_t> BrightnessLevels() const;

private:
    VendorState(std::wstring_view writer, std::wstring path, StateText text);

    std::int32_t DecimalOr(std::string_view key, std::int32_t fallback) const;
    void ReportBadValue(std::string_view key, std::string_view value) const;
    void ReportFile(std::wstring_view problem) const;

    std::wstring writer_;
    std::wstring path_;
    StateText text_;
};

}  // namespace vh::standins
