#include "model/node_store.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "model/packed_position.h"

namespace meridax {
namespace {

constexpr int kGo19 = 19;
const std::size_t kGo19Snapshot = snapshotSize(19 * 19);

std::ptrdiff_t distance(const GameNode* a, const GameNode* b) {
  return reinterpret_cast<const std::uint8_t*>(b) - reinterpret_cast<const std::uint8_t*>(a);
}

class NodeStoreTest : public ::testing::Test {
 protected:
  // Every operation of these tests is followed by the store's own check.
  GameNode* take(int slotClass = NodeStore::kBareClass, std::size_t snapshotBytes = 0) {
    GameNode* n = store.allocate(slotClass, snapshotBytes);
    EXPECT_EQ(store.validate(), "");
    return n;
  }
  std::vector<GameNode*> takeMany(std::size_t count, int slotClass = NodeStore::kBareClass,
                                  std::size_t snapshotBytes = 0) {
    std::vector<GameNode*> nodes;
    for (std::size_t i = 0; i < count; ++i) nodes.push_back(take(slotClass, snapshotBytes));
    return nodes;
  }
  void give(GameNode* n) {
    store.release(n);
    EXPECT_EQ(store.validate(), "");
  }
  void compact() {
    store.compact();
    EXPECT_EQ(store.validate(), "");
  }

