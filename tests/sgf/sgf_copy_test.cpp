#include "sgf/sgf_copy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "writer_test_games.h"

namespace meridax {
namespace {

using writer_test::plainHeader;
using writer_test::TestGame;

const char kWholeGameQuestion[] =
    "About to copy SGF text for the current game to the clipboard.\r\n\r\nDo you wish to include variations?\r\n";
const char kBranchQuestion[] =
    "About to copy SGF text to the clipboard. Current game position plus lower moves.\r\n\r\n"
    "Do you wish to include variations?\r\n";

// Records the questions asked and gives a fixed answer.
struct Asker {
  explicit Asker(std::optional<bool> a = std::nullopt) : answer(a) {}
  std::optional<bool> answer;
  std::vector<std::string> asked;
  VariationsAnswer fn() {
    return [this](const std::string& q) {
      asked.push_back(q);
      return answer;
    };
  }
};

// B[aa] with two continuations below it: W[cc] (current line) and W[bb] (side line), then B[dd].
struct BranchedGame {
  TestGame g{GameKind::Go, 9};
  GameNode* a;
  GameNode* c;
  BranchedGame() {
    a = g.black(0, 0);
    g.white(1, 1);
    g.goTo(a);
    c = g.white(2, 2);
    g.black(3, 3);
    g.goTo(g.game.firstNode);
  }
};

TEST(SgfCopy, GameWithoutBranches_NoQuestionAndTheWholeGameWithItsMark) {
  TestGame g(GameKind::Go, 9);
  g.black(0, 0);
  g.goTo(g.game.firstNode);
  Asker asker;

  const SgfCopy copy = GetSGF(g.game, CopyScope::WholeGame, asker.fn());

  EXPECT_TRUE(asker.asked.empty());
  EXPECT_EQ(copy.outcome, CopyOutcome::Written);
  EXPECT_EQ(copy.text, plainHeader("1", "9") + "XS[]\r\nXV[]\r\n\r\n;B[aa]\r\n)\r\n\r\n");
}

TEST(SgfCopy, WholeGameWithBranches_AsksAndYesIncludesSideLines) {
  BranchedGame b;
  Asker asker{true};

  const SgfCopy copy = GetSGF(b.g.game, CopyScope::WholeGame, asker.fn());

  EXPECT_EQ(asker.asked, std::vector<std::string>{kWholeGameQuestion});
  EXPECT_EQ(copy.text, plainHeader("1", "9") +
                           "XS[]\r\nXV[]\r\n\r\n;B[aa]\r\n(\r\n;W[cc];B[dd]\r\n)\r\n(\r\n;W[bb]\r\n)\r\n)\r\n\r\n");
}

TEST(SgfCopy, WholeGameWithBranches_NoCopiesTheCurrentLineOnly) {
  BranchedGame b;
  Asker asker{false};

  const SgfCopy copy = GetSGF(b.g.game, CopyScope::WholeGame, asker.fn());

  EXPECT_EQ(copy.text, plainHeader("1", "9") + "XS[]\r\nXV[]\r\n\r\n;B[aa];W[cc];B[dd]\r\n)\r\n\r\n");
}

TEST(SgfCopy, Cancel_NothingWritten) {
  BranchedGame b;
  Asker asker{std::nullopt};

  const SgfCopy copy = GetSGF(b.g.game, CopyScope::WholeGame, asker.fn());

  EXPECT_EQ(copy.outcome, CopyOutcome::Cancelled);
  EXPECT_EQ(copy.text, "");
}

TEST(SgfCopy, FromCurrentNode_NoHeaderAndItsOwnQuestion) {
  BranchedGame b;
  b.g.goTo(b.a);
  Asker asker{true};

  const SgfCopy copy = GetSGF(b.g.game, CopyScope::FromCurrentNode, asker.fn());

  EXPECT_EQ(asker.asked, std::vector<std::string>{kBranchQuestion});
  EXPECT_EQ(copy.text, ";B[aa]\r\nXV[]\r\n(\r\n;W[cc];B[dd]\r\n)\r\n(\r\n;W[bb]\r\n)\r\n");
}

TEST(SgfCopy, FromCurrentNodeBelowTheBranch_NoQuestion) {
  BranchedGame b;
  b.g.goTo(b.c);
  Asker asker{false};

  const SgfCopy copy = GetSGF(b.g.game, CopyScope::FromCurrentNode, asker.fn());

  EXPECT_TRUE(asker.asked.empty());
  EXPECT_EQ(copy.text, ";W[cc]\r\nXV[]\r\n\r\n;B[dd]\r\n");
}

TEST(SgfCopy, CopiedMessage_GivesTheByteCount) {
  EXPECT_EQ(copiedMessage(1234), "SGF string has been copied to the Windows Clipboard\r\n\r\nBytes = 1234\r\n");
}

}  // namespace
}  // namespace meridax
