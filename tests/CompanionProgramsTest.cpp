#include "services/CompanionPrograms.h"

#include <gtest/gtest.h>

#include "platform/sim/SimDesktop.h"

namespace vh {
namespace {

TEST(BuildOrlendaCmd, QuotesThePathBesideTheProgram) {
    sim::SimDesktop desk;
    std::wstring command;
    desk.process.modulePath = L"D:\\Tools\\Osd\\VarnoHotkey.exe";
    BuildOrlendaCmd(desk.process, desk.debug, command);
    EXPECT_EQ(command, L"\"D:\\Tools\\Osd\\Orlenda.exe\"");
}

TEST(BuildOrlendaCmd, StaysEmptyWhenThePathCannotBeRead) {
    sim::SimDesktop desk;
    std::wstring command;
    desk.process.failModulePath = true;
    BuildOrlendaCmd(desk.process, desk.debug, command);
    EXPECT_TRUE(command.empty());
    EXPECT_EQ(desk.debug.lines, std::vector<std::wstring>{L"[VarnoHotkey] Read program path fail"});
}

TEST(BuildOrlendaCmd, APathLongerThanTheBufferIsCutSafely) {
    sim::SimDesktop desk;
    std::wstring command;
    desk.process.modulePath = L"C:\\" + std::wstring(400, L'a') + L"\\VarnoHotkey.exe";
    BuildOrlendaCmd(desk.process, desk.debug, command);
    // The module path is cut at 259 characters; without a backslash left in it, the whole cut
    // text is taken as the folder.
    ASSERT_GE(command.size(), 2u);
    EXPECT_EQ(command.front(), L'"');
    EXPECT_EQ(command.back(), L'"');
    EXPECT_LE(command.size(), 259u + 13u + 2u);
}

}  // namespace
}  // namespace vh
