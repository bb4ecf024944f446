// The composition dialog's commands: each once, found by identifier, with the menu text of its keys.

#include "app/compose_commands.h"

#include <gtest/gtest.h>

#include <set>

namespace meridax {
namespace {

TEST(ComposeCommands, MenuTexts_CarryTheirKeys) {
  EXPECT_STREQ(composeMenuText(ComposeCommand::ClearBoard), "Clear &Board\tShift+Ctrl+Delete");
  EXPECT_STREQ(composeMenuText(ComposeCommand::DeleteGroup), "Delete &Connected Group\tCtrl+E");
  EXPECT_STREQ(composeMenuText(ComposeCommand::EraseField), "&Erase the Field of Territory\tCtrl+E");
  EXPECT_STREQ(composeMenuText(ComposeCommand::CopyAscii), "Copy &ASCII Text to Clipboard");
}

TEST(ComposeCommands, EveryCommand_ListedOnceAndFoundByItsIdentifier) {
  std::set<int> ids;
  std::set<ComposeCommand> commands;
  for (const ComposeCommandEntry& e : composeCommands()) {
    EXPECT_TRUE(ids.insert(e.id).second) << e.name;
    EXPECT_TRUE(commands.insert(e.command).second) << e.name;
    EXPECT_EQ(composeCommandFor(e.id), e.command) << e.name;
  }
  EXPECT_EQ(commands.size(), static_cast<std::size_t>(ComposeCommand::DeleteGroup) + 1) << "a command is missing";
  EXPECT_EQ(composeCommandFor(0), std::nullopt);
}

}  // namespace
}  // namespace meridax
