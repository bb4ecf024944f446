#pragma once
// Go placements: captures of groups without liberties, self capture, repetition, handicap stones,
// and the packing of both capture counters into one capture-index entry.

#include <cstdint>
#include <functional>
#include <vector>

#include "model/board_position.h"
#include "model/game_kind.h"
#include "rules/move_result.h"
#include "rules/placement.h"

namespace meridax {

// Answers whether `after` arose earlier on the current line after a move of the colour `mover`.
using RepetitionCheck = std::function<bool(const BoardPosition& after, Colour mover)>;

// What a Go placement did. On refusal the position is exactly as before and both counts are 0.
struct GoMoveOutcome {
  MoveResult result = MoveResult::Accepted;
  Colour mover = Colour::Black;
  int captured = 0;      // opponent stones removed
  int selfCaptured = 0;  // own stones removed by a self capture played while quiet

  bool accepted() const { return result == MoveResult::Accepted; }
  // Stones left the board: the node carries a snapshot and a capture-index entry.
  bool removedStones() const { return captured + selfCaptured > 0; }
  // What side's capture counter gains: the mover its captures, the opponent a self capture.
  int gainFor(Colour side) const { return side == mover ? captured : selfCaptured; }
};

// When the group of `colour` at (x, y) has no liberty, empties it and returns its size; else 0,
// leaving pos unchanged. Also 0 when (x, y) is outside the board or does not hold `colour`.
int removeIfDead(BoardPosition& pos, int x, int y, Colour colour);

// Plays a stone of colour c at (x, y). User play refuses a self capture that captures nothing
// (SelfCapture) and, through `repeats`, a capture that recreates an earlier position (Ko); quiet
// play removes the self-captured group instead and never asks `repeats`. An empty `repeats`
// checks nothing. A point that is not an empty board square is refused by checkPlacement.
GoMoveOutcome PlayGoMove(BoardPosition& pos, int x, int y, Colour c, PlayMode mode,
                         const RepetitionCheck& repeats = {});

// Both capture counters as one capture-index entry: each cut to 8 bits, black * 256 + white.
struct CaptureCounts {
  int black = 0;
  int white = 0;
  friend bool operator==(CaptureCounts, CaptureCounts) = default;
};
std::uint16_t packCaptureEntry(int black, int white);
CaptureCounts unpackCaptureEntry(std::uint16_t entry);

// Handicap stones are placed on a board of this width only.
inline constexpr int kHandicapBoardWidth = 19;
inline constexpr int kMinHandicap = 2;
inline constexpr int kMaxHandicap = 9;

// The handicap points for n stones on 19 x 19: none below 2, all nine above 9.
std::vector<BoardPoint> handicapPoints(int n);
// Puts black stones on the handicap points; returns how many were placed (0 unless pos is 19 wide).
int placeHandicap(BoardPosition& pos, int n);

}  // namespace meridax
