#pragma once
// Moving the stone of an earlier move to another point: finding the move that put the stone there, and
// the texts that tell the user what will happen. The corrected game itself is written by the SGF writer
// and read back as a further game of the collection, so the game being corrected never changes.

#include <string>

#include "model/board_position.h"
#include "model/grid_frame.h"
#include "rules/placement.h"

namespace meridax {

inline constexpr char kCorrectStoneCaption[] = "CorrectStone()";
inline constexpr char kMoveCorrectionCaption[] = "Move Correction";

// Where the walk up from the current node ended without finding the move.
enum class SearchEnd {
  FirstNode,   // the game's first node: the stone was never played as a move
  Compose,     // a composed position: stones above it may not be where they were played
  SwapPieces,  // the pieces were moved by the swap
};

// The move found by the walk, or where the walk ended.
struct MoveSearch {
  const GameNode* move = nullptr;  // the placement at the point; nullptr when not found
  SearchEnd end = SearchEnd::FirstNode;
};

// Walks from `from` up through its parents to the nearest placement at `point` (cell index). Only
// placements count: a special move carries no stone whatever point it holds. The walk stops at a compose
// or swap-pieces node, at the first node, and at a link that leaves the tree.
MoveSearch findMoveAt(const SGridFrame& game, const GameNode* from, unsigned point);

// "Unable to locate move '%s'" and, when the walk ended at a compose or swap-pieces node, the sentence
// that says so.
std::string unableToLocateText(const std::string& pointName, SearchEnd end);

// The text of the "Move Correction" confirmation: what will happen, with the sentence for the kind.
std::string moveCorrectionText(const SGridFrame& game, const std::string& from, const std::string& to);

// What a correction from source to target comes to in the given position of the current node.
enum class CorrectionStep {
  Nothing,   // not for this kind, source without a piece, target not empty, or the move cannot be rewritten
  NotFound,  // tell the user `text` (caption "CorrectStone()")
  Confirm,   // ask the user `text` (caption "Move Correction"); on Yes rewrite `move` at `target`
};

struct CorrectionPlan {
  CorrectionStep step = CorrectionStep::Nothing;
  std::string text;
  std::string sourceName;  // the "Position" field: "%c%d"
  std::string targetName;  // the "New Position" field
  const GameNode* move = nullptr;
  BoardPoint target;
};

// Plans the correction of the current node's position `pos`. Never for Othello; points outside the board
// give Nothing.
CorrectionPlan planStoneCorrection(const SGridFrame& game, const BoardPosition& pos, BoardPoint source,
                                   BoardPoint target);

}  // namespace meridax
