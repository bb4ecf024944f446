#include "model/variation_index.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace meridax {
namespace {

class VariationIndexTest : public ::testing::Test {
 protected:
  std::array<GameNode, 6> nodes{};
  VariationIndex index;
};

TEST_F(VariationIndexTest, LinesUnderOneNode_ComeBackInTheOrderAdded) {
  SBranchDetails* a = index.add(&nodes[0], &nodes[3], &nodes[3]);
  index.add(&nodes[1], &nodes[4], &nodes[4]);
  SBranchDetails* b = index.add(&nodes[0], &nodes[5], &nodes[5]);
  SBranchDetails* c = index.add(&nodes[0]);
  EXPECT_EQ(index.linesBelow(&nodes[0]), (std::vector<SBranchDetails*>{a, b, c}));
  EXPECT_EQ(c->head, nullptr);
  EXPECT_EQ(index.size(), 4u);
  EXPECT_TRUE(index.linesBelow(&nodes[2]).empty());
}

TEST_F(VariationIndexTest, TheEmptyKey_HoldsTheCurrentLine) {
  SBranchDetails* current = index.add(nullptr, &nodes[0], &nodes[2]);
  index.add(&nodes[0]);
  EXPECT_EQ(index.linesBelow(nullptr), (std::vector<SBranchDetails*>{current}));
  const GameNode* key = &nodes[5];
  ASSERT_TRUE(index.keyOf(current, key));
  EXPECT_EQ(key, nullptr);
}

TEST_F(VariationIndexTest, RemoveOneRecord_KeepsTheOthersInOrder) {
  SBranchDetails* a = index.add(&nodes[0]);
  SBranchDetails* b = index.add(&nodes[0]);
  SBranchDetails* c = index.add(&nodes[0]);
  EXPECT_TRUE(index.remove(&nodes[0], b));
  EXPECT_FALSE(index.remove(&nodes[1], a)) << "a record is removed only under its own key";
  EXPECT_EQ(index.linesBelow(&nodes[0]), (std::vector<SBranchDetails*>{a, c}));
  const GameNode* key = nullptr;
  EXPECT_TRUE(index.keyOf(c, key));
  EXPECT_EQ(key, &nodes[0]);
}

TEST_F(VariationIndexTest, RemoveAllAndClear_EmptyTheIndex) {
  index.add(&nodes[0]);
  index.add(&nodes[0]);
  SBranchDetails* kept = index.add(&nodes[1]);
  index.removeAll(&nodes[0]);
  EXPECT_EQ(index.size(), 1u);
  const GameNode* key = nullptr;
  EXPECT_TRUE(index.keyOf(kept, key));
  index.clear();
  EXPECT_TRUE(index.empty());
  EXPECT_FALSE(index.keyOf(kept, key));
}

}  // namespace
}  // namespace meridax
