// The volume of each of the eleven volume levels, on the vendor library's 0 to 100 scale.
#pragma once
#include <cstdint>

namespace vh {

extern std::int32_t VolumeValueTable[11];

// Fills the table with 0, 10, ..., 100.
void FillVolumeValueTable();
void ResetVolumeValueTable();

}  // namespace vh