  NodeStore store;
};

TEST_F(NodeStoreTest, BareSlots_Are17BytesApart400ToASegment) {
  const auto nodes = takeMany(400);
  EXPECT_EQ(distance(nodes[0], nodes[1]), 17);
  EXPECT_EQ(distance(nodes[0], nodes[399]), 399 * 17);
  EXPECT_EQ(store.segmentCount(), 1u);
  EXPECT_EQ(store.bytesReserved(), 400u * 17 + 2);

  take();
  EXPECT_EQ(store.segmentCount(), 2u);
  EXPECT_EQ(store.liveNodes(), 401u);
}

TEST_F(NodeStoreTest, Go19SnapshotSlots_Are108BytesApart200ToASegment) {
  const auto nodes = takeMany(200, kGo19, kGo19Snapshot);
  EXPECT_EQ(distance(nodes[0], nodes[1]), 17 + 91);
  EXPECT_EQ(store.segmentCount(), 1u);
  EXPECT_EQ(store.bytesReserved(), 200u * 108 + 2);

  take(kGo19, kGo19Snapshot);
  EXPECT_EQ(store.segmentCount(), 2u);
}

TEST_F(NodeStoreTest, EachBoardWidth_HasItsOwnSnapshotClass) {
  GameNode* go = take(kGo19, kGo19Snapshot);
  GameNode* othello = take(8, snapshotSize(64));
  GameNode* bare = take();
  EXPECT_EQ(store.segmentCount(), 3u);
  EXPECT_EQ(store.bytesReserved(), (200u * 108 + 2) + (200u * (17 + 16) + 2) + (400u * 17 + 2));
  EXPECT_NE(go, othello);
  EXPECT_NE(othello, bare);
}

TEST_F(NodeStoreTest, NewSlot_IsZeroedAndInUse) {
  GameNode* n = take(kGo19, kGo19Snapshot);
  std::fill_n(n->inlineSnapshot(), kGo19Snapshot, 0xff);
  n->setHasMarkup(true);
  give(n);
  GameNode* again = take(kGo19, kGo19Snapshot);
  ASSERT_EQ(again, n);
  EXPECT_TRUE(again->inUse());
  EXPECT_FALSE(again->hasMarkup());
  for (std::size_t i = 0; i < kGo19Snapshot; ++i) ASSERT_EQ(again->inlineSnapshot()[i], 0) << "snapshot byte " << i;
}

TEST_F(NodeStoreTest, FreedSlot_IsTakenAgainBeforeAnyLaterOne) {
  auto nodes = takeMany(10);
  give(nodes[3]);
  give(nodes[7]);
  EXPECT_EQ(store.liveNodes(), 8u);
  EXPECT_EQ(take(), nodes[3]);
  EXPECT_EQ(take(), nodes[7]);
  EXPECT_EQ(distance(nodes[9], take()), 17);
}

TEST_F(NodeStoreTest, SlotFreedInAFullSegment_IsUsedBeforeANewSegmentIsMade) {
  auto first = takeMany(400);
  auto second = takeMany(400);
  ASSERT_EQ(store.segmentCount(), 2u);
  give(first[10]);
  give(second[20]);
  // Both segments are full, so none is remembered: the free index gives the oldest first.
  EXPECT_EQ(take(), first[10]);
  EXPECT_EQ(take(), second[20]);
  EXPECT_EQ(store.segmentCount(), 2u);
  take();
  EXPECT_EQ(store.segmentCount(), 3u);
}

TEST_F(NodeStoreTest, ReleaseTwice_CountsTheSlotOnce) {
  auto nodes = takeMany(3);
  give(nodes[1]);
  give(nodes[1]);
  EXPECT_EQ(store.liveNodes(), 2u);
  store.release(nullptr);
  EXPECT_EQ(store.validate(), "");
}

TEST_F(NodeStoreTest, Compaction_ReleasesEmptySegmentsAndKeepsTheOthers) {
  auto nodes = takeMany(900);  // segments of 400, 400 and 100
  for (std::size_t i = 400; i < 800; ++i) give(nodes[i]);
  give(nodes[5]);
  ASSERT_EQ(store.segmentCount(), 3u);

  compact();

  EXPECT_EQ(store.segmentCount(), 2u);
  EXPECT_EQ(store.liveNodes(), 499u);
  EXPECT_EQ(store.bytesReserved(), 2u * (400 * 17 + 2));
  for (std::size_t i = 0; i < 900; ++i) {
    if (i >= 400 && i < 800) continue;  // their segment is gone
    ASSERT_EQ(nodes[i]->inUse(), i != 5) << "node " << i;
  }
}

TEST_F(NodeStoreTest, AfterCompaction_FreedSlotsAreFoundAgainWithoutNewSegments) {
  auto nodes = takeMany(800);  // two full segments
  take();                      // a third, nearly empty and remembered
  give(nodes[420]);
  compact();

  std::vector<GameNode*> taken = takeMany(400);
  EXPECT_EQ(store.segmentCount(), 3u);
  EXPECT_EQ(taken.back(), nodes[420]) << "the remembered segment serves first, then the free index";
  EXPECT_EQ(store.liveNodes(), 1200u);
  take();
  EXPECT_EQ(store.segmentCount(), 4u);
}

TEST_F(NodeStoreTest, CompactionOfAnEmptyStore_LeavesNothing) {
  auto nodes = takeMany(5, kGo19, kGo19Snapshot);
  for (GameNode* n : nodes) give(n);
  compact();
  EXPECT_EQ(store.segmentCount(), 0u);
  EXPECT_EQ(store.bytesReserved(), 0u);
  EXPECT_NE(take(kGo19, kGo19Snapshot), nullptr);  // a forgotten segment is never handed out again
  EXPECT_EQ(store.segmentCount(), 1u);
}

TEST_F(NodeStoreTest, FailingAllocation_GivesNoNodeButFreeSlotsStillServe) {
  auto nodes = takeMany(400);
  store.failAllocationsForTest(true);
  EXPECT_EQ(take(), nullptr);
  give(nodes[0]);
  EXPECT_EQ(take(), nodes[0]);
  EXPECT_EQ(store.segmentCount(), 1u);
}

TEST_F(NodeStoreTest, ManyFreesAndTakes_KeepTheCountsRight) {
  std::vector<GameNode*> live = takeMany(1000);
  for (int round = 0; round < 5; ++round) {
    for (std::size_t i = static_cast<std::size_t>(round); i < live.size(); i += 3) {
      give(live[i]);
      live[i] = nullptr;
    }
    for (GameNode*& n : live)
      if (n == nullptr) n = take();
    ASSERT_EQ(store.liveNodes(), 1000u);
    ASSERT_EQ(store.segmentCount(), 3u);
  }
}

TEST_F(NodeStoreTest, SlotMarkedInUseBehindTheStoresBack_IsReportedByValidate) {
  auto nodes = takeMany(3);
  give(nodes[1]);
  nodes[1]->setInUse(true);
  EXPECT_EQ(store.validate(), "segment 1: free count differs from its slots");
  nodes[1]->setInUse(false);
  EXPECT_EQ(store.validate(), "");
}

}  // namespace
}  // namespace meridax
