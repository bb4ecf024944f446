#include "engine/board_sync.h"

#include <gtest/gtest.h>

#include "sgf/sgf_test_support.h"

namespace meridax {
namespace {

using Commands = std::vector<std::string>;

// The node after `moves` moves along the first line.
const GameNode* after(const SGridFrame& g, int moves) {
  const GameNode* n = g.firstNode;
  for (int i = 0; i < moves && n != nullptr; ++i) n = n->next();
  return n;
}

TEST(BoardSync, BringsTheEngineToTheNodeFromAnEmptyBoard) {
  struct Case {
    const char* name;
    const char* sgf;
    int moves;
    bool freeHandicap;
    std::optional<Commands> commands;
  };
  const Commands head9{"boardsize 9", "clear_board", "komi 6.5"};
  auto with = [](Commands head, const Commands& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
  };
  const std::vector<Case> cases = {
      {"moves and a pass", "(;GM[1]SZ[9]KM[6.5];B[cc];W[gg];B[])", 3, false,
       with(head9, {"play B C7", "play W G3", "play B pass"})},
      {"the line only down to the node", "(;GM[1]SZ[9]KM[6.5];B[cc];W[gg];B[])", 1, false,
       with(head9, {"play B C7"})},
      {"the first node itself", "(;GM[1]SZ[9]KM[6.5];B[cc])", 0, false, head9},
      {"handicap as free handicap", "(;GM[1]SZ[19]HA[2]AB[dp][pd];W[qp])", 1, true,
       Commands{"boardsize 19", "clear_board", "komi 0", "set_free_handicap Q16 D4", "play W R4"}},
      {"handicap played where free handicap is not offered", "(;GM[1]SZ[19]HA[2]AB[dp][pd];W[qp])", 1, false,
       Commands{"boardsize 19", "clear_board", "komi 0", "play B Q16", "play B D4", "play W R4"}},
      {"one handicap stone is played", "(;GM[1]SZ[9]AB[ee];W[cc])", 1, true,
       Commands{"boardsize 9", "clear_board", "komi 0", "play B E5", "play W C7"}},
      {"set-up stones of both colours", "(;GM[1]SZ[9]KM[5]AB[aa]AW[ii];B[ee])", 1, true,
       Commands{"boardsize 9", "clear_board", "komi 5", "play B A9", "play W J1", "play B E5"}},
      {"a capture on the line", "(;GM[1]SZ[9];B[ba];W[aa];B[ab])", 3, false,
       Commands{"boardsize 9", "clear_board", "komi 0", "play B B9", "play W A9", "play B A8"}},
      {"Othello is no game for an engine", "(;GM[2]SZ[8])", 0, false, std::nullopt},
      {"nor Pente on a Go board", "(;GM[1]SZ[19]RU[Pente])", 0, false, std::nullopt},
      {"nor Go beyond 25 rows", "(;GM[1]SZ[31])", 0, false, std::nullopt},
  };
  for (const Case& c : cases) {
    testing_support::LoadedText loaded(c.sgf);
    ASSERT_GE(loaded.games(), 1u) << c.name;
    const SGridFrame& g = loaded.game();
    EXPECT_EQ(boardSyncCommands(g, after(g, c.moves), BoardSyncOptions{c.freeHandicap}), c.commands) << c.name;
    EXPECT_EQ(engineGameFault(g).has_value(), !c.commands.has_value()) << c.name;
  }
}

TEST(BoardSync, KomiIsWrittenAsANumberOrZero) {
  const std::pair<const char*, const char*> cases[] = {
      {"6.5", "6.5"}, {" 7 ", "7"}, {"0.5", "0.5"}, {"6,5", "6.5"}, {"-3", "-3"},
      {"", "0"},      {"six", "0"}, {"6.5pts", "0"}, {"1e9", "0"},
  };
  for (const auto& [text, komi] : cases) EXPECT_EQ(gtpKomi(text), komi) << '"' << text << '"';
}

}  // namespace
}  // namespace meridax
