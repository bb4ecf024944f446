#include "app/list_menus.h"

namespace meridax {

namespace {

struct ListKey {
  const char* key;
  const char* command;
};

constexpr ListKey kGamesListKeys[] = {
    {"F9", "CmFoldersDetails"},         {"Return", "CmFoldersNavigate"},       {"Delete", "CmFoldersErase"},
    {"Insert", "CmFoldersImport"},      {"Alt+Up", "CmFoldersMoveUp"},         {"Alt+Down", "CmFoldersMoveDown"},
    {"Alt+PageUp", "CmFoldersPageUp"},  {"Alt+PageDown", "CmFoldersPageDown"}, {"Alt+Home", "CmFoldersMoveTop"},
    {"Alt+End", "CmFoldersMoveBottom"}, {"Escape", "CmFoldersClose"},
};

constexpr ListKey kPlayersListKeys[] = {
    {"Return", "CmFoldersShowGames"},
    {"Delete", "CmFoldersErase"},
    {"Escape", "CmFoldersClose"},
};

std::vector<ListMenuEntry> playersMenu(const ListMenuState& state) {
  using namespace list_menu;
  std::vector<ListMenuEntry> menu = {
      {kShowGames, "CmFoldersShowGames"}, {kErasePlayers, "CmFoldersErase"}, {kKeep, "CmFoldersKeep"}};
  if (state.selected == 1) menu.push_back({kRename, "CmFoldersFind"});
  menu.push_back({kExportPlayers, "CmFoldersExport"});
  return menu;
}

}  // namespace

std::vector<ListMenuEntry> listContextMenu(const ListMenuState& state) {
  using namespace list_menu;
  if (state.selected == 0) return {};
  if (state.mode == ListMode::Players) return playersMenu(state);
  std::vector<ListMenuEntry> menu;
  if (state.selected == 1) {
    menu.push_back({kDetails, "CmFoldersDetails"});
    if (state.rows > 1)
      menu.insert(menu.end(), {{kNavigate, "CmFoldersNavigate"}, {kEraseGames, "CmFoldersErase"}, {kKeep, "CmFoldersKeep"}});
    if (!state.forPlayers) menu.push_back({kImport, "CmFoldersImport"});
  } else {
    menu.insert(menu.end(), {{kEraseGames, "CmFoldersErase"}, {kKeep, "CmFoldersKeep"}});
  }
  menu.insert(menu.end(), {{"", ""},
                           {kSetEvent, "CmFoldersSetEvents"},
                           {kSetPlace, "CmFoldersSetPlace"},
                           {kExportGames, "CmFoldersExport"}});
  return menu;
}

std::optional<std::string> listCommandForKey(ListMode mode, std::string_view canonicalKey) {
  const auto find = [&](const auto& keys) -> std::optional<std::string> {
    for (const ListKey& k : keys)
      if (canonicalKey == k.key) return std::string(k.command);
    return std::nullopt;
  };
  return mode == ListMode::Games ? find(kGamesListKeys) : find(kPlayersListKeys);
}

}  // namespace meridax
