// The commands of an open games or players list; each acts on the top list window.

#include "app/command_registry.h"
#include "app/frame_win.h"
#include "app/list_menus.h"

namespace meridax {

namespace {

using G = CommandGroup;

const ListWindow* topIn(FrameWin& f, ListMode mode) {
  const ListWindow* list = f.lists().topList();
  return list != nullptr && list->mode == mode ? list : nullptr;
}

bool anyList(FrameWin& f) { return f.lists().listOpen(); }
bool playersList(FrameWin& f) { return topIn(f, ListMode::Players) != nullptr; }
bool oneGameSelected(FrameWin& f) {
  const ListWindow* list = topIn(f, ListMode::Games);
  return list != nullptr && list->selected.size() == 1;
}
bool someGamesSelected(FrameWin& f) {
  const ListWindow* list = topIn(f, ListMode::Games);
  return list != nullptr && !list->selected.empty();
}
bool onePlayerSelected(FrameWin& f) {
  const ListWindow* list = topIn(f, ListMode::Players);
  return list != nullptr && list->selected.size() == 1;
}
bool somePlayersSelected(FrameWin& f) {
  const ListWindow* list = topIn(f, ListMode::Players);
  return list != nullptr && !list->selected.empty();
}
bool anySelected(FrameWin& f) { return f.lists().listOpen() && !f.lists().topList()->selected.empty(); }
// Importing and reordering belong to the list of the whole collection.
bool wholeCollectionList(FrameWin& f) {
  const ListWindow* list = topIn(f, ListMode::Games);
  return list != nullptr && !list->forPlayers;
}
bool importable(FrameWin& f) { return wholeCollectionList(f) && oneGameSelected(f); }
// Some but not all rows are selected.
bool movable(FrameWin& f) {
  const ListWindow* list = topIn(f, ListMode::Games);
  return wholeCollectionList(f) && !list->selected.empty() && list->selected.size() < list->rows();
}

std::string eraseText(FrameWin& f) { return playersList(f) ? list_menu::kErasePlayers : list_menu::kEraseGames; }
std::string exportText(FrameWin& f) { return playersList(f) ? list_menu::kExportPlayers : list_menu::kExportGames; }

const FrameCommand kCommands[] = {
    {.name = "CmFoldersDetails", .group = G::Lists, .menuText = list_menu::kDetails,
     .run = [](FrameWin& f) { f.lists().CmFoldersDetails(); }, .enabled = oneGameSelected},
    {.name = "CmFoldersNavigate", .group = G::Lists, .menuText = list_menu::kNavigate,
     .run = [](FrameWin& f) { f.lists().CmFoldersNavigate(); }, .enabled = oneGameSelected},
    {.name = "CmFoldersImport", .group = G::Lists, .menuText = list_menu::kImport,
     .run = [](FrameWin& f) { f.lists().CmFoldersImport(); }, .enabled = importable},
    {.name = "CmFoldersSetEvents", .group = G::Lists, .menuText = list_menu::kSetEvent,
     .run = [](FrameWin& f) { f.lists().CmFoldersSetEvents(); }, .enabled = someGamesSelected},
    {.name = "CmFoldersSetPlace", .group = G::Lists, .menuText = list_menu::kSetPlace,
     .run = [](FrameWin& f) { f.lists().CmFoldersSetPlace(); }, .enabled = someGamesSelected},
    {.name = "CmFoldersMoveUp", .group = G::Lists, .run = [](FrameWin& f) { f.lists().CmFoldersMoveUp(); }, .enabled = movable},
    {.name = "CmFoldersMoveDown", .group = G::Lists, .run = [](FrameWin& f) { f.lists().CmFoldersMoveDown(); },
     .enabled = movable},
    {.name = "CmFoldersPageUp", .group = G::Lists, .run = [](FrameWin& f) { f.lists().CmFoldersPageUp(); }, .enabled = movable},
    {.name = "CmFoldersPageDown", .group = G::Lists, .run = [](FrameWin& f) { f.lists().CmFoldersPageDown(); },
     .enabled = movable},
    {.name = "CmFoldersMoveTop", .group = G::Lists, .run = [](FrameWin& f) { f.lists().CmFoldersMoveTop(); },
     .enabled = movable},
    {.name = "CmFoldersMoveBottom", .group = G::Lists, .run = [](FrameWin& f) { f.lists().CmFoldersMoveBottom(); },
     .enabled = movable},
    {.name = "CmFoldersShowGames", .group = G::Lists, .menuText = list_menu::kShowGames,
     .run = [](FrameWin& f) { f.lists().CmFoldersShowGames(); }, .enabled = somePlayersSelected},
    {.name = "CmFoldersFind", .group = G::Lists, .menuText = list_menu::kRename,
     .run = [](FrameWin& f) { f.lists().CmFoldersFind(); }, .enabled = onePlayerSelected},
    {.name = "CmFoldersErase", .group = G::Lists, .menuText = list_menu::kEraseGames, .run = [](FrameWin& f) { f.lists().CmFoldersErase(); }, .enabled = anyList,
     .text = eraseText},
    {.name = "CmFoldersKeep", .group = G::Lists, .menuText = list_menu::kKeep,
     .run = [](FrameWin& f) { f.lists().CmFoldersKeep(); }, .enabled = anyList},
    {.name = "CmFoldersExport", .group = G::Lists, .menuText = list_menu::kExportGames, .run = [](FrameWin& f) { f.lists().CmFoldersExport(); },
     .enabled = anySelected, .text = exportText},
    {.name = "CmFoldersClose", .group = G::Lists, .run = [](FrameWin& f) { f.lists().closeList(); }, .enabled = anyList},
};

}  // namespace

FrameCommandTable listCommandTable() { return kCommands; }

}  // namespace meridax
