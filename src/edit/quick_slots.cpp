#include "edit/quick_slots.h"

namespace meridax {

namespace {

bool isSlot(int slot) { return slot >= 0 && slot < kQuickSlotCount; }

}  // namespace

GameNode* quickSlotNode(const SGridFrame& game, int slot) {
  return isSlot(slot) ? game.quickSlots[static_cast<std::size_t>(slot)] : nullptr;
}

std::optional<int> quickSlotOf(const SGridFrame& game, const GameNode* node) {
  if (node == nullptr) return std::nullopt;
  for (int d = 0; d < kQuickSlotCount; ++d)
    if (game.quickSlots[static_cast<std::size_t>(d)] == node) return d;
  return std::nullopt;
}

bool anyQuickSlotFilled(const SGridFrame& game) {
  for (const GameNode* n : game.quickSlots)
    if (n != nullptr) return true;
  return false;
}

bool storeInQuickSlot(SGridFrame& game, GameNode* node, int slot) {
  if (node == nullptr || !isSlot(slot)) return false;
  GameNode*& target = game.quickSlots[static_cast<std::size_t>(slot)];
  if (target == node) return false;
  for (GameNode*& held : game.quickSlots)
    if (held == node) held = nullptr;
  if (target != nullptr) target->setInQuickSlot(false);
  target = node;
  node->setInQuickSlot(true);
  return true;
}

bool clearQuickSlots(SGridFrame& game) {
  bool any = false;
  for (GameNode*& held : game.quickSlots) {
    if (held == nullptr) continue;
    held->setInQuickSlot(false);
    held = nullptr;
    any = true;
  }
  return any;
}

}  // namespace meridax
