#include "layout/colour_contrast.h"

#include <gtest/gtest.h>

#include "app/settings_io.h"

namespace meridax {
namespace {

struct RatioCase {
  ContrastColour a, b;
  double ratio;
};
class ContrastRatio : public ::testing::TestWithParam<RatioCase> {};

TEST_P(ContrastRatio, FollowsTheWcagFormulaInEitherOrder) {
  const RatioCase c = GetParam();
  EXPECT_NEAR(contrastRatio(c.a, c.b), c.ratio, 0.01) << std::hex << c.a << " / " << c.b;
  EXPECT_NEAR(contrastRatio(c.b, c.a), c.ratio, 0.01);
}
INSTANTIATE_TEST_SUITE_P(Pairs, ContrastRatio,
                         ::testing::Values(RatioCase{0x000000, 0xFFFFFF, 21.0}, RatioCase{0x123456, 0x123456, 1.0},
                                           RatioCase{0x777777, 0xFFFFFF, 4.48},  // the classic grey on white
                                           RatioCase{0x0000FF, 0xFFFFFF, 4.00},  // red (red is the low byte)
                                           RatioCase{0xFF0000, 0xFFFFFF, 8.59},  // blue
                                           RatioCase{0xFFFFFF, 0xDFDFDF, 1.33}));

struct MarkCase {
  ContrastColour fill, preferred, mark;
};
class MarkColour : public ::testing::TestWithParam<MarkCase> {};

TEST_P(MarkColour, KeepsAChosenColourThatStandsOutElseBlackOrWhite) {
  const MarkCase c = GetParam();
  EXPECT_EQ(markColourAgainst(c.fill, c.preferred), c.mark);
  EXPECT_GE(contrastRatio(c.mark, c.fill), kLeastMarkContrast);
}
INSTANTIATE_TEST_SUITE_P(Fills, MarkColour,
                         ::testing::Values(MarkCase{0xDFDFDF, 0x800000, 0x800000},  // navy on light grey
                                           MarkCase{0xDFDFDF, 0xFFFFFF, 0x000000},  // white on light grey
                                           MarkCase{0x400000, 0x500000, 0xFFFFFF},  // dark on dark
                                           MarkCase{0x808080, 0x808080, 0x000000},  // mid grey: black wins
                                           MarkCase{0x000000, 0x0000FF, 0x0000FF}));

// The game-tree pane marks its current move against the fill of the others ("Box Colour") in the
// current move's ink ("Font Colour HighMove"). With the colours of a first run the mark must stand out.
TEST(FirstRunColours, CurrentTreeBoxStandsOutFromTheOthers) {
  const AttributeColours c = firstRunColours();
  const ContrastColour mark = markColourAgainst(c.box, c.fontHighMove);
  const double ratio = contrastRatio(mark, c.box);
  RecordProperty("current_box_outline_contrast", std::to_string(ratio));
  EXPECT_GE(ratio, kLeastMarkContrast);
  // The fill alone would not do: white among light grey.
  EXPECT_LT(contrastRatio(c.box3, c.box), kLeastMarkContrast);
  std::printf("current tree box: outline %06X against %06X, contrast %.2f:1 (fill alone %.2f:1)\n", mark, c.box,
              ratio, contrastRatio(c.box3, c.box));
}

}  // namespace
}  // namespace meridax
