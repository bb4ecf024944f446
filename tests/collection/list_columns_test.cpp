#include "collection/list_columns.h"

#include <gtest/gtest.h>

namespace meridax {
namespace {

struct OrderCase {
  const char* a;
  const char* b;
  int order;  // the sign of compareListCells(a, b)
};

class ListCellOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(ListCellOrder, ComparesLikeAPersonReadingTheColumn) {
  const OrderCase& c = GetParam();
  const int order = compareListCells(c.a, c.b);
  EXPECT_EQ((order > 0) - (order < 0), c.order) << "'" << c.a << "' against '" << c.b << "'";
  const int back = compareListCells(c.b, c.a);
  EXPECT_EQ((back > 0) - (back < 0), -c.order) << "the order must be the same both ways";
}

INSTANTIATE_TEST_SUITE_P(
    Cells, ListCellOrder,
    ::testing::Values(OrderCase{"9", "10", -1},           // node counts by value, not by their first digit
                      OrderCase{"19", "9:7", 1},          // a Kropki rectangle by its width first
                      OrderCase{"9:7", "9:12", -1},
                      OrderCase{"", "0", -1},             // an empty cell first
                      OrderCase{"", "", 0},
                      OrderCase{"ann", "Bob", -1},        // names without regard to case
                      OrderCase{"Ann", "ann", -1},        // yet never equal when they differ
                      OrderCase{"007", "7", -1},          // leading zeros only break the tie
                      OrderCase{"Game 2", "Game 10", -1},
                      OrderCase{"0.50", "1.00", -1},      // scores
                      OrderCase{"2001-02-03", "2001-10-01", -1},
                      OrderCase{"B+R", "B+Resign", -1},   // a text that begins another comes first
                      OrderCase{"12345678901234567890", "99", 1},  // digit runs longer than any integer
                      OrderCase{"\xE9t\xE9", "ete", 1}));           // other bytes after ASCII letters

}  // namespace
}  // namespace meridax
