#include "collection/branch_statistics.h"

#include "model/game_statistics.h"

namespace meridax {

BranchStatistics branchStatisticsOf(const SGridFrame& game, const NodeStore& store) {
  // Counted afresh: moves added by play, and a change of the current line, leave the statistics kept
  // with the game as they were.
  const GameStatistics g = computeStatistics(game);
  const SubtreeCounts below = countSubtree(game, game.currentNode);
  BranchStatistics s;
  s.branches = g.lines;
  s.nodes = g.nodes;
  s.storeNodes = store.liveNodes();
  s.branchesBelow = below.sideLines;
  s.nodesBelow = below.nodes;
  s.comments = g.comments;
  s.commentsOnLine = g.commentsOnCurrentLine;
  s.commentBytes = g.commentCharacters;
  s.diagrams = g.printDiagrams;
  s.markedPositions = g.nodesWithMarkup;
  s.bookmarks = static_cast<int>(game.bookmarks.size());
  s.positionScores = static_cast<int>(game.scores.size());
  s.positionNodes = static_cast<int>(game.names.size());
  return s;
}

std::array<StatisticsField, kBranchStatisticsFields> branchStatisticsFields(const BranchStatistics& s) {
  const auto text = [](auto n) { return std::to_string(n); };
  return {{
      {"Branches in total", text(s.branches)},
      {"Nodes in total", text(s.nodes) + "  /  " + text(s.storeNodes)},
      {"Branches below", text(s.branchesBelow)},
      {"Nodes below current position", text(s.nodesBelow)},
      {"Comments", text(s.comments)},
      {"Comments in current line of play", text(s.commentsOnLine)},
      {"Comment bytes", text(s.commentBytes)},
      {"Diagrams", text(s.diagrams)},
      {"Marked Positions", text(s.markedPositions)},
      {"Bookmarks", text(s.bookmarks)},
      {"Position Scores", text(s.positionScores)},
      {"Position Nodes", text(s.positionNodes)},
  }};
}

}  // namespace meridax
