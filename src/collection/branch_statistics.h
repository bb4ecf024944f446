#pragma once
// The twelve values of the branch statistics dialog: counts about the current game and about the part
// of its tree below the current node.

#include <array>
#include <string>

#include "model/grid_frame.h"
#include "model/node_store.h"

namespace meridax {

inline constexpr char kBranchStatisticsTitle[] = " Branch Statistics";
inline constexpr char kBranchStatisticsGroup[] = "Branch Statistics";

struct BranchStatistics {
  int branches = 0;           // lines of the game, the current line from the first node included
  int nodes = 0;              // nodes of the game
  std::size_t storeNodes = 0; // nodes in use in the whole node store, every game of the collection
  int branchesBelow = 0;      // side lines in the subtree below the current node
  int nodesBelow = 0;         // nodes below the current node
  int comments = 0;           // the game comment counted as one more
  int commentsOnLine = 0;     // on the current line from the first node
  long commentBytes = 0;      // the game comment included
  int diagrams = 0;           // nodes marked for a print diagram
  int markedPositions = 0;    // nodes with markup
  int bookmarks = 0;
  int positionScores = 0;     // entries of the score index
  int positionNodes = 0;      // entries of the node-name index
};

BranchStatistics branchStatisticsOf(const SGridFrame& game, const NodeStore& store);

struct StatisticsField {
  const char* label;
  std::string value;
};
inline constexpr int kBranchStatisticsFields = 12;

// The fields of the dialog as they stand top to bottom, each with its label and its text.
std::array<StatisticsField, kBranchStatisticsFields> branchStatisticsFields(const BranchStatistics& s);

}  // namespace meridax
