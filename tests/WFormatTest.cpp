#include "common/WFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace vh {
namespace {

std::wstring Fmt(const wchar_t* pattern, auto... args) {
    wchar_t buf[128];
    FormatW(buf, pattern, args...);
    return buf;
}

TEST(WFormat, WindowsWideSemantics) {
    EXPECT_EQ(Fmt(L"[VarnoHotkey] Read TskControl (0x%X, %d) from the registry.\n", 0x401u, 0x401u),
              L"[VarnoHotkey] Read TskControl (0x401, 1025) from the registry.\n");
    EXPECT_EQ(Fmt(L"%s\\%s", L"C:\\Tools", L"Orlenda.exe"), L"C:\\Tools\\Orlenda.exe");
    EXPECT_EQ(Fmt(L"%S and %hs", "narrow", "also"), L"narrow and also");
    EXPECT_EQ(Fmt(L"hres = 0x%x", static_cast<std::int32_t>(0x80041003u)), L"hres = 0x80041003");
    EXPECT_EQ(Fmt(L"%d", 0xFFFFFFFFu), L"-1");  // a DWORD shown as int, as printf does
    EXPECT_EQ(Fmt(L"%u %5d|%-4d|%04X", 7u, 42, 3, 0xABu), L"7    42|3   |00AB");
    EXPECT_EQ(Fmt(L"Battery Charge < %%10"), L"Battery Charge < %10");
    EXPECT_EQ(Fmt(L"%c%c", L'o', L'k'), L"ok");
}

TEST(WFormat, MissingArgumentsPrintNothing) {
    EXPECT_EQ(Fmt(L"a%db%sc"), L"abc");
}

TEST(WFormat, CutsAtTheBufferAndTerminates) {
    wchar_t buf[8];
    const std::size_t n = FormatW(buf, L"%s-%d", L"abcdef", 12345);
    EXPECT_EQ(n, 7u);
    EXPECT_EQ(std::wstring(buf), L"abcdef-");

    wchar_t one[1];
    EXPECT_EQ(FormatW(one, L"%s", L"x"), 0u);
    EXPECT_EQ(one[0], L'\0');

    std::wstring s;
    FormatString(s, 5, L"%s", L"longer than five");
    EXPECT_EQ(s, L"longe");
}

}  // namespace
}  // namespace vh
