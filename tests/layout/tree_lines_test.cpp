#include "layout/tree_lines.h"

#include <gtest/gtest.h>

#include "app/move_box_text.h"
#include "edit/navigation.h"
#include "edit/quick_slots.h"
#include "model/node_texts.h"
#include "sgf/sgf_test_support.h"

namespace meridax {
namespace {

using testing_support::LoadedText;

struct LinesCase {
  const char* name;
  const char* sgf;
  int columns;
  const char* expected;  // treeLinesText of the lines
};

class TreeLinesTest : public testing::TestWithParam<LinesCase> {};

TEST_P(TreeLinesTest, BuildsTheLinesOfTheCurrentLine) {
  const LinesCase& c = GetParam();
  LoadedText loaded(c.sgf);
  ASSERT_EQ(loaded.games(), 1u);
  loaded.game().primaryNode = nullptr;  // the reader makes the end of the line primary; markers are tested below
  const std::vector<TreeLine> lines = buildTreeLines(loaded.game(), TreeLineOptions{c.columns});
  EXPECT_EQ(treeLinesText(lines), c.expected) << "game: " << c.sgf;
}

const LinesCase kLinesCases[] = {
    {"OneNodeGame", "(;GM[1]FF[4]SZ[9])", 4, ""},
    {"NineMovesInFourColumns",
     "(;GM[1]SZ[9];B[aa];W[ba];B[ca];W[da];B[ea];W[fa];B[ga];W[ha];B[ia])", 4,
     "   Ba9   Wb9   Bc9   Wd9\n"
     "   Be9   Wf9   Bg9   Wh9\n"
     "   Bj9\n"},
    {"NineMovesInSixColumns",
     "(;GM[1]SZ[9];B[aa];W[ba];B[ca];W[da];B[ea];W[fa];B[ga];W[ha];B[ia])", 6,
     "   Ba9   Wb9   Bc9   Wd9   Be9   Wf9\n"
     "   Bg9   Wh9   Bj9\n"},
    {"CommentOnMoveTwoPadsTheNextRow",
     "(;GM[1]SZ[9];B[aa];W[ba]C[first\r\nsecond];B[ca];W[da])", 4,
     "   Ba9   Wb9\n"
     "\n"
     " first\\second\n"
     "\n"
     "               Bc9   Wd9\n"},
    {"NameAndScoreShareALineAndTheCommentFollowsDirectly",
     "(;GM[1]SZ[9];B[aa]N[Opening]V[12]C[note];W[ba])", 4,
     "   Ba9\n"
     " [ Opening ][ 12 ]\n"
     " note\n"
     "\n"
     "         Wb9\n"},
    {"ScoreWithoutName", "(;GM[1]SZ[9];B[aa]V[-3])", 4,
     "   Ba9\n"
     " [ -3 ]\n"},
    {"StartNodeNameAndComment", "(;GM[1]SZ[9]N[Root]C[Hello];B[aa])", 4,
     " [ Root ]\n"
     " Hello\n"
     "\n"
     "   Ba9\n"},
    {"TwoVariationsWithTheirLengths",
     "(;GM[1]SZ[9];B[aa];W[ba](;B[ca];W[da])(;B[cb];W[db];B[eb])(;B[cc]N[Try]))", 4,
     "   Ba9   Wb9\n"
     "               Bc8  (3)\n"
     "               Bc7  (1)   [ Try ]\n"
     "               Bc9   Wd9\n"},
    {"VariationAfterTheLastBoxOfARowStartsInTheFirstColumn",
     "(;GM[1]SZ[9];B[aa];W[ba];B[ca];W[da](;B[ea])(;B[eb]))", 4,
     "   Ba9   Wb9   Bc9   Wd9\n"
     "   Be8  (1)\n"
     "   Be9\n"},
    {"MoveAfterAVariationLineFollowsWithoutAnEmptyLine",
     "(;GM[1]SZ[9];B[aa](;W[ba];B[ca])(;W[bb]))", 6,
     "   Ba9\n"
     "         Wb8  (1)\n"
     "         Wb9   Bc9\n"},
    {"VariationAtTheStartNode", "(;GM[1]SZ[9](;B[aa])(;B[bb]V[5]))", 4,
     "   Bb8  (1)   [ 5 ]\n"
     "   Ba9\n"},
    {"VariationAfterACommentGetsAnEmptyLine",
     "(;GM[1]SZ[9];B[aa]C[c](;W[ba])(;W[bb]))", 4,
     "   Ba9\n"
     "\n"
     " c\n"
     "\n"
     "         Wb8  (1)\n"
     "         Wb9\n"},
    {"SpecialMovesAndComposition", "(;GM[1]SZ[9];B[];W[resign])", 4, "   B(p)  W(r)\n"},
    {"LatinOneNameShownAsUtf8", "(;GM[1]SZ[9];B[aa]N[Caf\xe9])", 4,
     "   Ba9\n"
     " [ Caf\xc3\xa9 ]\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, TreeLinesTest, testing::ValuesIn(kLinesCases),
                         [](const testing::TestParamInfo<LinesCase>& info) { return info.param.name; });

TEST(TreeLines, EndOfTheLineIsPrimaryAfterReading) {
  LoadedText loaded("(;GM[1]SZ[9];B[aa];W[ba])");
  EXPECT_EQ(treeLinesText(buildTreeLines(loaded.game(), TreeLineOptions{4})),
            "   Ba9   Wb9\n"
            "\n"
            "<  Primary  >\n");
}

TEST(TreeLines, MarkersOfOneNodeAreListedTogetherInTheirOrder) {
  LoadedText loaded("(;GM[1]SZ[9];B[aa];W[ba])");
  SGridFrame& g = loaded.game();
  GameNode* first = g.firstNode->next();
  g.primaryNode = first;
  g.bookmarks.push_back(Bookmark{1, "", first});
  first->setPrintDiagram(true);
  storeInQuickSlot(g, first, 3);
  const std::vector<TreeLine> lines = buildTreeLines(g, TreeLineOptions{4});
  const int marker = markerLineOf(lines, first);
  ASSERT_GE(marker, 0);
  EXPECT_EQ(lines[static_cast<std::size_t>(marker)].markers,
            (std::vector<std::string>{"  Primary  ", "  BMarked  ", "  Diagram  ", "  store 3  "}));
  EXPECT_EQ(lines[static_cast<std::size_t>(marker) - 1].type, TreeLineType::Empty);
}

TEST(TreeLines, OthelloMoveWithAnImpliedPassTakesTwoPlaces) {
  LoadedText loaded("(;GM[2]SZ[8];B[dc];W[ec];B[fc];W[gc])");
  SGridFrame& g = loaded.game();
  g.primaryNode = nullptr;
  GameNode* second = g.firstNode->next()->next();
  second->setCaptureRecord(true);  // the same side moves again after it
  const std::vector<TreeLine> lines = buildTreeLines(g, TreeLineOptions{4});
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].boxes.size(), 3u);
  EXPECT_EQ(lines[0].boxes[2].column, 4);
  EXPECT_EQ(lines[1].boxes.front().column, 1);
}

TEST(TreeLines, LongCommentIsCutOnACharacterBoundary) {
  std::string comment(kTreeCommentBytes - 1, 'x');
  comment += "\xc3\xa9\xc3\xa9";  // the cut falls inside the first é
  LoadedText loaded("(;GM[1]SZ[9];B[aa]C[" + comment + "])");
  loaded.game().primaryNode = nullptr;
  const std::vector<TreeLine> lines = buildTreeLines(loaded.game(), TreeLineOptions{4});
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2].text, std::string(kTreeCommentBytes - 1, 'x'));
}

