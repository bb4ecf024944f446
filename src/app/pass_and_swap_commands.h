#pragma once
// Menu texts and enabled states of the commands that add special moves, as data for the menus:
// pass (also swap sides and the Unlur acceptance), swap pieces, resignation and forfeit.

#include <string>

#include "model/game_kind.h"
#include "model/game_node.h"

namespace meridax {

// What the menus need to know about the current game. Pente and Connect6 are Go games here.
struct SpecialMoveContext {
  GameKind kind = GameKind::Go;
  int moveNumber = 0;  // of the current node
  SpecialMoveKind currentKind = SpecialMoveKind::Placement;
  int whitePieces = 0;  // white pieces on the current position (Unlur)
};

struct SpecialMoveCommand {
  std::string label;  // menu text, accelerator after a tab
  std::string tip;    // tool tip; empty when the command has none
  bool enabled = false;
  SpecialMoveKind adds = SpecialMoveKind::Pass;  // the node the command adds
};

// The pass command: "&Pass\tCtrl+T" for Go, "Swap &Sides\tCtrl+T" for the swap-sides kinds (move 1 only),
// "Accept the &Black Pieces\tCtrl+T" for Unlur, a disabled "Pass" for every other kind.
SpecialMoveCommand passCommand(const SpecialMoveContext& ctx);
// Swap pieces: enabled only for Hex at move 1.
SpecialMoveCommand swapPiecesCommand(const SpecialMoveContext& ctx);
// Resignation: disabled while the current node is a resignation.
SpecialMoveCommand resignationCommand(const SpecialMoveContext& ctx);
// Forfeit: disabled while the current node is a forfeit.
SpecialMoveCommand forfeitCommand(const SpecialMoveContext& ctx);

}  // namespace meridax
