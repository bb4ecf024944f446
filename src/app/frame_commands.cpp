// One dispatch for menus, accelerators and scripts: every command by its identifier and handler name.

#include <algorithm>
#include <iterator>

#include "app/board_view_commands.h"
#include "app/export_commands.h"
#include "app/frame_win.h"
#include "app/navigation_commands.h"

namespace meridax {

namespace {

const FrameCommand kCommands[] = {
    {0, "LoadSGF", [](FrameWin& f) { f.LoadSGF(); }},
    {0, "ReLoad", [](FrameWin& f) { f.ReLoad(f.currentFile()); }},
    {0, "CmSave", [](FrameWin& f) { f.CmSave(); }},
    {0, "SaveAs", [](FrameWin& f) { f.SaveAs(SaveScope::WholeCollection); }},
    {0, "CmExportCurrentGame", [](FrameWin& f) { f.CmExportCurrentGame(); }},
    {0, "CollImport", [](FrameWin& f) { f.CollImport(); }},
    {0, "CmCollAddSGF", [](FrameWin& f) { f.CmCollAddSGF(); }},
    {0, "CmCollEmpty", [](FrameWin& f) { f.CmCollEmpty(); }},
    {0, "CmCollDelete", [](FrameWin& f) { f.CmCollDelete(); }},
    {0, "CmNewGame", [](FrameWin& f) { f.CmNewGame(); }},
    {0, "CmNewGameOfType", [](FrameWin& f) { f.CmNewGameOfType(); }},
    {0, "OnClose", [](FrameWin& f) { f.OnClose(); }},
    {0, "CmViewFile", [](FrameWin& f) { f.CmViewFile(); }},
    {0, "CmHelp", [](FrameWin& f) { f.CmHelp(); }},
    {1660, "CmPreviousGame", [](FrameWin& f) { f.CmPreviousGame(); }},
    {1658, "CmNextGame", [](FrameWin& f) { f.CmNextGame(); }},
    {1664, "CmUpEightGames", [](FrameWin& f) { f.CmUpEightGames(); }},
    {1666, "CmDownEightGames", [](FrameWin& f) { f.CmDownEightGames(); }},
    {1654, "CmFirstGame", [](FrameWin& f) { f.CmFirstGame(); }},
    {1656, "CmLastGame", [](FrameWin& f) { f.CmLastGame(); }},
    {special_move_command::kPassId, "CmPass", [](FrameWin& f) { f.CmPass(); },
     [](FrameWin& f) { return passCommand(f.specialMoveContext()).enabled; },
     [](FrameWin& f) { return passCommand(f.specialMoveContext()).label; }},
    {special_move_command::kSwapPiecesId, "CmSwapPieces", [](FrameWin& f) { f.CmSwapPieces(); },
     [](FrameWin& f) { return swapPiecesCommand(f.specialMoveContext()).enabled; },
     [](FrameWin& f) { return swapPiecesCommand(f.specialMoveContext()).label; }},
    {special_move_command::kResignationId, "CmResign", [](FrameWin& f) { f.CmResign(); },
     [](FrameWin& f) { return resignationCommand(f.specialMoveContext()).enabled; },
     [](FrameWin& f) { return resignationCommand(f.specialMoveContext()).label; }},
    {special_move_command::kForfeitId, "CmForfeit", [](FrameWin& f) { f.CmForfeit(); },
     [](FrameWin& f) { return forfeitCommand(f.specialMoveContext()).enabled; },
     [](FrameWin& f) { return forfeitCommand(f.specialMoveContext()).label; }},
};

// Every group's table, the frame's own first.
template <typename Pred>
const FrameCommand* findIn(Pred pred) {
  const FrameCommandTable tables[] = {FrameCommandTable(kCommands), NavigationCommands::commandTable(),
                                      TreeEditCommands::commandTable(), AnnotationCommands::commandTable(),
                                      CollectionListCommands::commandTable(), boardViewCommandTable(),
                                      exportCommandTable()};
  for (const FrameCommandTable& table : tables)
    for (const FrameCommand& c : table)
      if (pred(c)) return &c;
  return nullptr;
}

}  // namespace

const FrameCommand* FrameWin::findCommand(int id) const {
  if (id == 0) return nullptr;
  return findIn([id](const FrameCommand& c) { return c.id == id; });
}

const FrameCommand* FrameWin::findCommand(const std::string& name) const {
  return findIn([&](const FrameCommand& c) { return name == c.name; });
}

bool FrameWin::commandEnabled(const FrameCommand& command) {
  return command.enabled == nullptr || command.enabled(*this);
}

std::string FrameWin::commandMenuText(const FrameCommand& command) {
  return command.menuText == nullptr ? std::string() : command.menuText(*this);
}

bool FrameWin::runCommand(int id) {
  const FrameCommand* c = findCommand(id);
  if (c == nullptr) return false;
  if (commandEnabled(*c)) c->run(*this);
  return true;
}

bool FrameWin::runCommand(const std::string& name) {
  const FrameCommand* c = findCommand(name);
  if (c == nullptr) return false;
  if (commandEnabled(*c)) c->run(*this);
  return true;
}

}  // namespace meridax
