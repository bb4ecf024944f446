#include "model/node_store.h"

#include <new>

namespace meridax {

namespace {

std::ptrdiff_t nextFreeSlot(NodeSegment& seg, std::size_t from) {
  for (std::size_t i = from; i < seg.slotCount; ++i)
    if (!seg.slot(i)->inUse()) return static_cast<std::ptrdiff_t>(i);
  return -1;
}

}  // namespace

GameNode* NodeStore::allocate(int slotClass, std::size_t snapshotBytes) {
  SlotClass& cls = classes_[slotClass];
  const std::size_t slotSize = GameNode::kRecordSize + (slotClass == kBareClass ? 0 : snapshotBytes);

  if (cls.remembered != nullptr) {
    if (GameNode* n = takeFrom(cls, *cls.remembered)) return n;
    cls.remembered = nullptr;
  }
  while (!cls.withFree.empty()) {
    NodeSegment* seg = cls.withFree.begin()->second;
    if (GameNode* n = takeFrom(cls, *seg)) return n;
    leaveFreeIndex(cls, *seg);  // counted free but none found: stale entry
  }
  NodeSegment* seg = newSegment(cls, slotClass, slotSize, slotClass == kBareClass ? kBareSlots : kSnapshotSlots);
  if (seg == nullptr) return nullptr;
  return takeFrom(cls, *seg);
}

GameNode* NodeStore::takeFrom(SlotClass& cls, NodeSegment& seg) {
  if (seg.freeCursor < 0 || seg.freeCount == 0) return nullptr;
  const std::ptrdiff_t found = nextFreeSlot(seg, static_cast<std::size_t>(seg.freeCursor));
  if (found < 0) {
    seg.freeCursor = -1;
    return nullptr;
  }
  GameNode* node = new (seg.slot(static_cast<std::size_t>(found))) GameNode;
  std::memset(static_cast<void*>(node), 0, seg.slotSize);
  node->setInUse(true);
  --seg.freeCount;
  seg.freeCursor = nextFreeSlot(seg, static_cast<std::size_t>(found) + 1);
  if (seg.freeCount == 0 || seg.freeCursor < 0) {
    leaveFreeIndex(cls, seg);
    if (cls.remembered == &seg) cls.remembered = nullptr;
  } else {
    cls.remembered = &seg;
  }
  return node;
}

void NodeStore::leaveFreeIndex(SlotClass& cls, NodeSegment& seg) {
  auto entry = cls.withFree.extract(seg.serial);
  if (!entry.empty()) seg.freeEntry = std::move(entry);
}

NodeSegment* NodeStore::newSegment(SlotClass& cls, int slotClass, std::size_t slotSize, std::size_t slots) {
  if (failAllocations_) return nullptr;
  auto seg = std::make_unique<NodeSegment>();
  seg->block.reset(new (std::nothrow) std::uint8_t[slots * slotSize + 2]());
  if (!seg->block) return nullptr;
  // Links are kept as 48-bit addresses.
  if (reinterpret_cast<std::uintptr_t>(seg->block.get()) + slots * slotSize >= (std::uintptr_t{1} << 48)) return nullptr;
  seg->serial = nextSerial_++;
  seg->slotSize = slotSize;
  seg->slotCount = slots;
  seg->slotClass = slotClass;
  seg->freeCount = slots;
  seg->freeCursor = 0;
  NodeSegment* raw = seg.get();
  byAddress_[reinterpret_cast<std::uintptr_t>(raw->block.get())] = raw;
  cls.withFree[raw->serial] = raw;
  cls.all[raw->serial] = std::move(seg);
  return raw;
}

NodeSegment* NodeStore::segmentOf(const GameNode* node) noexcept {
  // Nodes freed together mostly lie in the segment of the node freed before.
  if (lastReleased_ != nullptr && lastReleased_->contains(node)) return lastReleased_;
  auto it = byAddress_.upper_bound(reinterpret_cast<std::uintptr_t>(node));
  if (it == byAddress_.begin()) return nullptr;
  --it;
  if (!it->second->contains(node)) return nullptr;
  lastReleased_ = it->second;
  return lastReleased_;
}

void NodeStore::release(GameNode* node) noexcept {
  if (node == nullptr || !node->inUse()) return;
  node->clearRecord();
  NodeSegment* seg = segmentOf(node);
  if (seg == nullptr) return;
  const bool wasFull = seg->freeCount == 0;
  ++seg->freeCount;
  const auto index = static_cast<std::ptrdiff_t>(
      (reinterpret_cast<std::uint8_t*>(node) - seg->block.get()) / static_cast<std::ptrdiff_t>(seg->slotSize));
  if (seg->freeCursor < 0 || index < seg->freeCursor) seg->freeCursor = index;
  // A segment with free slots is in the free index already; only a full one has to join it.
  if (!wasFull || seg->freeEntry.empty()) return;
  const auto cls = classes_.find(seg->slotClass);
  if (cls != classes_.end()) cls->second.withFree.insert(std::move(seg->freeEntry));
}

void NodeStore::recount(SlotClass& cls) {
  for (auto it = cls.all.begin(); it != cls.all.end();) {
    NodeSegment& seg = *it->second;
    std::size_t free = 0;
    for (std::size_t i = 0; i < seg.slotCount; ++i)
      if (!seg.slot(i)->inUse()) ++free;
    seg.freeCount = free;
    seg.freeCursor = nextFreeSlot(seg, 0);
    if (free == seg.slotCount) {
      cls.withFree.erase(seg.serial);
      if (cls.remembered == &seg) cls.remembered = nullptr;
      byAddress_.erase(reinterpret_cast<std::uintptr_t>(seg.block.get()));
      if (lastReleased_ == &seg) lastReleased_ = nullptr;
      it = cls.all.erase(it);
      continue;
    }
    if (free == 0) {
      leaveFreeIndex(cls, seg);
      if (cls.remembered == &seg) cls.remembered = nullptr;
    } else if (!seg.freeEntry.empty()) {
      cls.withFree.insert(std::move(seg.freeEntry));
    } else {
      cls.withFree[seg.serial] = &seg;
    }
    ++it;
  }
}

void NodeStore::compact() {
  for (auto& [slotClass, cls] : classes_)
    if (slotClass <= kCompactedWidthLimit) recount(cls);
}

std::size_t NodeStore::segmentCount() const {
  std::size_t n = 0;
  for (const auto& [k, cls] : classes_) n += cls.all.size();
  return n;
}

std::size_t NodeStore::bytesReserved() const {
  std::size_t n = 0;
  for (const auto& [k, cls] : classes_)
    for (const auto& [s, seg] : cls.all) n += seg->slotCount * seg->slotSize + 2;
  return n;
}

std::size_t NodeStore::liveNodes() const {
  std::size_t n = 0;
  for (const auto& [k, cls] : classes_)
    for (const auto& [s, seg] : cls.all) n += seg->slotCount - seg->freeCount;
  return n;
}

std::string NodeStore::validate() const {
  for (const auto& [k, cls] : classes_) {
    for (const auto& [serial, seg] : cls.all) {
      const std::string name = "segment " + std::to_string(serial);
      std::size_t free = 0;
      std::ptrdiff_t firstFree = -1;
      for (std::size_t i = 0; i < seg->slotCount; ++i)
        if (!seg->slot(i)->inUse()) {
          if (free++ == 0) firstFree = static_cast<std::ptrdiff_t>(i);
        }
      if (free != seg->freeCount) return name + ": free count differs from its slots";
      if (seg->slotClass != k) return name + ": filed under the wrong class";
      if (firstFree >= 0 && (seg->freeCursor < 0 || seg->freeCursor > firstFree))
        return name + ": free cursor passes over a free slot";
      if ((free > 0) != (cls.withFree.count(serial) != 0))
        return name + (free > 0 ? ": has free slots but is not in the free index" : ": is full but in the free index");
    }
    for (const auto& [serial, seg] : cls.withFree)
      if (!cls.all.count(serial)) return "free index names an unknown segment";
    if (cls.remembered != nullptr && (!cls.all.count(cls.remembered->serial) || cls.remembered->freeCount == 0))
      return "the remembered segment is gone or full";
  }
  return {};
}

}  // namespace meridax
