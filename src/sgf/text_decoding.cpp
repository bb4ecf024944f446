#include "sgf/text_decoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace meridax {

namespace {

constexpr std::size_t kUtf16SampleBytes = 256;
constexpr char32_t kReplacementCharacter = 0xFFFD;

enum class ByteOrder { Little, Big };

unsigned char byteAt(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

bool hasMark(std::string_view bytes, unsigned char first, unsigned char second) {
  return bytes.size() >= 2 && byteAt(bytes, 0) == first && byteAt(bytes, 1) == second;
}

// Without a mark: ASCII characters in UTF-16 put a zero byte in every other position.
bool zeroesEveryOtherByte(std::string_view bytes, std::size_t zeroParity) {
  const std::size_t n = std::min(bytes.size(), kUtf16SampleBytes) & ~std::size_t{1};
  if (n < 4) return false;
  bool anyText = false;
  for (std::size_t i = 0; i < n; ++i) {
    if (i % 2 == zeroParity) {
      if (byteAt(bytes, i) != 0) return false;
    } else if (byteAt(bytes, i) != 0) {
      anyText = true;
    }
  }
  return anyText;
}

ByteOrder utf16Order(std::string_view bytes) {
  if (hasMark(bytes, 0xFE, 0xFF)) return ByteOrder::Big;
  if (hasMark(bytes, 0xFF, 0xFE)) return ByteOrder::Little;
  return zeroesEveryOtherByte(bytes, 0) ? ByteOrder::Big : ByteOrder::Little;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string utf16ToUtf8(std::string_view bytes) {
  const ByteOrder order = utf16Order(bytes);
  auto unit = [&](std::size_t i) -> char32_t {
    const unsigned a = byteAt(bytes, i);
    const unsigned b = byteAt(bytes, i + 1);
    return order == ByteOrder::Little ? (b << 8 | a) : (a << 8 | b);
  };
  std::string out;
  out.reserve(bytes.size());
  const std::size_t end = bytes.size() & ~std::size_t{1};  // an odd last byte is no character
  const bool marked = hasMark(bytes, 0xFF, 0xFE) || hasMark(bytes, 0xFE, 0xFF);
  for (std::size_t i = marked ? 2 : 0; i < end; i += 2) {
    char32_t c = unit(i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 2 < end) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      } else {
        c = kReplacementCharacter;
      }
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacementCharacter;
    }
    appendUtf8(out, c);
  }
  return out;
}

bool isStrippedByte(char c) { return c == '\0'; }

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// The offset of the first byte to strip at or after `from`, or the size.
std::size_t firstStrippedByte(const std::string& text, std::size_t from) {
  const void* found = std::memchr(text.data() + from, 0, text.size() - from);
  return found == nullptr ? text.size() : static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
}

void removeStrippedBytes(std::string& text) {
  const std::size_t first = firstStrippedByte(text, 0);
  if (first == text.size()) return;
  text.erase(std::remove_if(text.begin() + static_cast<std::ptrdiff_t>(first), text.end(), isStrippedByte), text.end());
}

}  // namespace

bool looksLikeUtf16(std::string_view bytes) {
  return hasMark(bytes, 0xFF, 0xFE) || hasMark(bytes, 0xFE, 0xFF) || zeroesEveryOtherByte(bytes, 0) ||
         zeroesEveryOtherByte(bytes, 1);
}

std::string prepareFileText(std::string_view bytes) { return prepareOwnedFileText(std::string(bytes)); }

std::string prepareOwnedFileText(std::string&& bytes) {
  std::string text = looksLikeUtf16(bytes) ? utf16ToUtf8(bytes) : std::move(bytes);
  removeStrippedBytes(text);
  return text;
}

std::string decodeSgfText(std::string_view raw) {
  std::string out;
  out.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c == '\\' && i + 1 < raw.size()) {
      if (isLineEnd(raw[i + 1])) {
        while (i + 1 < raw.size() && isLineEnd(raw[i + 1])) ++i;
        continue;
      }
      out += raw[++i];
      continue;
    }
    if (c == '\\') continue;  // a backslash at the very end escapes nothing
    if (c == '\r') continue;
    if (c == '\n') {
      out += "\r\n";
      continue;
    }
    out += c;
  }
  return out;
}

std::string decodeBookmarkName(std::string_view raw) {
  std::string out;
  out.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\\') {
      if (i + 1 < raw.size()) out += raw[++i];
      continue;
    }
    out += raw[i];
  }
  return out;
}

}  // namespace meridax
