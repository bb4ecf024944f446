#include "model/node_texts.h"

#include <gtest/gtest.h>

#include "model/game_statistics.h"
#include "tree_building.h"

namespace meridax {
namespace {

using testing::TestGame;
using testing::playEditing;

class NodeTextsTest : public ::testing::Test {
 protected:
  TestGame g;
  GameNode* node = playEditing(*g, 40);
};

TEST_F(NodeTextsTest, Comment_IsStoredWithItsFlag) {
  setComment(*g, node, "  A good move\r\n");
  EXPECT_TRUE(node->hasComment());
  EXPECT_EQ(commentOf(*g, node), "  A good move\r\n");
  EXPECT_EQ(validateTree(*g), "");
}

struct BlankCase {
  const char* name;
  const char* text;
};

class BlankCommentTest : public NodeTextsTest, public ::testing::WithParamInterface<BlankCase> {};

TEST_P(BlankCommentTest, CommentOfOnlyBlanks_RemovesTheCommentAndItsFlag) {
  setComment(*g, node, "old");
  setComment(*g, node, GetParam().text);
  EXPECT_FALSE(node->hasComment());
  EXPECT_EQ(commentOf(*g, node), "");
  EXPECT_TRUE(g->comments.empty());
}

const BlankCase kBlankCases[] = {
    {"Empty", ""}, {"Blanks", "   "}, {"Tabs", "\t\t"}, {"LineEnds", "\r\n\r\n"}, {"Mixed", " \t\r\n "},
};

INSTANTIATE_TEST_SUITE_P(Texts, BlankCommentTest, ::testing::ValuesIn(kBlankCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NodeTextsTest, CommentWithAnyOtherCharacter_IsKept) {
  setComment(*g, node, " \t.\r\n");
  EXPECT_TRUE(node->hasComment());
  setComment(*g, node, "\v");  // only blank, tab, CR and LF count as empty
  EXPECT_TRUE(node->hasComment());
}

TEST_F(NodeTextsTest, CommentWhileReading_IsAppendedAfterCrLf) {
  addCommentWhileReading(*g, node, "first");
  addCommentWhileReading(*g, node, "second");
  EXPECT_EQ(commentOf(*g, node), "first\r\nsecond");
  EXPECT_TRUE(node->hasComment());
}

TEST_F(NodeTextsTest, CommentWhileReading_RefreshesTheStatistics) {
  addCommentWhileReading(*g, node, "abc");
  EXPECT_EQ(statisticsOf(*g).commentCharacters, 3);
  addCommentWhileReading(*g, node, "de");
  EXPECT_EQ(statisticsOf(*g).commentCharacters, 7);
}

TEST_F(NodeTextsTest, Name_SkipsLeadingBlanksAndTabs) {
  setName(*g, node, " \t Joseki ");
  EXPECT_EQ(nameOf(*g, node), "Joseki ");
  EXPECT_TRUE(node->hasName());
}

TEST_F(NodeTextsTest, NameOfOnlyBlanks_RemovesTheName) {
  setName(*g, node, "Joseki");
  setName(*g, node, " \t ");
  EXPECT_FALSE(node->hasName());
  EXPECT_TRUE(g->names.empty());
  EXPECT_EQ(nameOf(*g, node), "");
}

TEST_F(NodeTextsTest, NameWithLeadingLineEnd_KeepsTheLineEnd) {
  setName(*g, node, "\r\nx");
  EXPECT_EQ(nameOf(*g, node), "\r\nx");
}

TEST_F(NodeTextsTest, Score_ReplacesAndRemoves) {
  EXPECT_EQ(scoreOf(*g, node), std::nullopt);
  setScore(*g, node, -5);
  setScore(*g, node, 17);
  EXPECT_EQ(scoreOf(*g, node), 17);
  EXPECT_TRUE(node->hasScore());
  removeScore(*g, node);
  EXPECT_EQ(scoreOf(*g, node), std::nullopt);
  EXPECT_FALSE(node->hasScore());
}

TEST_F(NodeTextsTest, Markup_IsAppendedAndMarksTheGameChanged) {
  g->flags = game_flag::kUnchanged;
  addMarkup(*g, node, "TR[!!]");
  addMarkup(*g, node, "LB[\"\":a]");
  EXPECT_EQ(markupOf(*g, node), "TR[!!]LB[\"\":a]");
  EXPECT_TRUE(node->hasMarkup());
  EXPECT_EQ(g->flags, game_flag::kUnchanged | game_flag::kTreeChanged);
  removeMarkup(*g, node);
  EXPECT_FALSE(node->hasMarkup());
  EXPECT_EQ(markupOf(*g, node), "");
}

}  // namespace
}  // namespace meridax
