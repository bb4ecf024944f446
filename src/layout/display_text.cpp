#include "layout/display_text.h"

namespace meridax {

namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2, minimum = 0x80;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3, minimum = 0x800;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4, minimum = 0x10000;
  else return 0;
  if (at + length > text.size()) return 0;
  unsigned value = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if (!isContinuation(byte(at + i))) return 0;
    value = (value << 6) | (byte(at + i) & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
  if (value < minimum || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) return 0;
  return length;
}

std::string displayText(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = utf8SequenceLength(bytes, i);
    if (length > 0) {
      text.append(bytes.substr(i, length));
      i += length;
      continue;
    }
    const auto c = static_cast<unsigned char>(bytes[i++]);
    text += static_cast<char>(0xC0 | (c >> 6));
    text += static_cast<char>(0x80 | (c & 0x3F));
  }
  return text;
}

std::string_view cutUtf8(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t end = maxBytes;
  while (end > 0 && isContinuation(static_cast<unsigned char>(text[end]))) --end;
  return text.substr(0, end);
}

}  // namespace meridax
