#include "edit/flip_rotate.h"

#include <unordered_set>

#include "edit/kept_property_points.h"
#include "model/game_tree.h"
#include "rules/navigation_step.h"
#include "sgf/sgf_points.h"

namespace meridax {

namespace {

struct Cell {
  int x = 0;
  int y = 0;
};

enum class Shape { Square, Othello, Hex, Hexagon, Kropki };

Shape shapeOf(GameKind kind) {
  if (kind == GameKind::Othello) return Shape::Othello;
  if (kind == GameKind::Hex) return Shape::Hex;
  if (isHexagonBoard(kind)) return Shape::Hexagon;
  if (kind == GameKind::Kropki) return Shape::Kropki;
  return Shape::Square;
}

Cell quarterTurn(Cell c, int size) { return {size - 1 - c.y, c.x}; }
Cell halfTurn(Cell c, int size) { return {size - 1 - c.x, size - 1 - c.y}; }
Cell mirrorRows(Cell c, int rows) { return {c.x, rows - 1 - c.y}; }
Cell transpose(Cell c) { return {c.y, c.x}; }
Cell hexagonMirror(Cell c, int height) { return {height + c.y - c.x - 1, c.y}; }

// One sixth of a turn clockwise as drawn: in co-ordinates (a, b) about the centre, (a, b) goes to (a - b, a).
Cell hexagonSixth(Cell c, int width) {
  const int r = (width - 1) / 2;
  const int a = c.x - r;
  const int b = c.y - r;
  return {a - b + r, a + r};
}

// The cell a board cell goes to; nullopt when the transform is not offered for the shape and use.
std::optional<Cell> moved(Shape shape, int width, int height, BoardTransform t, TransformUse use, Cell c) {
  const bool flip = t == BoardTransform::Flip;
  switch (shape) {
    case Shape::Square: return flip ? mirrorRows(c, width) : quarterTurn(c, width);
    case Shape::Othello: return flip ? transpose(c) : halfTurn(c, width);
    case Shape::Hex:
      if (flip) return use == TransformUse::Composition ? std::optional<Cell>(c) : std::nullopt;
      return halfTurn(c, width);
    case Shape::Hexagon: return flip ? hexagonMirror(c, height) : hexagonSixth(c, width);
    case Shape::Kropki:
      if (use != TransformUse::Composition) return std::nullopt;
      if (flip) return mirrorRows(c, height);
      if (width != height) return std::nullopt;
      return quarterTurn(c, width);
  }
  return std::nullopt;
}

}  // namespace

std::optional<CellMap> cellMap(GameKind kind, int width, int height, BoardTransform transform, TransformUse use) {
  if (width <= 0) return std::nullopt;
  const Shape shape = shapeOf(kind);
  CellMap map(static_cast<std::size_t>(width) * width);
  for (int y = 0; y < width; ++y)
    for (int x = 0; x < width; ++x) {
      const int i = x + y * width;
      map[static_cast<std::size_t>(i)] = i;
      if (!isOnBoard(kind, width, height, x, y)) continue;
      const std::optional<Cell> to = moved(shape, width, height, transform, use, Cell{x, y});
      if (!to) return std::nullopt;
      // Every board cell must land on a board cell, or the map would lose pieces.
      if (!isOnBoard(kind, width, height, to->x, to->y)) return std::nullopt;
      map[static_cast<std::size_t>(i)] = to->x + to->y * width;
    }
  return map;
}

BoardPosition transformPosition(const BoardPosition& pos, const CellMap& map) {
  BoardPosition out = pos;
  out.cells() = transformCells(pos.cells(), map);
  return out;
}

std::vector<std::uint8_t> transformCells(const std::vector<std::uint8_t>& cells, const CellMap& map) {
  std::vector<std::uint8_t> out = cells;
  for (std::size_t i = 0; i < cells.size() && i < map.size(); ++i) {
    const auto to = static_cast<std::size_t>(map[i]);
    if (to < out.size()) out[to] = cells[i];
  }
  return out;
}

std::string transformMarkup(std::string_view stored, const CellMap& map, int width) {
  std::string out(stored);
  std::size_t at = 0;
  while (at < out.size()) {
    if (out[at] != '[') {
      ++at;
      continue;
    }
    ++at;
    if (at + 1 < out.size()) {
      const int x = static_cast<unsigned char>(out[at]) - kMarkupPointOffset;
      const int y = static_cast<unsigned char>(out[at + 1]) - kMarkupPointOffset;
      if (x >= 0 && y >= 0 && x < width && y < width) {
        const int to = map[static_cast<std::size_t>(x + y * width)];
        out[at] = static_cast<char>(to % width + kMarkupPointOffset);
        out[at + 1] = static_cast<char>(to / width + kMarkupPointOffset);
      }
    }
    // The rest of the value, escapes included, up to its closing bracket.
    while (at < out.size() && out[at] != ']') at += out[at] == '\\' ? 2 : 1;
  }
  return out;
}

namespace {

void transformNode(SGridFrame& game, GameNode* node, const CellMap& map) {
  if (node->isPlacement() && node->point() < map.size()) node->setPoint(static_cast<unsigned>(map[node->point()]));
  BoardPosition snapshot;
  if (node->hasSnapshot() && readSnapshot(game, node, snapshot))
    rewriteSnapshot(game, node, transformPosition(snapshot, map));
  if (auto it = game.markup.find(node); it != game.markup.end())
    it->second = transformMarkup(it->second, map, game.width());
  if (auto it = game.otherProperties.find(node); it != game.otherProperties.end())
    it->second = transformKeptPropertyPoints(it->second, pointGeometry(game), map);
}

}  // namespace

bool transformGame(SGridFrame& game, BoardTransform transform) {
  const std::optional<CellMap> map =
      cellMap(game.kind(), game.width(), game.height(), transform, TransformUse::WholeGame);
  if (!map) return false;
  std::unordered_set<const GameNode*> done;
  game.variations.forEach([&](const GameNode*, const SBranchDetails& line) {
    for (GameNode* n = line.head; n != nullptr && done.insert(n).second; n = n->next()) transformNode(game, n, *map);
  });
  if (game.cursorX >= 0 && game.cursorY >= 0 && game.cursorX < game.width() && game.cursorY < game.width()) {
    const int to = (*map)[static_cast<std::size_t>(game.cursorX + game.cursorY * game.width())];
    game.cursorX = to % game.width();
    game.cursorY = to / game.width();
  }
  game.cachedPositionNode = nullptr;
  goToNode(game, game.currentNode);
  game.markTreeChanged();
  game.invalidateStatistics();
  return true;
}

}  // namespace meridax
