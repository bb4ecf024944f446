// Markup of one node: areas, groups, removal at a point with its compaction, and labels.

#include "edit/markup_edit.h"

#include <gtest/gtest.h>

#include "edit/edit_test_support.h"
#include "model/node_texts.h"
#include "rules/position_at.h"

namespace meridax {
namespace {

using namespace edit_testing;

// A stored point: column + 33, row + 33.
std::string pt(int x, int y) { return std::string{static_cast<char>(x + 33), static_cast<char>(y + 33)}; }

std::string squaresText(const std::vector<BoardSquare>& squares) {
  std::string out;
  for (const BoardSquare& s : squares) out += "(" + std::to_string(s.x) + "," + std::to_string(s.y) + ")";
  return out;
}

std::string everyPointTwice() {
  std::string values;
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) values += "[" + pt(x, y) + "]";
  return values + values;
}

struct MarkupGame {
  LoadedText loaded{"(;GM[1]SZ[9];B[ee])"};
  SGridFrame& g = loaded.game();
  GameNode* node = g.endNode;
  const std::string& text() const { return markupOf(g, node); }
};

// ---- Areas ----

TEST(MarkupArea, Squares_ColumnByColumnClippedToTheBoard) {
  MarkupGame m;
  EXPECT_EQ(squaresText(areaSquares(m.g, BoardArea{8, 1, 7, 0})), "(7,0)(7,1)(8,0)(8,1)");
  EXPECT_EQ(squaresText(areaSquares(m.g, BoardArea{7, -3, 12, 0})), "(7,0)(8,0)");
  EXPECT_EQ(squaresText(areaSquares(m.g, BoardArea{9, 9, 12, 12})), "");
}

TEST(MarkupArea, HexagonBoard_PointsOutsideTheHexagonSkipped) {
  LoadedText t("(;GM[4100]SZ[3])");  // Havannah with side 3: a 5 x 5 square
  SGridFrame& g = t.game();
  ASSERT_EQ(g.width(), 5);
  EXPECT_EQ(squaresText(areaSquares(g, BoardArea{0, 2, 1, 4})), "(0,2)(1,2)(1,3)");
  for (const BoardSquare& s : areaSquares(g, BoardArea{0, 0, 4, 4}))
    EXPECT_TRUE(isOnBoard(g.kind(), g.width(), g.height(), s.x, s.y)) << s.x << "," << s.y;
  EXPECT_EQ(areaSquares(g, BoardArea{0, 4, 0, 4}).size(), 0u) << "a corner outside the hexagon";
}

TEST(MarkupArea, ThreeByTwoTriangleMarkedTwice_OnePropertyWithSixValues) {
  MarkupGame m;
  const std::string six = "TR" + ("[" + pt(1, 1) + "]") + ("[" + pt(1, 2) + "]") + ("[" + pt(2, 1) + "]") +
                          ("[" + pt(2, 2) + "]") + ("[" + pt(3, 1) + "]") + ("[" + pt(3, 2) + "]");

  ASSERT_TRUE(markArea(m.g, m.node, BoardArea{1, 1, 3, 2}, MarkupProperty::Triangle));
  EXPECT_EQ(m.text(), six);
  ASSERT_TRUE(markArea(m.g, m.node, BoardArea{3, 2, 1, 1}, MarkupProperty::Triangle));
  EXPECT_EQ(m.text(), six) << "the old values were blanked and dropped first";
  EXPECT_TRUE(m.node->hasMarkup());
}

TEST(MarkupArea, MarkingOverOtherMarkup_BlanksOnlyTheValuesOfTheArea) {
  MarkupGame m;
  markArea(m.g, m.node, BoardArea{0, 0, 1, 0}, MarkupProperty::Circle);
  markArea(m.g, m.node, BoardArea{1, 0, 1, 0}, MarkupProperty::Square);
  EXPECT_EQ(m.text(), "CR[" + pt(0, 0) + "][  ]SQ[" + pt(1, 0) + "]");
}

TEST(MarkupArea, AreaOffTheBoard_AddsNothing) {
  MarkupGame m;
  EXPECT_FALSE(markArea(m.g, m.node, BoardArea{20, 20, 30, 30}, MarkupProperty::Mark));
  EXPECT_FALSE(m.node->hasMarkup());
}

// ---- Removal at a point ----

TEST(MarkupRemoval, ValueOfThePoint_BlankedWithItsBracketsKept) {
  MarkupGame m;
  addMarkup(m.g, m.node, "MA[" + pt(0, 0) + "][" + pt(1, 0) + "]LB[" + pt(0, 0) + ":a\\]b]");
  m.g.flags = 1;

  ASSERT_TRUE(removeMarkupAt(m.g, m.node, 0, 0));

  EXPECT_EQ(m.text(), "MA[  ][" + pt(1, 0) + "]LB[       ]");
  EXPECT_EQ(m.g.flags & game_flag::kTreeChanged, game_flag::kTreeChanged);
}

TEST(MarkupRemoval, LastValueRemoved_ClearsTheMarkupFlag) {
  MarkupGame m;
  markArea(m.g, m.node, BoardArea{4, 4, 4, 4}, MarkupProperty::Mark);
  ASSERT_TRUE(removeMarkupAt(m.g, m.node, 4, 4));
  EXPECT_FALSE(m.node->hasMarkup());
  EXPECT_EQ(m.g.markup.count(m.node), 0u);
  EXPECT_EQ(validateTree(m.g), "");
}

TEST(MarkupRemoval, NothingAtThePointOrNoMarkup_ChangesNothing) {
  MarkupGame m;
  EXPECT_FALSE(removeMarkupAt(m.g, m.node, 0, 0));
  markArea(m.g, m.node, BoardArea{4, 4, 4, 4}, MarkupProperty::Mark);
  const std::string before = m.text();
  EXPECT_FALSE(removeMarkupAt(m.g, m.node, 0, 0));
  EXPECT_EQ(m.text(), before);
}

TEST(MarkupRemoval, TextLongerThanAThousandCharacters_IsCompacted) {
  MarkupGame m;
  // Every point of the 9 x 9 board twice under MA and under SQ: 2 + 162 * 4 = 650 characters each.
  addMarkup(m.g, m.node, "MA" + everyPointTwice());
  addMarkup(m.g, m.node, "SQ" + everyPointTwice());
  addMarkup(m.g, m.node, "CR[" + pt(8, 8) + "]");
  ASSERT_GT(m.text().size(), kMarkupCompactionLength);

  // Removing (8, 8) leaves no value of CR: its identifier goes too.
  ASSERT_TRUE(removeMarkupAt(m.g, m.node, 8, 8));

  EXPECT_EQ(m.text().find("[  ]"), std::string::npos);
  EXPECT_EQ(m.text().find("CR"), std::string::npos);
  EXPECT_EQ(m.text().substr(0, 6), "MA[" + pt(0, 0) + "]");
  EXPECT_EQ(m.text().size(), 2 + 2 * 80 * 4 + 2 + 2 * 80 * 4u);
}

TEST(MarkupRemoval, ShortTextKeepsItsBlanks) {
  MarkupGame m;
  addMarkup(m.g, m.node, "MA[" + pt(0, 0) + "]CR[" + pt(1, 1) + "]");
  removeMarkupAt(m.g, m.node, 1, 1);
  EXPECT_EQ(m.text(), "MA[" + pt(0, 0) + "]CR[  ]");
}

TEST(MarkupRemoval, AllMarkupOfTheNode_GoesAtOnce) {
  MarkupGame m;
  EXPECT_FALSE(removeAllMarkupAt(m.g, m.node));
  markArea(m.g, m.node, BoardArea{0, 0, 2, 2}, MarkupProperty::Square);
  EXPECT_TRUE(removeAllMarkupAt(m.g, m.node));
  EXPECT_FALSE(m.node->hasMarkup());
}

// ---- Groups ----

TEST(MarkupGroup, ConnectedStones_FoundOrthogonallyInRowOrder) {
  const BoardPosition pos = fromDiagram(R"(
    . X X . .
    . X O . .
    X X O X .
    . . . X .
    . . . . .)");
  EXPECT_EQ(squaresText(connectedGroup(pos, 1, 2)), "(1,0)(2,0)(1,1)(0,2)(1,2)");
  EXPECT_EQ(squaresText(connectedGroup(pos, 3, 3)), "(3,2)(3,3)") << "the diagonal stone is not connected";
  EXPECT_EQ(squaresText(connectedGroup(pos, 0, 0)), "") << "no stone there";
  EXPECT_EQ(squaresText(connectedGroup(pos, 7, 0)), "") << "off the square";
}

TEST(MarkupGroup, MarkGroup_OneMarkPerStoneReplacingTheirMarkup) {
  LoadedText t("(;GM[1]SZ[9];B[ab];W[ee];B[bb];W[ff];B[bc])");
  SGridFrame& g = t.game();
  GameNode* node = g.endNode;
  addMarkup(g, node, "TR[" + pt(1, 1) + "]");
  const auto group = connectedGroup(PositionAt(g, node), 1, 2);

  ASSERT_TRUE(markGroup(g, node, group));

  // The triangle was the node's only markup: its text went before the marks were appended.
  EXPECT_EQ(markupOf(g, node), "MA[" + pt(0, 1) + "][" + pt(1, 1) + "][" + pt(1, 2) + "]");
  EXPECT_TRUE(removeGroupMarkup(g, node, group));
  EXPECT_FALSE(node->hasMarkup());
  EXPECT_FALSE(markGroup(g, node, {}));
}

TEST(MarkupPresence, PropertyAtAPoint_FindsTheOlderNamesToo) {
  MarkupGame m;
  addMarkup(m.g, m.node, "M[" + pt(2, 2) + "]L[" + pt(3, 3) + ":q]CR[" + pt(4, 4) + "]");
  EXPECT_TRUE(hasPropertyAt(m.g, m.node, 2, 2, "MA"));
  EXPECT_TRUE(hasPropertyAt(m.g, m.node, 3, 3, "LB"));
  EXPECT_TRUE(hasPropertyAt(m.g, m.node, 4, 4, "CR"));
  EXPECT_FALSE(hasPropertyAt(m.g, m.node, 4, 4, "TR"));
  EXPECT_TRUE(hasMarkupAt(m.g, m.node, 3, 3));
  EXPECT_FALSE(hasMarkupAt(m.g, m.node, 5, 5));
}

// ---- Labels ----

TEST(Labels, DialogText_EscapedAndCleaned) {
  const struct {
    const char* typed;
    const char* stored;
  } cases[] = {
      {"A", "A"},
      {"a]b", "a\\]b"},
      {"x:y", "x\\:y"},
      {"back\\slash", "back\\\\slash"},
      {"tab\there", "tab here"},
      {"two\r\nlines", "two lines"},
  };
  for (const auto& c : cases) EXPECT_EQ(escapedLabelText(c.typed), c.stored) << c.typed;
}

TEST(Labels, BracketAndColon_StoredWithBackslashesAndReadBackAsTyped) {
  MarkupGame m;
  markArea(m.g, m.node, BoardArea{2, 3, 2, 3}, MarkupProperty::Circle);

  ASSERT_TRUE(setLabelAt(m.g, m.node, 2, 3, "1:0]"));

  EXPECT_EQ(m.text(), "LB[" + pt(2, 3) + ":1\\:0\\]]");
  EXPECT_EQ(labelTextAt(m.g, m.node, 2, 3), "1:0]");
  EXPECT_FALSE(setLabelAt(m.g, m.node, 2, 3, "1:0]")) << "the same text changes nothing";
}

TEST(Labels, EmptyText_LeavesThePointWithoutMarkup) {
  MarkupGame m;
  setLabelAt(m.g, m.node, 2, 3, "A");
  EXPECT_FALSE(setLabelAt(m.g, m.node, 5, 5, "")) << "no label before, none after";
  ASSERT_TRUE(setLabelAt(m.g, m.node, 2, 3, ""));
  EXPECT_FALSE(m.node->hasMarkup());
}

TEST(Labels, KeyboardEntry_TakesLettersAndDigitsOnly) {
  const struct {
    char key;
    bool taken;
  } cases[] = {{'A', true}, {'Z', true}, {'[', true}, {'a', true}, {'z', true}, {'{', true}, {'0', true},
               {'9', true}, {'@', false}, {'\\', false}, {']', false}, {'`', false}, {'|', false},
               {' ', false}, {':', false}, {'\x80', false}};
  for (const auto& c : cases) EXPECT_EQ(isLabelKey(c.key), c.taken) << static_cast<int>(c.key);
}

TEST(Labels, KeyboardEntry_ReplacesTheMarkupAtThePoint) {
  MarkupGame m;
  markArea(m.g, m.node, BoardArea{1, 1, 1, 1}, MarkupProperty::Square);
  ASSERT_TRUE(labelAtFromKey(m.g, m.node, 1, 1, 'k'));
  EXPECT_EQ(m.text(), "LB[" + pt(1, 1) + ":k]");
  EXPECT_FALSE(labelAtFromKey(m.g, m.node, 1, 1, ']'));
  EXPECT_EQ(m.text(), "LB[" + pt(1, 1) + ":k]");
}

}  // namespace
}  // namespace meridax
