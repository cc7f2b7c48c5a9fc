// The launcher's exit code for the utility setup program's own code.
#pragma once
#include <cstdint>

namespace vh {

constexpr int kSetupAbort = 105;

// Codes of 0 or more pass unchanged; -1, -3 and -4 become 101, 103 and 104; any other negative
// code (also -2, no code obtained) becomes 102.
int MapExitCode(std::int32_t childCode);

}  // namespace vh
