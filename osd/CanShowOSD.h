// Whether an on-screen display (or a companion program) may appear now: not while a
// full-screen window is in front.
#pragma once
#include "platform/ports/WindowSystem.h"

namespace vh {

bool CanShowOSD(WindowSystem& windows);

}  // namespace vh
