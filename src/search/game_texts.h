#pragma once
// The games of a file text found by their brackets, so that workers can read them side by side, and the
// main line of a game's text alone, which a search of main lines reads instead of the whole tree.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meridax {

struct GameSpan {
  std::size_t start = 0;  // the game's "("
  std::size_t end = 0;    // just after its ")"
};

// Each "(" outside values at depth 0 to its matching ")"; nullopt when a bracket is left open, a ")"
// comes before its "(", or a value is left open, where only the reader can tell where games end.
std::optional<std::vector<GameSpan>> splitGames(std::string_view text);

// The game's first line of play: the text up to the first ")" outside values, without the "(" of the
// variations it enters, then ")". Each variation follows its nodes only with variations, so the first
// ")" ends the main line.
std::string mainLineText(std::string_view game);

}  // namespace meridax
