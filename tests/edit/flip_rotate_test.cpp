// Flipping and rotating: the cell maps of every board shape, positions and markup moved by them, and
// whole games that come back unchanged after a full cycle.

#include "edit/flip_rotate.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "edit/kept_property_points.h"
#include "edit/tree_edit_support.h"
#include "model/node_texts.h"
#include "rules/position_at.h"
#include "sgf/sgf_points.h"
#include "sgf/sgf_writer.h"

namespace meridax {
namespace {

using testing_support::LoadedText;
using testing_support::nodeAt;
using testing_support::problems;
using testing_support::standOn;

std::string moved(const BoardPosition& pos, GameKind kind, int height, BoardTransform t,
                  TransformUse use = TransformUse::WholeGame) {
  const std::optional<CellMap> map = cellMap(kind, pos.width(), height, t, use);
  if (!map) return "(not offered)";
  return toDiagram(transformPosition(pos, *map));
}

std::string rows(const std::string& diagram) { return toDiagram(fromDiagram(diagram)); }

// ---- Cell maps ----

struct ShapeCase {
  GameKind kind;
  int width;
  int height;
  BoardTransform transform;
  TransformUse use;
  int cycle;  // applications that give every cell back its place
};

class CellMaps : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(CellMaps, EveryBoardCellLandsOnABoardCellOnce_AndTheCycleComesBack) {
  const ShapeCase& c = GetParam();
  const std::optional<CellMap> map = cellMap(c.kind, c.width, c.height, c.transform, c.use);
  ASSERT_TRUE(map.has_value());
  CellMap sorted = *map;
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < c.width * c.width; ++i) ASSERT_EQ(sorted[static_cast<std::size_t>(i)], i) << "not a permutation";
  for (int i = 0; i < c.width * c.width; ++i) {
    const int x = i % c.width, y = i / c.width;
    const int to = (*map)[static_cast<std::size_t>(i)];
    EXPECT_EQ(isOnBoard(c.kind, c.width, c.height, x, y), isOnBoard(c.kind, c.width, c.height, to % c.width, to / c.width))
        << "cell " << x << "," << y;
    int at = i;
    for (int k = 0; k < c.cycle; ++k) at = (*map)[static_cast<std::size_t>(at)];
    EXPECT_EQ(at, i) << "cell " << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(
    FlipRotate, CellMaps,
    ::testing::Values(ShapeCase{GameKind::Go, 19, 19, BoardTransform::Flip, TransformUse::WholeGame, 2},
                      ShapeCase{GameKind::Go, 9, 9, BoardTransform::Rotate, TransformUse::WholeGame, 4},
                      ShapeCase{GameKind::Othello, 8, 8, BoardTransform::Flip, TransformUse::WholeGame, 2},
                      ShapeCase{GameKind::Othello, 10, 10, BoardTransform::Rotate, TransformUse::WholeGame, 2},
                      ShapeCase{GameKind::Hex, 11, 11, BoardTransform::Rotate, TransformUse::WholeGame, 2},
                      ShapeCase{GameKind::Hex, 11, 11, BoardTransform::Flip, TransformUse::Composition, 1},
                      ShapeCase{GameKind::Havannah, 19, 10, BoardTransform::Flip, TransformUse::WholeGame, 2},
                      ShapeCase{GameKind::Havannah, 19, 10, BoardTransform::Rotate, TransformUse::WholeGame, 6},
                      ShapeCase{GameKind::Unlur, 11, 6, BoardTransform::Rotate, TransformUse::WholeGame, 6},
                      ShapeCase{GameKind::SideStitch, 9, 5, BoardTransform::Flip, TransformUse::WholeGame, 2},
                      ShapeCase{GameKind::Kropki, 12, 9, BoardTransform::Flip, TransformUse::Composition, 2},
                      ShapeCase{GameKind::Kropki, 9, 9, BoardTransform::Rotate, TransformUse::Composition, 4}));

TEST(FlipRotate, TransformsNotOffered_HaveNoMap) {
  EXPECT_FALSE(cellMap(GameKind::Hex, 11, 11, BoardTransform::Flip, TransformUse::WholeGame));
  EXPECT_FALSE(cellMap(GameKind::Kropki, 9, 9, BoardTransform::Flip, TransformUse::WholeGame));
  EXPECT_FALSE(cellMap(GameKind::Kropki, 9, 9, BoardTransform::Rotate, TransformUse::WholeGame));
  EXPECT_FALSE(cellMap(GameKind::Kropki, 12, 9, BoardTransform::Rotate, TransformUse::Composition))
      << "a quarter turn of an oblong board leaves the board";
}

// ---- Positions ----

TEST(FlipRotate, GoBoard_FlipsTopToBottomAndTurnsAQuarterClockwise) {
  const BoardPosition pos = fromDiagram(R"(
    XX...
    O....
    .....
    .....
    ....O)");
  EXPECT_EQ(moved(pos, GameKind::Go, 5, BoardTransform::Flip), rows(R"(
    ....O
    .....
    .....
    O....
    XX...)"));
  EXPECT_EQ(moved(pos, GameKind::Go, 5, BoardTransform::Rotate), rows(R"(
    ...OX
    ....X
    .....
    .....
    O....)"));
}

TEST(FlipRotate, Othello_FlipsAcrossTheDiagonalAndTurnsHalfway) {
  const BoardPosition pos = fromDiagram(R"(
    XO..
    ..X.
    ....
    ...O)");
  EXPECT_EQ(moved(pos, GameKind::Othello, 4, BoardTransform::Flip), rows(R"(
    X...
    O...
    .X..
    ...O)"));
  EXPECT_EQ(moved(pos, GameKind::Othello, 4, BoardTransform::Rotate), rows(R"(
    O...
    ....
    .X..
    ..OX)"));
}

TEST(FlipRotate, HexagonBoard_MirrorsEachRowAndTurnsASixthClockwise) {
  // Side 3: rows hold 3, 4, 5, 4 and 3 cells; the corners of the square are off the board.
  const BoardPosition pos = fromDiagram(R"(
    X.O##
    ....#
    .....
    #....
    ##...)");
  EXPECT_EQ(moved(pos, GameKind::Havannah, 3, BoardTransform::Flip), rows(R"(
    O.X##
    ....#
    .....
    #....
    ##...)"));
  // The corner at the top left goes to the top right, the top right to the right-hand corner.
  EXPECT_EQ(moved(pos, GameKind::Havannah, 3, BoardTransform::Rotate), rows(R"(
    ..X##
    ....#
    ....O
    #....
    ##...)"));
}

TEST(FlipRotate, Composition_KropkiMirrorsOverItsHeightAndHexStaysAsItIs) {
  const BoardPosition kropki = fromDiagram(R"(
    X....
    .O...
    .....
    #####
    #####)");
  EXPECT_EQ(moved(kropki, GameKind::Kropki, 3, BoardTransform::Flip, TransformUse::Composition), rows(R"(
    .....
    .O...
    X....
    #####
    #####)"));
  const BoardPosition hex = fromDiagram(R"(
    X..
    .O.
    ...)");
  EXPECT_EQ(moved(hex, GameKind::Hex, 3, BoardTransform::Flip, TransformUse::Composition), toDiagram(hex));
}

// ---- Markup ----

TEST(FlipRotate, MarkupPoints_MoveAndLabelTextsStay) {
  const CellMap map = *cellMap(GameKind::Go, 9, 9, BoardTransform::Rotate, TransformUse::WholeGame);
  // (0,0) goes to (8,0) and (1,0) to (8,1); the label text "!!" and its escaped "]" are text, not points.
  const std::string stored = "TR[" + markupPointText(0, 0) + "][" + markupPointText(1, 0) + "]LB[" +
                             markupPointText(1, 0) + ":!!\\]" + markupPointText(0, 0) + "]SQ[  ][~~]";
  EXPECT_EQ(transformMarkup(stored, map, 9),
            "TR[" + markupPointText(8, 0) + "][" + markupPointText(8, 1) + "]LB[" + markupPointText(8, 1) + ":!!\\]" +
                markupPointText(0, 0) + "]SQ[  ][~~]");
}

TEST(FlipRotate, DamagedMarkup_IsReadToItsEndWithoutHarm) {
  const CellMap map = *cellMap(GameKind::Go, 9, 9, BoardTransform::Flip, TransformUse::WholeGame);
  for (const std::string stored : {"[", "[!", "TR[!!", "LB[!!:\\", "]]][", "TR[\\"})
    EXPECT_EQ(transformMarkup(stored, map, 9).size(), stored.size()) << stored;
}

// ---- Whole games ----

std::string sgfOf(const SGridFrame& g) {
  std::string text;
  EXPECT_TRUE(WriteGameText(g, text));
  return text;
}

struct GameCase {
  const char* text;
  BoardTransform transform;
  int cycle;
};

class GameTransforms : public ::testing::TestWithParam<GameCase> {};

TEST_P(GameTransforms, FullCycle_GivesTheGameBack_AndEachStepMovesTheCurrentPosition) {
  LoadedText t(GetParam().text);
  SGridFrame& g = t.game();
  ASSERT_TRUE(t.errors.empty()) << t.errors.joined();
  const std::string before = sgfOf(g);
  const std::optional<CellMap> map = cellMap(g.kind(), g.width(), g.height(), GetParam().transform, TransformUse::WholeGame);
  ASSERT_TRUE(map.has_value());

  for (int k = 0; k < GetParam().cycle; ++k) {
    const BoardPosition position = PositionAt(g, g.currentNode);
    ASSERT_TRUE(transformGame(g, GetParam().transform));
    EXPECT_EQ(toDiagram(PositionAt(g, g.currentNode)), toDiagram(transformPosition(position, *map))) << "step " << k;
    EXPECT_EQ(problems(t), "");
    if (k == 0 && GetParam().cycle > 1) {
      EXPECT_NE(sgfOf(g), before);
    }
  }
  EXPECT_EQ(sgfOf(g), before);
}

INSTANTIATE_TEST_SUITE_P(
    FlipRotate, GameTransforms,
    ::testing::Values(
        // Handicap stones, a capture, markup with a label, a side line and a pass.
        GameCase{"(;GM[1]SZ[9]AB[cc][gg];W[ba];B[aa]TR[ab]LB[ac:x];W[ca](;B[ab];W[bb]MA[ab])(;B[];W[ee]))",
                 BoardTransform::Rotate, 4},
        GameCase{"(;GM[1]SZ[9]AB[cc][gg];W[ba];B[aa]TR[ab];W[ca](;B[ab];W[bb])(;B[hh]SQ[hh]))",
                 BoardTransform::Flip, 2},
        GameCase{"(;GM[2]SZ[8];B[d3];W[c3];B[b3](;W[c4])(;W[e3]))", BoardTransform::Flip, 2},
        GameCase{"(;GM[2]SZ[8];B[d3];W[c3];B[b3];W[c4])", BoardTransform::Rotate, 2},
        GameCase{"(;GM[11]SZ[5];B[a1];W[c2];B[e5])", BoardTransform::Rotate, 2},
        GameCase{"(;GM[4100]SZ[4];W[a1];B[d4](;W[g7]CR[d4])(;W[c1]))", BoardTransform::Rotate, 6},
        GameCase{"(;GM[4000]SZ[9];B[ec];W[ff])", BoardTransform::Flip, 2},
        // Kept properties: views, arrows, lines and dimmed points move; private ones stay.
        GameCase{"(;GM[1]SZ[9]VW[aa:cc]XZ[aa];B[aa]AR[aa:ba]LN[bb:cc]DD[ab][cd:de];W[ba]TM[30]DD[])",
                 BoardTransform::Rotate, 4},
        GameCase{"(;GM[1]SZ[9]VW[aa:cc]XZ[aa];B[aa]AR[aa:ba]LN[bb:cc]DD[ab][cd:de];W[ba]TM[30]DD[])",
                 BoardTransform::Flip, 2},
        GameCase{"(;GM[4100]SZ[4];W[a1]VW[a1][b2];B[d4]AR[a1:d4])", BoardTransform::Rotate, 6}));

struct KeptPointsCase {
  const char* raw;
  const char* rotated;  // a quarter turn of a 9 x 9 Go board: (c, r) goes to (8 - r, c)
};

class KeptPropertyPoints : public ::testing::TestWithParam<KeptPointsCase> {};

TEST_P(KeptPropertyPoints, PointsOfTheBoardMove_AndAllElseStaysAsRead) {
  const PointGeometry g = pointGeometry(GameKind::Go, 9, 9, "");
  const std::optional<CellMap> map = cellMap(GameKind::Go, 9, 9, BoardTransform::Rotate, TransformUse::WholeGame);
  ASSERT_TRUE(map.has_value());
  EXPECT_EQ(transformKeptPropertyPoints(GetParam().raw, g, *map), GetParam().rotated);
}

INSTANTIATE_TEST_SUITE_P(
    FlipRotate, KeptPropertyPoints,
    ::testing::Values(KeptPointsCase{"VW[aa]", "VW[ia]"},
                      KeptPointsCase{"VW[aa:bb]", "VW[ha:ib]"},         // a rectangle stays one
                      KeptPointsCase{"DD[bb:aa][cc]", "DD[ha:ib][gc]"},  // corners in any order
                      KeptPointsCase{"AR[aa:ba]LN[ba:aa]", "AR[ia:ib]LN[ib:ia]"},  // arrows keep their direction
                      KeptPointsCase{"TM[300]VW[]DD[]XX[aa]", "TM[300]VW[]DD[]XX[aa]"},
                      KeptPointsCase{"VW[zz]AR[aa:zz]DD[a]", "VW[zz]AR[aa:zz]DD[a]"},  // off the board, not points
                      KeptPointsCase{"AR[aa]LN[aa:bb:cc]", "AR[aa]LN[aa:bb:cc]"},
                      KeptPointsCase{"GC[a\\]VW[aa]VW[aa]", "GC[a\\]VW[aa]VW[ia]"},  // escapes inside values
                      KeptPointsCase{"VW[aa][bb", "VW[ia][bb"}));                    // cut short: kept from there

TEST(FlipRotate, KeptRectangle_NoLongerOneOnAHexagonBoard_IsWrittenAsItsPoints) {
  LoadedText t("(;GM[4100]SZ[4];W[a1];B[b2]VW[a1:b2])");
  SGridFrame& g = t.game();
  ASSERT_TRUE(transformGame(g, BoardTransform::Rotate));
  const std::string& kept = otherPropertiesOf(g, g.endNode);
  EXPECT_EQ(kept.rfind("VW[", 0), 0u) << kept;
  EXPECT_EQ(std::count(kept.begin(), kept.end(), '['), 4) << kept;
}

TEST(FlipRotate, KropkiGame_IsNotTransformed) {
  LoadedText t("(;GM[40]SZ[9];B[ee];W[ef])");
  SGridFrame& g = t.game();
  const std::string before = sgfOf(g);

  EXPECT_FALSE(transformGame(g, BoardTransform::Flip));
  EXPECT_FALSE(transformGame(g, BoardTransform::Rotate));
  EXPECT_EQ(sgfOf(g), before);
}

TEST(FlipRotate, Cursor_MovesWithTheBoard) {
  LoadedText t("(;GM[1]SZ[9];B[aa])");
  SGridFrame& g = standOn(t, nullptr);
  g.cursorX = 2;
  g.cursorY = 0;

  transformGame(g, BoardTransform::Rotate);

  EXPECT_EQ(g.cursorX, 8);
  EXPECT_EQ(g.cursorY, 2);
  EXPECT_EQ(nodeAt(g, "ia"), g.firstNode->next());
}

}  // namespace
}  // namespace meridax
