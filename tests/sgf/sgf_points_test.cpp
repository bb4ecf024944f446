#include "sgf/sgf_points.h"

#include "model/board_position.h"

#include <gtest/gtest.h>

#include <string>

namespace meridax {
namespace {

PointGeometry go(int width = 19) { return pointGeometry(GameKind::Go, width, width, ""); }
PointGeometry connect6() { return pointGeometry(GameKind::Go, 19, 19, "Connect6"); }
PointGeometry othello() { return pointGeometry(GameKind::Othello, 8, 8, ""); }
PointGeometry hex() { return pointGeometry(GameKind::Hex, 11, 11, ""); }
PointGeometry havannah(const std::string& rules = "") { return pointGeometry(GameKind::Havannah, 19, 0, rules); }
PointGeometry unlur() { return pointGeometry(GameKind::Unlur, 13, 0, ""); }
PointGeometry kropki() { return pointGeometry(GameKind::Kropki, 45, 30, ""); }

std::string show(const std::optional<BoardPoint>& p) {
  if (!p) return "none";
  return "(" + std::to_string(p->x) + ", " + std::to_string(p->y) + ")";
}

std::string showMove(const std::optional<MoveValue>& m) {
  if (!m) return "none";
  std::string out = show(m->point);
  if (m->second) out += " " + show(m->second);
  for (const auto& outline : m->outlines) out += " ." + outline;
  return out;
}

TEST(SgfPoints, Letters_LowerAndUpperCaseCoverZeroToFiftyOne) {
  EXPECT_EQ(letterValue('a'), 0);
  EXPECT_EQ(letterValue('z'), 25);
  EXPECT_EQ(letterValue('A'), 26);
  EXPECT_EQ(letterValue('Z'), 51);
  EXPECT_EQ(letterValue('1'), std::nullopt);
  EXPECT_EQ(letterValue('['), std::nullopt);
  for (int v = 0; v < 52; ++v) EXPECT_EQ(letterValue(pointLetter(v).value()), v);
  EXPECT_EQ(pointLetter(-1), std::nullopt);
  EXPECT_EQ(pointLetter(52), std::nullopt);
}

struct MoveCase {
  const char* name;
  PointGeometry geometry;
  const char* value;
  const char* expected;  // "(x, y)" with Connect6 second points and Kropki outlines after it, or "none"
};

class MoveValueTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveValueTest, ReadsThePointOfTheKindsForm) {
  const MoveCase& c = GetParam();
  EXPECT_EQ(showMove(readMoveValue(c.geometry, c.value)), c.expected);
}

const MoveCase kMoveCases[] = {
    {"GoTwoLetters", go(), "pd", "(15, 3)"},
    {"GoUpperCaseIsTwentySixOn", go(), "Ab", "(26, 1)"},
    {"GoTtIsAPointWhenRead", go(), "tt", "(19, 19)"},
    {"GoNumberIsNotAPoint", go(), "c3", "none"},
    {"GoTrailingCharacter", go(), "ddx", "none"},
    {"GoOneLetter", go(), "d", "none"},
    {"GoEmpty", go(), "", "none"},
    {"HexLetterAndNumber", hex(), "c3", "(2, 2)"},
    {"HexTwoLetters", hex(), "cc", "(2, 2)"},
    {"HexTwoDigitNumber", hex(), "k10", "(10, 9)"},
    {"HexNumberZeroIsAboveTheBoard", hex(), "a0", "(0, -1)"},
    {"HexLongNumberSaturates", hex(), "a123456789", "(0, 9998)"},
    {"OthelloTtIsAPoint", othello(), "tt", "(19, 19)"},
    {"OthelloLetterAndNumber", othello(), "d3", "(3, 2)"},
    {"HavannahRowLetterFirst", havannah(), "m5", "(4, 12)"},
    {"HavannahLittleGolemLowerHalf", havannah("LG"), "m5", "(7, 12)"},
    {"HavannahLittleGolemMiddleRow", havannah("LG"), "j1", "(0, 9)"},
    {"HavannahLittleGolemUpperHalf", havannah("LG"), "c2", "(1, 2)"},
    {"HavannahLittleGolemRowTen", havannah("LG"), "k1", "(1, 10)"},
    {"HavannahLittleGolemLettersUnchanged", havannah("LG"), "me", "(4, 12)"},
    {"HavannahOtherRulesTextIsNotLittleGolem", havannah("lg"), "m5", "(4, 12)"},
    {"HavannahLettersInAnyCase", havannah(), "Ca", "(0, 2)"},
    {"HavannahLittleGolemCapitals", pointGeometry(GameKind::Havannah, 15, 0, "LG"), "O2", "(8, 14)"},
    {"UnlurRowLetterFirst", unlur(), "g7", "(6, 6)"},
    {"Connect6Letters", connect6(), "jj", "(9, 9)"},
    {"Connect6NumberCountsFromTheBottom", connect6(), "a19", "(0, 0)"},
    {"Connect6TwoPoints", connect6(), "jjkk", "(9, 9) (10, 10)"},
    {"Connect6TwoNumberedPoints", connect6(), "j10k9", "(9, 9) (10, 10)"},
    {"Connect6BrokenSecondPoint", connect6(), "jjk", "none"},
    {"KropkiUpperCase", kropki(), "Ab", "(26, 1)"},
    {"KropkiWithFields", kropki(), "cb.bbcadbcc.ffgg", "(2, 1) .bbcadbcc .ffgg"},
    {"KropkiEmptyFieldsSkipped", kropki(), "cb..ab.", "(2, 1) .ab"},
    {"KropkiFieldOfOddLength", kropki(), "cb.abc", "none"},
    {"KropkiFieldWithoutDot", kropki(), "cbab", "none"},
};

INSTANTIATE_TEST_SUITE_P(SgfPoints, MoveValueTest, ::testing::ValuesIn(kMoveCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ClassifyCase {
  const char* name;
  PointGeometry geometry;
  const char* value;
  MoveValueKind expected;
};

class ClassifyTest : public ::testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyTest, RecognisesTheSpecialMoveWords) {
  const ClassifyCase& c = GetParam();
  EXPECT_EQ(classifyMoveValue(c.geometry, c.value), c.expected);
}

const ClassifyCase kClassifyCases[] = {
    {"GoPoint", go(), "dd", MoveValueKind::Point},
    {"ResignAnyCase", go(), "Resign", MoveValueKind::Resign},
    {"ResignedIsResign", hex(), "resigned", MoveValueKind::Resign},
    {"Forfeit", havannah(), "FORFEIT", MoveValueKind::Forfeit},
    {"GoEmptyIsPass", go(), "", MoveValueKind::Pass},
    {"GoPassWord", go(), "Pass", MoveValueKind::Pass},
    {"UnlurPass", unlur(), "pass", MoveValueKind::Pass},
    {"HexPassIsNothing", hex(), "", MoveValueKind::Ignored},
    {"OthelloPassIsNothing", othello(), "pass", MoveValueKind::Ignored},
    {"UnlurBlack", unlur(), "black", MoveValueKind::UnlurBlackPass},
    {"GoBlackIsAPointValue", go(), "black", MoveValueKind::Point},
    {"GoTtIsPass", go(), "tt", MoveValueKind::Pass},
    {"GoTtUpperCaseIsPass", go(9), "TT", MoveValueKind::Pass},
    {"GoTtOnTwentyOneIsAPoint", go(21), "tt", MoveValueKind::Point},
    {"OthelloTtIsAPoint", othello(), "tt", MoveValueKind::Point},
    {"SwapSides", hex(), "Swap-Sides", MoveValueKind::SwapSides},
    {"SwapPieces", hex(), "swap-pieces", MoveValueKind::SwapPieces},
    {"SwapAnything", hex(), "swap", MoveValueKind::SwapPieces},
    {"UpperSwapIsAPointValue", hex(), "Swap", MoveValueKind::Point},
};

INSTANTIATE_TEST_SUITE_P(SgfPoints, ClassifyTest, ::testing::ValuesIn(kClassifyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SgfPoints, WithoutBlanks_RemovesBlanksAndTabsOnly) {
  EXPECT_EQ(withoutBlanks(" c\t3 "), "c3");
  EXPECT_EQ(withoutBlanks("a\nb"), "a\nb");
}

struct RangeCase {
  const char* name;
  PointGeometry geometry;
  const char* value;
  const char* expected;  // "(x0, y0)-(x1, y1)" or "none"
};

class PointRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PointRangeTest, ReadsOnePointOrARectangle) {
  const RangeCase& c = GetParam();
  const auto r = readPointRange(c.geometry, c.value);
  EXPECT_EQ(r ? show(r->from) + "-" + show(r->to) : "none", c.expected);
}

const RangeCase kRangeCases[] = {
    {"GoPoint", go(), "cd", "(2, 3)-(2, 3)"},
    {"GoRectangle", go(), "aa:cb", "(0, 0)-(2, 1)"},
    {"GoRectangleReversed", go(), "cb:aa", "(0, 0)-(2, 1)"},
    {"GoRectangleCrossedCorners", go(), "ca:ab", "(0, 0)-(2, 1)"},
    {"GoMissingCorner", go(), "aa:", "none"},
    {"GoTrailing", go(), "aa:bbc", "none"},
    {"HexNumbers", hex(), "a1:c3", "(0, 0)-(2, 2)"},
    {"HavannahRowFirst", havannah(), "m5", "(4, 12)-(4, 12)"},
    {"HavannahSetupIgnoresLittleGolem", havannah("LG"), "m5", "(4, 12)-(4, 12)"},
    {"UnlurSetupAnyCase", unlur(), "G7:a1", "(0, 0)-(6, 6)"},
    {"Connect6SetupIsTwoLetters", connect6(), "a3", "none"},
    {"KropkiUpperCase", kropki(), "AA:Bb", "(26, 1)-(27, 26)"},
};

INSTANTIATE_TEST_SUITE_P(SgfPoints, PointRangeTest, ::testing::ValuesIn(kRangeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SgfPoints, RangeCellCount_CountsBothCorners) {
  EXPECT_EQ(readPointRange(go(), "aa:cb")->cellCount(), 6);
  EXPECT_EQ(readPointRange(go(), "dd")->cellCount(), 1);
}

TEST(SgfPoints, LabelValue_PointColonAndText) {
  const auto label = readLabelValue(go(), "cd:a\\]b:c");
  ASSERT_TRUE(label);
  EXPECT_EQ(show(label->point), "(2, 3)");
  EXPECT_EQ(label->text, "a\\]b:c");

  EXPECT_EQ(readLabelValue(hex(), "c3:X")->text, "X");
  EXPECT_EQ(readLabelValue(go(), "cd:")->text, "");
  EXPECT_EQ(readLabelValue(go(), "cd")->text, "");
  EXPECT_FALSE(readLabelValue(go(), "cdX"));
  EXPECT_FALSE(readLabelValue(go(), ":X"));
}

TEST(SgfPoints, FieldOutlines_SplitAtDotsAndReadLetterPairs) {
  const auto outlines = splitFieldOutlines(".abbaab.AaBa");
  ASSERT_TRUE(outlines);
  ASSERT_EQ(outlines->size(), 2u);
  EXPECT_EQ((*outlines)[0], "abbaab");
  const auto points = readOutlinePoints((*outlines)[1]);
  ASSERT_TRUE(points);
  ASSERT_EQ(points->size(), 2u);
  EXPECT_EQ(show((*points)[0]), "(26, 0)");
  EXPECT_EQ(show((*points)[1]), "(27, 0)");

  EXPECT_FALSE(splitFieldOutlines(""));
  EXPECT_FALSE(splitFieldOutlines("ab"));
  EXPECT_EQ(splitFieldOutlines(".ab..cd")->size(), 2u);
  EXPECT_FALSE(splitFieldOutlines(".a1"));
}

struct OutputCase {
  const char* name;
  PointGeometry geometry;
  int x;
  int y;
  const char* move;
  const char* setup;
};

class PointOutputTest : public ::testing::TestWithParam<OutputCase> {};

TEST_P(PointOutputTest, WritesTheKindsForm) {
  const OutputCase& c = GetParam();
  EXPECT_EQ(movePointText(c.geometry, c.x, c.y), c.move);
  EXPECT_EQ(setupPointText(c.geometry, c.x, c.y), c.setup);
}

const OutputCase kOutputCases[] = {
    {"Go", go(), 15, 3, "[pd]", "[pd]"},
    {"GoNineteenNineteen", go(21), 19, 19, "[tt]", "[tt]"},
    {"Othello", othello(), 3, 4, "[de]", "[de]"},
    {"Connect6", connect6(), 9, 9, "[jj]", "[jj]"},
    {"KropkiUpperLetters", kropki(), 30, 27, "[EB]", "[EB]"},
    {"HexOneDigitGetsABlank", hex(), 2, 3, "[c4] ", "[c4]"},
    {"HexTwoDigitsNoBlank", hex(), 2, 9, "[c10]", "[c10]"},
    {"HavannahRowFirst", havannah(), 4, 12, "[m5] ", "[m5]"},
    {"HavannahTwoDigits", havannah(), 12, 12, "[m13]", "[m13]"},
    {"HavannahLittleGolemLowerHalf", havannah("LG"), 7, 12, "[m5] ", "[m8]"},
    {"HavannahLittleGolemUpperHalf", havannah("LG"), 1, 2, "[c2] ", "[c2]"},
    {"Unlur", unlur(), 6, 6, "[g7] ", "[g7]"},
    {"OnyxMovesNotWritten", pointGeometry(GameKind::Onyx, 12, 12, ""), 1, 2, "", "[bc]"},
};

INSTANTIATE_TEST_SUITE_P(SgfPoints, PointOutputTest, ::testing::ValuesIn(kOutputCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every board point of every kind reads back as itself from the form the writer gives it.
TEST(SgfPoints, WrittenPoints_ReadBackAsThemselves) {
  for (const PointGeometry& g : {go(), go(25), connect6(), othello(), hex(), havannah(), havannah("LG"), unlur(),
                                 kropki()}) {
    for (int y = 0; y < g.width; ++y)
      for (int x = 0; x < g.width; ++x) {
        if (!isOnBoard(g.kind, g.width, g.height, x, y)) continue;
        std::string move = movePointText(g, x, y);
        move = move.substr(1, move.find(']') - 1);
        const auto readMove = readMoveValue(g, move);
        ASSERT_TRUE(readMove) << move;
        EXPECT_EQ(show(readMove->point), show(BoardPoint{x, y})) << move;

        std::string setup = setupPointText(g, x, y);
        setup = setup.substr(1, setup.size() - 2);
        const auto readSetup = readPointRange(g, setup);
        ASSERT_TRUE(readSetup) << setup;
        EXPECT_EQ(show(readSetup->from), show(BoardPoint{x, y})) << setup;
      }
  }
}

TEST(SgfPoints, MarkupPoints_ColumnAndRowPlusThirtyThree) {
  EXPECT_EQ(markupPointText(0, 0), "!!");
  EXPECT_EQ(markupPointText(2, 3), "#$");
  EXPECT_EQ(markupPointText(25, 44), ":M");
  EXPECT_EQ(show(readMarkupPoint("#$]")), "(2, 3)");
  EXPECT_EQ(show(readMarkupPoint(":M")), "(25, 44)");
  EXPECT_EQ(readMarkupPoint("!"), std::nullopt);
  EXPECT_EQ(readMarkupPoint(" !"), std::nullopt);
}

}  // namespace
}  // namespace meridax
