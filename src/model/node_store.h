#pragma once
// The node store shared by every game of a collection: zero-filled segments of fixed-size slots.
// Bare nodes (17 bytes) come 400 to a segment; nodes with an inline snapshot come 200 to a segment,
// one class of segment per board width.

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "model/game_node.h"

namespace meridax {

struct NodeSegment {
  std::uint32_t serial = 0;
  std::size_t slotSize = 0;
  std::size_t slotCount = 0;
  int slotClass = 0;  // 0 for bare nodes, else the board width
  std::size_t freeCount = 0;
  std::ptrdiff_t freeCursor = 0;  // first slot that may be free; -1 when none
  std::unique_ptr<std::uint8_t[]> block;
  // The segment's entry in the free index while it is full and out of it: put back as it is when a slot
  // is freed, so that freeing a node never allocates.
  std::map<std::uint32_t, NodeSegment*>::node_type freeEntry;

  GameNode* slot(std::size_t i) { return reinterpret_cast<GameNode*>(block.get() + i * slotSize); }
  bool contains(const GameNode* n) const {
    auto p = reinterpret_cast<const std::uint8_t*>(n);
    return p >= block.get() && p < block.get() + slotCount * slotSize;
  }
};

class NodeStore {
 public:
  static constexpr int kBareClass = 0;
  static constexpr std::size_t kBareSlots = 400;
  static constexpr std::size_t kSnapshotSlots = 200;
  static constexpr int kCompactedWidthLimit = 26;

  NodeStore() = default;
  NodeStore(const NodeStore&) = delete;
  NodeStore& operator=(const NodeStore&) = delete;

  // A zeroed slot of the class (0 bare, else a board width with slots of 17 + snapshotBytes).
  // Returns nullptr when no memory could be had.
  GameNode* allocate(int slotClass, std::size_t snapshotBytes);
  // Clears the node's record; its slot is offered again to later insertions of its class. Allocates
  // nothing, so that games can always be destroyed, even when memory has run out.
  void release(GameNode* node) noexcept;

  // Load-time compaction: full segments leave the free index, empty ones are released,
  // others are offered again (bare class and width classes up to 26).
  void compact();

  std::size_t segmentCount() const;
  std::size_t bytesReserved() const;  // all segment blocks
  std::size_t liveNodes() const;      // slots in use

  // Checks the store's invariants; returns an empty text when they hold, else what is wrong.
  std::string validate() const;

  // Test seam: when set, segment allocation fails as if memory ran out.
  void failAllocationsForTest(bool fail) { failAllocations_ = fail; }

 private:
  struct SlotClass {
    std::map<std::uint32_t, std::unique_ptr<NodeSegment>> all;  // by serial
    std::map<std::uint32_t, NodeSegment*> withFree;                // by serial
    NodeSegment* remembered = nullptr;
  };

  GameNode* takeFrom(SlotClass& cls, NodeSegment& seg);
  // Takes a full segment out of the free index, keeping its entry in the segment.
  static void leaveFreeIndex(SlotClass& cls, NodeSegment& seg);
  NodeSegment* newSegment(SlotClass& cls, int slotClass, std::size_t slotSize, std::size_t slots);
  NodeSegment* segmentOf(const GameNode* node) noexcept;
  void recount(SlotClass& cls);

  std::map<int, SlotClass> classes_;
  std::map<std::uintptr_t, NodeSegment*> byAddress_;  // block start -> segment
  NodeSegment* lastReleased_ = nullptr;                // the segment segmentOf found last
  std::uint32_t nextSerial_ = 1;
  bool failAllocations_ = false;
};

}  // namespace meridax
