#include "layout/pane_split.h"

#include <gtest/gtest.h>

#include <limits>

namespace meridax {
namespace {

struct SplitCase {
  int total;
  double share;
  SplitSizes expected;
};

TEST(PaneSplit, SizesFollowTheShareAndStayUsable) {
  const SplitCase cases[] = {
      {1000, 0.350, {650, 350}},
      {999, 0.5, {499, 500}},
      {1000, 2.0, {50, 950}},   // "Display Width" stored as 2000
      {1000, -0.3, {950, 50}},  // a negative share
      {1000, 0.0, {950, 50}},
      {1000, std::numeric_limits<double>::quiet_NaN(), {650, 350}},
      {0, 0.35, {0, 0}},
      {-5, 0.35, {0, 0}},
  };
  for (const SplitCase& c : cases) EXPECT_EQ(splitByShare(c.total, c.share), c.expected) << c.total << " " << c.share;
}

TEST(PaneSplit, ShareReadBackFromSizesIsInThousandths) {
  EXPECT_DOUBLE_EQ(shareOf({650, 350}), 0.350);
  EXPECT_DOUBLE_EQ(shareOf({2, 1}), 0.333);
  EXPECT_DOUBLE_EQ(shareOf({0, 0}), kDefaultPaneShare);
  EXPECT_DOUBLE_EQ(shareOf({1000, 0}), kMinPaneShare);  // a collapsed pane comes back at its least share
}

TEST(PaneSplit, RoundTripKeepsTheShare) {
  for (int thousandths = 50; thousandths <= 950; thousandths += 25) {
    const double share = thousandths / 1000.0;
    EXPECT_DOUBLE_EQ(shareOf(splitByShare(1000, share)), share) << thousandths;
  }
}

}  // namespace
}  // namespace meridax
