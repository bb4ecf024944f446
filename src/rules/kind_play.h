#pragma once
// The rules of each game kind, as move acceptance calls them: what a placement does to the position
// before the node is added, and what the new node records afterwards.

#include <string>

#include "model/board_position.h"
#include "rules/move_result.h"
#include "rules/play_context.h"

namespace meridax {

struct KindMove {
  MoveResult result = MoveResult::Accepted;
  bool addsNode = true;        // Margo, Onyx and Sursum add no node
  bool forceSnapshot = false;  // stones left the board
  Colour nextSide = Colour::Black;
  bool captureRecord = false;  // Go and Pente: the node enters the capture index
  bool countersChanged = false;
  int blackCounter = 0;
  int whiteCounter = 0;
  bool passImplied = false;    // Othello: the mover moves again
  std::string statusText;      // replaces the side-to-move text in user play (Othello)
};

// Applies the kind's rules for a placement of colour c at the selected point to pos, the position of
// the current node. A refusal leaves pos as it was; the game itself is never changed here.
KindMove playByKind(const PlayContext& ctx, Colour c, BoardPosition& pos);

// Records on the new node what the placement did: side to move, capture record, counters, pass mark.
void recordKindMove(SGridFrame& game, GameNode* node, const KindMove& km);

}  // namespace meridax
