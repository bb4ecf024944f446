#pragma once
// Text as the reader sees it: the cleaned bytes of a whole file, and the decoded form of SGF text values.

#include <string>
#include <string_view>

namespace meridax {

// The text of a whole file as the reader takes it. A text that is UTF-16 (by its byte-order mark, or by
// the zero bytes of its ASCII characters) is converted to UTF-8, so that characters beyond Latin-1 keep
// their meaning; then every remaining byte 0x00 is removed. Bytes 0xFE and 0xFF stay: they are letters
// in Latin-1, KOI8-R and the Windows sets, and halves of characters in GBK, Big5 and EUC texts.
std::string prepareFileText(std::string_view bytes);
// The same, cleaning the bytes where they lie (no copy unless the text is UTF-16).
std::string prepareOwnedFileText(std::string&& bytes);

// True when the bytes look like UTF-16: a byte-order mark FF FE or FE FF, or no mark and a zero byte in
// every other position of the first characters.
bool looksLikeUtf16(std::string_view bytes);

// Decodes a text value: a backslash before CR or LF removes itself and every CR and LF that follows (a
// soft line break); a backslash before any other character gives that character; a CR is dropped; an LF
// becomes CR LF.
std::string decodeSgfText(std::string_view raw);

// A bookmark name: a backslash is dropped and the character after it kept.
std::string decodeBookmarkName(std::string_view raw);

}  // namespace meridax
