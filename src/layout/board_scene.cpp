#include "layout/board_scene.h"

#include <algorithm>

#include "layout/move_numbers.h"
#include "layout/scene_markup.h"
#include "model/move_annotations.h"
#include "rules/kropki_fields.h"
#include "rules/kropki_territory.h"
#include "rules/othello_rules.h"

namespace meridax {

namespace {

CellLook lookOf(std::uint8_t value, bool availableShown) {
  switch (value) {
    case cell::kBlack: return CellLook::Black;
    case cell::kWhite: return CellLook::White;
    case cell::kAvailable: return availableShown ? CellLook::Available : CellLook::Empty;
    case cell::kEmpty: return CellLook::Empty;
    default: return CellLook::OffBoard;
  }
}

FieldColour fieldOf(std::uint8_t territory) {
  if (isTerritoryOf(territory, Colour::Black)) return FieldColour::Black;
  if (isTerritoryOf(territory, Colour::White)) return FieldColour::White;
  return FieldColour::None;
}

void addCells(BoardScene& scene, const SGridFrame& game, const GameNode* node, const BoardPosition& position,
              const SceneOptions& options) {
  const int w = scene.board.width;
  const int rows = game.kind() == GameKind::Kropki ? game.height() : w;
  std::vector<std::uint8_t> territory;
  if (game.kind() == GameKind::Kropki && node != nullptr) territory = kropkiTerritoryMap(game, node);
  const bool othello = game.kind() == GameKind::Othello;
  scene.cells.reserve(static_cast<std::size_t>(w) * rows);
  for (int row = 0; row < rows; ++row)
    for (int col = 0; col < w; ++col) {
      const int i = col + row * w;
      SceneCell c{{col, row}, i < position.cellCount() ? lookOf(position[i], othello && options.available)
                                                      : CellLook::OffBoard};
      if (scene.board.kind == GameKind::Go || scene.board.kind == GameKind::Kropki)
        c.flags = pointFlags(scene.board, col, row);
      if (static_cast<std::size_t>(i) < territory.size()) c.field = fieldOf(territory[static_cast<std::size_t>(i)]);
      scene.cells.push_back(c);
    }
}

bool cursorOnBoard(const BoardScene& scene, BoardPoint p) { return scene.cellAt(p) != nullptr; }

// Othello: the pieces the move at the cursor would turn, while the cursor stands on a legal square.
void addCapturePreview(BoardScene& scene, const BoardPosition& position, BoardPoint cursor) {
  if (!position.inSquare(cursor.x, cursor.y) || position.at(cursor.x, cursor.y) != cell::kAvailable) return;
  const CellLook turns = scene.toMove == Colour::Black ? CellLook::TurnsForBlack : CellLook::TurnsForWhite;
  for (int i : othelloFlipPreview(position, cursor.x, cursor.y, scene.toMove))
    if (static_cast<std::size_t>(i) < scene.cells.size()) scene.cells[static_cast<std::size_t>(i)].look = turns;
}

std::optional<BoardPoint> placementPoint(const BoardScene& scene, const GameNode* n) {
  if (n == nullptr || !n->isPlacement()) return std::nullopt;
  const int w = scene.board.width;
  const BoardPoint p{static_cast<int>(n->point()) % w, static_cast<int>(n->point()) / w};
  if (scene.cellAt(p) == nullptr) return std::nullopt;
  return p;
}

Colour moveColour(const GameNode* n) { return n->blackMove() ? Colour::Black : Colour::White; }

void addMarkers(BoardScene& scene, const SGridFrame& game, const GameNode* node, const SceneOptions& options) {
  const bool kropki = game.kind() == GameKind::Kropki;
  if (options.lastMove && options.numbering == Numbering::None && !kropki && node != game.firstNode)
    if (const auto p = placementPoint(scene, node)) {
      scene.markers.push_back({*p, MarkerKind::LastMove, moveColour(node)});
      scene.lastMoveSign = moveAnnotationSymbol(annotationsOf(game, node).move);
    }
  if (!options.nextMove || node == game.endNode || node->next() == nullptr) return;
  const GameNode* next = node->next();
  if (const auto p = placementPoint(scene, next)) scene.markers.push_back({*p, MarkerKind::NextMove, moveColour(next)});
  if (!node->branching()) return;
  for (const SBranchDetails* line : game.variations.linesBelow(node))
    if (line->head != next)
      if (const auto p = placementPoint(scene, line->head))
        scene.markers.push_back({*p, MarkerKind::Variation, moveColour(line->head)});
}

}  // namespace

const SceneCell* BoardScene::cellAt(BoardPoint p) const {
  const int rows = board.kind == GameKind::Kropki ? board.height : board.width;
  if (p.x < 0 || p.y < 0 || p.x >= board.width || p.y >= rows) return nullptr;
  const std::size_t i = static_cast<std::size_t>(p.x + p.y * board.width);
  if (i >= cells.size() || cells[i].look == CellLook::OffBoard) return nullptr;
  return &cells[i];
}

bool BoardScene::numberShownAt(BoardPoint p) const {
  return std::any_of(numbers.begin(), numbers.end(), [p](const SceneNumber& n) { return n.at == p; });
}

Numbering nextNumbering(Numbering mode) {
  switch (mode) {
    case Numbering::None: return Numbering::FromComposition;
    case Numbering::FromComposition: return Numbering::RecentMoves;
    case Numbering::RecentMoves: return Numbering::BackFromCurrent;
    case Numbering::BackFromCurrent: return Numbering::None;
  }
  return Numbering::None;
}

Numbering numberingFrom(int value) {
  if (value >= 4 && value <= 6) return static_cast<Numbering>(value);
  return Numbering::None;
}

BoardScene buildScene(const SGridFrame& game, const GameNode* node, const BoardPosition& position,
                      const SceneOptions& options, BoardPoint cursor) {
  BoardScene scene;
  scene.board = {game.kind(), game.width(), game.height()};
  scene.toMove = node != nullptr && !node->blackNext() ? Colour::White : Colour::Black;
  addCells(scene, game, node, position, options);
  const bool othello = game.kind() == GameKind::Othello;
  const bool cursorShown = options.cursor && cursorOnBoard(scene, cursor) && (!othello || anyAvailable(position));
  if (othello && cursorShown && options.captures) addCapturePreview(scene, position, cursor);
  if (node == nullptr) return scene;
  scene.numbers = moveNumbers(game, node, position, options.numbering, options.recentCount);
  addMarkers(scene, game, node, options);
  if (options.markup) addMarkup(scene, game, node);
  if (cursorShown) scene.cursor = SceneCursor{cursor, scene.toMove};
  return scene;
}

}  // namespace meridax
