#include "layout/board_scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "edit/edit_test_support.h"
#include "model/move_annotations.h"
#include "rules/othello_rules.h"
#include "rules/position_at.h"

namespace meridax {
namespace {

using edit_testing::LoadedText;
using edit_testing::onLine;

// The numbers of a scene as "aa=1 bb=2", in reading order of their points.
std::string numbersText(std::vector<SceneNumber> numbers) {
  std::sort(numbers.begin(), numbers.end(), [](const SceneNumber& a, const SceneNumber& b) {
    return a.at.y != b.at.y ? a.at.y < b.at.y : a.at.x < b.at.x;
  });
  std::ostringstream out;
  for (const SceneNumber& n : numbers)
    out << (out.tellp() > 0 ? " " : "") << char('a' + n.at.x) << char('a' + n.at.y) << "=" << n.number;
  return out.str();
}

BoardScene sceneAt(SGridFrame& g, int moveNumber, SceneOptions options, BoardPoint cursor = {0, 0}) {
  const GameNode* node = onLine(g, moveNumber);
  return buildScene(g, node, PositionAt(g, node), options, cursor);
}

// 1 B[ba], 2 W[aa], 3 B[ab] takes aa, 4 W[ee], 5 B[aa] plays aa again.
constexpr char kReplayed[] = "(;GM[1]SZ[9];B[ba];W[aa];B[ab];W[ee];B[aa])";

struct NumberingCase {
  const char* name;
  const char* sgf;
  int at;
  Numbering mode;
  int recent;
  const char* expected;
};
class MoveNumbering : public ::testing::TestWithParam<NumberingCase> {};

TEST_P(MoveNumbering, ShowsTheModesNumbers) {
  const NumberingCase c = GetParam();
  LoadedText t(c.sgf);
  SceneOptions o;
  o.numbering = c.mode;
  o.recentCount = c.recent;
  EXPECT_EQ(numbersText(sceneAt(t.game(), c.at, o).numbers), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, MoveNumbering,
    ::testing::Values(
        NumberingCase{"none", kReplayed, 5, Numbering::None, 8, ""},
        NumberingCase{"from_start_later_move_wins", kReplayed, 5, Numbering::FromComposition, 8,
                      "aa=5 ba=1 ab=3 ee=4"},
        NumberingCase{"captured_stone_not_numbered", kReplayed, 4, Numbering::FromComposition, 8,
                      "ba=1 ab=3 ee=4"},
        NumberingCase{"back_from_current", kReplayed, 5, Numbering::BackFromCurrent, 8, "aa=1 ba=5 ab=3 ee=2"},
        NumberingCase{"recent_three", kReplayed, 5, Numbering::RecentMoves, 3, "aa=3 ab=1 ee=2"},
        NumberingCase{"recent_more_than_played", kReplayed, 5, Numbering::RecentMoves, 20, "aa=5 ba=1 ab=3 ee=4"},
        NumberingCase{"after_composition_starts_at_one", "(;GM[1]SZ[9];B[aa];AB[cc]W[dd];B[ee])", 4,
                      Numbering::FromComposition, 8, "dd=1 ee=2"},
        NumberingCase{"recent_stops_at_composition", "(;GM[1]SZ[9];B[aa];AB[cc]W[dd];B[ee])", 4,
                      Numbering::RecentMoves, 8, "dd=1 ee=2"},
        NumberingCase{"othello_own_numbers", "(;GM[2]SZ[8];B[d3];W[c3];B[b3])", 3, Numbering::FromComposition, 8,
                      "bc=3 cc=2 dc=1"},
        NumberingCase{"kropki_never", "(;GM[40]SZ[20];B[aa];W[bb])", 2, Numbering::FromComposition, 8, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MoveNumbering, NumbersOnBlackPiecesAreMarkedSo) {
  LoadedText t(kReplayed);
  SceneOptions o;
  o.numbering = Numbering::FromComposition;
  const BoardScene s = sceneAt(t.game(), 4, o);
  for (const SceneNumber& n : s.numbers) EXPECT_EQ(n.onBlack, (n.at != BoardPoint{4, 4}));
}

constexpr char kBranching[] = "(;GM[1]SZ[9];B[aa](;W[bb];B[dd])(;W[cc]))";

TEST(Markers, NextMoveAndVariations) {
  LoadedText t(kBranching);
  SceneOptions o;
  const BoardScene s = sceneAt(t.game(), 1, o);
  EXPECT_EQ(s.markers, (std::vector<SceneMarker>{{{1, 1}, MarkerKind::NextMove, Colour::White},
                                                 {{2, 2}, MarkerKind::Variation, Colour::White}}));
  o.nextMove = false;
  EXPECT_TRUE(sceneAt(t.game(), 1, o).markers.empty());
}

TEST(Markers, LastMoveOnlyWithoutNumbering) {
  LoadedText t(kBranching);
  SceneOptions o;
  o.nextMove = false;
  o.lastMove = true;
  EXPECT_EQ(sceneAt(t.game(), 1, o).markers,
            (std::vector<SceneMarker>{{{0, 0}, MarkerKind::LastMove, Colour::Black}}));
  EXPECT_EQ(sceneAt(t.game(), 1, o).lastMoveSign, "");
  // The move's annotation goes with its marker.
  setMoveAnnotation(t.game(), onLine(t.game(), 1), MoveAnnotation::Interesting);
  EXPECT_EQ(sceneAt(t.game(), 1, o).lastMoveSign, "!?");
  o.numbering = Numbering::BackFromCurrent;
  EXPECT_TRUE(sceneAt(t.game(), 1, o).markers.empty());
  EXPECT_TRUE(sceneAt(t.game(), 0, SceneOptions{}).markers.size() == 1);  // the start: only the next move
}

TEST(Markers, NoNextMarkerAtTheEndOfTheLine) {
  LoadedText t(kBranching);
  EXPECT_TRUE(sceneAt(t.game(), 3, SceneOptions{}).markers.empty());
}

constexpr char kMarked[] = "(;GM[1]SZ[9];B[aa]TR[aa][bb]MA[gg]LB[cc:hi\\]x][dd]L[ee][ff]TB[hh]SQ[zz])";

TEST(Markup, SymbolsAndLabelsFromTheStoredText) {
  LoadedText t(kMarked);
  const BoardScene s = sceneAt(t.game(), 1, SceneOptions{});
  ASSERT_EQ(s.symbols.size(), 4u);
  EXPECT_EQ(s.symbols[0], (SceneSymbol{{0, 0}, SymbolKind::Triangle, CellLook::Black, false, false}));
  EXPECT_EQ(s.symbols[1], (SceneSymbol{{1, 1}, SymbolKind::Triangle, CellLook::Empty, true, false}));
  EXPECT_EQ(s.symbols[2].kind, SymbolKind::Cross);
  EXPECT_EQ(s.symbols[3], (SceneSymbol{{7, 7}, SymbolKind::BlackTerritory, CellLook::Empty, false, false}));
  std::vector<std::string> labels;
  for (const SceneLabel& l : s.labels) labels.push_back(l.text);
  EXPECT_EQ(labels, (std::vector<std::string>{"hi]x", "", "a", "b"}));
}

TEST(Markup, HiddenMarkupAndNumberedPieces) {
  LoadedText t(kMarked);
  SceneOptions o;
  o.markup = false;
  EXPECT_TRUE(sceneAt(t.game(), 1, o).symbols.empty());
  o.markup = true;
  o.numbering = Numbering::FromComposition;
  const BoardScene numbered = sceneAt(t.game(), 1, o);
  EXPECT_EQ(numbered.symbols.size(), 3u);  // the triangle on the numbered stone goes
  EXPECT_NE(numbered.symbols[0].at, (BoardPoint{0, 0}));
}

TEST(Markup, OthelloNeitherClearsNorShowsTerritory) {
  LoadedText t("(;GM[2]SZ[8];B[d3]CR[a1]TB[b1])");
  const BoardScene s = sceneAt(t.game(), 1, SceneOptions{});
  ASSERT_EQ(s.symbols.size(), 1u);
  EXPECT_FALSE(s.symbols[0].clearUnder);
}

// The Othello start with the legal squares of Black marked, as the frame keeps its current position.
BoardPosition othelloStart(SGridFrame& g) {
  BoardPosition p = PositionAt(g, g.firstNode);
  MarkAvailable(p, Colour::Black);
  return p;
}

TEST(OthelloScene, LegalSquaresShownOnlyWhenAsked) {
  LoadedText t("(;GM[2]SZ[8])");
  SGridFrame& g = t.game();
  const BoardPosition p = othelloStart(g);
  auto count = [](const BoardScene& s, CellLook look) {
    return std::count_if(s.cells.begin(), s.cells.end(), [look](const SceneCell& c) { return c.look == look; });
  };
  SceneOptions o;
  EXPECT_EQ(count(buildScene(g, g.firstNode, p, o, {0, 0}), CellLook::Available), 4);
  o.available = false;
  EXPECT_EQ(count(buildScene(g, g.firstNode, p, o, {0, 0}), CellLook::Available), 0);
}

TEST(OthelloScene, CapturePreviewAtTheCursorOnALegalSquare) {
  LoadedText t("(;GM[2]SZ[8])");
  SGridFrame& g = t.game();
  const BoardPosition p = othelloStart(g);
  SceneOptions o;
  const BoardScene s = buildScene(g, g.firstNode, p, o, {3, 2});  // d3 turns d4
  EXPECT_EQ(s.cellAt({3, 3})->look, CellLook::TurnsForBlack);
  ASSERT_TRUE(s.cursor);
  EXPECT_EQ(s.cursor->toMove, Colour::Black);
  o.captures = false;
  EXPECT_EQ(buildScene(g, g.firstNode, p, o, {3, 2}).cellAt({3, 3})->look, CellLook::White);
  o.captures = true;
  EXPECT_EQ(buildScene(g, g.firstNode, p, o, {0, 0}).cellAt({3, 3})->look, CellLook::White);  // not legal there
}

TEST(OthelloScene, NoCursorWhileNothingIsAvailable) {
  LoadedText t("(;GM[2]SZ[8])");
  SGridFrame& g = t.game();
  const BoardPosition unmarked = PositionAt(g, g.firstNode);
  EXPECT_FALSE(buildScene(g, g.firstNode, unmarked, SceneOptions{}, {3, 2}).cursor);
}

TEST(SceneCells, HexagonCornersAreOffTheBoard) {
  LoadedText t("(;GM[Havannah]SZ[4];W[d4])");
  SGridFrame& g = t.game();
  const BoardScene s = sceneAt(g, 0, SceneOptions{}, {6, 0});
  EXPECT_EQ(s.cells.size(), 49u);
  EXPECT_EQ(s.cellAt({6, 0}), nullptr);
  EXPECT_NE(s.cellAt({3, 0}), nullptr);
  EXPECT_FALSE(s.cursor);  // the cursor off the board is not drawn
}

TEST(SceneCells, GoCrossingsCarryTheirFlags) {
  LoadedText t("(;GM[1]SZ[13])");
  const BoardScene s = sceneAt(t.game(), 0, SceneOptions{});
  EXPECT_EQ(s.cellAt({6, 6})->flags, point_flag::kStar);
  EXPECT_EQ(s.cellAt({12, 0})->flags, point_flag::kRightEdge | point_flag::kTopEdge);
}

TEST(NumberingCycle, ThreeFourSixFiveThree) {
  EXPECT_EQ(nextNumbering(Numbering::None), Numbering::FromComposition);
  EXPECT_EQ(nextNumbering(Numbering::FromComposition), Numbering::RecentMoves);
  EXPECT_EQ(nextNumbering(Numbering::RecentMoves), Numbering::BackFromCurrent);
  EXPECT_EQ(nextNumbering(Numbering::BackFromCurrent), Numbering::None);
  EXPECT_EQ(numberingFrom(7), Numbering::None);
  EXPECT_EQ(numberingFrom(5), Numbering::BackFromCurrent);
}

}  // namespace
}  // namespace meridax
