#pragma once
// The single road by which a placement enters a game: from the board, from the SGF reader (quiet),
// and from the reload of a correction.

#include "model/board_position.h"
#include "rules/move_result.h"
#include "rules/play_context.h"

namespace meridax {

// Plays colour c at the selected point. On success the new or reached node is current and pos is its
// position; on refusal nothing changes (pos included) and the result says why. In user play a refusal
// shows its status text. Throws AppError only when the node store has no room.
MoveResult Accept_Move(PlayContext& ctx, Colour c, BoardPosition& pos);

// Adds a pass, resign, forfeit, swap-sides or swap-pieces node below the current node with colour c
// (follows or switches to an existing one of the same kind). pos is the current position, changed to
// the new node's position.
void addSpecialMove(PlayContext& ctx, SpecialMoveKind kind, Colour c, BoardPosition& pos);

// Adds a compose node holding pos, with the given side to move.
GameNode* addComposeNode(PlayContext& ctx, Colour sideToMove, const BoardPosition& pos);

// The load error text of a refusal: "( %c%c%d )   at move number %d", the load text, and an extract of
// the file text around errorOffset when one is given.
std::string loadErrorText(const SGridFrame& game, int x, int y, MoveResult r, const std::string* fileText = nullptr,
                          std::size_t errorOffset = 0);

}  // namespace meridax
