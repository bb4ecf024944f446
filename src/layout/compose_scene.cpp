#include "layout/compose_scene.h"

namespace meridax {

namespace {

FieldColour fieldColourOf(std::uint8_t territory) {
  if (isTerritoryOf(territory, Colour::Black)) return FieldColour::Black;
  if (isTerritoryOf(territory, Colour::White)) return FieldColour::White;
  return FieldColour::None;
}

}  // namespace

BoardScene composeScene(const SGridFrame& game, const ComposeModel& model) {
  SceneOptions options;
  options.markup = false;
  options.captures = false;
  options.available = false;
  options.nextMove = false;
  const ComposeCell at = model.cursor();
  BoardScene scene = buildScene(game, nullptr, model.board(), options, BoardPoint{at.x, at.y});
  scene.toMove = model.colour();
  // The cursor is always shown here, Othello's included (its board shows no legal squares).
  const BoardPoint cursor{at.x, at.y};
  if (scene.cellAt(cursor) != nullptr) scene.cursor = SceneCursor{cursor, model.colour()};
  const FieldOfTerritory& mask = model.territory();
  for (SceneCell& cell : scene.cells) cell.field = fieldColourOf(mask.valueAt(cell.at.x, cell.at.y));
  return scene;
}

}  // namespace meridax
