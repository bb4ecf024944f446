#include "app/list_menus.h"

#include <gtest/gtest.h>

namespace meridax {
namespace {

// The handler names of a menu, "-" for a separator.
std::string commands(const std::vector<ListMenuEntry>& menu) {
  std::string out;
  for (const ListMenuEntry& e : menu) out += (e.command.empty() ? "-" : e.command) + " ";
  return out;
}

struct MenuCase {
  const char* name;
  ListMenuState state;
  const char* commands;
};

class ListMenus : public ::testing::TestWithParam<MenuCase> {};

TEST_P(ListMenus, Selection_DecidesTheEntries) {
  EXPECT_EQ(commands(listContextMenu(GetParam().state)), GetParam().commands);
}

INSTANTIATE_TEST_SUITE_P(
    GamesAndPlayers, ListMenus,
    ::testing::Values(
        MenuCase{"NothingSelected", {ListMode::Games, 0, 5, false}, ""},
        MenuCase{"OneOfSeveral", {ListMode::Games, 1, 5, false},
                 "CmFoldersDetails CmFoldersNavigate CmFoldersErase CmFoldersKeep CmFoldersImport - "
                 "CmFoldersSetEvents CmFoldersSetPlace CmFoldersExport "},
        MenuCase{"OnlyRow", {ListMode::Games, 1, 1, false},
                 "CmFoldersDetails CmFoldersImport - CmFoldersSetEvents CmFoldersSetPlace CmFoldersExport "},
        MenuCase{"OneShownForPlayers", {ListMode::Games, 1, 3, true},
                 "CmFoldersDetails CmFoldersNavigate CmFoldersErase CmFoldersKeep - CmFoldersSetEvents "
                 "CmFoldersSetPlace CmFoldersExport "},
        MenuCase{"Several", {ListMode::Games, 2, 3, false},
                 "CmFoldersErase CmFoldersKeep - CmFoldersSetEvents CmFoldersSetPlace CmFoldersExport "},
        MenuCase{"OnePlayer", {ListMode::Players, 1, 3, false},
                 "CmFoldersShowGames CmFoldersErase CmFoldersKeep CmFoldersFind CmFoldersExport "},
        MenuCase{"SeveralPlayers", {ListMode::Players, 2, 3, false},
                 "CmFoldersShowGames CmFoldersErase CmFoldersKeep CmFoldersExport "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListMenus, Texts_AreTheMenusOwn) {
  const std::vector<ListMenuEntry> menu = listContextMenu({ListMode::Players, 1, 3, false});
  ASSERT_EQ(menu.size(), 5u);
  EXPECT_EQ(menu[0].text, "Show &Games for Player(s)\tReturn");
  EXPECT_EQ(menu[1].text, "&Erase the Player Games from the Collection\tDelete");
  EXPECT_EQ(menu[3].text, "Edit Player &Name");
  EXPECT_EQ(menu[4].text, "Export the Player Games");
  EXPECT_EQ(listContextMenu({ListMode::Games, 2, 3, false})[2], (ListMenuEntry{"", ""}));
}

TEST(ListMenus, Keys_ActByListMode) {
  EXPECT_EQ(listCommandForKey(ListMode::Games, "Return"), "CmFoldersNavigate");
  EXPECT_EQ(listCommandForKey(ListMode::Players, "Return"), "CmFoldersShowGames");
  EXPECT_EQ(listCommandForKey(ListMode::Games, "Alt+PageDown"), "CmFoldersPageDown");
  EXPECT_EQ(listCommandForKey(ListMode::Players, "Alt+Up"), std::nullopt);
  EXPECT_EQ(listCommandForKey(ListMode::Players, "F9"), std::nullopt);
  EXPECT_EQ(listCommandForKey(ListMode::Games, "Delete"), "CmFoldersErase");
  EXPECT_EQ(listCommandForKey(ListMode::Games, "Ctrl+Right"), std::nullopt);
}

}  // namespace
}  // namespace meridax
