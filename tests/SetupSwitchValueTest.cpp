// Command-line switches: the first quoted text after the first occurrence of the switch.
#include "setup/SwitchValue.h"

#include <gtest/gtest.h>

#include <string>

namespace vh {
namespace {

struct SwitchCase {
    const char* name;
    const wchar_t* commandLine;
    const wchar_t* switchText;
    int result;
    const wchar_t* value;
};

class SetupSwitchValue : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(SetupSwitchValue, FindsTheQuotedValue) {
    const SwitchCase& c = GetParam();
    wchar_t value[kMaxPath];
    value[0] = L'x';  // must be cleared when nothing is found
    EXPECT_EQ(GetSwitchValue(c.commandLine, c.switchText, value), c.result);
    EXPECT_EQ(std::wstring(value), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    SetupSwitch, SetupSwitchValue,
    ::testing::Values(
        SwitchCase{"Plain", L"/log \"C:\\t\\s.log\"", L"/log", 0, L"C:\\t\\s.log"},
        SwitchCase{"WithoutBlank", L"/log\"C:\\a.log\" /x", L"/log", 0, L"C:\\a.log"},
        SwitchCase{"FirstOccurrenceWins", L"/log \"a\" /log \"b\"", L"/log", 0, L"a"},
        SwitchCase{"BothSwitches", L"/ExtractDrivers \"D:\\Out\" /log \"C:\\l.txt\"", L"/ExtractDrivers", 0,
                   L"D:\\Out"},
        SwitchCase{"SecondSwitch", L"/ExtractDrivers \"D:\\Out\" /log \"C:\\l.txt\"", L"/log", 0, L"C:\\l.txt"},
        // A plain substring search: the switch is found inside another switch's quoted value, and
        // the next quoted text after that is taken (here the gap between the two values).
        SwitchCase{"InsideAnotherValue", L"/ExtractDrivers \"D:\\/log\\x\" /log \"C:\\l.txt\"", L"/log", 0,
                   L" /log "},
        SwitchCase{"InsideALongerWord", L"/logging \"C:\\w.log\"", L"/log", 0, L"C:\\w.log"},
        SwitchCase{"EmptyValue", L"/log \"\"", L"/log", 0, L""},
        SwitchCase{"NoQuotes", L"/ExtractDrivers D:\\Out", L"/ExtractDrivers", 105, L""},
        SwitchCase{"OneQuoteOnly", L"/log \"C:\\a.log", L"/log", 105, L""},
        SwitchCase{"Absent", L"/quiet \"x\"", L"/log", 105, L""},
        SwitchCase{"CaseMatters", L"/extractdrivers \"D:\\Out\"", L"/ExtractDrivers", 105, L""},
        SwitchCase{"EmptyLine", L"", L"/log", 105, L""}),
    [](const ::testing::TestParamInfo<SwitchCase>& info) { return std::string(info.param.name); });

TEST(SetupSwitchValue, NullLineIsNotFound) {
    wchar_t value[kMaxPath] = L"x";
    EXPECT_EQ(GetSwitchValue(nullptr, L"/log", value), 105);
    EXPECT_EQ(value[0], L'\0');
}

TEST(SetupSwitchValue, ValueLongerThanTheBufferIsCutTo259Characters) {
    const std::wstring longValue(400, L'v');
    const std::wstring line = L"/log \"" + longValue + L"\" /x";
    wchar_t value[kMaxPath];
    EXPECT_EQ(GetSwitchValue(line.c_str(), L"/log", value), 0);
    EXPECT_EQ(std::wstring(value), longValue.substr(0, 259));
}

}  // namespace
}  // namespace vh
