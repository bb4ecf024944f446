#pragma once
// The ten quick-navigation slots of a game. A node sits in at most one slot, and carries the
// quick-slot flag exactly while it sits in one.

#include <optional>

#include "model/grid_frame.h"

namespace meridax {

inline constexpr int kQuickSlotCount = 10;

// The node in slot d, or nullptr when the slot is empty or d is not a slot number.
GameNode* quickSlotNode(const SGridFrame& game, int slot);
// The slot the node sits in, if any.
std::optional<int> quickSlotOf(const SGridFrame& game, const GameNode* node);
bool anyQuickSlotFilled(const SGridFrame& game);

// Puts the node in slot d: it leaves any other slot, and the slot's former node loses its flag.
// False when nothing changed (the node is there already, or d is not a slot number).
bool storeInQuickSlot(SGridFrame& game, GameNode* node, int slot);
// Empties every slot and unflags its node; false when every slot was empty.
bool clearQuickSlots(SGridFrame& game);

}  // namespace meridax
