// The texts of the node-name and score dialogs as they are stored.

#include "edit/node_annotations.h"

#include <gtest/gtest.h>

#include <climits>

#include "edit/edit_test_support.h"

namespace meridax {
namespace {

using namespace edit_testing;

TEST(NodeNameText, NewAndEditedNamesAreCleanedDifferently) {
  const struct {
    const char* typed;
    const char* added;
    const char* edited;
  } cases[] = {
      {"Joseki", "Joseki", "Joseki"},
      {"two\tparts", "two parts", "twoparts"},
      {"line\r\nbreak", "line break", "linebreak"},
      {"  padded  ", "  padded  ", "padded"},
      {"   ", "   ", ""},
      {"\t\r\n", "  ", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cleanedNewName(c.typed), c.added) << c.typed;
    EXPECT_EQ(cleanedEditedName(c.typed), c.edited) << c.typed;
  }
}

TEST(ScoreText, ReadUpToTheFirstCharacterThatIsNotPartOfANumber) {
  const struct {
    const char* typed;
    int score;
  } cases[] = {
      {"12", 12},          {"-5", -5},        {"+7", 7},           {"  42", 42},
      {"3.5", 3},          {"15 points", 15}, {"abc", 0},          {"-", 0},
      {"99999999999", INT_MAX},               {"-99999999999", INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(scoreFromText(c.typed), c.score) << c.typed;
  EXPECT_FALSE(isScoreGiven(""));
  EXPECT_FALSE(isScoreGiven("  "));
  EXPECT_TRUE(isScoreGiven("x"));
}

TEST(PrintDiagram, NotOnSwapNodes) {
  LoadedText t("(;GM[11]SZ[11];B[c3];W[swap-sides];B[swap-pieces])");
  SGridFrame& g = t.game();
  EXPECT_TRUE(printDiagramAllowed(g.firstNode));
  EXPECT_TRUE(printDiagramAllowed(onLine(g, 1)));
  EXPECT_FALSE(printDiagramAllowed(onLine(g, 2)));
  EXPECT_FALSE(printDiagramAllowed(onLine(g, 3)));
  EXPECT_FALSE(printDiagramAllowed(nullptr));
}

}  // namespace
}  // namespace meridax
