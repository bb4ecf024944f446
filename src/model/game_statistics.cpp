#include "model/game_statistics.h"

#include <vector>

namespace meridax {

GameStatistics computeStatistics(const SGridFrame& game) {
  GameStatistics s;
  game.variations.forEach([&](const GameNode*, const SBranchDetails& line) {
    if (line.head == nullptr || line.tail == nullptr) return;
    s.nodes += static_cast<int>(line.tail->moveNumber()) - static_cast<int>(line.head->moveNumber()) + 1;
    ++s.lines;
  });
  for (const auto& [node, text] : game.comments) {
    ++s.comments;
    s.commentCharacters += static_cast<long>(text.size());
  }
  const std::string& gameComment = game.details[DetailField::GameComment];
  if (!gameComment.empty()) {
    ++s.comments;
    s.commentCharacters += static_cast<long>(gameComment.size());
  }
  for (const GameNode* n = game.firstNode; n != nullptr; n = n->next())
    if (n->hasComment()) ++s.commentsOnCurrentLine;
  s.nodesWithMarkup = static_cast<int>(game.markup.size());
  game.variations.forEach([&](const GameNode*, const SBranchDetails& line) {
    for (const GameNode* n = line.head; n != nullptr; n = n->next())
      if (n->printDiagram()) ++s.printDiagrams;
  });
  return s;
}

const GameStatistics& statisticsOf(SGridFrame& game) {
  if (!game.cachedStatistics) game.cachedStatistics = computeStatistics(game);
  return *game.cachedStatistics;
}

SubtreeCounts countSubtree(const SGridFrame& game, const GameNode* node) {
  SubtreeCounts c;
  if (node == nullptr) return c;
  std::vector<const GameNode*> pending{node->next()};
  for (const SBranchDetails* line : game.variations.linesBelow(node)) {
    pending.push_back(line->head);
    ++c.sideLines;
  }
  while (!pending.empty()) {
    const GameNode* n = pending.back();
    pending.pop_back();
    for (; n != nullptr; n = n->next()) {
      ++c.nodes;
      if (!n->branching()) continue;
      for (const SBranchDetails* line : game.variations.linesBelow(n)) {
        pending.push_back(line->head);
        ++c.sideLines;
      }
    }
  }
  return c;
}

}  // namespace meridax
