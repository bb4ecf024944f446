#pragma once
// Where the board pane puts the board: the square size, the origin of the first cell, the frame and
// shadow around it, and the pixel box of every cell, for each board shape. Pixels grow right and down.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "layout/pixel_rect.h"
#include "model/game_kind.h"
#include "rules/placement.h"  // BoardPoint

namespace meridax {

// How cells are drawn: Go boards put pieces on the lines' crossings, Kropki too (with its own
// rectangle), Othello and the other square kinds inside squares, Hex in a leaning rhombus of
// hexagons, Havannah, Unlur and Side Stitch in a hexagon of hexagons.
enum class BoardShape { GoBoard, Kropki, SquareCells, HexRhombus, HexagonCells };
BoardShape boardShapeOf(GameKind kind);

// Point flags of an intersection: its edges and star points.
namespace point_flag {
inline constexpr std::uint8_t kLeftEdge = 0x20;
inline constexpr std::uint8_t kRightEdge = 0x02;
inline constexpr std::uint8_t kTopEdge = 0x80;
inline constexpr std::uint8_t kBottomEdge = 0x08;
inline constexpr std::uint8_t kStar = 0x04;
}  // namespace point_flag

inline constexpr int kMinBoardSquare = 12;
inline constexpr int kMaxBoardSquare = 70;
// An even square size within 12 ... 70; odd sizes go down to the even one below.
int clampSquareSize(int square);
// An even square size of at least 12, with no upper limit: a board fitted to a large window.
int evenPaneSquare(int square);

// The board's kind and size as the layout needs them.
struct BoardDimensions {
  GameKind kind = GameKind::Go;
  int width = 19;   // columns (and the side of the position array)
  int height = 19;  // the game's height: Kropki's rows, the hexagon kinds' side; ignored by the others
};

struct BoardGeometry {
  BoardDimensions board;
  BoardShape shape = BoardShape::GoBoard;
  int square = 24;    // even, at least 12 (the pane's fit has no upper limit, images stop at 70)
  int overlap = 0;    // hexagonal cells: how much higher each row sits than a full square below the last
  int shadow = 0;     // width of the shadow right of and below the frame
  bool coordinates = false;  // Go co-ordinates drawn around the board
  PixelRect area;     // the board area the board is centred in (the whole image for an image)
  PixelPoint origin;  // the top-left corner of the first cell's box
  std::optional<PixelRect> frame;  // the board-coloured frame; its shadow lies `shadow` pixels right and down

  int rows() const { return board.kind == GameKind::Kropki ? board.height : board.width; }
  // The box of the cell (col, row): a square of `square` pixels.
  PixelRect cellBox(int col, int row) const;
  PixelPoint cellCentre(int col, int row) const;
  // The rectangle the cells cover (for Hex, the rhombus' bounding box; rows overlap on hexagonal cells).
  PixelRect cellsBounds() const;
};

// The pane's layout: the board centred in the area (odd remainders towards the top-left), Hex moved
// left by half its lean, hexagonal rows moved down by half their overlap, and the frame around it.
// The square is made even and at least 12.
BoardGeometry layoutBoard(const BoardDimensions& board, int square, PixelRect area, bool goCoordinates);

// An image of the board alone: its size and origin as the image exports make them, without frame.
BoardGeometry imageGeometry(const BoardDimensions& board, int square);

// The point flags of (col, row): edges of the board (Kropki: of its rectangle) and Go's star points.
std::uint8_t pointFlags(const BoardDimensions& board, int col, int row);
bool isStarPoint(const BoardDimensions& board, int col, int row);

// Go's column letter: "A" upward, "I" skipped.
char goColumnLetter(int col);

// One text the board pane writes around or on the board, in a box it is centred in.
struct BoxedText {
  PixelRect box;
  std::string text;
  friend bool operator==(const BoxedText&, const BoxedText&) = default;
};
// The Go co-ordinates: row numbers left and right of each row, column letters above and below each
// column, a quarter square away from the cells. Empty unless the geometry shows co-ordinates.
std::vector<BoxedText> coordinateTexts(const BoardGeometry& g);

// The box a label at (col, row) is centred in: its square, widened by one square on each side when
// both neighbouring columns exist, and by one more when the columns two away exist too.
PixelRect labelBox(const BoardGeometry& g, int col, int row);

// Integer division rounding towards minus infinity.
constexpr int floorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

}  // namespace meridax
