#include "layout/list_geometry.h"

#include <gtest/gtest.h>

#include "collection/games_list.h"

namespace meridax {
namespace {

constexpr ScreenSize kScreen{1600, 1200};

DialogGeometry recorded(Rect rect, std::int32_t valid) {
  DialogGeometry g;
  g.rect = rect;
  g.valid = valid;
  return g;
}

struct RectCase {
  const char* name;
  std::optional<DialogGeometry> stored;
  bool restored;
};

class StoredListRect : public ::testing::TestWithParam<RectCase> {};

TEST_P(StoredListRect, OnlyAValidRectangleLargerThanAQuarterOfTheScreenComesBack) {
  const RectCase& c = GetParam();
  const std::optional<Rect> rect = storedListRect(c.stored, kScreen);
  EXPECT_EQ(rect.has_value(), c.restored);
  if (rect) {
    EXPECT_EQ(*rect, c.stored->rect);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Records, StoredListRect,
    ::testing::Values(RectCase{"none", std::nullopt, false},
                      RectCase{"large", recorded({100, 80, 900, 700}, 1), true},
                      RectCase{"notValid", recorded({100, 80, 900, 700}, 0), false},
                      RectCase{"exactlyAQuarterWide", recorded({0, 0, 400, 700}, 1), false},
                      RectCase{"exactlyAQuarterHigh", recorded({0, 0, 900, 300}, 1), false},
                      RectCase{"justOver", recorded({0, 0, 401, 301}, 1), true},
                      RectCase{"upsideDown", recorded({900, 700, 100, 80}, 1), false},
                      RectCase{"hugeCoordinates", recorded({-2147483647, 0, 2147483647, 700}, 1), true}),
    [](const ::testing::TestParamInfo<RectCase>& info) { return info.param.name; });

TEST(ListColumnWidths, StoredWidthsWinWhereTheyArePlausible) {
  DialogGeometry g;
  g.columnWidths = {30, 120, 0, -5, 40000, 90, 60, 20, 20, 20, 20, 50, 100};
  const std::vector<int> widths = listColumnWidths(g, kGamesColumns, 640);
  const std::vector<int> defaults = listColumnWidths(std::nullopt, kGamesColumns, 640);
  EXPECT_EQ(defaults[0], 640 * 2 / 32);
  EXPECT_EQ(widths[0], 30);
  EXPECT_EQ(widths[1], 120);
  EXPECT_EQ(widths[2], defaults[2]) << "zero width";
  EXPECT_EQ(widths[3], defaults[3]) << "negative width";
  EXPECT_EQ(widths[4], defaults[4]) << "wider than any screen";
  EXPECT_EQ(widths[12], 100);
}

struct ClosingCase {
  const char* name;
  Rect rect;
  bool maximised;
  bool rectTaken;
};

class RecordOnClosing : public ::testing::TestWithParam<ClosingCase> {};

TEST_P(RecordOnClosing, WidthsAlwaysTheRectangleOnlyFromAUsableNormalWindow) {
  const ClosingCase& c = GetParam();
  const DialogGeometry before = recorded({10, 10, 1000, 800}, 1);
  const DialogGeometry after =
      recordListGeometry(before, ClosingListWindow{c.rect, c.maximised, {11, 22, 33}}, kScreen);
  EXPECT_EQ(after.rect, c.rectTaken ? c.rect : before.rect);
  EXPECT_EQ(after.valid, 1);
  EXPECT_EQ(after.columnWidths[0], 11);
  EXPECT_EQ(after.columnWidths[2], 33);
  EXPECT_EQ(after.columnWidths[3], 0);
}

INSTANTIATE_TEST_SUITE_P(States, RecordOnClosing,
                         ::testing::Values(ClosingCase{"normal", {50, 60, 850, 660}, false, true},
                                           ClosingCase{"maximised", {0, 0, 1600, 1200}, true, false},
                                           ClosingCase{"shrunk", {50, 60, 250, 160}, false, false}),
                         [](const ::testing::TestParamInfo<ClosingCase>& info) { return info.param.name; });

TEST(RecordOnClosing, FirstCloseOfAShrunkWindowKeepsWidthsWithoutARectangle) {
  const DialogGeometry after = recordListGeometry(std::nullopt, ClosingListWindow{{0, 0, 100, 100}, false, {7}}, kScreen);
  EXPECT_EQ(after.valid, 0);
  EXPECT_EQ(after.columnWidths[0], 7);
  EXPECT_FALSE(storedListRect(after, kScreen).has_value());
}

}  // namespace
}  // namespace meridax
