// Reading the driver sections of Setup.ini: the pairing of keys, the name lists of the profile
// reader (cut ones included) and odd file contents.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/SimLauncher.h"
#include "setup/DriverInfo.h"
#include "setup/ProfileList.h"
#include "setup/UtilitySettings.h"

namespace vh {

void PrintTo(const DriverSection& s, std::ostream* os) {
    *os << "[" << ::testing::PrintToString(s.name) << " sources " << ::testing::PrintToString(s.sources)
        << " destinations " << ::testing::PrintToString(s.destinations) << "]";
}

namespace {

using Keys = std::vector<std::wstring>;

TEST(SetupPairDriverKeys, PairsASourceWithTheDestinationRightAfterIt) {
    struct Case {
        const char* name;
        Keys keys;
        std::vector<std::pair<std::wstring, std::wstring>> pairs;
    };
    const Case cases[] = {
        {"one pair", {L"ExtractDrvSource1", L"ExtractDrvDest1"}, {{L"ExtractDrvSource1", L"ExtractDrvDest1"}}},
        {"two pairs",
         {L"ExtractDrvSource1", L"ExtractDrvDest1", L"ExtractDrvSource2", L"ExtractDrvDest2"},
         {{L"ExtractDrvSource1", L"ExtractDrvDest1"}, {L"ExtractDrvSource2", L"ExtractDrvDest2"}}},
        {"two sources in a row",
         {L"ExtractDrvSource1", L"ExtractDrvSource2", L"ExtractDrvDest2"},
         {{L"ExtractDrvSource2", L"ExtractDrvDest2"}}},
        {"destination first", {L"ExtractDrvDest1", L"ExtractDrvSource1"}, {}},
        {"unrelated key between", {L"ExtractDrvSource1", L"Comment", L"ExtractDrvDest1"}, {}},
        {"names only contain the words",
         {L"xExtractDrvSource", L"ExtractDrvDestY"},
         {{L"xExtractDrvSource", L"ExtractDrvDestY"}}},
        {"case matters", {L"extractdrvsource1", L"extractdrvdest1"}, {}},
        {"a destination is used once", {L"ExtractDrvSource1", L"ExtractDrvDest1", L"ExtractDrvDest2"},
         {{L"ExtractDrvSource1", L"ExtractDrvDest1"}}},
        {"source last", {L"Other", L"ExtractDrvSource1"}, {}},
        {"no keys", {}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<std::wstring, std::wstring>> pairs;
        for (const DriverKeyPair& p : PairDriverKeys(c.keys)) pairs.emplace_back(p.sourceKey, p.destinationKey);
        EXPECT_EQ(pairs, c.pairs) << c.name;
    }
}

// A buffer of exactly the given characters, so that reading past it is caught by the sanitizer.
template <std::size_t N>
Keys Split(const wchar_t (&text)[N], std::uint32_t reported) {
    wchar_t buffer[N - 1];
    std::copy(text, text + N - 1, buffer);
    return SplitProfileList(buffer, N - 1, reported);
}

TEST(SetupProfileList, ReadsNamesWithinTheBufferAndDropsACutLastName) {
    // Capacity 8 each (the literal's own terminator is not part of the buffer).
    EXPECT_EQ(Split(L"ab\0cd\0\0x", 6), (Keys{L"ab", L"cd"}));       // complete
    EXPECT_EQ(Split(L"\0\0xxxxxx", 0), Keys{});                      // empty
    EXPECT_EQ(Split(L"abc\0d\0\0x", 6), (Keys{L"abc", L"d"}));       // fits with one cell to spare
    EXPECT_EQ(Split(L"abc\0de\0\0", 7), (Keys{L"abc", L"de"}));      // fits exactly
    EXPECT_EQ(Split(L"abc\0de\0\0", 6), (Keys{L"abc"}));             // cut inside "de..."
    EXPECT_EQ(Split(L"abcdefgh", 300), Keys{});                      // no terminator at all
    EXPECT_EQ(Split(L"ab\0cdefg", 300), (Keys{L"ab"}));              // last name unterminated
}

// The driver sections LoadDriverInfo reads from the given Setup.ini bytes.
std::vector<DriverSection> LoadFrom(const std::string& iniBytes) {
    sim::SimLauncher system;
    LauncherState state;
    system.AddFile(L"C:\\Setup\\Setup.exe");
    system.AddFile(L"C:\\Setup\\Setup.ini", iniBytes);
    EXPECT_TRUE(LocateIni(system, state));
    EXPECT_EQ(LoadDriverInfo(system, state), 0);
    return state.driverSections;
}

class SetupLoadDriverInfo : public ::testing::Test {
protected:
    sim::SimLauncher system;
    LauncherState state;
};

TEST_F(SetupLoadDriverInfo, MissingIniIs105WithErrorTwo) {
    system.AddFile(L"C:\\Setup\\Setup.exe");
    ASSERT_TRUE(LocateIni(system, state));
    EXPECT_EQ(LoadDriverInfo(system, state), 105);
    EXPECT_EQ(system.LastError(), 2u);
    EXPECT_TRUE(state.driverSections.empty());
}

TEST(SetupLoadDriverInfoContent, OddContentGivesTheReadableSectionsOnly) {
    using std::string_literals::operator""s;
    struct Case {
        const char* name;
        std::string ini;
        std::vector<DriverSection> sections;
    };
    const std::string longValue(1000, 'a');
    const Case cases[] = {
        {"empty file", "", {}},
        {"utility only", "[Utility]\r\nName=Setup.exe\r\n", {}},
        {"no sections", "ExtractDrvSource1=a\nExtractDrvDest1=b\n", {}},
        {"one section",
         "[Utility]\nName=x\n[Audio]\nExtractDrvSource1=Drivers\\Audio\nExtractDrvDest1=Audio\n",
         {{L"Audio", {L"Drivers\\Audio"}, {L"Audio"}}}},
        {"a section without pairs still counts", "[Audio]\nComment=none\n[Empty]\n",
         {{L"Audio", {}, {}}, {L"Empty", {}, {}}}},
        {"utility in lower case is a driver section", "[utility]\nName=x\n", {{L"utility", {}, {}}}},
        {"keys without values", "[A]\nExtractDrvSource1\nExtractDrvDest1=\n", {{L"A", {L""}, {L""}}}},
        {"duplicate sections: the first is read",
         "[A]\nExtractDrvSource1=first\nExtractDrvDest1=one\n[B]\n[a]\nExtractDrvSource1=second\nExtractDrvDest1=two\n",
         {{L"A", {L"first"}, {L"one"}}, {L"B", {}, {}}}},
        {"blanks and quotes around values",
         "[A]\n  ExtractDrvSource1 =  \"Drivers\\A b\"  \nExtractDrvDest1='x'\n",
         {{L"A", {L"Drivers\\A b"}, {L"x"}}}},
        {"a very long line is cut to 259 characters",
         "[A]\nExtractDrvSource1=" + longValue + "\nExtractDrvDest1=d\n",
         {{L"A", {std::wstring(259, L'a')}, {L"d"}}}},
        {"binary bytes in names and values",
         "[A\x01\xFF]\nExtractDrvSource1=\x01\xFE\nExtractDrvDest1=\x7F\n"s,
         {{L"A\x01\u00FF", {L"\x01\u00FE"}, {L"\x7F"}}}},
        // A zero byte in a key name ends the key list there, as it would for the system's list.
        {"a zero byte ends the key list", "[A]\n\0x=1\nExtractDrvSource1=s\nExtractDrvDest1=d\n"s, {{L"A", {}, {}}}},
    };
    for (const Case& c : cases) EXPECT_EQ(LoadFrom(c.ini), c.sections) << c.name;
}

TEST(SetupLoadDriverInfoContent, ACutSectionListDropsTheCutName) {
    // 30 names of 16 characters: 15 fit into 260 characters, the 16th is cut to "Sec".
    std::string ini;
    for (int i = 0; i < 30; ++i) ini += "[Section" + std::to_string(10 + i) + "_abcdef]\n";
    const std::vector<DriverSection> sections = LoadFrom(ini);
    ASSERT_EQ(sections.size(), 15u);
    EXPECT_EQ(sections.back().name, L"Section24_abcdef");
}

TEST(SetupLoadDriverInfoContent, ACutKeyListDropsTheCutName) {
    // The key list is cut inside "ExtractDrvDest17" to "ExtractDrvDest1", which would still look
    // like a destination key; the source before it stays without a partner.
    std::string ini = "[A]\nPadding=x\n";
    for (int i = 11; i <= 20; ++i) {
        const std::string n = std::to_string(i);
        ini += "ExtractDrvSource" + n + "=s" + n + "\nExtractDrvDest" + n + "=d" + n + "\n";
    }
    const std::vector<DriverSection> sections = LoadFrom(ini);
    ASSERT_EQ(sections.size(), 1u);
    EXPECT_EQ(sections[0].sources, (Keys{L"s11", L"s12", L"s13", L"s14", L"s15", L"s16"}));
    EXPECT_EQ(sections[0].destinations, (Keys{L"d11", L"d12", L"d13", L"d14", L"d15", L"d16"}));
}

TEST_F(SetupLoadDriverInfo, AUtf16FileIsReadToo) {
    system.AddFile(L"C:\\Setup\\Setup.exe");
    system.AddTextFile(L"C:\\Setup\\Setup.ini", L"[\u4E2D]\nExtractDrvSource1=\u00E9\u4E2D\nExtractDrvDest1=d\n");
    ASSERT_TRUE(LocateIni(system, state));
    ASSERT_EQ(LoadDriverInfo(system, state), 0);
    EXPECT_EQ(state.driverSections, (std::vector<DriverSection>{{L"\u4E2D", {L"\u00E9\u4E2D"}, {L"d"}}}));
}

}  // namespace
}  // namespace vh