// The comment line shows the start of the comment, whatever its length and however much of its start the
// line drops (carriage returns).
struct CommentLineCase {
  const char* name;
  std::string comment;
  std::string shown;
};

class TreeCommentLine : public ::testing::TestWithParam<CommentLineCase> {};

std::string letters(std::size_t n) {
  std::string s(n, 'a');
  for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>('a' + i % 26);
  return s;
}

TEST_P(TreeCommentLine, ShowsTheStartOfTheComment) {
  LoadedText loaded("(;GM[1]SZ[9];B[aa])");
  SGridFrame& g = loaded.game();
  g.primaryNode = nullptr;
  setComment(g, g.firstNode->next(), GetParam().comment);
  const std::vector<TreeLine> lines = buildTreeLines(g, TreeLineOptions{4});
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2].text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Comments, TreeCommentLine,
    ::testing::Values(CommentLineCase{"Short", "a b\r\nc", "a b\\c"},
                      CommentLineCase{"OneWordOfAMegabyte", letters(1 << 20), letters(kTreeCommentBytes)},
                      CommentLineCase{"ManyCarriageReturnsFirst", std::string(20000, '\r') + letters(300),
                                      letters(kTreeCommentBytes)},
                      CommentLineCase{"ExactlyTheBudget", letters(kTreeCommentBytes), letters(kTreeCommentBytes)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TreeLines, FindsTheRowOfAMove) {
  LoadedText loaded("(;GM[1]SZ[9];B[aa];W[ba];B[ca];W[da];B[ea])");
  SGridFrame& g = loaded.game();
  const std::vector<TreeLine> lines = buildTreeLines(g, TreeLineOptions{4});
  GameNode* fifth = g.firstNode;
  for (int i = 0; i < 5; ++i) fifth = fifth->next();
  EXPECT_EQ(lineOfMove(lines, fifth), 1);
  EXPECT_EQ(lineOfMove(lines, g.firstNode), -1);
}

// ---- The line through a node off the current line ----

namespace through_node {

struct ThroughCase {
  const char* name;
  const char* sgf;
  const char* node;      // the move box of the node the line passes through
  const char* expected;  // treeLinesText of the lines
};

GameNode* nodeWithBox(SGridFrame& g, const std::string& box) {
  GameNode* found = nullptr;
  forEachInTreeOrder(g, g.firstNode, [&](GameNode* n) {
    if (found == nullptr && moveBoxText(g, n) == box) found = n;
  });
  return found;
}

class TreeLinesThroughTest : public testing::TestWithParam<ThroughCase> {};

TEST_P(TreeLinesThroughTest, ShowsTheLineOfTheNodeAndLeavesTheTreeAlone) {
  const ThroughCase& c = GetParam();
  LoadedText loaded(c.sgf);
  SGridFrame& g = loaded.game();
  g.primaryNode = nullptr;
  GameNode* node = nodeWithBox(g, c.node);
  ASSERT_NE(node, nullptr) << c.node;
  const std::string before = treeLinesText(buildTreeLines(g, TreeLineOptions{4}));
  const std::vector<TreeLine> lines = buildTreeLinesThrough(g, node, TreeLineOptions{4});
  EXPECT_EQ(treeLinesText(lines), c.expected);
  EXPECT_GE(lineOfMove(lines, node), 0);
  EXPECT_EQ(treeLinesText(buildTreeLines(g, TreeLineOptions{4})), before) << "the current line changed";
}

const ThroughCase kThroughCases[] = {
    {"OnTheCurrentLine", "(;GM[1]SZ[9];B[aa];W[ba](;B[ca])(;B[cb]))", "Wb9",
     "   Ba9   Wb9\n"
     "               Bc8  (1)\n"
     "               Bc9\n"},
    {"SecondVariation_TheContinuationBecomesAVariationLine",
     "(;GM[1]SZ[9];B[aa];W[ba](;B[ca];W[da])(;B[cb];W[db];B[eb])(;B[cc]N[Try]))", "Wd8",
     "   Ba9   Wb9\n"
     "               Bc9  (2)\n"
     "               Bc7  (1)   [ Try ]\n"
     "               Bc8   Wd8\n"
     "   Be8\n"},
    {"NestedSideLines", "(;GM[1]SZ[9](;B[aa];W[ba])(;B[bb](;W[cc])(;W[dd];B[ee])))", "Be5",
     "   Ba9  (2)\n"
     "   Bb8\n"
     "         Wc7  (1)\n"
     "         Wd6   Be5\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, TreeLinesThroughTest, testing::ValuesIn(kThroughCases),
                         [](const testing::TestParamInfo<ThroughCase>& info) { return info.param.name; });

TEST(TreeLinesThrough, NodeOfAnotherGame_GivesNoLines) {
  LoadedText one("(;GM[1]SZ[9];B[aa])");
  LoadedText other("(;GM[1]SZ[9];B[bb])");
  EXPECT_TRUE(buildTreeLinesThrough(one.game(), other.game().firstNode->next(), TreeLineOptions{4}).empty());
}

}  // namespace through_node

}  // namespace
}  // namespace meridax
