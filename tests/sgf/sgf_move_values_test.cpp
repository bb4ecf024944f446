// Move values of every kind: points in each kind's form, special moves and their spellings.

#include <gtest/gtest.h>

#include "model/node_texts.h"
#include "sgf/sgf_reader.h"
#include "sgf_test_support.h"

namespace meridax {
namespace {

using testing_support::LoadedText;
using testing_support::treeText;

struct ReaderMoveCase {
  const char* game;      // the game text
  const char* expected;  // the tree below the first node
};

class ReaderMoveTest : public ::testing::TestWithParam<ReaderMoveCase> {};

TEST_P(ReaderMoveTest, GivesTheNodes) {
  LoadedText t(GetParam().game);
  ASSERT_EQ(t.games(), 1u) << t.errors.joined();
  EXPECT_EQ(treeText(t.game()), GetParam().expected) << t.errors.joined();
  EXPECT_TRUE(t.errors.empty()) << t.errors.joined();
  EXPECT_EQ(validateTree(t.game()), "");
}

INSTANTIATE_TEST_SUITE_P(
    SpecialMoves, ReaderMoveTest,
    ::testing::Values(ReaderMoveCase{"(;GM[1];B[dd];W[])", ";B[dd];W[]"},
                      ReaderMoveCase{"(;GM[1];B[dd];W[pass])", ";B[dd];W[]"},
                      ReaderMoveCase{"(;GM[1];B[dd];W[tt])", ";B[dd];W[]"},  // the old pass
                      ReaderMoveCase{"(;GM[1];B[dd];W[ t t ])", ";B[dd];W[]"},  // blanks are removed first
                      ReaderMoveCase{"(;GM[1];B[dd];W[Resign])", ";B[dd];W[resign]"},
                      ReaderMoveCase{"(;GM[1];B[dd];W[resigned])", ";B[dd];W[resign]"},
                      ReaderMoveCase{"(;GM[1];B[dd];W[FORFEIT])", ";B[dd];W[forfeit]"},
                      ReaderMoveCase{"(;GM[1];B[dd];W[swap-sides])", ";B[dd];W[swap-sides]"},
                      ReaderMoveCase{"(;GM[1];B[dd];W[swap])", ";B[dd];W[swap-pieces]"},
                      ReaderMoveCase{"(;GM[1];B[dd];W[swap-pieces])", ";B[dd];W[swap-pieces]"},
                      ReaderMoveCase{"(;GM[1]SZ[25];B[tt])", ";B[tt]"},  // a point on boards wider than 19
                      ReaderMoveCase{"(;GM[2]SZ[8];B[];W[cd])", ";W[cd]"},  // Othello has no pass node
                      ReaderMoveCase{"(;GM[Unlur]SZ[12];W[black])", ";B[]"},  // Unlur: a Black pass whatever the colour
                      ReaderMoveCase{"(;GM[Unlur]SZ[12];W[pass])", ";W[]"},
                      ReaderMoveCase{"(;GM[Hex]SZ[11];B[b4];W[swap-pieces])", ";B[bd];W[swap-pieces]"}));

INSTANTIATE_TEST_SUITE_P(
    PointForms, ReaderMoveTest,
    ::testing::Values(ReaderMoveCase{"(;GM[40]SZ[30];B[Ab])", ";B[Ab]"},  // upper case counts from 26
                      ReaderMoveCase{"(;GM[Hex]SZ[11];B[c3])", ";B[cc]"},
                      ReaderMoveCase{"(;GM[Hex]SZ[11];B[cc])", ";B[cc]"},
                      ReaderMoveCase{"(;GM[Hex]SZ[11];B[k11])", ";B[kk]"},
                      ReaderMoveCase{"(;GM[2]SZ[8];B[d3])", ";B[dc]"},
                      ReaderMoveCase{"(;GM[Havannah]SZ[10];W[e5])", ";W[ee]"},      // row letter, then the column
                      ReaderMoveCase{"(;GM[Havannah]SZ[10]RU[LG];W[e5])", ";W[ee]"},  // above the middle: the same
                      ReaderMoveCase{"(;GM[Havannah]SZ[10];W[m5])", ";W[em]"},       // y 12, x 4
                      ReaderMoveCase{"(;GM[Havannah]SZ[10]RU[LG];W[m5])", ";W[hm]"},  // y 12, x 5 + 12 - 10
                      ReaderMoveCase{"(;GM[Unlur]SZ[12];B[gg])", ";B[gg]"},
                      ReaderMoveCase{"(;GM[1]SZ[19]RU[Connect6];B[j10];W[k10j9])", ";B[jj];W[kj];W[jk]"}));

TEST(ReaderMove, UpperCaseLettersCountFromTwentySix) {
  LoadedText t("(;GM[1]SZ[19];B[pd];W[DD])");
  ASSERT_EQ(t.errors.size(), 1u);
  EXPECT_NE(t.errors.texts()[0].find("The move is out of range."), std::string::npos);
}

TEST(ReaderMove, OldPassIsAPointOutsideOthello) {
  LoadedText t("(;GM[2]SZ[8];B[tt])");
  EXPECT_EQ(treeText(t.game()), "");
  ASSERT_EQ(t.errors.size(), 1u);
  EXPECT_NE(t.errors.texts()[0].find("( Wt20 )   at move number 0\r\n\r\nThe move is out of range."),
            std::string::npos);
}

TEST(ReaderMove, CapitalSwapIsReadAsAPoint) {
  LoadedText t("(;GM[Hex]SZ[11];B[b4];W[SWAP])");
  EXPECT_EQ(treeText(t.game()), ";B[bd]");
  EXPECT_EQ(t.errors.size(), 1u);
}

TEST(ReaderMove, Connect6NeedsItsExactRulesText) {
  LoadedText t("(;GM[1]SZ[19]RU[connect6];B[j10])");
  EXPECT_EQ(t.game().variant(), GoVariant::Go);
  EXPECT_EQ(treeText(t.game()), "");
  EXPECT_EQ(t.errors.size(), 1u);  // "j10" is no Go point
}

TEST(ReaderMove, RulesTextSetsTheVariantAtOnce) {
  LoadedText pente("(;GM[1]SZ[19]RU[Pente];B[jj])");
  EXPECT_EQ(pente.game().variant(), GoVariant::Pente);
  EXPECT_EQ(pente.game().details[DetailField::Rules], "Pente");
}

TEST(ReaderMove, KropkiMoveCarriesItsFieldsForTheMover) {
  // Black encloses the white dot at c3 with b3, c2, d3, c4, then claims it with the move at b3.
  LoadedText t("(;GM[40]SZ[9];B[cb];W[cc];B[dc];W[ii];B[cd];W[ih];B[bc.cbdccdbc])");
  ASSERT_TRUE(t.errors.empty()) << t.errors.joined();
  SGridFrame& g = t.game();
  const GameNode* last = g.endNode;
  EXPECT_EQ(last->point(), 1u + 2u * 9u);
  ASSERT_TRUE(last->captureRecord());
  const std::vector<std::uint8_t>& mask = g.kropkiFields.at(last);
  EXPECT_EQ(mask[2 + 2 * 9], cell::kBlack);  // the enclosed dot
  EXPECT_EQ(mask[2 + 1 * 9], cell::kBlack);  // the outline itself
  EXPECT_EQ(mask[0], 0);
}

TEST(ReaderMove, NoDotInsideAField) {
  LoadedText t("(;GM[40]SZ[9];B[cb];W[cc];B[dc];W[ii];B[cd];W[ih];B[bc.cbdccdbc];W[cc])");
  ASSERT_EQ(t.errors.size(), 1u);
  LoadedText inside("(;GM[40]SZ[9];B[bc.cbdccdbc];W[cc])");
  ASSERT_EQ(inside.errors.size(), 1u);
  EXPECT_NE(inside.errors.texts()[0].find("The square for the intended move is within an area of territory."),
            std::string::npos);
}

}  // namespace
}  // namespace meridax
