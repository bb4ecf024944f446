#pragma once
// Rules of the placement games on hexagonal cells (Hex, Havannah, Unlur, Side Stitch): the side to
// move after a placement or a special move, the swap-pieces transform and the Unlur contract.
// A placement there changes only its own cell; nothing is captured and no winning shape is detected.

#include "model/board_position.h"
#include "model/game_kind.h"
#include "model/game_node.h"
#include "rules/move_result.h"

namespace meridax {

struct PieceCounts {
  int black = 0;
  int white = 0;
  friend bool operator==(const PieceCounts&, const PieceCounts&) = default;
};

// The black and white pieces standing on the position (Unlur keeps them in the game's counters).
PieceCounts countPieces(const BoardPosition& pos);

// The position of a swap-pieces node: black and white exchanged; for Hex the board is also reflected
// in its main diagonal, cell (x, y) taking the value of (y, x). Other kinds are not reflected.
BoardPosition swapPieces(GameKind kind, const BoardPosition& pos);

// True for the cells on the six sides of an Unlur hexagon of this (odd) width.
bool isUnlurEdge(int width, int x, int y);

// True when an Unlur placement after the current node belongs to the contract of black pieces: the
// current node carries the black colour and no white piece stands on the position before the move.
bool isUnlurContractMove(Colour currentNodeColour, const BoardPosition& before);

// The Unlur edge rule, checked before a placement at (x, y) on the position before the move:
// ContractOnEdge for a contract move on an edge cell, else Accepted. The piece counts are taken from
// the position itself, so a stale white counter can never wrongly keep the contract alive.
MoveResult checkUnlurEdgeRule(const BoardPosition& before, Colour currentNodeColour, int x, int y);

// The side to move after a piece of colour `placed`, given the position after the placement: the
// opponent, except in Unlur while no white piece stands, where Black stays to move.
Colour sideToMoveAfterPlacement(GameKind kind, Colour placed, const BoardPosition& after);

// The side to move after a special move of kind `move` (1 to 5) made by `mover`, the side that was
// to move: White after the Unlur acceptance of the black pieces, the mover again after swap sides,
// the mover's opponent otherwise.
Colour sideToMoveAfterSpecialMove(GameKind kind, SpecialMoveKind move, Colour mover);

}  // namespace meridax
