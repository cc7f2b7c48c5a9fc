// The Setup launcher against the simulated system.
#include <gtest/gtest.h>

#include <string>

#include "platform/sim/SimLauncher.h"
#include "setup/DriverExtraction.h"
#include "setup/ExitCode.h"
#include "setup/SetupLauncher.h"
#include "setup/SetupLog.h"
#include "setup/SwitchValue.h"

namespace vh {
namespace {

const std::wstring kStart = L"\n======== Utility Setup Start ========";

TEST(SetupExitCode, MapsNegativeCodes) {
    struct Case {
        std::int32_t child;
        int exit;
    };
    for (Case c : {Case{0, 0}, Case{7, 7}, Case{105, 105}, Case{-1, 101}, Case{-2, 102}, Case{-3, 103}, Case{-4, 104},
                   Case{-5, 102}, Case{static_cast<std::int32_t>(0xC0000005u), 102}})
        EXPECT_EQ(MapExitCode(c.child), c.exit) << c.child;
}

struct SwitchCase {
    const wchar_t* line;
    const wchar_t* switchText;
    int result;
    const wchar_t* value;
};

class SetupSwitch : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(SetupSwitch, TakesTheFirstQuotedTextAfterTheSwitch) {
    wchar_t value[260] = L"junk";
    EXPECT_EQ(GetSwitchValue(GetParam().line, GetParam().switchText, value, 260), GetParam().result);
    EXPECT_EQ(std::wstring(value), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SetupSwitch,
    ::testing::Values(SwitchCase{L"/log \"C:\\l.txt\"", L"/log", 0, L"C:\\l.txt"},
                      SwitchCase{L"/log \"a\" /log \"b\"", L"/log", 0, L"a"},                      // first occurrence
                      SwitchCase{L"/x \"/log here\" \"v\"", L"/log", 0, L" "},  // inside a value: the blank between
                      SwitchCase{L"/logfile \"f\"", L"/log", 0, L"f"},                               // prefix of a word
                      SwitchCase{L"/log C:\\l.txt", L"/log", 105, L""},                              // no quotes
                      SwitchCase{L"/log \"C:\\l.txt", L"/log", 105, L""},                           // one quote
                      SwitchCase{L"/log \"\"", L"/log", 0, L""},                                     // empty value
                      SwitchCase{L"/extractdrivers \"D:\\\"", L"/ExtractDrivers", 105, L""},        // case matters
                      SwitchCase{L"", L"/log", 105, L""}));

TEST(SetupSwitch, LongValueIsCut) {
    const std::wstring line = L"/log \"" + std::wstring(1000, L'x') + L"\"";
    wchar_t value[260];
    EXPECT_EQ(GetSwitchValue(line.c_str(), L"/log", value, 260), 0);
    EXPECT_EQ(std::wstring(value), std::wstring(259, L'x'));
}

TEST(SetupLog, EntryBytes) {
    const auto bytes = EncodeLogEntry(LocalTime{2016, 3, 9, 14, 5, 2}, kStart);
    // Every field is a plain decimal: 14:05:02 is stamped 14:5:2.
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "2016/3/9 14:5:2 \r\n======== Utility Setup Start ========\r\n");
    const auto other = EncodeLogEntry(LocalTime{2026, 12, 31, 0, 0, 9}, L"\u00e9\u20ac a\nb");
    EXPECT_EQ(std::string(other.begin(), other.end()), "2026/12/31 0:0:9 \xe9? a\r\nb\r\n");
}

class SetupRun : public ::testing::Test {
protected:
    SetupRun() {
        sim.AddFile(L"C:\\Setup\\Setup.ini", "[Utility]\r\nName=Utility\\Install.exe\r\n");
        sim.AddFile(L"C:\\Setup\\Utility\\Install.exe", "MZ");
        sim.AddFolder(L"C:\\Logs");
    }
    int Run(const wchar_t* line) { return RunSetup(sim, line); }
    std::string Log() const { return sim.FileBytes(L"C:\\Logs\\setup.log"); }
    sim::SimLauncher sim;
};

TEST_F(SetupRun, SetupModeStartsTheUtilityWithTheWholeLineAndLogs) {
    sim.childExitCode = 7;
    const wchar_t* line = L"/log \"C:\\Logs\\setup.log\" /silent \"x\"";
    EXPECT_EQ(Run(line), 7);
    ASSERT_EQ(sim.starts.size(), 1u);
    EXPECT_EQ(sim.starts[0].file, L"C:\\Setup\\Utility\\Install.exe");
    EXPECT_EQ(sim.starts[0].parameters, line);
    EXPECT_EQ(sim.starts[0].showCommand, 5);
    EXPECT_EQ(Log(), "2016/3/9 14:5:2 \r\n======== Utility Setup Start ========\r\n"
                     "2016/3/9 14:5:2 Setup error code = 7.\r\n======== Utility Setup End ========\r\n");
    EXPECT_EQ(sim.debugLines, (std::vector<std::wstring>(2, L"*******Open file success***********")));
}

TEST_F(SetupRun, ChildCodesAreMappedAndLoggedUnmapped) {
    struct Case {
        std::int32_t child;
        int exit;
    };
    for (Case c : {Case{-1, 101}, Case{-2, 102}, Case{-3, 103}, Case{-4, 104}, Case{-5, 102}, Case{7, 7}}) {
        sim::SimLauncher fresh;
        fresh.AddFile(L"C:\\Setup\\Setup.ini", "[Utility]\nName=a.exe\n");
        fresh.AddFile(L"C:\\Setup\\a.exe", "");
        fresh.childExitCode = c.child;
        EXPECT_EQ(RunSetup(fresh, L""), c.exit);
        EXPECT_EQ(fresh.starts.at(0).parameters, L"");
        EXPECT_EQ(fresh.debugLines.back(),
                  L"Setup error code = " + std::to_wstring(c.child) + L".\n======== Utility Setup End ========");
    }
}

TEST_F(SetupRun, NoExitCodeReadGivesMinusTwo) {
    sim.exitCodeUnreadable = true;
    EXPECT_EQ(Run(L""), 102);
    EXPECT_EQ(sim.debugLines.back(), L"Setup error code = -2.\n======== Utility Setup End ========");
}

TEST_F(SetupRun, LogInAMissingFolderGoesToTheDebugger) {
    EXPECT_EQ(Run(L"/log \"C:\\Nowhere\\setup.log\""), 0);
    EXPECT_EQ(sim.debugLines.front(), kStart);
    EXPECT_FALSE(sim.FileExists(L"C:\\Nowhere\\setup.log"));
    sim::SimLauncher locked;
    locked.AddFile(L"C:\\Setup\\Setup.ini", "[Utility]\nName=\n");
    locked.AddFile(L"C:\\l.txt", "old");
    locked.lockedFiles.insert(L"c:\\l.txt");
    RunSetup(locked, L"/log \"C:\\l.txt\"");
    EXPECT_EQ(locked.FileBytes(L"C:\\l.txt"), "old");
    EXPECT_EQ(locked.debugLines.front(), kStart);
}

TEST_F(SetupRun, SecondLauncherEndsAtOnceWithoutLog) {
    sim.existingMutexes.insert(L"Mutex_Quenlo");
    EXPECT_EQ(Run(L"/log \"C:\\Logs\\setup.log\""), 105);
    EXPECT_TRUE(sim.starts.empty());
    EXPECT_EQ(Log(), "");
    EXPECT_TRUE(sim.debugLines.empty());
    EXPECT_EQ(sim.mutexesClosed, 1);
    sim::SimLauncher failing;
    failing.failMutex = true;
    EXPECT_EQ(RunSetup(failing, L""), 105);
    EXPECT_TRUE(failing.debugLines.empty());
}

struct AbortCase {
    const char* name;
    void (*arrange)(sim::SimLauncher&);
    const wchar_t* line;
    std::wstring entry;
};

class SetupAborts : public ::testing::TestWithParam<AbortCase> {};

TEST_P(SetupAborts, LogTheReasonAndEndWith105) {
    sim::SimLauncher sim;
    sim.AddFile(L"C:\\Setup\\Setup.ini", "[Utility]\nName=Install.exe\n[Audio]\nExtractDrvSource=A\nExtractDrvDest=B\n");
    sim.AddFile(L"C:\\Setup\\Install.exe", "");
    sim.AddFolder(L"C:\\Setup\\A");
    GetParam().arrange(sim);
    EXPECT_EQ(RunSetup(sim, GetParam().line), 105);
    EXPECT_EQ(sim.debugLines.back(), GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetupAborts,
    ::testing::Values(
        AbortCase{"NoModulePath", [](sim::SimLauncher& s) { s.failModulePath = true; }, L"",
                  L"Can not find INI path, error code = 7a\n======== Utility Setup Abort ========"},
        AbortCase{"IniMissingSetupMode", [](sim::SimLauncher& s) { s = sim::SimLauncher(); }, L"",
                  L"Utility information load fail, Return Error code = 2\n======== Utility Setup Abort ========"},
        AbortCase{"IniMissingExtraction", [](sim::SimLauncher& s) { s = sim::SimLauncher(); },
                  L"/ExtractDrivers \"D:\\Out\"",
                  L"Driver Information load fail, Return Error code = 2\n======== Utility Setup Abort ========"},
        AbortCase{"ExtractionWithoutQuotes", [](sim::SimLauncher&) {}, L"/ExtractDrivers D:\\Out",
                  L"Can not find ExtractDrivers path = .\n======== Utility Setup Abort ========"},
        AbortCase{"UtilityMissing", [](sim::SimLauncher& s) { s.AddFile(L"C:\\Setup\\Setup.ini", "[Utility]\nName=x.exe\n"); },
                  L"", L"Can not find Utility Setup.\n======== Utility Setup Abort ========"},
        AbortCase{"StartFails",
                  [](sim::SimLauncher& s) {
                      s.failStart = true;
                      s.startError = 0x4C7;
                  },
                  L"", L"Launch Utility Setup Fail, Error Code =4c7.\n======== Utility Setup Abort ========"},
        AbortCase{"DirectoryFails", [](sim::SimLauncher& s) { s.directoryFailures[L"d:\\out\\b"] = 5; },
                  L"/ExtractDrivers \"D:\\Out\"",
                  L"Copy files fail, Return Error code = 2\n======== Utility Setup Abort ========"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SetupExtraction, PairsKeysInFileOrder) {
    struct Case {
        std::vector<std::wstring> keys;
        std::vector<std::pair<std::size_t, std::size_t>> pairs;
    };
    const Case cases[] = {
        {{L"ExtractDrvSource", L"ExtractDrvDest"}, {{0, 1}}},
        {{L"ExtractDrvSource1", L"ExtractDrvSource2", L"ExtractDrvDest2"}, {{1, 2}}},
        {{L"ExtractDrvDest1", L"ExtractDrvSource1"}, {}},
        {{L"ExtractDrvSource1", L"Other", L"ExtractDrvDest1"}, {}},
        {{L"ExtractDrvSource1", L"ExtractDrvDest1", L"ExtractDrvSource2", L"ExtractDrvDest2"}, {{0, 1}, {2, 3}}},
        {{L"extractdrvsource", L"extractdrvdest"}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(PairDriverKeys(c.keys), c.pairs);
}

class SetupExtract : public ::testing::Test {
protected:
    void Ini(const std::string& text) { sim.AddFile(L"C:\\Setup\\Setup.ini", text); }
    void Source(const std::wstring& folder) { sim.AddFile(L"C:\\Setup\\" + folder + L"\\sub\\f.inf", "inf"); }
    int Run() { return RunSetup(sim, L"/ExtractDrivers \"D:\\Out\""); }
    sim::SimLauncher sim;
};

TEST_F(SetupExtract, OneSectionLandsInTheDestinationItself) {
    Ini("[Utility]\nName=x\n[Audio]\nExtractDrvSource1=Drivers\\Audio\nExtractDrvDest1=Audio\n");
    Source(L"Drivers\\Audio");
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(sim.FileExists(L"D:\\Out\\Audio\\sub\\f.inf"));
    ASSERT_EQ(sim.copies.size(), 1u);
    EXPECT_EQ(sim.copies[0].from, L"C:\\SETUP\\DRIVERS\\AUDIO\\*");  // short form of an existing path
    EXPECT_EQ(sim.copies[0].to, L"D:\\Out\\Audio\\");  // did not exist yet: kept as built
    EXPECT_EQ(sim.copies[0].flags, 0x0614);
    EXPECT_EQ(sim.debugLines.back(), L"Setup error code = 0.\n======== Utility Setup End ========");
}

TEST_F(SetupExtract, TwoSectionsGetTheirNamesAppended) {
    Ini("[Audio]\nExtractDrvSource1=Drivers\\Audio\nExtractDrvDest1=Audio\n"
        "[Video]\nExtractDrvSource1=Drivers\\Video\nExtractDrvDest1=Video\n");
    Source(L"Drivers\\Audio");
    Source(L"Drivers\\Video");
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(sim.FileExists(L"D:\\Out\\Audio\\Audio\\sub\\f.inf"));
    EXPECT_TRUE(sim.FileExists(L"D:\\Out\\Video\\Video\\sub\\f.inf"));
}

TEST_F(SetupExtract, ASectionWithoutPairsStillCounts) {
    Ini("[Audio]\nExtractDrvSource1=Drivers\\Audio\nExtractDrvDest1=Audio\n[Notes]\nText=hello\n");
    Source(L"Drivers\\Audio");
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(sim.FileExists(L"D:\\Out\\Audio\\Audio\\sub\\f.inf"));
}

TEST_F(SetupExtract, EmptyValuesAreSkippedSilently) {
    Ini("[Audio]\nExtractDrvSource1=\nExtractDrvDest1=Audio\nExtractDrvSource2=A\nExtractDrvDest2=\n");
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(sim.copies.empty());
    EXPECT_EQ(sim.debugLines.size(), 2u);  // start and end only
}

TEST_F(SetupExtract, NothingToCopyEndsWithZero) {
    Ini("[Utility]\nName=x\n");
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(sim.copies.empty());
}

TEST_F(SetupExtract, MissingSourceStopsAfterEarlierPairs) {
    Ini("[Audio]\nExtractDrvSource1=Drivers\\Audio\nExtractDrvDest1=Audio\n"
        "ExtractDrvSource2=Drivers\\Missing\nExtractDrvDest2=Missing\n");
    Source(L"Drivers\\Audio");
    EXPECT_EQ(Run(), 105);
    EXPECT_TRUE(sim.FileExists(L"D:\\Out\\Audio\\sub\\f.inf"));
    const auto& lines = sim.debugLines;
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2],
              L"Failed to copy, Soure directory= C:\\Setup\\Drivers\\Missing\\*, Dest directory= D:\\Out\\Missing\\, "
              L"error code = 2");
    EXPECT_EQ(lines.back().rfind(L"Copy files fail, Return Error code = ", 0), 0u);
}

TEST_F(SetupExtract, DirectoryResultsThatLetThePairGoOn) {
    for (int result : {0, 183, 80}) {
        sim::SimLauncher fresh;
        fresh.AddFile(L"C:\\Setup\\Setup.ini", "[A]\nExtractDrvSource=S\nExtractDrvDest=D\n");
        fresh.AddFile(L"C:\\Setup\\S\\f", "x");
        fresh.AddFolder(L"D:\\Out\\D");
        if (result) fresh.directoryFailures[L"d:\\out\\d"] = result;
        EXPECT_EQ(RunSetup(fresh, L"/ExtractDrivers \"D:\\Out\""), 0) << result;
    }
    sim.AddFile(L"C:\\Setup\\Setup.ini", "[A]\nExtractDrvSource=S\nExtractDrvDest=D\n");
    sim.directoryFailures[L"d:\\out\\d"] = 0x57;
    EXPECT_EQ(Run(), 105);
    EXPECT_EQ(sim.debugLines[sim.debugLines.size() - 2], L"Failed to create directory= D:\\Out\\D\\, error code = 57");
}

TEST_F(SetupExtract, OddIniContentNeverCrashes) {
    const std::string cases[] = {
        "",
        "no sections at all\nExtractDrvSource=a\n",
        "[A]\nExtractDrvSource\nExtractDrvDest\n",
        "[A]\nExtractDrvSource=S\n[A]\nExtractDrvDest=D\n",
        "[" + std::string(2000, 'x') + "]\n" + std::string(5000, 'k') + "=v\n",
        std::string("[\x01\xff\x00\x7f]\n\x80=\x90\n", 12),
        "[A]\nExtractDrvSource=" + std::string(600, 's') + "\nExtractDrvDest=" + std::string(600, 'd') + "\n",
    };
    for (const std::string& text : cases) {
        sim::SimLauncher fresh;
        fresh.AddFile(L"C:\\Setup\\Setup.ini", text);
        const int code = RunSetup(fresh, L"/ExtractDrivers \"D:\\Out\"");
        EXPECT_TRUE(code == 0 || code == 105) << code;
    }
}

TEST(SetupExtractLists, CutListsAreReadWithinTheBuffer) {
    const wchar_t list[] = {L'a', L'b', L'\0', L'c', L'd'};  // cut: no final terminator
    EXPECT_EQ(SplitNameList(list, 5), (std::vector<std::wstring>{L"ab", L"cd"}));
    EXPECT_TRUE(SplitNameList(list, 0).empty());
}

TEST(SetupPaths, LongModulePathAndNameStayInTheirBuffers) {
    sim::SimLauncher sim;
    sim.modulePath = L"C:\\" + std::wstring(300, L'p') + L"\\Setup.exe";
    EXPECT_EQ(RunSetup(sim, (L"/log \"" + std::wstring(500, L'l') + L"\"").c_str()), 105);
    sim::SimLauncher named;
    named.AddFile(L"C:\\Setup\\Setup.ini", "[Utility]\nName=" + std::string(400, 'n') + "\n");
    EXPECT_EQ(RunSetup(named, L""), 105);  // the cut path does not exist
    EXPECT_EQ(named.debugLines.back(), L"Can not find Utility Setup.\n======== Utility Setup Abort ========");
}

}  // namespace
}  // namespace vh
