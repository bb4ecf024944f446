#pragma once
// Texts of the game record as the panes show them. Names and comments are stored as the file gave their
// bytes: UTF-8 in most files, Latin-1 in older ones. Shown texts are always valid UTF-8, and a text cut
// to a byte budget never ends inside a character.

#include <cstddef>
#include <string>
#include <string_view>

namespace meridax {

// The bytes as UTF-8: every valid UTF-8 sequence is kept, every other byte is taken as Latin-1.
std::string displayText(std::string_view bytes);

// The longest prefix of a UTF-8 text that has at most `maxBytes` bytes and ends on a character boundary.
std::string_view cutUtf8(std::string_view text, std::size_t maxBytes);

}  // namespace meridax
