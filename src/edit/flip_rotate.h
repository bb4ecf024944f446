#pragma once
// Flipping and rotating boards: where each cell goes for each kind of board, applied to a position, to
// a stored markup text, and to a whole game (every move of every line, every stored position, every
// markup point and the cursor).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/board_position.h"
#include "model/grid_frame.h"

namespace meridax {

enum class BoardTransform : std::uint8_t { Flip, Rotate };

// The whole game (the board pane's commands) or the composition dialog's working board, which also
// turns Kropki boards and leaves a Hex board as it is when flipped.
enum class TransformUse : std::uint8_t { WholeGame, Composition };

// The new index of every cell of a width x width position. Cells off the board keep their place, so
// the map is a permutation of the whole square.
using CellMap = std::vector<int>;

// The map of the transform for a board, or nullopt when the kind does not offer it:
//   Go boards (and the other square kinds): flip (c, r) to (c, rows - 1 - r), rotate (c, r) to
//     (size - 1 - r, c) — a quarter turn;
//   Othello: flip (c, r) to (r, c), rotate cell i to size * size - 1 - i — a half turn;
//   Hex: rotate as Othello; no flip for the whole game, an unchanged board in the composition;
//   Havannah, Unlur, Side Stitch: flip (c, r) to (height + r - c - 1, r), rotate one sixth of a turn
//     clockwise about the centre;
//   Kropki: only in the composition — flip over its height, rotate a square board a quarter turn.
std::optional<CellMap> cellMap(GameKind kind, int width, int height, BoardTransform transform, TransformUse use);

// The position with every cell moved by the map.
BoardPosition transformPosition(const BoardPosition& pos, const CellMap& map);
// The same for a width x width array of bytes (a Kropki territory mask).
std::vector<std::uint8_t> transformCells(const std::vector<std::uint8_t>& cells, const CellMap& map);

// A stored markup text with the point of every value moved by the map; label texts, blanked values
// and points outside the width x width square are left as they are.
std::string transformMarkup(std::string_view stored, const CellMap& map, int width);

// Moves every placement, snapshot and markup point of the game, the points of the kept properties
// that are points of the board (kept_property_points.h), and its cursor square; the current
// node is then entered again so that its position and counters follow. False when the kind does not
// offer the transform (nothing changes); true marks the game changed.
bool transformGame(SGridFrame& game, BoardTransform transform);

}  // namespace meridax
