#pragma once
// Counts over a game's tree: nodes, lines, comments, print diagrams and markup.

#include "model/grid_frame.h"

namespace meridax {

// The game's statistics, computed once and kept until an edit invalidates them.
const GameStatistics& statisticsOf(SGridFrame& game);
GameStatistics computeStatistics(const SGridFrame& game);

struct SubtreeCounts {
  int nodes = 0;
  int sideLines = 0;
};
// Walks the subtree below node depth first: the nodes under it and the side lines among them.
SubtreeCounts countSubtree(const SGridFrame& game, const GameNode* node);

}  // namespace meridax
