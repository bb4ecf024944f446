#include "search/board_symmetries.h"

#include <algorithm>
#include <functional>

#include "model/board_position.h"

namespace meridax {

namespace {

struct Cell {
  int x = 0;
  int y = 0;
};
using CellFn = std::function<Cell(Cell)>;

// The rows a board has: Kropki boards may be lower than wide, every other square board is square.
int rowsOf(GameKind kind, int width, int height) { return kind == GameKind::Kropki ? std::min(width, height) : width; }

// The hexagon in co-ordinates (a, b) about its centre: a sixth of a turn takes (a, b) to (a - b, a); the
// mirror keeps the row and reflects the column about the row's middle.
std::vector<CellFn> hexagonCandidates(int width) {
  const int r = (width - 1) / 2;
  const CellFn sixth = [r](Cell c) { return Cell{c.x - c.y + r, c.x - r + r}; };
  const CellFn mirror = [r](Cell c) { return Cell{r + c.y - c.x, c.y}; };
  std::vector<CellFn> out;
  CellFn turn = [](Cell c) { return c; };
  for (int k = 0; k < 6; ++k) {
    out.push_back(turn);
    out.push_back([turn, mirror](Cell c) { return mirror(turn(c)); });
    turn = [turn, sixth](Cell c) { return sixth(turn(c)); };
  }
  return out;
}

// The rhombus of Hex: the half turn and the reflections in its two diagonals, which keep neighbours.
std::vector<CellFn> rhombusCandidates(int n) {
  return {[](Cell c) { return c; }, [n](Cell c) { return Cell{n - 1 - c.x, n - 1 - c.y}; },
          [](Cell c) { return Cell{c.y, c.x}; }, [n](Cell c) { return Cell{n - 1 - c.y, n - 1 - c.x}; }};
}

// The eight maps of a square; on a rectangle only those that keep rows as rows survive the board check.
std::vector<CellFn> rectangleCandidates(int w, int h) {
  std::vector<CellFn> out;
  for (int transpose = 0; transpose < 2; ++transpose)
    for (int flipX = 0; flipX < 2; ++flipX)
      for (int flipY = 0; flipY < 2; ++flipY)
        out.push_back([=](Cell c) {
          Cell t = transpose ? Cell{c.y, c.x} : c;
          if (flipX) t.x = w - 1 - t.x;
          if (flipY) t.y = h - 1 - t.y;
          return t;
        });
  return out;
}

}  // namespace

std::vector<SymmetryMap> boardSymmetries(GameKind kind, int width, int height) {
  std::vector<CellFn> candidates;
  if (kind == GameKind::Hex) candidates = rhombusCandidates(width);
  else if (isHexagonBoard(kind)) candidates = hexagonCandidates(width);
  else candidates = rectangleCandidates(width, rowsOf(kind, width, height));

  std::vector<SymmetryMap> maps;
  for (const CellFn& fn : candidates) {
    SymmetryMap map(static_cast<std::size_t>(width) * width);
    std::vector<bool> taken(map.size(), false);
    bool keepsBoard = true;
    for (int y = 0; y < width && keepsBoard; ++y)
      for (int x = 0; x < width && keepsBoard; ++x) {
        const int i = x + y * width;
        if (!isOnBoard(kind, width, height, x, y)) {
          map[static_cast<std::size_t>(i)] = i;
          continue;
        }
        const Cell to = fn(Cell{x, y});
        keepsBoard = isOnBoard(kind, width, height, to.x, to.y) && !taken[static_cast<std::size_t>(to.x + to.y * width)];
        if (!keepsBoard) break;
        map[static_cast<std::size_t>(i)] = to.x + to.y * width;
        taken[static_cast<std::size_t>(to.x + to.y * width)] = true;
      }
    if (keepsBoard && std::find(maps.begin(), maps.end(), map) == maps.end()) maps.push_back(std::move(map));
  }
  return maps;
}

SymmetryMap inverseOf(const SymmetryMap& map) {
  SymmetryMap out(map.size());
  for (std::size_t i = 0; i < map.size(); ++i) out[static_cast<std::size_t>(map[i])] = static_cast<int>(i);
  return out;
}

}  // namespace meridax
