#include "model/packed_position.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace meridax {
namespace {

TEST(PackedPosition, SnapshotSize_QuarterOfTheCellsPlusOneUnlessAMultipleOf8) {
  EXPECT_EQ(snapshotSize(8 * 8), 16u);
  EXPECT_EQ(snapshotSize(19 * 19), 91u);
  EXPECT_EQ(snapshotSize(45 * 45), 507u);
  EXPECT_EQ(snapshotSize(10 * 10), 26u);  // 100 is a multiple of 4 but not of 8
  EXPECT_EQ(snapshotSize(5 * 5), 7u);
  EXPECT_EQ(snapshotSize(4 * 4), 4u);
}

TEST(PackedPosition, Pack_FirstCellOfEachGroupInTheLowestBits) {
  BoardPosition pos = fromDiagram(R"(X O . #
                                     . . . .
                                     . . . .
                                     O # X +)");
  std::vector<std::uint8_t> bytes(snapshotSize(pos.cellCount()) + 1, 0xee);
  packPosition(pos, bytes.data());
  EXPECT_EQ(bytes[0], 1 | 2 << 2 | 3 << 4 | 0 << 6);
  EXPECT_EQ(bytes[1], 0xff);
  EXPECT_EQ(bytes[3], 2 | 0 << 2 | 1 << 4 | 3 << 6);  // availability is stored as empty
  EXPECT_EQ(bytes[4], 0xee) << "packing wrote past its snapshot size";
}

// Every cell value a snapshot keeps, spread at random over boards of many widths.
class PackedRoundTripTest : public ::testing::TestWithParam<int> {};

TEST_P(PackedRoundTripTest, RandomPosition_UnpacksToTheSameCells) {
  const int width = GetParam();
  std::mt19937 rng(static_cast<unsigned>(width));
  BoardPosition pos(width);
  const std::uint8_t values[] = {cell::kOffBoard, cell::kBlack, cell::kWhite, cell::kEmpty};
  for (auto& v : pos.cells()) v = values[rng() % 4];
  const std::size_t size = snapshotSize(pos.cellCount());
  std::vector<std::uint8_t> bytes(size + 8, 0xa5);

  packPosition(pos, bytes.data());
  BoardPosition back(width);
  unpackPosition(bytes.data(), back);

  EXPECT_EQ(toDiagram(back), toDiagram(pos));
  for (std::size_t i = size; i < bytes.size(); ++i) EXPECT_EQ(bytes[i], 0xa5) << "byte " << i;
}

INSTANTIATE_TEST_SUITE_P(Widths, PackedRoundTripTest, ::testing::Values(1, 2, 3, 5, 7, 8, 9, 10, 11, 13, 19, 25, 45),
                         [](const auto& info) { return "Width" + std::to_string(info.param); });

TEST(PackedPosition, AvailableCells_ComeBackEmpty) {
  BoardPosition pos = fromDiagram(R"(+ + X
                                     O + .
                                     . . +)");
  std::vector<std::uint8_t> bytes(snapshotSize(pos.cellCount()));
  packPosition(pos, bytes.data());
  BoardPosition back(3);
  unpackPosition(bytes.data(), back);
  EXPECT_EQ(toDiagram(back), toDiagram(fromDiagram(R"(. . X
                                                     O . .
                                                     . . .)")));
}

TEST(PackedPosition, StartingHexagonBoard_KeepsItsOffBoardCorners) {
  const BoardPosition pos = startingPosition(GameKind::Havannah, 19, 10);
  std::vector<std::uint8_t> bytes(snapshotSize(pos.cellCount()));
  packPosition(pos, bytes.data());
  BoardPosition back(19);
  unpackPosition(bytes.data(), back);
  EXPECT_EQ(back, pos);
}

}  // namespace
}  // namespace meridax
