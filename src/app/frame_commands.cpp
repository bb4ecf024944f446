// One dispatch for menus, accelerators and scripts: every command by its identifier and handler name.

#include <algorithm>
#include <iterator>

#include "app/frame_win.h"

namespace meridax {

namespace {

struct FrameCommand {
  int id;  // 0 when the command is reached by name only
  const char* name;
  void (*run)(FrameWin&);
};

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
    {special_move_command::kPassId, "CmPass", [](FrameWin& f) { f.CmPass(); }},
    {special_move_command::kSwapPiecesId, "CmSwapPieces", [](FrameWin& f) { f.CmSwapPieces(); }},
    {special_move_command::kResignationId, "CmResign", [](FrameWin& f) { f.CmResign(); }},
    {special_move_command::kForfeitId, "CmForfeit", [](FrameWin& f) { f.CmForfeit(); }},
};

}  // namespace

bool FrameWin::runCommand(int id) {
  if (id == 0) return false;
  const auto it = std::find_if(std::begin(kCommands), std::end(kCommands), [id](const FrameCommand& c) { return c.id == id; });
  if (it == std::end(kCommands)) return false;
  it->run(*this);
  return true;
}

bool FrameWin::runCommand(const std::string& name) {
  const auto it =
      std::find_if(std::begin(kCommands), std::end(kCommands), [&](const FrameCommand& c) { return name == c.name; });
  if (it == std::end(kCommands)) return false;
  it->run(*this);
  return true;
}

}  // namespace meridax
