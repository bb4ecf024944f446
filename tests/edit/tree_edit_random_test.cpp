// Random play interleaved with random edits: after every edit the tree, the node store, the current
// node and the primary position must still be sound, and no node may be lost or leaked.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "edit/branch_removal.h"
#include "edit/flip_rotate.h"
#include "edit/inject.h"
#include "edit/navigation.h"
#include "edit/truncate.h"
#include "rules/play_fixture.h"

namespace meridax {
namespace {

using testing::PlayFixture;

class RandomEditing {
 public:
  explicit RandomEditing(unsigned seed) : rng_(seed) {}

  void step() {
    switch (below(9)) {
      case 0: truncateAt(game(), anyNode()); break;
      case 1: deleteAndGo(anyNode()); break;
      case 2: removeBranching(game(), static_cast<BranchScope>(below(3))); break;
      case 3:
        goToNode(game(), game().endNode);
        truncateAndDeleteMove(game());
        break;
      case 4: inject(); break;
      case 5: transformGame(game(), below(2) == 0 ? BoardTransform::Flip : BoardTransform::Rotate); break;
      case 6: game().primaryNode = anyNode(); break;
      default: play(); break;
    }
  }

  // Empty when everything holds, else the first thing that does not.
  std::string problems() {
    std::string p = fixture_.problems();
    if (!p.empty()) return p;
    SGridFrame& g = game();
    std::size_t reachable = 0;
    forEachInTreeOrder(g, g.firstNode, [&](GameNode* n) {
      ++reachable;
      sideLinesSeen += n->branching() ? 1 : 0;
    });
    largestTree = std::max(largestTree, reachable);
    if (reachable != fixture_.liveNodes()) return "nodes lost or leaked";
    if (!g.currentNode->inUse() || !isOnCurrentLine(g, g.currentNode)) return "the current node is off the line";
    if (g.primaryNode != nullptr && !g.primaryNode->inUse()) return "the primary node was freed";
    return {};
  }

  // What the run went through, so that a test can tell it reached branching trees of some size.
  std::size_t largestTree = 0;
  int sideLinesSeen = 0;

 private:
  SGridFrame& game() { return *fixture_.game; }
  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  GameNode* anyNode() {
    std::vector<GameNode*> nodes;
    forEachInTreeOrder(game(), game().firstNode, [&](GameNode* n) { nodes.push_back(n); });
    return nodes[static_cast<std::size_t>(below(static_cast<int>(nodes.size())))];
  }

  void deleteAndGo(GameNode* node) {
    if (GameNode* goTo = deleteBranch(game(), planBranchDeletion(game(), node))) goToNode(game(), goTo);
  }

  void play() {
    // Now and then play from an earlier node of the line, which opens a side line.
    if (below(3) == 0) {
      GameNode* node = anyNode();
      selectLineOf(game(), node);
      goToNode(game(), node);
    }
    for (int i = below(4); i >= 0; --i) fixture_.click(below(9), below(9));
  }

  void inject() {
    std::string text;
    for (int i = below(3); i >= 0; --i) text += std::string(";") + (below(2) == 0 ? "B[" : "W[") + point() + "]";
    if (below(2) == 0) text += "(;B[" + point() + "])(;W[" + point() + "])";
    injectSgf(fixture_.coll, game(), text, ReaderSettings{}, errors_);
  }

  std::string point() { return {static_cast<char>('a' + below(9)), static_cast<char>('a' + below(9))}; }

  std::mt19937 rng_;
  PlayFixture fixture_{GameKind::Go, 9};
  SErrorList errors_;
};

TEST(TreeEditRandom, EditsBetweenRandomMoves_KeepTreeStoreAndPositionsSound) {
  std::size_t largestTree = 0;
  int sideLinesSeen = 0;
  for (unsigned seed = 1; seed <= 60; ++seed) {
    RandomEditing editing(seed);
    for (int step = 0; step < 250; ++step) {
      editing.step();
      ASSERT_EQ(editing.problems(), "") << "seed " << seed << ", step " << step;
    }
    largestTree = std::max(largestTree, editing.largestTree);
    sideLinesSeen += editing.sideLinesSeen;
  }
  EXPECT_GT(largestTree, 30u);
  EXPECT_GT(sideLinesSeen, 1000);
}

}  // namespace
}  // namespace meridax
