#pragma once
// A position: width x width cells, index x + y * width, x the column from the left, y the row from the top.

#include <cstdint>
#include <string>
#include <vector>

#include "model/game_kind.h"

namespace meridax {

namespace cell {
inline constexpr std::uint8_t kOffBoard = 0;
inline constexpr std::uint8_t kBlack = 1;
inline constexpr std::uint8_t kWhite = 2;
inline constexpr std::uint8_t kEmpty = 3;
inline constexpr std::uint8_t kAvailable = 11;  // empty and available to the side to move (Othello)
}  // namespace cell

constexpr bool isEmptyCell(std::uint8_t v) { return v == cell::kEmpty || v == cell::kAvailable; }
constexpr bool isPiece(std::uint8_t v) { return v == cell::kBlack || v == cell::kWhite; }

class BoardPosition {
 public:
  BoardPosition() = default;
  // Every cell starts off the board (0).
  explicit BoardPosition(int width) : width_(width), cells_(static_cast<std::size_t>(width) * width, 0) {}

  int width() const { return width_; }
  int cellCount() const { return static_cast<int>(cells_.size()); }
  bool inSquare(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < width_; }
  int index(int x, int y) const { return x + y * width_; }

  std::uint8_t at(int x, int y) const { return cells_[static_cast<std::size_t>(index(x, y))]; }
  void set(int x, int y, std::uint8_t v) { cells_[static_cast<std::size_t>(index(x, y))] = v; }
  std::uint8_t operator[](int i) const { return cells_[static_cast<std::size_t>(i)]; }
  std::uint8_t& operator[](int i) { return cells_[static_cast<std::size_t>(i)]; }

  const std::vector<std::uint8_t>& cells() const { return cells_; }
  std::vector<std::uint8_t>& cells() { return cells_; }

  friend bool operator==(const BoardPosition&, const BoardPosition&) = default;

 private:
  int width_ = 0;
  std::vector<std::uint8_t> cells_;
};

// True when (x, y) is a board square of a game of this kind, width and height.
bool isOnBoard(GameKind kind, int width, int height, int x, int y);

// An empty board: 3 on every board square, 0 elsewhere. Othello gets its four centre pieces.
BoardPosition startingPosition(GameKind kind, int width, int height);

// Rows of characters for tests and diagnostics: '.' empty, 'X' black, 'O' white, '#' off the board, '+' available.
std::string toDiagram(const BoardPosition& pos);
// The non-empty rows of a diagram text, blanks, tabs and CRs removed.
std::vector<std::string> diagramRows(const std::string& text);
// Reads the rows written by toDiagram (blanks are ignored, rows end at newlines).
BoardPosition fromDiagram(const std::string& text);

}  // namespace meridax
