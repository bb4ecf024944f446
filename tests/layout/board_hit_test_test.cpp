#include "layout/board_hit_test.h"

#include <gtest/gtest.h>

#include <optional>

namespace meridax {
namespace {

// A pixel named by its offset from the top-left corner of a cell's box, and the point it should hit.
struct HitCase {
  const char* name;
  BoardDimensions board;
  BoardPoint cell;
  int dx, dy;
  std::optional<BoardPoint> expected;
};

std::string text(const std::optional<BoardPoint>& p) {
  return p ? "(" + std::to_string(p->x) + ", " + std::to_string(p->y) + ")" : "no hit";
}

class HitTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitTest, PixelGivesPoint) {
  const HitCase c = GetParam();
  const BoardGeometry g = layoutBoard(c.board, 20, {0, 0, 800, 700}, false);
  const PixelRect box = g.cellBox(c.cell.x, c.cell.y);
  EXPECT_EQ(text(hitTest(g, box.x + c.dx, box.y + c.dy)), text(c.expected)) << c.name;
}

constexpr BoardDimensions kGo{GameKind::Go, 19, 19};
constexpr BoardDimensions kOthello{GameKind::Othello, 8, 8};
constexpr BoardDimensions kKropki{GameKind::Kropki, 30, 20};
constexpr BoardDimensions kHex{GameKind::Hex, 11, 0};
constexpr BoardDimensions kHavannah{GameKind::Havannah, 19, 10};
constexpr BoardDimensions kUnlur{GameKind::Unlur, 11, 6};

INSTANTIATE_TEST_SUITE_P(
    Shapes, HitTest,
    ::testing::Values(
        // Go: the half square around the crossings belongs to the edge points.
        HitCase{"go_top_left_corner", kGo, {0, 0}, 0, 0, BoardPoint{0, 0}},
        HitCase{"go_left_margin", kGo, {0, 0}, -10, 5, BoardPoint{0, 0}},
        HitCase{"go_beyond_left_margin", kGo, {0, 0}, -11, 5, std::nullopt},
        HitCase{"go_above_top_margin", kGo, {4, 0}, 5, -11, std::nullopt},
        HitCase{"go_bottom_right_corner", kGo, {18, 18}, 19, 19, BoardPoint{18, 18}},
        HitCase{"go_right_margin", kGo, {18, 18}, 29, 5, BoardPoint{18, 18}},
        HitCase{"go_beyond_right_margin", kGo, {18, 18}, 30, 5, std::nullopt},
        HitCase{"go_between_cells_left", kGo, {3, 4}, 19, 10, BoardPoint{3, 4}},
        HitCase{"go_between_cells_right", kGo, {3, 4}, 20, 10, BoardPoint{4, 4}},
        // Othello: squares, no margin.
        HitCase{"othello_left_of_board", kOthello, {0, 0}, -1, 5, std::nullopt},
        HitCase{"othello_first_square", kOthello, {0, 0}, 0, 0, BoardPoint{0, 0}},
        HitCase{"othello_last_square", kOthello, {7, 7}, 19, 19, BoardPoint{7, 7}},
        HitCase{"othello_right_of_board", kOthello, {7, 7}, 20, 5, std::nullopt},
        HitCase{"othello_below_board", kOthello, {7, 7}, 5, 20, std::nullopt},
        // Kropki: a rectangle; rows stop at its height.
        HitCase{"kropki_last_point", kKropki, {29, 19}, 19, 19, BoardPoint{29, 19}},
        HitCase{"kropki_bottom_margin", kKropki, {29, 19}, 5, 29, BoardPoint{29, 19}},
        HitCase{"kropki_below_margin", kKropki, {29, 19}, 5, 30, std::nullopt},
        // Hex: rows lean right; column 0 counts.
        HitCase{"hex_first_cell", kHex, {0, 0}, 0, 10, BoardPoint{0, 0}},
        HitCase{"hex_top_tip_of_first_row", kHex, {0, 0}, 10, 0, BoardPoint{0, 0}},
        HitCase{"hex_column_zero_of_lower_row", kHex, {0, 5}, 1, 10, BoardPoint{0, 5}},
        HitCase{"hex_left_of_lower_row", kHex, {0, 5}, -1, 10, std::nullopt},
        HitCase{"hex_last_cell_beyond_the_square", kHex, {10, 10}, 19, 10, BoardPoint{10, 10}},
        HitCase{"hex_right_of_last_cell", kHex, {10, 10}, 20, 10, std::nullopt},
        HitCase{"hex_upper_half_of_overlap", kHex, {3, 2}, 10, 17, BoardPoint{3, 2}},
        HitCase{"hex_lower_half_of_overlap", kHex, {3, 2}, 10, 18, BoardPoint{3, 3}},
        HitCase{"hex_bottom_tip_of_last_row", kHex, {5, 10}, 10, 19, BoardPoint{5, 10}},
        HitCase{"hex_below_last_row", kHex, {5, 10}, 10, 20, std::nullopt},
        // Hexagon boards: points outside the hexagon are no hit.
        HitCase{"havannah_first_cell", kHavannah, {0, 0}, 0, 10, BoardPoint{0, 0}},
        HitCase{"havannah_left_of_first_row", kHavannah, {0, 0}, -1, 10, std::nullopt},
        HitCase{"havannah_end_of_first_row", kHavannah, {9, 0}, 19, 10, BoardPoint{9, 0}},
        HitCase{"havannah_past_first_row", kHavannah, {9, 0}, 20, 10, std::nullopt},
        HitCase{"havannah_middle_row_column_zero", kHavannah, {0, 9}, 0, 10, BoardPoint{0, 9}},
        HitCase{"havannah_last_cell_bottom_tip", kHavannah, {18, 18}, 19, 19, BoardPoint{18, 18}},
        HitCase{"havannah_left_of_last_row", kHavannah, {9, 18}, -1, 10, std::nullopt},
        HitCase{"unlur_middle_row_end", kUnlur, {10, 5}, 19, 10, BoardPoint{10, 5}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HitTestArea, PixelsOutsideTheBoardAreaMissEvenOnTheBoard) {
  // The area is smaller than the board: the board overflows it and is clipped.
  const BoardGeometry g = layoutBoard({GameKind::Go, 19, 19}, 20, {0, 0, 100, 100}, false);
  const PixelRect centre = g.cellBox(9, 9);
  EXPECT_TRUE(hitTest(g, centre.x, centre.y));
  EXPECT_FALSE(hitTest(g, -1, 50));
  EXPECT_FALSE(hitTest(g, 50, 100));
}

TEST(HitTestArea, EveryCellCentreHitsItsOwnCell) {
  for (const BoardDimensions& b : {kGo, kOthello, kKropki, kHex, kHavannah, kUnlur}) {
    const BoardGeometry g = layoutBoard(b, 24, {0, 0, 1000, 900}, false);
    for (int y = 0; y < g.rows(); ++y)
      for (int x = 0; x < b.width; ++x) {
        if (!isOnBoard(b.kind, b.width, b.height, x, y)) continue;
        const PixelPoint c = g.cellCentre(x, y);
        EXPECT_EQ(text(hitTest(g, c.x, c.y)), text(BoardPoint{x, y})) << static_cast<int>(b.kind);
      }
  }
}

}  // namespace
}  // namespace meridax
