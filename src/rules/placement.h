#pragma once
// What every placement rule shares: the play mode, a board point, and the checks made before any rule.

#include <cstdint>

#include "model/board_position.h"
#include "rules/move_result.h"

namespace meridax {

// User play runs every check; quiet play (loading a file, replaying a correction) skips the checks
// that only guard the user (Othello legality, Go self capture and repetition).
enum class PlayMode : std::uint8_t { User, Quiet };

struct BoardPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(BoardPoint, BoardPoint) = default;
};

// Accepted when (x, y) is an empty board square of pos; else OutOfRange, OffBoard or Occupied.
MoveResult checkPlacement(const BoardPosition& pos, int x, int y);

}  // namespace meridax
