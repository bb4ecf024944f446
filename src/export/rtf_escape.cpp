#include "export/rtf_escape.h"

#include <cstdint>

namespace meridax {
namespace {

// The length of the valid UTF-8 sequence at `i` and its character, or 0 when it is not valid.
int utf8Sequence(std::string_view text, std::size_t i, char32_t& out) {
  const auto lead = static_cast<std::uint8_t>(text[i]);
  int length = 0;
  char32_t cp = 0;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2, cp = lead & 0x1F;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3, cp = lead & 0x0F;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4, cp = lead & 0x07;
  else return 0;
  if (i + static_cast<std::size_t>(length) > text.size()) return 0;
  for (int k = 1; k < length; ++k) {
    const auto b = static_cast<std::uint8_t>(text[i + static_cast<std::size_t>(k)]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < smallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  out = cp;
  return length;
}

void appendUnit(std::string& out, unsigned unit) {
  const int signedUnit = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
  out += "\\u" + std::to_string(signedUnit) + "?";
}

void appendNonAscii(std::string& out, char32_t cp) {
  if (cp <= 0xFFFF) return appendUnit(out, static_cast<unsigned>(cp));
  const char32_t v = cp - 0x10000;
  appendUnit(out, 0xD800 + static_cast<unsigned>(v >> 10));
  appendUnit(out, 0xDC00 + static_cast<unsigned>(v & 0x3FF));
}

}  // namespace

std::u32string decodeUtf8Leniently(std::string_view text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    const int length = utf8Sequence(text, i, cp);
    if (length > 0) {
      out += cp;
      i += static_cast<std::size_t>(length);
    } else {
      out += static_cast<char32_t>(static_cast<std::uint8_t>(text[i]));
      ++i;
    }
  }
  return out;
}

std::string rtfEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char32_t cp : decodeUtf8Leniently(text)) {
    if (cp == U'\\' || cp == U'{' || cp == U'}') {
      out += '\\';
      out += static_cast<char>(cp);
    } else if (cp == U'\t') {
      out += "\\tab ";
    } else if (cp < 0x20 || cp == 0x7F) {
      continue;  // line ends are the caller's; other control characters have no place in a document
    } else if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else {
      appendNonAscii(out, cp);
    }
  }
  return out;
}

std::string rtfFieldPath(std::string_view path) {
  std::string out;
  for (const char32_t cp : decodeUtf8Leniently(path)) {
    if (cp == U'\\') {
      out += "\\\\\\\\";
    } else if (cp == U'"') {
      out += "\\\\\"";
    } else if (cp == U'{' || cp == U'}') {
      out += '\\';
      out += static_cast<char>(cp);
    } else if (cp < 0x20 || cp == 0x7F) {
      continue;
    } else if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else {
      appendNonAscii(out, cp);
    }
  }
  return out;
}

}  // namespace meridax
