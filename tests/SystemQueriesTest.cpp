#include "services/SystemQueries.h"

#include <gtest/gtest.h>

#include "platform/sim/SimDesktop.h"
#include "services/OsVersion.h"

namespace vh {
namespace {

struct VersionCase {
    const wchar_t* text;
    std::uint32_t major, minor;
    bool win8, win81;
};

class OsVersionTable : public ::testing::TestWithParam<VersionCase> {};

TEST_P(OsVersionTable, ParsesPacksAndCompares) {
    const VersionCase& c = GetParam();
    const VersionFields fields = ParseOsVersion(c.text);
    EXPECT_EQ(fields.major, c.major);
    EXPECT_EQ(fields.minor, c.minor);
    const std::uint32_t packed = PackOsVersion(fields, 9);
    EXPECT_EQ(packed, (c.major << 24) | (c.minor << 16) | 9u);
    EXPECT_EQ(IsPackedAtLeastWin8(packed), c.win8);
    EXPECT_EQ(IsPackedAtLeastWin81(packed), c.win81);
}

INSTANTIATE_TEST_SUITE_P(Versions, OsVersionTable,
                         ::testing::Values(VersionCase{L"6.1.7601", 6, 1, false, false},
                                           VersionCase{L"6.2.9200", 6, 2, true, false},
                                           VersionCase{L"6.3.9600", 6, 3, true, true},
                                           VersionCase{L"10.0.10240", 10, 0, true, true},
                                           VersionCase{L"10", 10, 0, true, true},
                                           VersionCase{L"", 0, 0, false, false},
                                           VersionCase{L"x.y", 0, 0, false, false},
                                           VersionCase{L"6.x.1", 6, 0, false, false}));

TEST(OsVersion, NoVersionPassesNeitherTest) {
    EXPECT_FALSE(IsPackedAtLeastWin8(kNoOsVersion));
    EXPECT_FALSE(IsPackedAtLeastWin81(kNoOsVersion));
}

class SystemQueries : public ::testing::Test {
protected:
    sim::SimDesktop desk;
    std::uint32_t Query() { return QueryOsVersion(desk.system, desk.debug); }
};

TEST_F(SystemQueries, PacksTheWmiVersionWithTheNativeArchitecture) {
    desk.system.SetWindowsVersion(L"10.0.18362");
    desk.system.architecture = 9;
    EXPECT_EQ(Query(), 0x0A000009u);
    EXPECT_EQ(desk.system.wmi.comInitialized, 0);
    EXPECT_EQ(desk.system.wmi.acquired, 0);
    EXPECT_TRUE(desk.debug.lines.empty());
}

TEST_F(SystemQueries, TheLastObjectWins) {
    desk.system.wmi.versions = {L"6.1.7601", L"6.3.9600"};
    EXPECT_EQ(Query(), 0x06030000u);
}

TEST_F(SystemQueries, SecurityAlreadySetCountsAsSuccess) {
    desk.system.wmi.Fail(sim::WmiStep::InitializeSecurity, static_cast<std::int32_t>(0x80010119u));
    EXPECT_EQ(Query(), 0x06010000u);
}

struct WmiFailure {
    sim::WmiStep step;
    const wchar_t* line;
};

class WmiFailures : public SystemQueries, public ::testing::WithParamInterface<WmiFailure> {};

TEST_P(WmiFailures, EveryFailureLogsGives255AndUninitialisesCom) {
    desk.system.wmi.Fail(GetParam().step, static_cast<std::int32_t>(0x80041003u));
    EXPECT_EQ(Query(), kNoOsVersion);
    ASSERT_EQ(desk.debug.lines.size(), 1u);
    EXPECT_EQ(desk.debug.lines[0], GetParam().line);
    EXPECT_EQ(desk.system.wmi.comInitialized, 0);
    EXPECT_EQ(desk.system.wmi.acquired, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, WmiFailures,
    ::testing::Values(
        WmiFailure{sim::WmiStep::InitializeCom, L"[VarnoHotkey] Failed to initialize COM library. hres = 0x80041003"},
        WmiFailure{sim::WmiStep::InitializeSecurity, L"[VarnoHotkey] Failed to initialize security. hres = 0x80041003"},
        WmiFailure{sim::WmiStep::CreateLocator,
                   L"[VarnoHotkey] Failed to create IWbemLocator object. hres = 0x80041003"},
        WmiFailure{sim::WmiStep::ConnectServer, L"[VarnoHotkey] Failed to pLoc->ConnectServer."},
        WmiFailure{sim::WmiStep::SetProxyBlanket, L"[VarnoHotkey] Could not set proxy blanket."},
        WmiFailure{sim::WmiStep::ExecQuery, L"[VarnoHotkey] Query for operating system name failed."}));

TEST_F(SystemQueries, NoNativeSystemInfoGives255) {
    desk.system.nativeInfoAvailable = false;
    EXPECT_EQ(Query(), kNoOsVersion);
}

struct FallbackCase {
    OsVersionInfo info;
    bool expected;
};

class Win8Fallback : public SystemQueries, public ::testing::WithParamInterface<FallbackCase> {};

TEST_P(Win8Fallback, UsesTheVersionStructureWhenWmiFails) {
    desk.system.wmi.Fail(sim::WmiStep::InitializeCom, -1);
    desk.system.versionInfo = GetParam().info;
    EXPECT_EQ(IsWin8OrLater(desk.system, desk.debug), GetParam().expected);
    EXPECT_FALSE(IsPackedAtLeastWin81(Query()));
}

INSTANTIATE_TEST_SUITE_P(Versions, Win8Fallback,
                         ::testing::Values(FallbackCase{{6, 2, 2, 1}, true},    // workstation 6.2
                                           FallbackCase{{6, 2, 2, 3}, false},   // server edition
                                           FallbackCase{{6, 1, 2, 1}, false},   // Windows 7
                                           FallbackCase{{10, 0, 2, 1}, false},  // minor taken on its own
                                           FallbackCase{{6, 3, 1, 1}, false}));  // not an NT platform

TEST_F(SystemQueries, Win8FromWmi) {
    desk.system.SetWindowsVersion(L"6.2.9200");
    EXPECT_TRUE(IsWin8OrLater(desk.system, desk.debug));
    desk.system.SetWindowsVersion(L"6.1.7601");
    EXPECT_FALSE(IsWin8OrLater(desk.system, desk.debug));
}

struct GuestCase {
    std::vector<TokenGroup> groups;
    std::uint32_t bytes;
    bool guest;
};

class GuestUser : public SystemQueries, public ::testing::WithParamInterface<GuestCase> {};

TEST_P(GuestUser, EnabledGuestsGroupByName) {
    desk.system.tokenGroups = GetParam().groups;
    desk.system.tokenGroupsBytes = GetParam().bytes;
    EXPECT_EQ(IsGuestUser(desk.system, desk.debug), GetParam().guest);
    const std::vector<std::wstring> expected = {L"[stdafx] IsGuestUser",
                                                GetParam().guest ? L"[Function_UI] GuestUser" : L"[Function_UI] Not GuestUser"};
    EXPECT_EQ(desk.debug.lines, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, GuestUser,
    ::testing::Values(GuestCase{{{true, L"Users", 7}, {true, L"Guests", 7}}, 100, true},
                      GuestCase{{{true, L"GUESTS", 4}}, 100, true},
                      GuestCase{{{true, L"Guests", 0x10}}, 100, false},   // deny-only
                      GuestCase{{{false, L"Guests", 7}}, 100, false},     // name lookup failed
                      GuestCase{{{true, L"Gäste", 7}}, 100, false},       // translated name
                      GuestCase{{{true, L"Guests", 7}}, 2000, false}));   // does not fit 1024 bytes

TEST_F(SystemQueries, AcOnlineOnlyForStatusOne) {
    for (auto [status, readable, expected] : {std::tuple{1, true, true}, std::tuple{0, true, false},
                                              std::tuple{255, true, false}, std::tuple{1, false, false}}) {
        desk.system.powerStatus.acLineStatus = static_cast<std::uint8_t>(status);
        desk.system.powerStatusReadable = readable;
        EXPECT_EQ(IsAcOnline(desk.system), expected) << status << readable;
    }
}

}  // namespace
}  // namespace vh
