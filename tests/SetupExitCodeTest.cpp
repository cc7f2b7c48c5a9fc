// The mapping of the utility setup program's exit code to the launcher's.
#include "setup/ExitCode.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

TEST(SetupExitCode, MapsNegativeCodesAndPassesTheRestOn) {
    struct Case {
        std::int32_t child;
        int launcher;
    };
    const Case cases[] = {
        {0, 0},      {7, 7},         {105, 105},     {0x7FFFFFFF, 0x7FFFFFFF}, {-1, 101}, {-2, 102}, {-3, 103},
        {-4, 104},   {-5, 102},      {INT32_MIN, 102},
        {static_cast<std::int32_t>(0xC0000005u), 102},  // a crash code read as a signed value
    };
    for (const Case& c : cases) EXPECT_EQ(MapExitCode(c.child), c.launcher) << "child code " << c.child;
}

}  // namespace
}  // namespace vh
