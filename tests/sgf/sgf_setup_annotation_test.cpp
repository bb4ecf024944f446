// Setup stones, the side to move, annotations and markup as the reader attaches them to nodes.

#include <gtest/gtest.h>

#include <algorithm>

#include "model/game_tree.h"
#include "model/node_texts.h"
#include "rules/position_at.h"
#include "sgf/sgf_reader.h"
#include "sgf_test_support.h"

namespace meridax {
namespace {

using testing_support::LoadedText;
using testing_support::treeText;

std::string diagramOf(const SGridFrame& game, const GameNode* node) { return toDiagram(PositionAt(game, node)); }
std::string board(const std::string& rows) { return toDiagram(fromDiagram(rows)); }

ReaderSettings convertingAWAB() {
  ReaderSettings s;
  s.convertAWAB = true;
  return s;
}

// ---- Setup and side to move ----

TEST(ReaderSetup, RootSetupBecomesTheFirstNodesPosition) {
  LoadedText t("(;GM[1]SZ[5]AB[aa][bb]AW[cc]PL[W];B[dd])");
  SGridFrame& g = t.game();
  EXPECT_EQ(g.firstNode->kind(), SpecialMoveKind::Compose);
  EXPECT_TRUE(g.firstNode->printDiagram());
  EXPECT_FALSE(g.firstNode->blackNext());
  EXPECT_EQ(diagramOf(g, g.firstNode), board(R"(
    X....
    .X...
    ..O..
    .....
    .....)"));
  EXPECT_EQ(treeText(g), ";B[dd]");
}

TEST(ReaderSetup, RectangleCornersInEitherOrderSetTheSameCells) {
  LoadedText forward("(;GM[1]SZ[5]AB[aa:bc])");
  LoadedText reverse("(;GM[1]SZ[5]AB[bc:aa])");
  const std::string expected = board(R"(
    XX...
    XX...
    XX...
    .....
    .....)");
  EXPECT_EQ(diagramOf(forward.game(), forward.game().firstNode), expected);
  EXPECT_EQ(diagramOf(reverse.game(), reverse.game().firstNode), expected);
}

TEST(ReaderSetup, SetupInALaterNodeIsACompositionNode) {
  LoadedText t("(;GM[1]SZ[5]AB[aa:bb];B[ee];AE[aa]AW[cc])");
  SGridFrame& g = t.game();
  EXPECT_EQ(treeText(g), ";B[ee];compose");
  const GameNode* compose = g.endNode;
  EXPECT_FALSE(compose->blackNext());  // White was to move after B[ee]
  EXPECT_EQ(diagramOf(g, compose), board(R"(
    .X...
    XX...
    ..O..
    .....
    ....X)"));
}

TEST(ReaderSetup, PlayerToMoveMakesACompositionNodeOfItsOwn) {
  LoadedText t("(;GM[1]SZ[5];B[aa];PL[B];B[bb])");
  EXPECT_EQ(treeText(t.game()), ";B[aa];compose;B[bb]");
  EXPECT_TRUE(t.game().firstNode->next()->next()->blackNext());
}

TEST(ReaderSetup, PlayerToMoveFollowsTheKindsFirstPlayer) {
  LoadedText go("(;GM[1]SZ[5];B[aa];PL[2])");
  EXPECT_FALSE(go.game().endNode->blackNext());  // player 2 is White
  LoadedText havannah("(;GM[Havannah]SZ[5];W[aa];PL[2])");
  EXPECT_TRUE(havannah.game().endNode->blackNext());  // player 2 is Black where White moves first
  LoadedText root("(;GM[1]SZ[5]PL[W])");
  EXPECT_EQ(root.game().firstNode->kind(), SpecialMoveKind::Compose);
  EXPECT_FALSE(root.game().firstNode->blackNext());
}

TEST(ReaderSetup, SetupBeforeAndAfterTheMoveOfANode) {
  LoadedText before("(;GM[1]SZ[5];B[aa];AB[cc]W[dd])");
  EXPECT_EQ(treeText(before.game()), ";B[aa];compose;W[dd]");
  LoadedText after("(;GM[1]SZ[5];B[aa]AB[cc];W[dd])");
  EXPECT_EQ(treeText(after.game()), ";B[aa];compose;W[dd]");
  const GameNode* compose = after.game().firstNode->next()->next();
  EXPECT_EQ(diagramOf(after.game(), compose), board(R"(
    X....
    .....
    ..X..
    .....
    .....)"));
}

TEST(ReaderSetup, ConvertAWABReadsALoneStoneAsAMove) {
  LoadedText t("(;GM[1]SZ[5];W[aa];AB[cc];W[dd])", GameTrees::FirstOnly, convertingAWAB());
  SGridFrame& g = t.game();
  EXPECT_EQ(treeText(g), ";W[aa];B[cc];W[dd]");
  const GameNode* above = g.firstNode->next();
  const GameNode* converted = above->next();
  EXPECT_TRUE(above->blackNext());  // the node above gets Black as side to move
  EXPECT_FALSE(converted->blackNext());
  EXPECT_TRUE(converted->blackMove());
}

// A game whose only moves are converted stones is a game of moves: it gets its primary node and the
// cursor stands on the last move, so that writing it and reading it back changes nothing.
TEST(ReaderSetup, ConvertAWABGameOfLoneStonesHasAPrimaryNodeAndCursor) {
  LoadedText t("(;GM[1]SZ[5];AB[bb];AW[dd])", GameTrees::FirstOnly, convertingAWAB());
  SGridFrame& g = t.game();
  ASSERT_EQ(treeText(g), ";B[bb];W[dd]");
  EXPECT_EQ(g.primaryNode, g.currentNode);
  EXPECT_NE(g.primaryNode, nullptr);
  EXPECT_EQ(g.cursorX, 3);
  EXPECT_EQ(g.cursorY, 3);
}

TEST(ReaderSetup, ConvertAWABLeavesSeveralStonesAsComposition) {
  for (const char* text : {"(;GM[1]SZ[5];W[aa];AB[cc][dd])", "(;GM[1]SZ[5];W[aa];AB[cc]AE[ee])",
                           "(;GM[1]SZ[5];W[aa];AB[cc:dc])"}) {
    LoadedText t(text, GameTrees::FirstOnly, convertingAWAB());
    EXPECT_EQ(treeText(t.game()), ";W[aa];compose") << text;
  }
  // A lone stone over another one would be a move onto an occupied point, which a second reading refuses.
  for (const char* text : {"(;GM[1]SZ[5];W[aa];AB[aa])", "(;GM[1]SZ[5]AB[cc];AW[cc])"}) {
    LoadedText t(text, GameTrees::FirstOnly, convertingAWAB());
    EXPECT_EQ(treeText(t.game()).substr(treeText(t.game()).rfind(';')), ";compose") << text;
    EXPECT_TRUE(t.errors.empty()) << text;
  }
  // So would a stone that repeats a move already made from the same position: it would be merged into it.
  LoadedText repeated("(;GM[1]SZ[5];W[aa](;B[cc];W[dd])(;AB[cc]))", GameTrees::FirstOnly, convertingAWAB());
  const SBranchDetails* side =
      findSideLine(repeated.game(), repeated.game().firstNode->next(), [](const GameNode&) { return true; });
  ASSERT_NE(side, nullptr);
  EXPECT_EQ(side->head->kind(), SpecialMoveKind::Compose);
  LoadedText off("(;GM[1]SZ[5];W[aa];AB[cc])");
  EXPECT_EQ(treeText(off.game()), ";W[aa];compose");
  // So would a stone that, played, captures or turns pieces, or that the rules refuse: a second reading
  // plays it by the rules.
  for (const char* text : {"(;GM[1]SZ[5];W[aa];B[ba];W[cc];AB[ab])", "(;GM[2]SZ[8];AB[dc])",
                           "(;GM[2]SZ[8];AB[aa])"}) {
    LoadedText t(text, GameTrees::FirstOnly, convertingAWAB());
    EXPECT_EQ(treeText(t.game()).substr(treeText(t.game()).rfind(';')), ";compose") << text;
  }
}

TEST(ReaderSetup, OthelloCompositionGivesTheTurnToASideThatCanMove) {
  // White, asked to move, has nothing to flip: Black moves.
  LoadedText t("(;GM[2]SZ[8];AE[dd][ee][de][ed]AB[aa]AW[ba]PL[W])");
  EXPECT_EQ(treeText(t.game()), ";compose");
  EXPECT_TRUE(t.game().endNode->blackNext());
}

TEST(ReaderSetup, Connect6CompositionFollowsTheMoveNumber) {
  LoadedText t("(;GM[1]SZ[19]RU[Connect6];B[j10];W[k10];C[after two moves])");
  EXPECT_EQ(treeText(t.game()), ";B[jj];W[kj];compose");
  EXPECT_TRUE(t.game().endNode->blackNext());  // the node is move 3; move 4 is Black's
}

TEST(ReaderSetup, LongIdentifiersAreReadByTheirCapitals) {
  LoadedText t("(;GaMe[1]SiZe[5]AddBlack[aa]Comment[hi];Black[bb])");
  SGridFrame& g = t.game();
  EXPECT_EQ(g.width(), 5);
  EXPECT_EQ(g.firstNode->kind(), SpecialMoveKind::Compose);
  EXPECT_EQ(commentOf(g, g.firstNode), "hi");
  EXPECT_EQ(treeText(g), ";B[bb]");
}

TEST(ReaderSetup, HandicapClearsBlacksFirstTurn) {
  LoadedText three("(;GM[1]SZ[19]HA[3]AB[dd][pp][dp];W[pd])");
  EXPECT_EQ(three.game().details[DetailField::Handicap], "3");
  EXPECT_FALSE(three.game().firstNode->blackNext());
  LoadedText one("(;GM[1]SZ[19]HA[1])");
  EXPECT_EQ(one.game().details[DetailField::Handicap], "0");
  EXPECT_TRUE(one.game().firstNode->blackNext());
  LoadedText many("(;GM[1]SZ[19]HA[12])");
  EXPECT_EQ(many.game().details[DetailField::Handicap], "9");
}

// ---- Root texts ----

TEST(ReaderRootTexts, EveryTextGoesToItsField) {
  LoadedText t(
      "(;GM[1]SZ[9]PB[Ann]PW[Bob]BR[3d]WR[2k]PC[Here]SO[Book]AN[Cy]RE[B+R]DT[2024-01-02]FF[4]GC[line\\]\nnext]"
      "GN[Final]EV[Cup]RO[2]KM[6.5]RU[Japanese]HA[0])");
  const SSGFDetails& d = t.game().details;
  EXPECT_EQ(d[DetailField::Player1], "Ann");
  EXPECT_EQ(d[DetailField::Player2], "Bob");
  EXPECT_EQ(d[DetailField::Player1Rank], "3d");
  EXPECT_EQ(d[DetailField::Player2Rank], "2k");
  EXPECT_EQ(d[DetailField::Place], "Here");
  EXPECT_EQ(d[DetailField::Source], "Book");
  EXPECT_EQ(d[DetailField::Annotator], "Cy");
  EXPECT_EQ(d[DetailField::Result], "B+R");
  EXPECT_EQ(d[DetailField::Date], "2024-01-02");
  EXPECT_EQ(d[DetailField::FileFormat], "4");
  EXPECT_EQ(d[DetailField::GameComment], "line]\r\nnext");
  EXPECT_EQ(d[DetailField::GameName], "Final");
  EXPECT_EQ(d[DetailField::Event], "Cup");
  EXPECT_EQ(d[DetailField::Round], "2");
  EXPECT_EQ(d[DetailField::Komi], "6.5");
  EXPECT_EQ(d[DetailField::Rules], "Japanese");
  EXPECT_EQ(d[DetailField::Handicap], "0");
}

TEST(ReaderRootTexts, WhiteFirstKindsExchangeThePlayers) {
  LoadedText t("(;GM[Havannah]SZ[5]PB[Ann]PW[Bob]BR[1d]WR[2d])");
  const SSGFDetails& d = t.game().details;
  EXPECT_EQ(d[DetailField::Player1], "Bob");
  EXPECT_EQ(d[DetailField::Player2], "Ann");
  EXPECT_EQ(d[DetailField::Player1Rank], "2d");
  EXPECT_EQ(d[DetailField::Player2Rank], "1d");
}

TEST(ReaderRootTexts, RootOnlyPropertiesOutsideTheRootAreIgnored) {
  LoadedText t("(;GM[1]SZ[9]PB[Ann];B[aa]PB[Later]GM[2]SZ[13])");
  EXPECT_EQ(t.game().details[DetailField::Player1], "Ann");
  EXPECT_EQ(t.game().kind(), GameKind::Go);
}

// ---- Annotations ----

TEST(ReaderAnnotations, TextsAndMarksAttachToTheMoveOfTheirNode) {
  LoadedText t("(;GM[1]SZ[5];C[before]N[  name]V[-12]FG[]B[aa]C[after]XP[];W[bb]C[]N[])");
  SGridFrame& g = t.game();
  const GameNode* aa = g.firstNode->next();
  EXPECT_EQ(commentOf(g, aa), "before\r\nafter");
  EXPECT_EQ(nameOf(g, aa), "name");
  EXPECT_EQ(scoreOf(g, aa), -12);
  EXPECT_TRUE(aa->printDiagram());
  EXPECT_EQ(g.primaryNode, aa);
  EXPECT_FALSE(aa->next()->hasComment());  // an empty comment is ignored
  EXPECT_FALSE(aa->next()->hasName());
}

TEST(ReaderAnnotations, EscapedBracketStaysInTheComment) {
  LoadedText t("(;GM[1]SZ[5];B[aa]C[a \\] b \\\\ c])");
  EXPECT_EQ(commentOf(t.game(), t.game().endNode), "a ] b \\ c");
}

TEST(ReaderAnnotations, RootAnnotationsStayOnTheFirstNode) {
  LoadedText t("(;GM[1]SZ[5]C[root]N[Start]V[3];B[aa])");
  SGridFrame& g = t.game();
  EXPECT_EQ(commentOf(g, g.firstNode), "root");
  EXPECT_EQ(nameOf(g, g.firstNode), "Start");
  EXPECT_EQ(scoreOf(g, g.firstNode), 3);
  EXPECT_EQ(g.firstNode->kind(), SpecialMoveKind::Pass);  // annotations alone leave it as it is
}

TEST(ReaderAnnotations, CommentOnlyNodeBecomesACompositionNode) {
  LoadedText t("(;GM[1]SZ[5];B[aa];C[a thought];W[bb])");
  SGridFrame& g = t.game();
  EXPECT_EQ(treeText(g), ";B[aa];compose;W[bb]");
  EXPECT_EQ(commentOf(g, g.firstNode->next()->next()), "a thought");
}

TEST(ReaderAnnotations, MarkupOnlyNodeIsKept) {
  LoadedText t("(;GM[1]SZ[5];B[aa];TR[bb];W[cc])");
  SGridFrame& g = t.game();
  EXPECT_EQ(treeText(g), ";B[aa];compose;W[cc]");
  EXPECT_EQ(markupOf(g, g.firstNode->next()->next()), "TR[\"\"]");
}

TEST(ReaderAnnotations, QuickSlotsHoldOneNodeEach) {
  LoadedText t("(;GM[1]SZ[5];B[aa]XN[3];W[bb]XN[3];B[cc]XN[12];W[dd]XN[x])");
  SGridFrame& g = t.game();
  const GameNode* aa = g.firstNode->next();
  const GameNode* bb = aa->next();
  EXPECT_EQ(g.quickSlots[3], bb);
  EXPECT_FALSE(aa->inQuickSlot());
  EXPECT_TRUE(bb->inQuickSlot());
  EXPECT_FALSE(bb->next()->inQuickSlot());  // slot 12 does not exist
  EXPECT_FALSE(bb->next()->next()->inQuickSlot());
}

TEST(ReaderAnnotations, BookmarksKeepDescendingNumbers) {
  LoadedText t("(;GM[1]SZ[5];B[aa]XB[5:Ann\\]s];W[bb]XB[];B[cc]XB[2])");
  const auto& marks = t.game().bookmarks;
  ASSERT_EQ(marks.size(), 3u);
  EXPECT_EQ(marks[0].number, 6);  // 0 takes the highest number + 1
  EXPECT_EQ(marks[1].number, 5);
  EXPECT_EQ(marks[1].name, "Ann]s");
  EXPECT_EQ(marks[2].number, 2);
  EXPECT_EQ(marks[1].node, t.game().firstNode->next());
}

// ---- Markup ----

TEST(ReaderMarkup, StoredWithPointsAsCharacters) {
  LoadedText t("(;GM[1]SZ[5];B[aa]TR[bb:cc]SL[dd]LB[ee:hi][aa]MA[zz]CR[ab]\n[ba])");
  EXPECT_EQ(markupOf(t.game(), t.game().endNode), "TR[\"\"][#\"][\"#][##]SQ[$$]LB[%%:hi][!!]CR[!\"][\"!]");
  EXPECT_TRUE(t.errors.empty());
}

TEST(ReaderMarkup, LabelsLoseLineEndsAndKeepEscapes) {
  LoadedText t("(;GM[1]SZ[5];B[aa]LB[aa:a\r\nb][bb:c\td][cc:x\\]y])");
  EXPECT_EQ(markupOf(t.game(), t.game().endNode), "LB[!!:ab][\"\":c d][##:x\\]y]");
}

TEST(ReaderMarkup, TerritoryMarksAreMarkupOnGoBoards) {
  LoadedText t("(;GM[1]SZ[5];B[aa]TB[bb]TW[cc])");
  EXPECT_EQ(markupOf(t.game(), t.game().endNode), "TB[\"\"]TW[##]");
}

TEST(ReaderMarkup, OnePropertyNamesAtMostTheBoardsCells) {
  LoadedText t("(;GM[1]SZ[5];B[aa]MA[aa:ee][aa:ee])");
  const std::string& markup = markupOf(t.game(), t.game().endNode);
  EXPECT_EQ(std::count(markup.begin(), markup.end(), '['), 25);
}

TEST(ReaderMarkup, UnreadableValueIsReportedAndPassedOver) {
  LoadedText t("(;GM[1]SZ[5];B[aa]CR[??][bb])");
  EXPECT_EQ(markupOf(t.game(), t.game().endNode), "CR[\"\"]");
  ASSERT_EQ(t.errors.size(), 1u);
  EXPECT_EQ(t.errors.texts()[0],
            "Error, in game number 1, on line number 1.  The following value could not be read and was passed "
            "over.\r\n\r\nCR[??]\r\n\r\nThe error occurred within the following extract from the file.\r\n\r\n"
            "(;GM[1]SZ[5];B[aa]CR[??][bb])");
}

// ---- Kropki territory and Othello sides ----

TEST(ReaderKropki, TerritoryPropertiesAttachFieldsToTheirNode) {
  LoadedText t("(;GM[40]SZ[9];B[cb];W[cc];B[dc];W[ii];B[cd];W[ih];B[bc];TB[.cbdccdbc])");
  ASSERT_TRUE(t.errors.empty()) << t.errors.joined();
  SGridFrame& g = t.game();
  const GameNode* node = g.endNode;
  EXPECT_EQ(node->kind(), SpecialMoveKind::Compose);
  ASSERT_TRUE(node->captureRecord());
  EXPECT_EQ(g.kropkiFields.at(node)[2 + 2 * 9], cell::kBlack);
}

TEST(ReaderKropki, BrokenOutlineIsReported) {
  LoadedText t("(;GM[40]SZ[9];B[cb];TW[.cbd])");
  EXPECT_EQ(t.errors.size(), 1u);
  EXPECT_TRUE(t.game().kropkiFields.empty());
}

TEST(ReaderOthello, SideToMoveFollowsTheNextMoveOrThePosition) {
  // Black plays twice: the first Black node implies White's pass.
  LoadedText t("(;GM[2]SZ[8];B[dc];B[cc])");
  SGridFrame& g = t.game();
  const GameNode* first = g.firstNode->next();
  EXPECT_TRUE(first->blackNext());
  EXPECT_TRUE(first->captureRecord());
  const GameNode* last = first->next();
  EXPECT_FALSE(last->blackNext());  // White has a move at the end of the line
  EXPECT_FALSE(last->captureRecord());
}

}  // namespace
}  // namespace meridax
