// The launcher's own results and the mapping of the utility setup program's exit code.
#pragma once
#include <cstdint>

namespace vh {

constexpr int kSetupSucceeded = 0;
constexpr int kSetupFailed = 105;              // every abort, and a failed step's result
constexpr std::int32_t kNoChildExitCode = -2;  // no exit code could be obtained

// Codes of 0 or more are passed on; -1, -3 and -4 become 101, 103 and 104; every other
// negative code (-2 included) becomes 102.
int MapExitCode(std::int32_t childExitCode);

}  // namespace vh
