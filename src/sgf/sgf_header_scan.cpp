#include "sgf/sgf_header_scan.h"

#include <algorithm>
#include <cstring>

#include "model/text_format.h"
#include "sgf/property_id.h"

namespace meridax {

namespace {

constexpr std::size_t kIdentifierLetters = 4;
constexpr long kNumberCeiling = 1000000;  // larger SZ numbers saturate; they fail the size check anyway

bool isPassedOver(char c) { return c == ';' || c == '\\' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a decimal integer the way the C library's atoi does (leading blanks, a sign, digits), saturating.
int leadingNumber(std::string_view s, std::size_t& at) {
  while (at < s.size() && (s[at] == ' ' || s[at] == '\t')) ++at;
  bool negative = false;
  if (at < s.size() && (s[at] == '-' || s[at] == '+')) negative = s[at++] == '-';
  long v = 0;
  while (at < s.size() && isDigit(s[at])) v = std::min(kNumberCeiling, v * 10 + (s[at++] - '0'));
  return static_cast<int>(negative ? -v : v);
}

std::optional<int> sizeLetter(char c) {
  if (c >= 'a' && c <= 'z') return c - 'a';
  if (c >= 'A' && c <= 'Z') return 26 + (c - 'A');
  return std::nullopt;
}

// The two numbers of an SZ value: "w:h", a single number (second = first), or for Kropki letters.
struct SizePair {
  int first = 0;
  int second = 0;
  bool colon = false;
};

SizePair readSizePair(const std::string& sz, bool lettersAllowed) {
  SizePair p;
  if (lettersAllowed && !sz.empty() && sizeLetter(sz[0])) {
    p.first = *sizeLetter(sz[0]);
    const auto second = sz.size() > 1 ? sizeLetter(sz[1]) : std::nullopt;
    p.second = second.value_or(p.first);
    return p;
  }
  std::size_t at = 0;
  p.first = leadingNumber(sz, at);
  p.second = p.first;
  if (at < sz.size() && sz[at] == ':') {
    ++at;
    p.colon = true;
    p.second = leadingNumber(sz, at);
  }
  return p;
}

ShapeReading kropkiShape(const std::string& sz) {
  const SizePair p = readSizePair(sz, true);
  if (p.first < 0 || p.second < 0)
    return {std::nullopt, formatText("SZ = [%d:%d]\n\nNegative values are not allowed.", p.first, p.second)};
  const int width = std::max(p.first, p.second);
  const int height = std::min(p.first, p.second);
  if (width > kMaxKropkiWidth)
    return {std::nullopt, formatText("Kropki board width = %d.  Maximum allowed = %d.", width, kMaxKropkiWidth)};
  if (width < kMinBoardWidth)
    return {std::nullopt, formatText("Board width = %d.  Minimum allowed = %d.", width, kMinBoardWidth)};
  return {GameShape{GameKind::Kropki, width, height}, {}};
}

int squareKindWidth(GameKind kind, const SizePair& p) {
  if (kind == GameKind::Havannah) return p.colon ? (p.first | 1) : 2 * p.first - 1;
  if (kind == GameKind::Unlur) return p.first | 1;
  return p.first;
}

}  // namespace

std::size_t valueEnd(std::string_view text, std::size_t from) {
  const char* base = text.data();
  const std::size_t size = text.size();
  // Most values are a few characters long (moves, points): they end before a library search pays.
  constexpr std::size_t kShortValue = 16;
  const std::size_t shortEnd = std::min(size, from + kShortValue);
  std::size_t at = from;
  for (; at < shortEnd; ++at) {
    if (base[at] == ']') return at;
    if (base[at] == '\\') ++at;  // the escaped character may lie just past the short scan
  }
  if (at >= size) return size;
  from = at;  // no escape is open here: the backslash pairing below may start at it
  for (; at < size; ++at) {
    const void* hit = std::memchr(base + at, ']', size - at);
    if (hit == nullptr) return size;
    at = static_cast<std::size_t>(static_cast<const char*>(hit) - base);
    // Backslashes pair up from the value's start: an odd run just before the "]" escapes it.
    std::size_t run = 0;
    while (at - run > from && base[at - run - 1] == '\\') ++run;
    if (run % 2 == 0) return at;
  }
  return size;
}

RootScan scanRoot(std::string_view text, std::size_t cursor) {
  RootScan scan;
  const std::size_t open = text.find('(', std::min(cursor, text.size()));
  if (open == std::string_view::npos) return scan;
  const std::size_t semicolon = text.find(';', open);
  if (semicolon == std::string_view::npos) return scan;
  scan.found = true;
  scan.gameStart = open;
  scan.rootStart = semicolon + 1;

  std::uint32_t id = 0;  // the identifier's letters packed, as propertyCode packs them
  std::size_t idLetters = 0;
  bool freshIdentifier = true;
  bool inRootNode = true;
  bool sizeScanDone = false;  // a B or W property ends the search for GM and SZ
  bool haveGm = false;
  bool haveSz = false;
  for (std::size_t i = scan.rootStart; i < text.size() && !(sizeScanDone && !inRootNode); ++i) {
    const char c = text[i];
    if (c == '(' || c == ')') break;
    if (isPassedOver(c)) {
      if (c == ';') inRootNode = false;
      continue;
    }
    if (c == '[') {
      const std::size_t end = valueEnd(text, i + 1);
      const std::string_view value = text.substr(i + 1, end - i - 1);
      if (id == propertyCode("B") || id == propertyCode("W")) sizeScanDone = true;
      if (!sizeScanDone && id == propertyCode("GM") && !haveGm) {
        haveGm = true;
        scan.gm = value;
      }
      if (!sizeScanDone && id == propertyCode("SZ") && !haveSz) {
        haveSz = true;
        scan.sz = value;
      }
      if (inRootNode && id == propertyCode("XS")) scan.selected = true;
      freshIdentifier = true;
      i = end;
      continue;
    }
    if (freshIdentifier) {
      id = 0;
      idLetters = 0;
    }
    freshIdentifier = false;
    if (isUpper(c) && idLetters < kIdentifierLetters) {
      id = id << 8 | static_cast<unsigned char>(c);
      ++idLetters;
    }
  }
  return scan;
}

std::string kindToken(const std::string& gm) {
  std::string token = gm.substr(0, gm.find(' '));
  return token.empty() ? "1" : token;
}

std::optional<GameKind> kindOfGm(const std::string& token) {
  if (token == "1") return GameKind::Go;
  if (token == "2") return GameKind::Othello;
  if (token == "Hex" || token == "11") return GameKind::Hex;
  if (token == "Unlur" || token == "4000") return GameKind::Unlur;
  if (token == "Havannah" || token == "4100") return GameKind::Havannah;
  if (token == "40") return GameKind::Kropki;
  return std::nullopt;
}

std::string defaultSize(const std::string& token) {
  if (token == "2" || token == "Othello") return "8";
  if (token == "11" || token == "Hex") return "17";
  if (token == "4000" || token == "Unlur") return "15";
  if (token == "40") return "21";
  return "19";
}

ShapeReading readGameShape(const std::string& gm, const std::string& sz) {
  const std::string token = kindToken(gm);
  const std::string size = sz.empty() ? defaultSize(token) : sz;
  const auto kind = kindOfGm(token);
  if (!kind) return {std::nullopt, "Unrecognised GM parameter was detected ( GM = '" + token + "' )."};
  if (*kind == GameKind::Kropki) return kropkiShape(size);
  const int width = squareKindWidth(*kind, readSizePair(size, false));
  if (width > kMaxBoardWidth)
    return {std::nullopt, formatText("Board width = %d.  Maximum allowed = %d.", width, kMaxBoardWidth)};
  if (width < kMinBoardWidth)
    return {std::nullopt, formatText("Board width = %d.  Minimum allowed = %d.", width, kMinBoardWidth)};
  const int height = isHexagonBoard(*kind) ? (width + 1) / 2 : width;
  return {GameShape{*kind, width, height}, {}};
}

std::size_t skipGame(std::string_view text, std::size_t gameStart) {
  int depth = 0;
  for (std::size_t i = gameStart; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '[') {
      i = valueEnd(text, i + 1);
      continue;
    }
    if (c == '(') ++depth;
    if (c == ')' && --depth <= 0) return i + 1;
  }
  return text.size();
}

}  // namespace meridax
