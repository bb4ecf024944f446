#pragma once
// What the SGF reader fuzz target asks of one input, apart from libFuzzer, so that an input that once
// found a fault can be read again by an ordinary test.
//
// The first byte chooses the reader settings; the rest is the text. The text is read as a held file
// (first game whole, the others built afterwards) or as pasted text, and may be injected below the
// current node of the first game. Afterwards every tree and the node store must be sound, and every
// built game must survive the writer: what it writes reads back as one game without complaint, and
// writing that game again gives the same bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace meridax::fuzzing {

// nullopt when the input passes; otherwise what went wrong, with the texts that differ.
std::optional<std::string> checkSgfInput(std::span<const std::uint8_t> input);

}  // namespace meridax::fuzzing
