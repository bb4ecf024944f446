// The ten quick-navigation slots: a node sits in at most one slot and is flagged while it does.

#include "edit/quick_slots.h"

#include <gtest/gtest.h>

#include "edit/edit_test_support.h"

namespace meridax {
namespace {

using namespace edit_testing;

TEST(QuickSlots, SameNodeInSlotThreeThenFive_LeavesSlotThreeEmpty) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])");
  SGridFrame& g = t.game();
  GameNode* aa = onLine(g, 1);

  EXPECT_TRUE(storeInQuickSlot(g, aa, 3));
  EXPECT_TRUE(storeInQuickSlot(g, aa, 5));

  EXPECT_EQ(quickSlotNode(g, 3), nullptr);
  EXPECT_EQ(quickSlotNode(g, 5), aa);
  EXPECT_EQ(quickSlotOf(g, aa), 5);
  EXPECT_TRUE(aa->inQuickSlot());
}

TEST(QuickSlots, AnotherNodeTakesTheSlot_FormerNodeLosesItsFlag) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])");
  SGridFrame& g = t.game();
  GameNode* aa = onLine(g, 1);
  GameNode* bb = onLine(g, 2);
  storeInQuickSlot(g, aa, 0);

  EXPECT_TRUE(storeInQuickSlot(g, bb, 0));

  EXPECT_FALSE(aa->inQuickSlot());
  EXPECT_TRUE(bb->inQuickSlot());
  EXPECT_EQ(quickSlotOf(g, aa), std::nullopt);
}

TEST(QuickSlots, StoredAgainOrOutsideTheTen_ChangesNothing) {
  LoadedText t("(;GM[1]SZ[9];B[aa])");
  SGridFrame& g = t.game();
  GameNode* aa = onLine(g, 1);
  storeInQuickSlot(g, aa, 9);
  EXPECT_FALSE(storeInQuickSlot(g, aa, 9));
  EXPECT_FALSE(storeInQuickSlot(g, aa, 10));
  EXPECT_FALSE(storeInQuickSlot(g, aa, -1));
  EXPECT_EQ(quickSlotNode(g, 10), nullptr);
  EXPECT_EQ(quickSlotOf(g, aa), 9);
}

TEST(QuickSlots, ClearAll_UnflagsEveryNodeAndSaysWhetherAnyWasFilled) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])");
  SGridFrame& g = t.game();
  storeInQuickSlot(g, onLine(g, 1), 1);
  storeInQuickSlot(g, onLine(g, 2), 2);
  ASSERT_TRUE(anyQuickSlotFilled(g));

  EXPECT_TRUE(clearQuickSlots(g));

  EXPECT_FALSE(anyQuickSlotFilled(g));
  EXPECT_FALSE(onLine(g, 1)->inQuickSlot());
  EXPECT_FALSE(onLine(g, 2)->inQuickSlot());
  EXPECT_FALSE(clearQuickSlots(g));
}

}  // namespace
}  // namespace meridax
