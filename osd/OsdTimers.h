// The OSD window's timers.
#pragma once
#include <cstdint>

namespace vh::osd_timer {
constexpr std::uintptr_t kDisplay = 0;   // ends the display
constexpr std::uintptr_t kRecenter = 1;  // re-centres after a display-mode change
constexpr std::uint32_t kRecenterMs = 500;
}  // namespace vh::osd_timer
