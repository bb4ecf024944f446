#include "export/ascii_diagram.h"

#include <algorithm>
#include <cstdlib>

#include "model/grid_frame.h"
#include "model/move_annotations.h"
#include "model/text_format.h"
#include "rules/position_at.h"

namespace meridax {
namespace {

constexpr char kLineEnd[] = "\r\n";

// The cell at index, or off the board when the cells end before it.
std::uint8_t cellAt(std::span<const std::uint8_t> cells, std::size_t index) {
  return index < cells.size() ? cells[index] : cell::kOffBoard;
}

// Square boards draw an off-board cell as two blanks, hexagonal boards leave it out.
enum class OffBoardCell { Blank, Omitted };

std::string cellText(std::uint8_t value, OffBoardCell offBoard) {
  switch (value) {
    case cell::kBlack: return " X";
    case cell::kWhite: return " O";
    case cell::kOffBoard: return offBoard == OffBoardCell::Blank ? "  " : "";
    default: return " .";
  }
}

std::string sideText(std::optional<Colour> side) {
  if (!side) return "";
  return *side == Colour::Black ? "    ( B )" : "    ( W )";
}

std::string blanks(int count) { return std::string(static_cast<std::size_t>(std::max(count, 0)), ' '); }

// "%c " for each column letter.
std::string letterRow(GameKind kind, int columns) {
  std::string out;
  for (int i = 0; i < columns; ++i) {
    out += diagramColumnLetter(kind, i);
    out += ' ';
  }
  return out;
}

}  // namespace

char diagramColumnLetter(GameKind kind, int index) {
  if (kind == GameKind::Othello) return static_cast<char>('A' + index);
  char letter = 'A';
  for (int i = 0; i < index; ++i) {
    switch (letter) {
      case 'H': letter = 'J'; break;
      case 'Z': letter = 'a'; break;
      case 'h': letter = 'j'; break;
      case 'z': letter = 'A'; break;
      default: ++letter; break;
    }
  }
  return letter;
}

std::string squareDiagram(GameKind kind, int columns, int rows, std::span<const std::uint8_t> cells,
                          std::optional<Colour> sideToMove) {
  const std::size_t rowLength = static_cast<std::size_t>(std::max({columns, rows, 0}));
  const bool countUp = kind == GameKind::Othello;
  std::string out = blanks(6) + letterRow(kind, columns) + kLineEnd + kLineEnd;
  for (int r = 0; r < rows; ++r) {
    const int label = countUp ? r + 1 : rows - r;
    out += formatText("%2d   ", label);
    for (int x = 0; x < columns; ++x)
      out += cellText(cellAt(cells, static_cast<std::size_t>(r) * rowLength + static_cast<std::size_t>(x)),
                      OffBoardCell::Blank);
    out += formatText("   %2d", label);
    if (r == rows - 1) out += sideText(sideToMove);
    out += kLineEnd;
  }
  out += kLineEnd + blanks(6) + letterRow(kind, columns) + kLineEnd;
  return out;
}

namespace {

std::string rowCells(std::span<const std::uint8_t> cells, int width, int row) {
  std::string out;
  for (int x = 0; x < width; ++x)
    out += cellText(cellAt(cells, static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                                      static_cast<std::size_t>(x)),
                    OffBoardCell::Omitted);
  return out;
}

// Hex: column letters over the top edge, each row shifted one place further right.
std::string rhombusDiagram(int width, std::span<const std::uint8_t> cells, std::optional<Colour> side) {
  std::string out = blanks(3) + blanks(5);
  for (int i = 0; i < width; ++i) {
    out += static_cast<char>('A' + i);
    out += ' ';
  }
  out += std::string(kLineEnd) + blanks(3) + blanks(5);
  for (int i = 0; i < width; ++i) out += " \\";
  out += kLineEnd;
  for (int i = 0; i < width; ++i) {
    out += blanks(2) + blanks(i) + formatText("%2d", i + 1) + " __   " + rowCells(cells, width, i);
    if (i == width - 1) out += sideText(side);
    out += kLineEnd;
  }
  return out;
}

// Havannah, Unlur, Side Stitch: row letters on the left, the diagonals numbered along the top and
// down the upper right edge.
std::string hexagonDiagram(int width, std::span<const std::uint8_t> cells, std::optional<Colour> side) {
  const int n = (width + 1) / 2;
  std::string out = blanks(3) + blanks(n + 7);
  for (int k = 1; k <= n; ++k) out += formatText("%2d", k % 10);
  out += std::string(kLineEnd) + blanks(3) + blanks(n + 6);
  for (int k = 0; k < n; ++k) out += " /";
  out += formatText(" %d", n + 1);
  out += std::string(kLineEnd) + blanks(3) + blanks(3 * n + 5) + formatText(" / %d", n + 2) + kLineEnd;
  int diagonal = n + 3;
  for (int i = 0; i < width; ++i) {
    out += blanks(2) + blanks(std::abs(i - n + 1));
    out += static_cast<char>('A' + i);
    out += " __  " + rowCells(cells, width, i);
    if (i < n - 2) out += "   /";
    if (i < n - 3) out += formatText(" %d", diagonal++);
    if (i == width - 1) out += sideText(side);
    out += kLineEnd;
  }
  return out;
}

}  // namespace

std::string hexagonalDiagram(GameKind kind, int width, std::span<const std::uint8_t> cells,
                             std::optional<Colour> sideToMove) {
  if (width <= 0) return "";
  return kind == GameKind::Hex ? rhombusDiagram(width, cells, sideToMove) : hexagonDiagram(width, cells, sideToMove);
}

std::string asciiDiagram(const SGridFrame& game, const BoardPosition& position, std::optional<Colour> sideToMove) {
  const GameKind kind = game.kind();
  if (kind == GameKind::Hex || isHexagonBoard(kind))
    return hexagonalDiagram(kind, position.width(), position.cells(), sideToMove);
  const int rows = kind == GameKind::Kropki ? game.height() : position.width();
  return squareDiagram(kind, position.width(), rows, position.cells(), sideToMove);
}

std::string asciiDiagramOfNode(const SGridFrame& game, const GameNode* node) {
  const Colour side = node->blackNext() ? Colour::Black : Colour::White;
  std::string diagram = asciiDiagram(game, PositionAt(game, node), side);
  // The node's annotations on a line of their own below the diagram.
  const std::string annotations = annotationSuffix(annotationsOf(game, node));
  if (!annotations.empty()) diagram += "    " + annotations + kLineEnd;
  return diagram;
}

}  // namespace meridax
