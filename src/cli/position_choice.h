#pragma once
// The "--game N" and "--move M" arguments of the commands that show one position.

#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_files.h"

namespace meridax::cli {

// A whole number of decimal digits, not negative; nullopt for anything else.
std::optional<int> wholeNumber(const std::string& text);

// The node of the game's current line with that move number, or nullptr.
const GameNode* nodeOnCurrentLine(const SGridFrame& game, int move);

// The chosen game (from 1; the file's current game when absent) with its tree built, and the chosen node
// (a move number of its current line; the game's current node when absent). nullopt after telling `err`.
struct ChosenPosition {
  SGridFrame* game = nullptr;
  const GameNode* node = nullptr;
  int gameNumber = 1;
};
std::optional<ChosenPosition> choosePosition(LoadedFile& file, std::optional<int> game, std::optional<int> move,
                                             std::ostream& err);

}  // namespace meridax::cli
