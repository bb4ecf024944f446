#pragma once
// Square sizes of the board pane, remembered per game family and board size. Stored as texts of 45
// characters, one per board size, each character's code being the size + 59.

#include <array>
#include <string>
#include <string_view>

#include "model/game_kind.h"

namespace meridax {

inline constexpr int kSizeTableEntries = 45;
inline constexpr int kDefaultSquareSize = 24;
inline constexpr int kMinSquareSize = 12;
inline constexpr int kMaxSquareSize = 70;
inline constexpr int kSquareSizeCodeOffset = 59;

// Entry i holds the square size for a board of width i + 1.
using SquareSizeTable = std::array<int, kSizeTableEntries>;

enum class SizeFamily { GoBoard, Othello, HexagonBoard, Hex, Kropki };

// The table a kind uses: Othello, Hex and Kropki their own, the hexagon-board kinds (Havannah, Unlur, Side
// Stitch) one, every square-grid kind the Go-board one.
SizeFamily sizeFamilyOf(GameKind kind);
// The profile key of a family's table: "SizeGGO", "SizeRVR", "SizeUNL", "SizeHXE" or "SizeKRP".
const char* sizeTableKey(SizeFamily family);

SquareSizeTable defaultSquareSizes();
// Every size 24, then one size per character present (at most 45): code - 59 rounded down to even, 12 for
// codes of 70 or less, at most 70. "NULL" is no table.
SquareSizeTable parseSquareSizes(std::string_view text);
// Exactly 45 characters, size + 59 each (sizes are kept within 12 ... 70).
std::string squareSizesText(const SquareSizeTable& table);

// The size for a board width (1 ... 45); the default size for any other width.
int squareSizeFor(const SquareSizeTable& table, int boardWidth);

}  // namespace meridax
