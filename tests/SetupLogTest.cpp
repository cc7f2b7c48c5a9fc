// The launcher's log writer: the bytes of an entry, and where an entry goes when there is no file.
#include "setup/SetupLog.h"

#include <gtest/gtest.h>

#include "platform/sim/SimLauncher.h"

namespace vh {
namespace {

constexpr const wchar_t* kLogPath = L"C:\\Temp\\Setup.log";
constexpr const wchar_t* kOpened = L"*******Open file success***********";

TEST(SetupLogEncoding, WritesSingleBytesAndCrLf) {
    struct Case {
        std::wstring text;
        std::string bytes;
    };
    const Case cases[] = {
        {L"plain", "plain"},
        {L"\nA\nB\n", "\r\nA\r\nB\r\n"},
        {L"caf\u00E9 \u00FF", "caf\xE9 \xFF"},  // Latin-1 stays one byte each
        {L"\u0100\u4E2Dz", "??z"},              // anything above 255 is "?"
        {L"a\rb", "a\rb"},                      // only line feeds are widened
        {L"\U0001F600", "??"},                  // two UTF-16 units, as on Windows
    };
    for (const Case& c : cases) EXPECT_EQ(EncodeLogText(c.text), c.bytes);
}

class SetupLogFile : public ::testing::Test {
protected:
    void SetUp() override { system.AddFolder(L"C:\\Temp"); }
    sim::SimLauncher system;
};

TEST_F(SetupLogFile, StartEntryIsTheStampLineAndTheBanner) {
    SetupLog log(system, kLogPath);
    log.Write(L"\n======== Utility Setup Start ========");
    // 14:05:02 on 9 March 2016, every field a plain decimal.
    EXPECT_EQ(system.FileBytes(kLogPath), "2016/3/9 14:5:2 \r\n======== Utility Setup Start ========\r\n");
    EXPECT_EQ(system.debugLines, std::vector<std::wstring>{kOpened});
    EXPECT_EQ(system.OpenHandles(), 0);  // closed after the entry
}

TEST_F(SetupLogFile, EntriesAreAppendedWithTheirOwnTime) {
    system.AddFile(kLogPath, "old\r\n");
    SetupLog log(system, kLogPath);
    system.localTime = {2023, 12, 31, 0, 0, 59};
    log.Write(L"first");
    system.localTime = {2024, 1, 1, 23, 10, 0};
    log.Write(L"ab\u0416c\nend");
    EXPECT_EQ(system.FileBytes(kLogPath), "old\r\n2023/12/31 0:0:59 first\r\n2024/1/1 23:10:0 ab?c\r\nend\r\n");
    EXPECT_EQ(system.debugLines, (std::vector<std::wstring>{kOpened, kOpened}));
}

TEST_F(SetupLogFile, WithoutAFileTheMessageGoesToTheDebugger) {
    struct Case {
        const char* name;
        std::wstring path;
        bool lockedByAnother;
    };
    const Case cases[] = {
        {"no path", L"", false},
        {"missing folder", L"C:\\NoSuchFolder\\Setup.log", false},
        {"held by another process", kLogPath, true},
        {"a folder", L"C:\\Temp", false},
    };
    for (const Case& c : cases) {
        sim::SimLauncher fresh;
        fresh.AddFolder(L"C:\\Temp");
        if (c.lockedByAnother) fresh.lockedFiles.insert(c.path);
        SetupLog log(fresh, c.path.c_str());
        log.Write(L"\nmessage");
        EXPECT_EQ(fresh.debugLines, std::vector<std::wstring>{L"\nmessage"}) << c.name;
        EXPECT_FALSE(fresh.IsFile(L"C:\\NoSuchFolder\\Setup.log")) << c.name;
        EXPECT_EQ(fresh.FileBytes(kLogPath), "") << c.name;
    }
}

TEST_F(SetupLogFile, ALongMessageIsWrittenWhole) {
    const std::wstring message(1023, L'm');
    SetupLog log(system, kLogPath);
    log.Write(message.c_str());
    EXPECT_EQ(system.FileBytes(kLogPath), "2016/3/9 14:5:2 " + std::string(1023, 'm') + "\r\n");
}

}  // namespace
}  // namespace vh
