#include "rules/navigation_step.h"

#include <gtest/gtest.h>

#include "play_fixture.h"
#include "rules/go_rules.h"

namespace meridax {
namespace {

using testing::PlayFixture;
using testing::board;

struct Counters {
  int black;
  int white;
  friend bool operator==(Counters, Counters) = default;
  friend std::ostream& operator<<(std::ostream& os, Counters c) { return os << c.black << " - " << c.white; }
};

Counters countersAt(PlayFixture& f, GameNode* n) {
  f.game->blackCounter = 99;  // whatever was shown before must not survive the step
  f.game->whiteCounter = 99;
  f.goTo(n);
  return {f.game->blackCounter, f.game->whiteCounter};
}

// On a 7 x 7 board: White captures at move 4 ("ba" takes "aa"), Black at move 11 ("cd" takes "cc").
class CaptureRecountTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* p : {"aa", "ab", "ee", "ba", "cb", "cc", "bc", "ff", "dc", "gg", "cd"}) {
      ASSERT_EQ(f.click(p), MoveResult::Accepted) << p;
      nodes.push_back(f.game->currentNode);
    }
    ASSERT_TRUE(nodes[3]->captureRecord());
    ASSERT_TRUE(nodes[10]->captureRecord());
  }
  PlayFixture f{GameKind::Go, 7};
  std::vector<GameNode*> nodes;  // nodes[i] is move i + 1
};

TEST_F(CaptureRecountTest, EveryNode_TakesTheCountersOfTheNearestCaptureRecordAbove) {
  EXPECT_EQ(countersAt(f, f.game->firstNode), (Counters{0, 0}));
  EXPECT_EQ(countersAt(f, nodes[2]), (Counters{0, 0}));
  EXPECT_EQ(countersAt(f, nodes[3]), (Counters{0, 1}));
  EXPECT_EQ(countersAt(f, nodes[9]), (Counters{0, 1}));
  EXPECT_EQ(countersAt(f, nodes[10]), (Counters{1, 1}));
  EXPECT_EQ(f.game->captureCounts.at(nodes[10]), packCaptureEntry(1, 1));
}

TEST_F(CaptureRecountTest, AfterAComposeNode_CountersStartAgainFromZero) {
  f.compose(f.board(), Colour::White);
  GameNode* compose = f.game->currentNode;
  f.click("ag");
  GameNode* after = f.game->currentNode;

  EXPECT_EQ(countersAt(f, compose), (Counters{0, 0}));
  EXPECT_EQ(countersAt(f, after), (Counters{0, 0}));
  EXPECT_EQ(countersAt(f, nodes[10]), (Counters{1, 1}));
}

TEST_F(CaptureRecountTest, CaptureBelowAComposeNode_CountsFromZero) {
  f.compose(R"(. X . . . . .
               X O . . . . .
               . X . . . . .
               . . . . . . .
               . . . . . . .
               . . . . . . .
               . . . . . . .)",
            Colour::White);
  f.click("gg");
  ASSERT_EQ(f.click("cb"), MoveResult::Accepted);
  EXPECT_EQ(f.game->blackCounter, 1);
  EXPECT_EQ(f.game->whiteCounter, 0);
  EXPECT_EQ(f.game->captureCounts.at(f.game->currentNode), packCaptureEntry(1, 0));
}

TEST(NavigationStep, CapturesInASideLine_AreNotCountedOnTheMainLine) {
  PlayFixture f(GameKind::Go, 7);
  for (const char* p : {"aa", "ab"}) f.click(p);
  GameNode* split = f.game->currentNode;
  f.click("ee");
  f.click("ba");  // White captures aa
  f.goTo(split);
  f.click("ff");  // the new continuation; the capture is now on a side line
  f.click("gg");
  EXPECT_EQ(countersAt(f, f.game->currentNode), (Counters{0, 0}));
}

TEST(NavigationStep, OthelloStep_CountsPiecesAndMarksTheCellsOfTheSideToMove) {
  PlayFixture f(GameKind::Othello, 8);
  f.click("fe");
  GameNode* first = f.game->firstNode;
  f.goTo(first);
  EXPECT_EQ(f.game->blackCounter, 2);
  EXPECT_EQ(f.game->whiteCounter, 2);
  EXPECT_EQ(toDiagram(f.game->cachedPosition), board(R"(. . . . . . . .
                                                        . . . . . . . .
                                                        . . . + . . . .
                                                        . . + O X . . .
                                                        . . . X O + . .
                                                        . . . . + . . .
                                                        . . . . . . . .
                                                        . . . . . . . .)"));
  f.goTo(first->next());
  EXPECT_EQ(f.game->blackCounter, 4);
  EXPECT_EQ(f.game->whiteCounter, 1);
}

TEST(NavigationStep, UnlurStep_CountsThePiecesOnTheBoard) {
  PlayFixture f(GameKind::Unlur, 13);
  f.click(6, 6);
  f.click(6, 7);
  f.special(SpecialMoveKind::Pass);
  f.click(5, 6);
  f.goTo(f.game->currentNode);
  EXPECT_EQ(f.game->blackCounter, 2);
  EXPECT_EQ(f.game->whiteCounter, 1);
  f.goTo(f.game->firstNode);
  EXPECT_EQ(f.game->blackCounter, 0);
  EXPECT_EQ(f.game->whiteCounter, 0);
}

}  // namespace
}  // namespace meridax
