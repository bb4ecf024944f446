// OK in the composition dialog: no change, a modification below the current node, a new game, and
// the sides to move of Othello and Connect6.

#include "edit/compose_apply.h"

#include <gtest/gtest.h>

#include "edit/tree_edit_support.h"
#include "rules/kropki_tree.h"
#include "rules/play_fixture.h"
#include "rules/position_at.h"

namespace meridax {
namespace {

using testing::FakePlayHost;
using testing_support::LoadedText;
using testing_support::nodeAt;
using testing_support::problems;
using testing_support::standOn;
using testing_support::treeText;

struct Modifying {
  explicit Modifying(const char* text, const char* at) : t(text), game(standOn(t, at)) {}

  ComposeOutcome modify(const Composition& composition) {
    PlayContext ctx{game, 0, 0, false, PlayOptions{}, &host};
    return composeModification(ctx, composition);
  }

  LoadedText t;
  SGridFrame& game;
  FakePlayHost host;
};

// ---- Modification ----

TEST(ComposeApply, ModificationWithNothingChanged_ReportsItAndAddsNothing) {
  Modifying m("(;GM[1]SZ[9];B[aa];W[bb])", "aa");
  const std::string before = treeText(m.game);

  const ComposeOutcome outcome = m.modify(ComposeModel(m.game).composition());

  EXPECT_EQ(outcome.notice, (EditNotice{"Compose()", "No changes were detected"}));
  EXPECT_EQ(outcome.node, nullptr);
  EXPECT_EQ(treeText(m.game), before);
  EXPECT_EQ(m.host.fileModified, 0);
}

TEST(ComposeApply, Modification_AddsAMarkedCompositionNodeThatContinuesTheLine) {
  Modifying m("(;GM[1]SZ[9];B[aa];W[bb])", "aa");
  ComposeModel model(m.game);
  model.click(4, 4, false);
  model.insertPieces();

  const ComposeOutcome outcome = m.modify(model.composition());

  ASSERT_NE(outcome.node, nullptr);
  EXPECT_EQ(m.game.currentNode, outcome.node);
  EXPECT_EQ(outcome.node->kind(), SpecialMoveKind::Compose);
  EXPECT_TRUE(outcome.node->printDiagram());
  EXPECT_FALSE(outcome.node->blackNext()) << "the side to move of the dialog";
  EXPECT_EQ(PositionAt(m.game, outcome.node).at(4, 4), cell::kWhite);
  EXPECT_EQ(treeText(m.game), ";B[aa](;compose)(;W[bb])");
  EXPECT_EQ(m.host.fileModified, 1);
  EXPECT_EQ(problems(m.t), "");
}

TEST(ComposeApply, SideToMoveAlone_IsAChange) {
  Modifying m("(;GM[1]SZ[9];B[aa])", "aa");
  ComposeModel model(m.game);
  model.switchColour();

  const ComposeOutcome outcome = m.modify(model.composition());

  ASSERT_NE(outcome.node, nullptr);
  EXPECT_TRUE(outcome.node->blackNext());
}

TEST(ComposeApply, KropkiFieldAlone_IsAChangeAndTheNodeCarriesTheWholeTerritory) {
  Modifying m("(;GM[40]SZ[7];B[db];B[cc];B[ec];B[dd];W[dc])", "dc");
  ComposeModel model(m.game);
  model.click(3, 2, false);
  ASSERT_EQ(model.createField(), std::nullopt);

  const ComposeOutcome outcome = m.modify(model.composition());

  ASSERT_NE(outcome.node, nullptr);
  EXPECT_EQ(territoryMap(m.game, outcome.node), model.territory());
  EXPECT_TRUE(outcome.node->captureRecord()) << "the node holds a Kropki 'Stop'";
}

constexpr char kOnlyBlackCanMove[] = R"(
  XO......
  ........
  ........
  ........
  ........
  ........
  ........
  ........)";

TEST(ComposeApply, OthelloSideWithoutASquare_GivesWayToTheOpponent) {
  Modifying m("(;GM[2]SZ[8];B[d3])", "dc");
  const Composition composition{fromDiagram(kOnlyBlackCanMove), {}, Colour::White, {}};

  const ComposeOutcome outcome = m.modify(composition);

  ASSERT_NE(outcome.node, nullptr);
  EXPECT_TRUE(outcome.node->blackNext());
  EXPECT_EQ(outcome.statusText, "Black to move.  There are no spaces available for White");
  EXPECT_EQ(problems(m.t), "");
}

// ---- New game ----

TEST(ComposeApply, NewGame_IsInsertedAfterTheCurrentGameWithTheComposedStart) {
  LoadedText t("(;GM[1]SZ[13]RU[Pente];B[aa])(;GM[1]SZ[9])", GameTrees::All);
  t.collection.setCurrent(0);
  SGridFrame& source = t.game(0);
  goToNode(source, source.endNode);
  const std::string before = treeText(source);
  ComposeModel model(source);
  model.click(6, 6, false);
  model.insertPieces();

  const ComposeOutcome outcome = composeNewGame(t.collection, model.composition());

  ASSERT_EQ(t.games(), 3u);
  EXPECT_EQ(t.collection.currentIndex(), 1u);
  SGridFrame& g = t.game(1);
  EXPECT_EQ(outcome.node, g.firstNode);
  EXPECT_EQ(g.variant(), GoVariant::Pente);
  EXPECT_EQ(g.width(), 13);
  EXPECT_EQ(g.firstNode->kind(), SpecialMoveKind::Compose);
  EXPECT_TRUE(g.firstNode->printDiagram());
  EXPECT_FALSE(g.firstNode->blackNext());
  EXPECT_EQ(PositionAt(g, g.firstNode), model.board());
  EXPECT_EQ(g.cursorX, 7) << "the cursor moved on after the piece was put down";
  EXPECT_EQ(g.cursorY, 6);
  EXPECT_EQ(treeText(source), before);
  EXPECT_EQ(validateTree(g), "");
}

TEST(ComposeApply, NewConnect6Game_StartsWithBlack) {
  LoadedText t("(;GM[1]SZ[19]RU[Connect6];B[jj];W[kk])");
  ComposeModel model(t.game());
  ASSERT_EQ(model.colour(), Colour::White);

  composeNewGame(t.collection, model.composition());

  EXPECT_TRUE(t.game(1).firstNode->blackNext());
}

TEST(ComposeApply, NewOthelloGameWithoutASquareForEither_SaysTheGameIsOver) {
  LoadedText t("(;GM[2]SZ[8])");
  BoardPosition pos = startingPosition(GameKind::Othello, 8, 8);
  for (std::uint8_t& v : pos.cells()) v = v == cell::kWhite ? cell::kBlack : v;
  const ComposeModel model(GameKind::Othello, 8, 8, pos, Colour::White, {});

  const ComposeOutcome outcome = composeNewGame(t.collection, model.composition());

  EXPECT_EQ(outcome.statusText, "Game Over.  Black = 4. White = 0");
}

TEST(ComposeApply, NewOthelloGameWhoseSideHasNoSquare_SwitchesAndSaysWhy) {
  LoadedText t("(;GM[2]SZ[8])");
  const ComposeModel model(GameKind::Othello, 8, 8, fromDiagram(kOnlyBlackCanMove), Colour::White, {});

  const ComposeOutcome outcome = composeNewGame(t.collection, model.composition());

  EXPECT_EQ(outcome.statusText, "Black to move.  There are no spaces available for White");
  EXPECT_TRUE(t.game(1).firstNode->blackNext());
}

// ---- The dialog's texts ----

TEST(ComposeApply, OkTexts_EmptyCompositionAndTheThreeChoices) {
  EXPECT_EQ(emptyCompositionNotice(ComposeModel(GameKind::Go, 5, 5, BoardPosition(5), Colour::Black, {})),
            (EditNotice{"SDlgCompose::OnOK()", "Empty composition"}));
  EXPECT_EQ(emptyCompositionNotice(
                ComposeModel(GameKind::Go, 5, 5, startingPosition(GameKind::Go, 5, 5), Colour::Black, {})),
            std::nullopt);
  EXPECT_EQ(composeChoiceTexts(),
            (std::vector<std::string>{
                "New game.  Use the composed position as the starting state for a new game.",
                "Modification.  Use the composed position as a modification to the current game position.",
                "Cancel.  Return to dialog."}));
}

}  // namespace
}  // namespace meridax
