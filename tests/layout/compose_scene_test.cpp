#include "layout/compose_scene.h"

#include <gtest/gtest.h>

#include "model/collection.h"

namespace meridax {
namespace {

constexpr char kRing[] = R"(
  .......
  ...X...
  ..XOX..
  ...X...
  .......
  .......
  .......)";

TEST(ComposeScene, KropkiField_CursorColourAndNoMarkers) {
  Collection collection;
  SGridFrame& game = collection.game(collection.createGame(GameKind::Kropki, 7, 7, 0));
  ComposeModel model(GameKind::Kropki, 7, 7, fromDiagram(kRing), Colour::Black, {3, 2});
  ASSERT_FALSE(model.createField().has_value());
  model.switchColour();

  const BoardScene scene = composeScene(game, model);
  EXPECT_EQ(scene.cellAt({3, 2})->field, FieldColour::Black);
  EXPECT_EQ(scene.cellAt({3, 2})->look, CellLook::White);
  EXPECT_EQ(scene.cellAt({0, 0})->field, FieldColour::None);
  ASSERT_TRUE(scene.cursor);
  EXPECT_EQ(scene.cursor->at, (BoardPoint{3, 2}));
  EXPECT_EQ(scene.cursor->toMove, Colour::White);
  EXPECT_TRUE(scene.markers.empty());
  EXPECT_TRUE(scene.numbers.empty());
}

TEST(ComposeScene, OthelloWithoutLegalSquares_StillShowsTheCursor) {
  Collection collection;
  SGridFrame& game = collection.game(collection.createGame(GameKind::Othello, 8, 8, 0));
  ComposeModel model(GameKind::Othello, 8, 8, startingPosition(GameKind::Othello, 8, 8), Colour::Black, {0, 0});
  model.clearBoard();
  const BoardScene scene = composeScene(game, model);
  ASSERT_TRUE(scene.cursor);
  EXPECT_EQ(scene.cursor->at, (BoardPoint{0, 0}));
}

}  // namespace
}  // namespace meridax
