// New games: one like the current game, or one of a kind chosen from the game selection list.

#include <algorithm>
#include <cstdlib>

#include "app/file_workflow.h"
#include "model/text_format.h"
#include "rules/handicap.h"

namespace meridax {

namespace {

struct GameChoice {
  const char* entry;
  GameKind kind;
  int width;
};

// The game selection list, in the order shown.
constexpr GameChoice kGameChoices[] = {
    {"Go  19x19", GameKind::Go, 19},
    {"Go  19x19  ( Handicap )", GameKind::Go, 19},
    {"Go  13x13", GameKind::Go, 13},
    {"Go   9x9", GameKind::Go, 9},
    {"Pente 19", GameKind::PenteAtCreation, 19},
    {"Pente 15", GameKind::PenteAtCreation, 15},
    {"Connect 6", GameKind::Connect6AtCreation, 19},
    {"Othello / Reversi  10x10", GameKind::Othello, 10},
    {"Othello / Reversi", GameKind::Othello, 8},
    {"Hex", GameKind::Hex, 17},
    {"Unlur", GameKind::Unlur, 19},
    {"Havannah", GameKind::Havannah, 19},
    {"Kropki", GameKind::Kropki, 39},
};
constexpr int kHandicapChoice = 1;

}  // namespace

void FileWorkflow::CmNewGame() {
  const SGridFrame& current = game();
  const int handicap = std::atoi(current.details[DetailField::Handicap].c_str());
  frame_.insertNewGame(current.kind(), current.width(), current.height(), current.details[DetailField::Rules], handicap);
  modified_ = true;
  frame_.refreshAfterGameChange(false);
}

void FileWorkflow::CmNewGameOfType() {
  std::vector<std::string> entries;
  for (const GameChoice& c : kGameChoices) entries.emplace_back(c.entry);
  const std::optional<int> chosen = ports().dialogs->chooseFromList(" Game Selection", entries, 0);
  if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(entries.size())) return;
  const GameChoice& choice = kGameChoices[*chosen];
  int width = choice.width;
  int height = choice.width;
  int handicap = 0;
  switch (choice.kind) {
    case GameKind::Go:
      if (*chosen == kHandicapChoice) {
        const auto n = ports().dialogs->askNumber(" Go Handicap Stones",
                                                 "Select number of handicap stones.  Between 2 and 9.", 2, 9, 9);
        if (!n) return;
        handicap = *n;
      }
      break;
    case GameKind::Hex: {
      const auto n = ports().dialogs->askNumber(" Hex Board Size", formatText("Select board size.\r\nBetween 11 and %d.", 17),
                                               11, 17, 17);
      if (!n) return;
      width = height = *n;
      break;
    }
    case GameKind::Unlur: {
      const auto n = ports().dialogs->askNumber(" Unlur Board Size",
                                               formatText("Select board size.\r\nBetween 6 and %d.", 13), 6, 13, 10);
      if (!n) return;
      width = 2 * *n - 1;
      height = *n;
      break;
    }
    case GameKind::Havannah: width = 19; height = 10; break;
    case GameKind::Kropki: {
      const auto size = ports().dialogs->askNumberPair(
          " Kropki Board Size", formatText("Select board size.\r\nBetween 17 and %d.", 45), 17, 45, {39, 32});
      if (!size) return;
      const auto [x, y] = *size;
      width = std::max(x, y);
      height = std::min(x, y);
      break;
    }
    default: break;
  }
  frame_.insertNewGame(choice.kind, width, height, "", handicap);
  modified_ = true;
  frame_.refreshAfterGameChange(true);
}

}  // namespace meridax
