// Copying the driver folders: the paths of each pair, the accepted folder results, the failures
// with their entries, and paths too long for their buffers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/SimLauncher.h"
#include "setup/DriverExtraction.h"
#include "setup/DriverInfo.h"
#include "setup/UtilitySettings.h"

namespace vh {
namespace {

using Lines = std::vector<std::wstring>;
constexpr std::uint16_t kExpectedFlags = 0x0004 | 0x0010 | 0x0200 | 0x0400;

// The launcher in C:\Setup with two driver folders beside it; the root D:\Out.
struct DriverTree {
    DriverTree() {
        system.AddFile(L"C:\\Setup\\Setup.exe");
        system.AddFile(L"C:\\Setup\\Drivers\\Audio\\audio.inf", "audio");
        system.AddFile(L"C:\\Setup\\Drivers\\Audio\\x64\\audio.sys", "sys");
        system.AddFile(L"C:\\Setup\\Drivers\\Video\\video.inf", "video");
        system.AddFolder(L"D:\\");
    }

    int Extract(const std::string& ini, const std::wstring& root = L"D:\\Out") {
        system.AddFile(L"C:\\Setup\\Setup.ini", ini);
        EXPECT_TRUE(LocateIni(system, state));
        root.copy(state.extractRoot, std::min<std::size_t>(root.size(), kMaxPath - 1));
        EXPECT_EQ(LoadDriverInfo(system, state), 0);
        SetupLog log(system, state.logPath);  // no log file: entries go to the debugger output
        return CopyDriverFolders(system, log, state);
    }
    std::vector<std::wstring> CopySources() const {
        std::vector<std::wstring> sources;
        for (const sim::SimCopy& c : system.copies) sources.push_back(c.from.at(0));
        return sources;
    }
    std::vector<std::wstring> CopyDestinations() const {
        std::vector<std::wstring> destinations;
        for (const sim::SimCopy& c : system.copies) destinations.push_back(c.to.at(0));
        return destinations;
    }

