#include "app/dialog_geometry.h"

#include <gtest/gtest.h>

namespace meridax {
namespace {

constexpr int kScreenW = 1600, kScreenH = 1200;

struct UsableCase {
  Rect rect;
  bool usable;
};

class DialogRectTest : public ::testing::TestWithParam<UsableCase> {};

TEST_P(DialogRectTest, UsableOnlyWhenBeyondAQuarterOfTheScreenBothWays) {
  const UsableCase& c = GetParam();
  EXPECT_EQ(dialogRectUsable(c.rect, kScreenW, kScreenH), c.usable);
  DialogGeometry stored;
  stored.rect = c.rect;
  stored.valid = 1;
  EXPECT_EQ(storedDialogRect(stored, kScreenW, kScreenH).has_value(), c.usable);
}

INSTANTIATE_TEST_SUITE_P(Rects, DialogRectTest,
                         ::testing::Values(UsableCase{{100, 100, 501, 401}, true},   // 401 x 301
                                           UsableCase{{100, 100, 500, 401}, false},  // exactly a quarter wide
                                           UsableCase{{100, 100, 501, 400}, false},  // exactly a quarter high
                                           UsableCase{{500, 400, 100, 100}, false},  // turned inside out
                                           UsableCase{{-2147483647, 0, 2147483647, 900}, true}));

TEST(DialogGeometry, RecordNotMarkedValid_GivesNoRectButItsColumns) {
  DialogGeometry stored;
  stored.rect = {0, 0, 1000, 1000};
  stored.columnWidths[1] = 120;
  EXPECT_FALSE(storedDialogRect(stored, kScreenW, kScreenH));
  EXPECT_EQ(storedColumnWidth(stored, 1), 120);
  EXPECT_FALSE(storedColumnWidth(stored, 0));
  EXPECT_FALSE(storedColumnWidth(stored, kDialogColumns));
  EXPECT_FALSE(storedColumnWidth(std::nullopt, 1));
}

TEST(DialogGeometry, ClosingMaximisedOrTooSmall_KeepsTheOldRectAndTakesTheColumns) {
  std::optional<DialogGeometry> stored;
  recordDialogGeometry(stored, {10, 20, 810, 620}, false, {90, 200}, kScreenW, kScreenH);
  ASSERT_TRUE(stored);
  EXPECT_EQ(storedDialogRect(stored, kScreenW, kScreenH), (Rect{10, 20, 810, 620}));

  recordDialogGeometry(stored, {0, 0, kScreenW, kScreenH}, true, {50, 60}, kScreenW, kScreenH);
  recordDialogGeometry(stored, {0, 0, 100, 100}, false, {}, kScreenW, kScreenH);
  EXPECT_EQ(storedDialogRect(stored, kScreenW, kScreenH), (Rect{10, 20, 810, 620}));
  EXPECT_EQ(stored->columnWidths[0], 50);
  EXPECT_EQ(stored->columnWidths[1], 60);
}

TEST(DialogGeometry, NothingToRecord_LeavesNoRecord) {
  std::optional<DialogGeometry> stored;
  recordDialogGeometry(stored, {0, 0, 10, 10}, false, {}, kScreenW, kScreenH);
  EXPECT_FALSE(stored);
}

}  // namespace
}  // namespace meridax
