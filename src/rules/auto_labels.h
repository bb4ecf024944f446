#pragma once
// Automatic labels: one letter in an LB markup value on a node, the first letter not yet used there.

#include <optional>
#include <string>

#include "model/grid_frame.h"

namespace meridax {

// The label text the node's markup holds at (x, y), if any.
std::optional<std::string> labelAt(const SGridFrame& game, const GameNode* node, int x, int y);

// Labels (x, y) on the node with the first free letter (from "a" when lower, else "A"), unless the
// point carries a label already. Returns false when nothing was added.
bool autoLabelPoint(SGridFrame& game, GameNode* node, int x, int y, bool lower);

}  // namespace meridax
