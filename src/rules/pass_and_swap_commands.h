#pragma once
// Menu texts and enabled states of the commands that add special moves, as data for the menus:
// pass (also swap sides and the Unlur acceptance), swap pieces, resignation and forfeit.

#include <string>

#include "model/game_kind.h"
#include "model/game_node.h"

namespace meridax {

namespace special_move_command {
inline constexpr int kPassId = 1202;        // Ctrl+T: pass, swap sides or accept the black pieces
inline constexpr int kSwapPiecesId = 1203;  // Ctrl+U
inline constexpr int kForfeitId = 1226;
inline constexpr int kResignationId = 1228;
}  // namespace special_move_command

// What the menus need to know about the current game. Pente and Connect6 are Go games here.
struct SpecialMoveContext {
  GameKind kind = GameKind::Go;
  int moveNumber = 0;  // of the current node
  SpecialMoveKind currentKind = SpecialMoveKind::Placement;
  int whitePieces = 0;  // white pieces on the current position (Unlur)
};

struct SpecialMoveCommand {
  int id = 0;
  std::string label;  // menu text, accelerator after a tab
  std::string tip;    // tool tip; empty when the command has none
  bool enabled = false;
  SpecialMoveKind adds = SpecialMoveKind::Pass;  // the node the command adds
};

// Command 1202: "&Pass\tCtrl+T" for Go, "Swap &Sides\tCtrl+T" for the swap-sides kinds (move 1 only),
// "Accept the &Black Pieces\tCtrl+T" for Unlur, a disabled "Pass" for every other kind.
SpecialMoveCommand passCommand(const SpecialMoveContext& ctx);
// Command 1203: enabled only for Hex at move 1.
SpecialMoveCommand swapPiecesCommand(const SpecialMoveContext& ctx);
// Command 1228: disabled while the current node is a resignation.
SpecialMoveCommand resignationCommand(const SpecialMoveContext& ctx);
// Command 1226: disabled while the current node is a forfeit.
SpecialMoveCommand forfeitCommand(const SpecialMoveContext& ctx);

}  // namespace meridax
