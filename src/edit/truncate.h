#pragma once
// Truncating the current line: everything below a node goes, or the last move of the line itself.

#include "edit/edit_notice.h"
#include "model/grid_frame.h"

namespace meridax {

inline constexpr char kTruncateCaption[] = "CmTruncate()";

// Whether truncating at node would delete the primary position: it lies anywhere below node, on the
// continuation or on a side line.
PrimaryLoss truncationLoss(const SGridFrame& game, const GameNode* node);
// "Warning.\nAbout to truncate. ..." (caption kTruncateCaption).
std::string truncationQuestion(PrimaryLoss loss);

// Selects node's line, makes node the current node and the end node of the current line, and deletes
// every node below it with their side lines. Returns false when nothing lay below node.
bool truncateAt(SGridFrame& game, GameNode* node);

// At the end node: removes the last move of the current line. When its parent branches, the move's
// line gives way to the parent's first side line. The parent becomes the current node; returns it,
// or nullptr when the end node is the first node (nothing happens) or the current node is not the end.
GameNode* truncateAndDeleteMove(SGridFrame& game);

}  // namespace meridax
