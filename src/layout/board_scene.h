#pragma once
// What the board pane shows of one position, in board points: each cell's look, move numbers,
// markers, markup symbols and labels, and the cursor. A painter turns it into pixels through the
// geometry; the scene itself knows no pixels.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "layout/board_geometry.h"
#include "model/board_position.h"
#include "model/grid_frame.h"

namespace meridax {

enum class CellLook : std::uint8_t {
  Empty,
  Black,
  White,
  Available,      // Othello: a legal square for the side to move, shown while available squares are on
  TurnsForBlack,  // Othello: a piece the move at the cursor would turn, Black to move
  TurnsForWhite,
  OffBoard,       // not a cell of the board (hexagon corners)
};

// Kropki: the field of territory a cell lies in.
enum class FieldColour : std::uint8_t { None, Black, White };

struct SceneCell {
  BoardPoint at;
  CellLook look = CellLook::Empty;
  std::uint8_t flags = 0;  // point flags of crossings (Go boards and Kropki)
  FieldColour field = FieldColour::None;
};

struct SceneNumber {
  BoardPoint at;
  int number = 0;
  bool onBlack = false;
  friend bool operator==(const SceneNumber&, const SceneNumber&) = default;
};

enum class MarkerKind : std::uint8_t { LastMove, NextMove, Variation };
struct SceneMarker {
  BoardPoint at;
  MarkerKind kind = MarkerKind::LastMove;
  Colour colour = Colour::Black;  // of the move marked
  friend bool operator==(const SceneMarker&, const SceneMarker&) = default;
};

enum class SymbolKind : std::uint8_t { Cross, Triangle, Circle, Square, BlackTerritory, WhiteTerritory };
struct SceneSymbol {
  BoardPoint at;
  SymbolKind kind = SymbolKind::Cross;
  CellLook on = CellLook::Empty;  // what the symbol stands on
  bool clearUnder = false;        // the square is cleared first so that no grid line runs through it
  bool inField = false;           // Kropki: on an empty cell inside a field of territory
  friend bool operator==(const SceneSymbol&, const SceneSymbol&) = default;
};

struct SceneLabel {
  BoardPoint at;
  std::string text;  // one line, escapes undone
  bool onBlack = false;
  friend bool operator==(const SceneLabel&, const SceneLabel&) = default;
};

struct SceneCursor {
  BoardPoint at;
  Colour toMove = Colour::Black;
  friend bool operator==(const SceneCursor&, const SceneCursor&) = default;
};

struct BoardScene {
  BoardDimensions board;
  Colour toMove = Colour::Black;
  std::vector<SceneCell> cells;  // width x rows cells in row-major order
  std::vector<SceneNumber> numbers;
  std::vector<SceneMarker> markers;
  std::string lastMoveSign;  // the last move's annotation ("!?"), drawn in place of its marker's dot where it fits
  std::vector<SceneSymbol> symbols;
  std::vector<SceneLabel> labels;
  std::optional<SceneCursor> cursor;

  // The cell at p; nullptr off the board.
  const SceneCell* cellAt(BoardPoint p) const;
  bool numberShownAt(BoardPoint p) const;
};

// Piece numbering modes, in the order the numbering command cycles them.
enum class Numbering : std::uint8_t { None = 3, FromComposition = 4, BackFromCurrent = 5, RecentMoves = 6 };
// The mode after this one: none, from the composition, the most recent N, back from the current, none.
Numbering nextNumbering(Numbering mode);
// A stored numbering value; anything unknown means none.
Numbering numberingFrom(int value);

struct SceneOptions {
  bool markup = true;
  bool cursor = true;
  bool captures = true;   // Othello: the pieces the move at the cursor would turn
  bool available = true;  // Othello: the legal squares
  bool lastMove = false;
  bool nextMove = true;
  Numbering numbering = Numbering::None;
  int recentCount = 8;  // the N of the most recent moves numbered
};

// The scene of `position` at `node` of the game (node may be null: pieces only, for an image of a
// position without a node). The cursor point is used while the cursor is shown.
BoardScene buildScene(const SGridFrame& game, const GameNode* node, const BoardPosition& position,
                      const SceneOptions& options, BoardPoint cursor);

}  // namespace meridax
