#pragma once
// Passing over the body of a game read only as far as its root: only the brackets outside values decide
// where the game ends, so the search looks at nothing but "[", "]", "(", ")", "\" and the ";" it counts,
// sixteen bytes at a time where the processor allows.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace meridax {

enum class BodyEnd : std::uint8_t {
  GameClose,      // the ")" that closes the game
  UnclosedValue,  // the "[" of a value that the text ends inside of
  EndOfText,      // the text ended with the game and its values closed (the position is the text's size)
};

struct BodyStop {
  std::size_t at = 0;
  BodyEnd end = BodyEnd::EndOfText;
  // Counted outside values on the way: the nodes (";") and the variations that open beside an earlier
  // one, "(" after ")", each of which begins a line of its own.
  int nodes = 0;
  int sideLines = 0;
};

// From `from`, outside any value, with `depth` variations open within the game: where its body stops.
BodyStop skipGameBody(std::string_view text, std::size_t from, std::size_t depth);

}  // namespace meridax
