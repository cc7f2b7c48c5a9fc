// Process-wide values of the program, created before the application runs. Tests reset them.
#pragma once
#include <cstdint>

#include "platform/ports/WindowSystem.h"

namespace vh {

extern std::uint32_t g_uChangeBatDtmModeMsg;  // "Varnohotkey - CHANGE_BAT_DTMODE_STATE"
extern bool g_bWin8OrLater;
extern bool g_bWin81OrLater;

inline constexpr const wchar_t* kChangeBatDtmModeName = L"Varnohotkey - CHANGE_BAT_DTMODE_STATE";

// Registers the broadcast message; runs once at start, before the application object runs.
void InitProcessGlobals(WindowSystem& windows);
// Returns every process-wide value of the program (hook, libraries, flags, log) to its start.
void ResetProcessGlobals();

}  // namespace vh
