// The brightness of each of the eight levels the panel supports, read from the vendor library.
#pragma once
#include <cstdint>

#include "platform/ports/DebugOutput.h"

namespace vh {

extern std::int32_t BrightnessValueTable[8];

// Refills the table from the vendor library; entries after the last level reported keep their
// values.
void SetBrightnessTotalLevel(DebugOutput& out);
void ResetBrightnessValueTable();

}  // namespace vh
