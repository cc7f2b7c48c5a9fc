#include "setup/ExitCode.h"

namespace vh {

int MapExitCode(std::int32_t childExitCode) {
    if (childExitCode >= 0) return childExitCode;
    switch (childExitCode) {
        case -1: return 101;
        case -3: return 103;
        case -4: return 104;
        default: return 102;
    }
}

}  // namespace vh