    sim::SimLauncher system;
    LauncherState state;
};

// The tests that need one tree only.
class SetupExtraction : public ::testing::Test, protected DriverTree {};

constexpr const char* kAudio = "[Audio]\nExtractDrvSource1=Drivers\\Audio\nExtractDrvDest1=Audio\n";
constexpr const char* kVideo = "[Video]\nExtractDrvSource1=Drivers\\Video\nExtractDrvDest1=Video\n";

TEST_F(SetupExtraction, OneSectionCopiesIntoTheDestinationItself) {
    EXPECT_EQ(Extract(std::string("[Utility]\nName=x.exe\n") + kAudio), 0);
    EXPECT_EQ(system.createdDirectories, Lines{L"D:\\Out\\Audio\\"});
    // The existing source is passed in its short form, the new destination as built.
    ASSERT_EQ(system.copies.size(), 1u);
    EXPECT_EQ(system.copies[0].from, Lines{L"C:\\SETUP\\DRIVERS\\AUDIO\\*"});
    EXPECT_EQ(system.copies[0].to, Lines{L"D:\\Out\\Audio\\"});
    EXPECT_EQ(system.copies[0].flags, kExpectedFlags);
    EXPECT_EQ(system.FileBytes(L"D:\\Out\\Audio\\audio.inf"), "audio");
    EXPECT_EQ(system.FileBytes(L"D:\\Out\\Audio\\x64\\audio.sys"), "sys");  // subfolders too
    EXPECT_TRUE(system.debugLines.empty());
}

TEST_F(SetupExtraction, TwoOrMoreRecordsGetTheSectionNameAppended) {
    struct Case {
        const char* name;
        std::string ini;
        Lines destinations;
    };
    const Case cases[] = {
        {"two sections", std::string(kAudio) + kVideo, {L"D:\\Out\\Audio\\Audio", L"D:\\Out\\Video\\Video"}},
        {"a section without pairs counts", std::string(kAudio) + "[Readme]\nText=none\n", {L"D:\\Out\\Audio\\Audio"}},
        {"Utility does not count", std::string("[Utility]\nName=x\n") + kAudio, {L"D:\\Out\\Audio\\"}},
    };
    for (const Case& c : cases) {
        DriverTree run;
        EXPECT_EQ(run.Extract(c.ini), 0) << c.name;
        EXPECT_EQ(run.CopyDestinations(), c.destinations) << c.name;
        EXPECT_EQ(run.system.createdDirectories, c.destinations) << c.name;
    }
}

TEST_F(SetupExtraction, RootWithTrailingBackslashGetsNoSecondOne) {
    EXPECT_EQ(Extract(kAudio, L"D:\\Out\\"), 0);
    EXPECT_EQ(CopyDestinations(), Lines{L"D:\\Out\\Audio\\"});
}

TEST_F(SetupExtraction, PairsWithAnEmptyValueAreSkippedWithoutAnEntry) {
    EXPECT_EQ(Extract("[A]\nExtractDrvSource1=\nExtractDrvDest1=Audio\n"
                      "ExtractDrvSource2=Drivers\\Audio\nExtractDrvDest2=\n"
                      "ExtractDrvSource3=Drivers\\Video\nExtractDrvDest3=Video\n"),
              0);
    EXPECT_EQ(CopySources(), Lines{L"C:\\SETUP\\DRIVERS\\VIDEO\\*"});
    EXPECT_TRUE(system.debugLines.empty());
}

TEST_F(SetupExtraction, ExistingPathsArePassedInTheirShortForm) {
    system.AddFile(L"C:\\Setup\\Driver Files\\Audio Codec\\codec.inf", "new");
    system.AddFile(L"D:\\Out\\Audio Codec\\codec.inf", "old");
    EXPECT_EQ(Extract("[A]\nExtractDrvSource1=Driver Files\\Audio Codec\\\nExtractDrvDest1=Audio Codec\n"), 0);
    EXPECT_EQ(CopySources(), Lines{L"C:\\SETUP\\DRIVER~1\\AUDIOC~1\\*"});
    EXPECT_EQ(CopyDestinations(), Lines{L"D:\\OUT\\AUDIOC~1\\"});
    EXPECT_EQ(system.FileBytes(L"D:\\Out\\Audio Codec\\codec.inf"), "new");  // overwritten without asking
}

TEST_F(SetupExtraction, FolderResultsThatLetThePairGoOnAndThoseThatStopIt) {
    struct Case {
        int createResult;
        int extractResult;
        Lines entries;
    };
    const Case cases[] = {
        {0, 0, {}},
        {183, 0, {}},
        {80, 0, {}},
        {5, 105, {L"Failed to create directory= D:\\Out\\Audio\\, error code = 5"}},
        {0x4C7, 105, {L"Failed to create directory= D:\\Out\\Audio\\, error code = 4c7"}},
        {-1, 105, {L"Failed to create directory= D:\\Out\\Audio\\, error code = ffffffff"}},
    };
    for (const Case& c : cases) {
        DriverTree run;
        run.system.createDirectoryFailures[L"D:\\Out\\Audio\\"] = c.createResult;
        EXPECT_EQ(run.Extract(kAudio), c.extractResult) << c.createResult;
        EXPECT_EQ(run.system.debugLines, c.entries) << c.createResult;
        EXPECT_EQ(run.system.copies.size(), c.extractResult == 0 ? 1u : 0u) << c.createResult;
    }
}

TEST_F(SetupExtraction, AFailedCopyStopsAfterTheEarlierPairs) {
    const std::string missing = "[Missing]\nExtractDrvSource1=Drivers\\Missing\nExtractDrvDest1=M\n";
    EXPECT_EQ(Extract(kAudio + missing + kVideo), 105);
    EXPECT_EQ(system.FileBytes(L"D:\\Out\\Audio\\Audio\\audio.inf"), "audio");  // kept
    EXPECT_FALSE(system.IsFolder(L"D:\\Out\\Video"));                         // never reached
    // The missing source keeps its long form; 0x7C is the shell copy's own code.
    EXPECT_EQ(system.debugLines, Lines{L"Failed to copy, Soure directory= C:\\Setup\\Drivers\\Missing\\*, "
                                       L"Dest directory= D:\\Out\\M\\Missing, error code = 7c"});
}

TEST_F(SetupExtraction, ScriptedCopyResultIsLoggedUnchanged) {
    system.copyFailures[L"C:\\Setup\\Drivers\\Audio"] = 0x75;
    EXPECT_EQ(Extract(kAudio), 105);
    EXPECT_EQ(system.debugLines, Lines{L"Failed to copy, Soure directory= C:\\SETUP\\DRIVERS\\AUDIO\\*, "
                                       L"Dest directory= D:\\Out\\Audio\\, error code = 75"});
}

TEST_F(SetupExtraction, ADestinationTooLongIsRefusedUncut) {
    const std::wstring root = L"D:\\" + std::wstring(250, L'r');
    EXPECT_EQ(Extract(kAudio, root), 105);
    EXPECT_TRUE(system.createdDirectories.empty());
    EXPECT_TRUE(system.copies.empty());
    // The entry shows the path as far as it fits the 260-character buffer.
    const std::wstring shown = (root + L"\\Audio\\").substr(0, 259);
    EXPECT_EQ(system.debugLines, Lines{L"Failed to create directory= " + shown + L", error code = ce"});
}

TEST_F(SetupExtraction, ASourceTooLongIsRefusedUncut) {
    // C:\Setup\ and 250 characters fill the buffer; the backslash and "*" no longer fit.
    const std::wstring source = std::wstring(250, L's');
    EXPECT_EQ(Extract("[A]\nExtractDrvSource1=" + std::string(250, 's') + "\nExtractDrvDest1=Audio\n"), 105);
    EXPECT_TRUE(system.copies.empty());
    const std::wstring shown = (L"C:\\Setup\\" + source + L"\\*").substr(0, 259);
    EXPECT_EQ(system.debugLines, Lines{L"Failed to copy, Soure directory= " + shown +
                                       L", Dest directory= D:\\Out\\Audio\\, error code = ce"});
}

TEST(SetupCopyFolderContents, PassesDoubleTerminatedListsThatFitTheBuffer) {
    sim::SimLauncher system;
    system.AddFolder(L"C:\\S");
    const std::wstring fits = L"C:\\S\\" + std::wstring(251, L'a') + L"\\*";  // 258 characters
    const std::wstring tooLong = fits + L"b";                              // 259: no room for two terminators
    EXPECT_EQ(CopyFolderContents(system, fits.c_str(), L"D:\\x"), 0x7C);  // reached the shell copy
    ASSERT_EQ(system.copies.size(), 1u);
    EXPECT_EQ(system.copies[0].from, Lines{fits});
    EXPECT_EQ(system.copies[0].to, Lines{L"D:\\x"});
    EXPECT_EQ(system.copies[0].flags, kExpectedFlags);
    EXPECT_EQ(CopyFolderContents(system, tooLong.c_str(), L"D:\\x"), 206);
    EXPECT_EQ(CopyFolderContents(system, L"C:\\S\\*", (L"D:\\" + std::wstring(300, L'd')).c_str()), 206);
    EXPECT_EQ(system.copies.size(), 1u);
}

}  // namespace
}  // namespace vh
