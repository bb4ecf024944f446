// The composition dialog's model: cursor and selection, filling and emptying, groups, copy and paste,
// flip and rotate, clearing, Kropki fields and the context menu.

#include "edit/compose_model.h"

#include <gtest/gtest.h>

#include "edit/tree_edit_support.h"
#include "rules/kropki_region.h"

namespace meridax {
namespace {

using testing_support::LoadedText;
using testing_support::standOn;

std::string rows(const std::string& diagram) { return toDiagram(fromDiagram(diagram)); }

ComposeModel goModel(const std::string& diagram, ComposeCell cursor = {}, Colour colour = Colour::Black) {
  const BoardPosition pos = fromDiagram(diagram);
  return ComposeModel(GameKind::Go, pos.width(), pos.width(), pos, colour, cursor);
}

constexpr char kEmpty5[] = R"(
  .....
  .....
  .....
  .....
  .....)";

// Side 3: rows hold 3, 4, 5, 4 and 3 cells.
constexpr char kHexagon5[] = R"(
  ...##
  ....#
  .....
  #....
  ##...)";

ComposeModel hexagonModel(ComposeCell cursor) {
  return ComposeModel(GameKind::Havannah, 5, 3, fromDiagram(kHexagon5), Colour::White, cursor);
}

// ---- Starting from a game ----

TEST(ComposeModel, FromAGame_CopiesPositionSideToMoveAndCursorWithoutAvailabilityMarks) {
  LoadedText t("(;GM[2]SZ[8];B[d3])");
  SGridFrame& g = standOn(t, "dc");  // d3
  g.cursorX = 5;
  g.cursorY = 4;

  const ComposeModel model(g);

  EXPECT_EQ(model.colour(), Colour::White);
  EXPECT_EQ(model.cursor(), (ComposeCell{5, 4}));
  EXPECT_FALSE(model.hasSelection());
  EXPECT_EQ(toDiagram(model.board()), rows(R"(
    ........
    ........
    ...X....
    ...XX...
    ...XO...
    ........
    ........
    ........)"));
}

// ---- Cursor ----

struct StepCase {
  ComposeCell from;
  CursorStep step;
  ComposeCell to;
};

class HexagonCursor : public ::testing::TestWithParam<StepCase> {};

TEST_P(HexagonCursor, ArrowKeys_WrapAndPassOverCellsOffTheBoard) {
  ComposeModel model = hexagonModel(GetParam().from);
  model.moveCursor(GetParam().step, false);
  EXPECT_EQ(model.cursor(), GetParam().to);
  EXPECT_EQ(model.anchor(), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(ComposeModel, HexagonCursor,
                         ::testing::Values(StepCase{{2, 0}, CursorStep::Right, {0, 0}},
                                           StepCase{{0, 0}, CursorStep::Left, {2, 0}},
                                           StepCase{{0, 0}, CursorStep::Up, {0, 2}},
                                           StepCase{{2, 4}, CursorStep::Down, {2, 0}},
                                           StepCase{{3, 3}, CursorStep::Down, {3, 4}},
                                           StepCase{{4, 2}, CursorStep::Right, {0, 2}}));

TEST(ComposeModel, ShiftWithArrows_KeepsTheAnchorAndSelectsTheRectangle) {
  ComposeModel model = goModel(kEmpty5, {1, 1});
  model.moveCursor(CursorStep::Right, true);
  model.moveCursor(CursorStep::Down, true);
  EXPECT_EQ(model.anchor(), (ComposeCell{1, 1}));
  EXPECT_EQ(model.cursor(), (ComposeCell{2, 2}));
  EXPECT_TRUE(model.hasSelection());

  model.insertPieces();

  EXPECT_EQ(toDiagram(model.board()), rows(R"(
    .....
    .XX..
    .XX..
    .....
    .....)"));
  EXPECT_EQ(model.cursor(), (ComposeCell{2, 2})) << "a selection keeps the cursor where it is";
}

TEST(ComposeModel, Clicks_MoveTheCursorToBoardCellsOnly_KropkiToAnyCell) {
  ComposeModel hexagon = hexagonModel({2, 2});
  hexagon.click(4, 0, false);
  EXPECT_EQ(hexagon.cursor(), (ComposeCell{2, 2})) << "off the hexagon";
  hexagon.click(3, 1, true);
  EXPECT_EQ(hexagon.cursor(), (ComposeCell{3, 1}));
  EXPECT_EQ(hexagon.anchor(), (ComposeCell{2, 2})) << "Shift keeps the anchor";

  ComposeModel kropki(GameKind::Kropki, 5, 3, startingPosition(GameKind::Kropki, 5, 3), Colour::Black, {});
  kropki.click(1, 4, false);
  EXPECT_EQ(kropki.cursor(), (ComposeCell{1, 4}));
  kropki.insertPieces();
  EXPECT_EQ(kropki.board().at(1, 4), cell::kOffBoard) << "a piece never goes below the board";
}

TEST(ComposeModel, OthelloKeys_PlaceTheCursorByColumnLetterAndRowDigit) {
  ComposeModel model(GameKind::Othello, 10, 10, startingPosition(GameKind::Othello, 10, 10), Colour::Black, {});
  model.placeCursorByKey('c');
  model.placeCursorByKey('0');
  EXPECT_EQ(model.cursor(), (ComposeCell{2, 9}));
  model.placeCursorByKey('E');
  model.placeCursorByKey('4');
  EXPECT_EQ(model.cursor(), (ComposeCell{4, 3}));
  model.placeCursorByKey('z');
  EXPECT_EQ(model.cursor(), (ComposeCell{4, 3})) << "a column beyond the board";
}

// ---- Filling and emptying ----

TEST(ComposeModel, DoubleClick_PutsTheColourOrTakesItAway) {
  ComposeModel model = goModel(R"(
    XO...
    .....
    .....
    .....
    .....)");
  model.doubleClick(0, 0);
  model.doubleClick(1, 0);
  model.doubleClick(2, 0);
  EXPECT_EQ(toDiagram(model.board()).substr(0, 5), ".XX..");
}

TEST(ComposeModel, DeleteOnASingleEmptyCell_MovesTheCursorToTheNextCell) {
  ComposeModel model = goModel(kEmpty5, {4, 1});
  model.deletePieces();
  EXPECT_EQ(model.cursor(), (ComposeCell{0, 2}));
  EXPECT_EQ(toDiagram(model.board()), rows(kEmpty5));
}

TEST(ComposeModel, InsertOnASingleCell_PlacesAndAdvancesPastCellsOffTheBoard) {
  ComposeModel model = hexagonModel({2, 0});
  model.insertPieces();
  EXPECT_EQ(model.board().at(2, 0), cell::kWhite);
  EXPECT_EQ(model.cursor(), (ComposeCell{0, 1}));

  ComposeModel last = hexagonModel({4, 4});
  last.insertPieces();
  EXPECT_EQ(last.cursor(), (ComposeCell{0, 0})) << "from the last cell back to the first";
}

TEST(ComposeModel, DeleteConnectedGroup_EmptiesTheGroupAndCountsIt) {
  ComposeModel model = goModel(R"(
    XX.O.
    .XO..
    .X...
    ....X
    .....)", {1, 2});
  EXPECT_EQ(model.deleteConnectedGroup(), (EditNotice{"SDlgCompose::CmDeleteGroup()", "Number deleted = 4"}));
  EXPECT_EQ(toDiagram(model.board()), rows(R"(
    ...O.
    ..O..
    .....
    ....X
    .....)"));

  model.click(2, 2, false);
  EXPECT_EQ(model.deleteConnectedGroup().text, "Number deleted = 0") << "no stone at the cursor";
}

// ---- Copy, cut and paste ----

TEST(ComposeModel, Paste_PutsTheCopiedRectangleAtTheCursorClippedAtTheEdge) {
  ComposeModel model = goModel(R"(
    XO...
    OX...
    .....
    .....
    .....)");
  model.click(1, 1, true);
  model.copy();
  model.click(4, 3, false);

  model.paste();

  EXPECT_EQ(toDiagram(model.board()), rows(R"(
    XO...
    OX...
    .....
    ....X
    ....O)"));
}

TEST(ComposeModel, Cut_CopiesThenEmptiesAndPasteNeedsNoSelection) {
  ComposeModel model = goModel(R"(
    XO...
    .....
    .....
    .....
    .....)");
  model.click(1, 0, true);
  model.cut();
  EXPECT_EQ(toDiagram(model.board()), rows(kEmpty5));

  model.paste();
  EXPECT_EQ(toDiagram(model.board()), rows(kEmpty5)) << "still a selection: nothing is pasted";

  model.click(3, 4, false);
  model.paste();
  EXPECT_EQ(toDiagram(model.board()).substr(24), "...XO\n");
}

// ---- Flip, rotate, clear ----

TEST(ComposeModel, RotateAndFlip_TurnBoardCursorAndTerritoryTogether) {
  FieldOfTerritory territory(5);
  territory.set(0, 1, cellOf(Colour::Black));
  ComposeModel model(GameKind::Kropki, 5, 5, fromDiagram(R"(
    X....
    .....
    .....
    .....
    ....O)"),
                     Colour::Black, {1, 0}, territory);

  model.rotate();

  EXPECT_EQ(toDiagram(model.board()), rows(R"(
    ....X
    .....
    .....
    .....
    O....)"));
  EXPECT_EQ(model.cursor(), (ComposeCell{4, 1}));
  EXPECT_EQ(model.territory().at(3, 0), cellOf(Colour::Black));

  model.flip();
  EXPECT_EQ(model.board().at(4, 4), cell::kBlack);
  EXPECT_EQ(model.cursor(), (ComposeCell{4, 3}));
}

TEST(ComposeModel, ClearBoard_EmptiesAndStartsTheColourAsTheKindDoes) {
  ComposeModel othello(GameKind::Othello, 8, 8, fromDiagram(R"(
    XXXXXXXX
    ........
    ........
    ........
    ........
    ........
    ........
    OOOOOOOO)"),
                       Colour::White, {});
  othello.clearBoard();
  EXPECT_EQ(othello.board(), startingPosition(GameKind::Othello, 8, 8));
  EXPECT_EQ(othello.colour(), Colour::Black);

  ComposeModel hexagon = hexagonModel({});
  hexagon.switchColour();
  ASSERT_EQ(hexagon.colour(), Colour::Black);
  hexagon.clearBoard();
  EXPECT_EQ(hexagon.colour(), Colour::White) << "White moves first in Havannah";
  EXPECT_FALSE(hexagon.isEmpty()) << "empty points are part of the composition";
}

TEST(ComposeModel, BoardWithoutAnyCell_IsAnEmptyComposition) {
  const ComposeModel model(GameKind::Go, 5, 5, BoardPosition(5), Colour::Black, {});
  EXPECT_TRUE(model.isEmpty());
}

// ---- Kropki fields ----

constexpr char kRing[] = R"(
  .......
  ...X...
  ..XOX..
  ...X...
  .......
  .......
  .......)";

ComposeModel kropkiModel(ComposeCell cursor, Colour colour = Colour::Black) {
  return ComposeModel(GameKind::Kropki, 7, 7, fromDiagram(kRing), colour, cursor);
}

TEST(ComposeModel, CreateField_ClaimsTheEnclosedRegionAndEraseTakesItAway) {
  ComposeModel model = kropkiModel({3, 2});

  EXPECT_EQ(model.run(ComposeCommand::CreateField), std::nullopt);
  EXPECT_EQ(toDiagram(model.territory()), toDiagram(fieldFromDiagram(R"(
    . . . . . . .
    . . . X . . .
    . . X X X . .
    . . . X . . .
    . . . . . . .
    . . . . . . .
    . . . . . . .)")));
  EXPECT_EQ(model.createField(),
            (EditNotice{"Create a Field of Territory", "The selected square already forms part of Black's territory."}));

  EXPECT_EQ(model.eraseField(), std::nullopt);
  EXPECT_TRUE(model.territory().isEmpty());
  EXPECT_EQ(model.eraseField(),
            (EditNotice{"Delete a Field of Territory",
                        "Invalid selection.\r\nThe selected square does not form part of a territory."}));
}

TEST(ComposeModel, CreateFieldThatFails_SaysWhyAndChangesNothing) {
  ComposeModel model = kropkiModel({0, 0});
  EXPECT_EQ(model.createField(),
            (EditNotice{"Create a Field of Territory",
                        "Invalid selection.\r\n\r\nUnable to create a field for player Black.\r\nArea touches the edge "
                        "of the board."}));
  EXPECT_TRUE(model.territory().isEmpty());
}

// ---- Commands by kind and context menu ----

TEST(ComposeModel, CommandsByKind_GroupsOnGoBoardsFieldsOnKropkiCopiesOnSquareBoards) {
  const ComposeModel go = goModel(kEmpty5);
  const ComposeModel kropki = kropkiModel({});
  const ComposeModel hexagon = hexagonModel({});
  const ComposeModel oblong(GameKind::Kropki, 7, 5, startingPosition(GameKind::Kropki, 7, 5), Colour::Black, {});

  EXPECT_TRUE(go.applies(ComposeCommand::DeleteGroup));
  EXPECT_FALSE(kropki.applies(ComposeCommand::DeleteGroup));
  EXPECT_TRUE(kropki.applies(ComposeCommand::CreateField));
  EXPECT_FALSE(go.applies(ComposeCommand::EraseField));
  EXPECT_FALSE(hexagon.applies(ComposeCommand::Copy));
  EXPECT_TRUE(kropki.applies(ComposeCommand::Rotate));
  EXPECT_FALSE(oblong.applies(ComposeCommand::Rotate));
}

TEST(ComposeModel, ContextMenu_OffersCopyAndCutWithASelectionPasteAfterACopyWithout) {
  ComposeModel model = goModel(kEmpty5);
  EXPECT_FALSE(model.offeredInContextMenu(ComposeCommand::Copy));
  EXPECT_FALSE(model.offeredInContextMenu(ComposeCommand::Paste));
  EXPECT_TRUE(model.offeredInContextMenu(ComposeCommand::ClearBoard));
  EXPECT_TRUE(model.offeredInContextMenu(ComposeCommand::DeleteGroup));
  EXPECT_TRUE(model.offeredInContextMenu(ComposeCommand::CopyAscii));

  model.click(1, 1, true);
  EXPECT_TRUE(model.offeredInContextMenu(ComposeCommand::Copy));
  EXPECT_TRUE(model.offeredInContextMenu(ComposeCommand::Cut));
  EXPECT_FALSE(model.offeredInContextMenu(ComposeCommand::ClearBoard));
  EXPECT_FALSE(model.offeredInContextMenu(ComposeCommand::CopyAscii));
  EXPECT_TRUE(model.offeredInContextMenu(ComposeCommand::Help));
  model.copy();
  EXPECT_FALSE(model.offeredInContextMenu(ComposeCommand::Paste)) << "not while a selection exists";

  model.click(3, 3, false);
  EXPECT_TRUE(model.offeredInContextMenu(ComposeCommand::Paste));
  EXPECT_FALSE(model.offeredInContextMenu(ComposeCommand::Cut));
}

}  // namespace
}  // namespace meridax
