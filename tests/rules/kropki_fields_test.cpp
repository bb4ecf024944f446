#include "rules/kropki_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace meridax {
namespace {

std::string field(const std::string& rows) { return toDiagram(fieldFromDiagram(rows)); }

TEST(FieldOfTerritory, MergeOfBothColours_HoldsThreeWhereTheyMeet) {
  TerritoryMap map = fieldFromDiagram(R"(. X X .
                                         . X X .
                                         . . . .
                                         . . . .)");
  const FieldOfTerritory white = fieldFromDiagram(R"(. . . .
                                                     . . O O
                                                     . . O O
                                                     . . . .)");
  ASSERT_TRUE(map.overlaps(white));

  map.merge(white);

  EXPECT_EQ(toDiagram(map), field(R"(. X X .
                                     . X * O
                                     . . O O
                                     . . . .)"));
  EXPECT_TRUE(isTerritoryOf(map.at(2, 1), Colour::Black));
  EXPECT_TRUE(isTerritoryOf(map.at(2, 1), Colour::White));
  EXPECT_FALSE(isTerritoryOf(map.at(3, 1), Colour::Black));
}

TEST(FieldOfTerritory, SeparateFields_DoNotOverlap) {
  const FieldOfTerritory a = fieldFromDiagram("X X .\n. . .\n. . .");
  const FieldOfTerritory b = fieldFromDiagram(". . X\n. . X\n. . .");
  EXPECT_FALSE(a.overlaps(b));
  EXPECT_FALSE(a.isEmpty());
  EXPECT_TRUE(FieldOfTerritory(3).isEmpty());
}

TEST(FieldOfTerritory, StoredMaskOfTheWrongSize_IsCutOrPaddedToTheSquare) {
  const FieldOfTerritory shortMask(3, std::vector<std::uint8_t>{1, 2});
  EXPECT_EQ(shortMask.cellCount(), 9);
  EXPECT_EQ(toDiagram(shortMask), field("X O .\n. . .\n. . ."));

  const FieldOfTerritory longMask(2, std::vector<std::uint8_t>{1, 0, 0, 2, 1, 1, 1});
  EXPECT_EQ(longMask.cellCount(), 4);
  EXPECT_EQ(toDiagram(longMask), field("X .\n. O"));
}

TEST(FieldOfTerritory, MergeOfASmallerMask_LeavesTheRestAlone) {
  FieldOfTerritory map(3);
  map.merge(FieldOfTerritory(2, std::vector<std::uint8_t>{2, 2, 2, 2}));
  EXPECT_EQ(toDiagram(map), field("O O O\nO . .\n. . ."));  // the first four cells, in cell order
  EXPECT_EQ(map.valueAt(-1, 0), 0);
  EXPECT_EQ(map.valueAt(0, 3), 0);
}

}  // namespace
}  // namespace meridax
