// The launcher from start to end on the simulated system: both modes, the log, the exit codes,
// the single-instance rule, every abort and inputs too long for their buffers.
#include "setup/SetupLauncher.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/sim/SimLauncher.h"
#include "setup/SetupLog.h"

namespace vh {
namespace {

using Lines = std::vector<std::wstring>;

constexpr const wchar_t* kStart = L"\n======== Utility Setup Start ========";
constexpr const wchar_t* kOpened = L"*******Open file success***********";
constexpr const wchar_t* kLog = L"C:\\Temp\\Setup.log";
constexpr const wchar_t* kWithLog = L"/log \"C:\\Temp\\Setup.log\"";
constexpr const char* kUtilityIni = "[Utility]\nName=Utility\\UtilSetup.exe\n";
constexpr const wchar_t* kUtility = L"C:\\Setup\\Utility\\UtilSetup.exe";

std::wstring EndEntry(int code) {
    return L"Setup error code = " + std::to_wstring(code) + L".\n======== Utility Setup End ========";
}

// The log file bytes of these messages, all written at the simulation's fixed time.
std::string LogBytes(const Lines& messages) {
    std::string bytes;
    for (const std::wstring& m : messages) bytes += "2016/3/9 14:5:2 " + EncodeLogText(m) + "\r\n";
    return bytes;
}

// The launcher in C:\Setup beside Setup.ini and the utility setup program; a folder for logs.
struct LauncherTree {
    explicit LauncherTree(const char* ini = kUtilityIni) {
        system.AddFile(L"C:\\Setup\\Setup.exe");
        if (ini) system.AddFile(L"C:\\Setup\\Setup.ini", ini);
        system.AddFile(kUtility);
        system.AddFile(L"C:\\Setup\\Drivers\\Audio\\audio.inf", "audio");
        system.AddFolder(L"C:\\Temp");
        system.AddFolder(L"D:\\");
    }
    sim::SimLauncher system;
};

class SetupLauncher : public ::testing::Test, protected LauncherTree {};

TEST_F(SetupLauncher, SetupModeStartsTheUtilityWithTheWholeLineAndWaits) {
    const std::wstring line = std::wstring(kWithLog) + L" /S /v\"INSTALLDIR=C:\\x\"";
    system.childExitCode = 7;
    EXPECT_EQ(RunSetup(system, line.c_str()), 7);
    ASSERT_EQ(system.starts.size(), 1u);
    EXPECT_EQ(system.starts[0].file, kUtility);
    EXPECT_EQ(system.starts[0].parameters, line);
    EXPECT_EQ(system.starts[0].showCommand, 5);
    EXPECT_EQ(system.waits.size(), 1u);
    EXPECT_EQ(system.FileBytes(kLog), LogBytes({kStart, EndEntry(7)}));
    EXPECT_EQ(system.debugLines, (Lines{kOpened, kOpened}));
    EXPECT_EQ(system.OpenHandles(), 0);  // mutex and child handle closed at the end
}

TEST_F(SetupLauncher, ChildCodesAreMappedAndLoggedUnmapped) {
    struct Case {
        std::uint32_t child;
        int exitCode;
        int logged;
    };
    const Case cases[] = {
        {0, 0, 0},
        {7, 7, 7},
        {105, 105, 105},
        {static_cast<std::uint32_t>(-1), 101, -1},
        {static_cast<std::uint32_t>(-2), 102, -2},
        {static_cast<std::uint32_t>(-3), 103, -3},
        {static_cast<std::uint32_t>(-4), 104, -4},
        {static_cast<std::uint32_t>(-5), 102, -5},
        {0xC0000005u, 102, static_cast<std::int32_t>(0xC0000005u)},
    };
    for (const Case& c : cases) {
        LauncherTree run;
        run.system.childExitCode = c.child;
        EXPECT_EQ(RunSetup(run.system, L"/S"), c.exitCode) << c.child;
        EXPECT_EQ(run.system.debugLines, (Lines{kStart, EndEntry(c.logged)})) << c.child;
    }
}

TEST_F(SetupLauncher, NoExitCodeKeepsMinusTwo) {
    const std::function<void(sim::SimLauncher&)> cases[] = {
        [](sim::SimLauncher& s) { s.startGivesNoHandle = true; },
        [](sim::SimLauncher& s) { s.exitCodeError = 6; },
    };
    for (const auto& script : cases) {
        LauncherTree run;
        run.system.childExitCode = 3;
        script(run.system);
        EXPECT_EQ(RunSetup(run.system, L""), 102);
        EXPECT_EQ(run.system.debugLines, (Lines{kStart, EndEntry(-2)}));
        EXPECT_EQ(run.system.OpenHandles(), 0);
    }
}

TEST_F(SetupLauncher, NoArgumentsGiveEmptyParametersAndLogToTheDebugger) {
    for (const wchar_t* line : {L"", static_cast<const wchar_t*>(nullptr)}) {
        LauncherTree run;
        EXPECT_EQ(RunSetup(run.system, line), 0);
        ASSERT_EQ(run.system.starts.size(), 1u);
        EXPECT_EQ(run.system.starts[0].parameters, L"");
        EXPECT_EQ(run.system.debugLines, (Lines{kStart, EndEntry(0)}));
    }
}

TEST_F(SetupLauncher, ALogFileThatCannotBeOpenedNeverStopsTheRun) {
    struct Case {
        const char* name;
        const wchar_t* line;
        bool locked;
    };
    const Case cases[] = {
        {"folder missing", L"/log \"C:\\Nowhere\\Setup.log\"", false},
        {"held by another process", kWithLog, true},
        {"no quotes", L"/log C:\\Temp\\Setup.log", false},
    };
    for (const Case& c : cases) {
        LauncherTree run;
        if (c.locked) run.system.lockedFiles.insert(kLog);
        EXPECT_EQ(RunSetup(run.system, c.line), 0) << c.name;
        EXPECT_EQ(run.system.starts.size(), 1u) << c.name;
        EXPECT_EQ(run.system.debugLines, (Lines{kStart, EndEntry(0)})) << c.name;
        EXPECT_FALSE(run.system.IsFile(L"C:\\Nowhere\\Setup.log")) << c.name;
        EXPECT_EQ(run.system.FileBytes(kLog), "") << c.name;
    }
}

TEST_F(SetupLauncher, ASecondLauncherEndsAtOnceWithoutALog) {
    int secondResult = -1;
    std::size_t debugLinesBefore = 0;
    system.onWait = [&] {
        debugLinesBefore = system.debugLines.size();
        secondResult = RunSetup(system, L"/log \"C:\\Temp\\Second.log\"");
    };
    system.childExitCode = 4;
    EXPECT_EQ(RunSetup(system, kWithLog), 4);
    EXPECT_EQ(secondResult, 105);
    EXPECT_EQ(debugLinesBefore, 1u);
    EXPECT_EQ(system.debugLines.size(), 2u);  // the first launcher's two entries only
    EXPECT_FALSE(system.IsFile(L"C:\\Temp\\Second.log"));
    EXPECT_EQ(system.starts.size(), 1u);
    EXPECT_EQ(system.OpenHandles(), 0);
}

TEST_F(SetupLauncher, NoMutexMeansNoRun) {
    const std::function<void(sim::SimLauncher&)> cases[] = {
        [](sim::SimLauncher& s) { s.heldMutexes.insert(L"Mutex_Quenlo"); },
        [](sim::SimLauncher& s) { s.mutexError = 5; },
    };
    for (const auto& script : cases) {
        LauncherTree run;
        script(run.system);
        EXPECT_EQ(RunSetup(run.system, kWithLog), 105);
        EXPECT_TRUE(run.system.debugLines.empty());
        EXPECT_FALSE(run.system.IsFile(kLog));
        EXPECT_TRUE(run.system.starts.empty());
        EXPECT_EQ(run.system.OpenHandles(), 0);
    }
}

TEST_F(SetupLauncher, EveryAbortIsLoggedAndEndsWith105) {
    const std::wstring abort = L"\n======== Utility Setup Abort ========";
    struct Case {
        const char* name;
        const char* ini;
        std::function<void(sim::SimLauncher&)> script;
        std::wstring extraArguments;
        Lines entries;  // after the start entry
    };
    const Case cases[] = {
        {"own path unavailable", kUtilityIni, [](sim::SimLauncher& s) { s.modulePathError = 0x1F; }, L"",
         {L"Can not find INI path, error code = 1f" + abort}},
        {"own path cut by the system", kUtilityIni,
         [](sim::SimLauncher& s) { s.modulePath = L"C:\\" + std::wstring(300, L'p') + L"\\Setup.exe"; }, L"",
         {L"Can not find INI path, error code = 7a" + abort}},
        {"Setup.ini missing in setup mode", nullptr, nullptr, L"",
         {L"Utility information load fail, Return Error code = 2" + abort}},
        {"Setup.ini missing in extraction mode", nullptr, nullptr, L" /ExtractDrivers \"D:\\Out\"",
         {L"Driver Information load fail, Return Error code = 2" + abort}},
        {"extraction root without quotes", kUtilityIni, nullptr, L" /ExtractDrivers D:\\Out",
         {L"Can not find ExtractDrivers path = ." + abort}},
        {"utility setup program missing", "[Utility]\nName=Missing.exe\n", nullptr, L"",
         {L"Can not find Utility Setup." + abort}},
        {"start fails", kUtilityIni, [](sim::SimLauncher& s) { s.startError = 0x4C7; }, L"",
         {L"Launch Utility Setup Fail, Error Code =4c7." + abort}},
        {"folder cannot be created", "[A]\nExtractDrvSource1=Drivers\\Audio\nExtractDrvDest1=Audio\n",
         [](sim::SimLauncher& s) { s.createDirectoryFailures[L"D:\\Out\\Audio\\"] = 5; },
         L" /ExtractDrivers \"D:\\Out\"",
         {L"Failed to create directory= D:\\Out\\Audio\\, error code = 5",
          L"Copy files fail, Return Error code = 5" + abort}},
        // The last error is the one the existence test of the missing source left.
        {"copy fails", "[A]\nExtractDrvSource1=Drivers\\Missing\nExtractDrvDest1=Audio\n", nullptr,
         L" /ExtractDrivers \"D:\\Out\"",
         {L"Failed to copy, Soure directory= C:\\Setup\\Drivers\\Missing\\*, Dest directory= D:\\Out\\Audio\\, "
          L"error code = 7c",
          L"Copy files fail, Return Error code = 2" + abort}},
    };
    for (const Case& c : cases) {
        LauncherTree run(c.ini);
        if (c.script) c.script(run.system);
        const std::wstring line = kWithLog + c.extraArguments;
        EXPECT_EQ(RunSetup(run.system, line.c_str()), 105) << c.name;
        Lines all{kStart};
        all.insert(all.end(), c.entries.begin(), c.entries.end());
        EXPECT_EQ(run.system.FileBytes(kLog), LogBytes(all)) << c.name;
        EXPECT_EQ(run.system.starts.size(), std::string(c.name) == "start fails" ? 1u : 0u) << c.name;
        EXPECT_EQ(run.system.OpenHandles(), 0) << c.name;
    }
}

TEST_F(SetupLauncher, AnEmptyNameStartsTheLaunchersOwnFolder) {
    LauncherTree run("[Utility]\n");
    EXPECT_EQ(RunSetup(run.system, L""), 0);
    ASSERT_EQ(run.system.starts.size(), 1u);
    EXPECT_EQ(run.system.starts[0].file, L"C:\\Setup\\");
}

TEST_F(SetupLauncher, TheExtractionSwitchInAnotherCaseIsSetupMode) {
    const wchar_t* line = L"/extractdrivers \"D:\\Out\"";
    EXPECT_EQ(RunSetup(system, line), 0);
    ASSERT_EQ(system.starts.size(), 1u);
    EXPECT_EQ(system.starts[0].parameters, line);
    EXPECT_TRUE(system.copies.empty());
}

TEST_F(SetupLauncher, ExtractionModeCopiesAndEndsWithZero) {
    struct Case {
        const char* name;
        const char* ini;
        std::size_t copies;
    };
    const Case cases[] = {
        {"one pair", "[Utility]\nName=x\n[Audio]\nExtractDrvSource1=Drivers\\Audio\nExtractDrvDest1=Audio\n", 1},
        {"no driver sections", kUtilityIni, 0},
    };
    for (const Case& c : cases) {
        LauncherTree run(c.ini);
        run.system.childExitCode = 9;  // no child in this mode
        const std::wstring line = L"/ExtractDrivers \"D:\\Out\" " + std::wstring(kWithLog);
        EXPECT_EQ(RunSetup(run.system, line.c_str()), 0) << c.name;
        EXPECT_TRUE(run.system.starts.empty()) << c.name;
        EXPECT_EQ(run.system.copies.size(), c.copies) << c.name;
        EXPECT_EQ(run.system.FileBytes(kLog), LogBytes({kStart, EndEntry(0)})) << c.name;
    }
    LauncherTree run("[Audio]\nExtractDrvSource1=Drivers\\Audio\nExtractDrvDest1=Audio\n");
    EXPECT_EQ(RunSetup(run.system, L"/ExtractDrivers \"D:\\Out\""), 0);
    EXPECT_EQ(run.system.FileBytes(L"D:\\Out\\Audio\\audio.inf"), "audio");
}

TEST_F(SetupLauncher, InputsLongerThanTheirBuffersNeverOverflow) {
    // A utility path that does not fit is not started cut.
    {
        LauncherTree run(("[Utility]\nName=" + std::string(300, 'n') + "\n").c_str());
        EXPECT_EQ(RunSetup(run.system, L""), 105);
        EXPECT_TRUE(run.system.starts.empty());
        EXPECT_EQ(run.system.debugLines.back(), L"Can not find Utility Setup.\n======== Utility Setup Abort ========");
    }
    // Switch values are cut to 259 characters: the log goes to the cut name, and every
    // destination below the cut root is too long to be created. No system call failed, so the
    // abort entry shows the last error as it stands.
    {
        LauncherTree run("[A]\nExtractDrvSource1=Drivers\\Audio\nExtractDrvDest1=Audio\n");
        const std::wstring line = L"/log \"C:\\Temp\\" + std::wstring(400, L'l') + L"\" /ExtractDrivers \"D:\\" +
                                  std::wstring(400, L'r') + L"\"";
        EXPECT_EQ(RunSetup(run.system, line.c_str()), 105);
        EXPECT_TRUE(run.system.createdDirectories.empty());
        const std::wstring cutLog = L"C:\\Temp\\" + std::wstring(251, L'l');
        EXPECT_EQ(run.system.FileBytes(cutLog),
                  LogBytes({kStart,
                            L"Failed to create directory= D:\\" + std::wstring(256, L'r') + L", error code = ce",
                            L"Copy files fail, Return Error code = 0\n======== Utility Setup Abort ========"}));
    }
    // A module path of exactly 259 characters still works.
    {
        LauncherTree run;
        const std::wstring folder = L"C:\\" + std::wstring(246, L'f');
        run.system.modulePath = folder + L"\\Setup.exe";
        ASSERT_EQ(run.system.modulePath.size(), 259u);
        run.system.AddFile(folder + L"\\Setup.ini", "[Utility]\nName=u.exe\n");
        run.system.AddFile(folder + L"\\u.exe");
        EXPECT_EQ(RunSetup(run.system, L""), 0);
        ASSERT_EQ(run.system.starts.size(), 1u);
        EXPECT_EQ(run.system.starts[0].file, folder + L"\\u.exe");
    }
}

TEST_F(SetupLauncher, ASetupIniOfGarbageStartsTheLaunchersFolder) {
    using std::string_literals::operator""s;
    LauncherTree run("\x01\xFF\0[\n=\n]]]\n\xFE\xFF[Utility\nName"s.c_str());
    EXPECT_EQ(RunSetup(run.system, L""), 0);
    ASSERT_EQ(run.system.starts.size(), 1u);
    EXPECT_EQ(run.system.starts[0].file, L"C:\\Setup\\");
}

}  // namespace
}  // namespace vh
