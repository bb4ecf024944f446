#pragma once
// The character set of a game's texts, as its "CA" names it. The game keeps the bytes it read; they are
// turned into UTF-8 to be shown, and text the user types is turned back into the game's set. Without a
// CA (or with one naming no set known here) valid UTF-8 sequences are UTF-8 and every other byte Latin-1.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace meridax {

class SGridFrame;

inline constexpr char kUtf8CharacterSet[] = "UTF-8";

// The C library's name for the set a CA value names ("ISO8859_1" gives "ISO-8859-1", "MS_KANJI" and
// "Shift_JIS" give "CP932", "GB2312" gives "GBK"); nullopt for no CA, for UTF-8 and UTF-16 (whose files
// are read as UTF-8) and for names the C library does not know.
std::optional<std::string> converterName(std::string_view characterSet);

// The length of the valid UTF-8 sequence starting at text[at], or 0 when none starts there.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);

// True when every byte is part of a valid UTF-8 sequence.
bool isValidUtf8(std::string_view bytes);

// The bytes of a text in `characterSet` as UTF-8. A byte sequence that is not valid in that set becomes
// U+FFFD; the rest of the text is still converted.
std::string textToUtf8(std::string_view bytes, std::string_view characterSet);

// UTF-8 text in `characterSet`; nullopt when a character has no form there (or the text is not UTF-8).
std::optional<std::string> textFromUtf8(std::string_view utf8, std::string_view characterSet);

// The value the writer gives CA: UTF-16 files are read as UTF-8, so their games are written in UTF-8.
std::string characterSetForWriting(std::string_view characterSet);

// A text of the game (comment, name, game information) as UTF-8.
std::string gameTextToUtf8(const SGridFrame& game, std::string_view bytes);

// Converts every text of a game whose tree is built (game information, comments, names, labels, bookmark
// names, kept properties) from its character set to UTF-8 and names UTF-8 as its set.
void convertGameToUtf8(SGridFrame& game);

}  // namespace meridax
