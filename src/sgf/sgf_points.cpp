#include "sgf/sgf_points.h"

#include <algorithm>
#include <cctype>

#include "model/grid_frame.h"

namespace meridax {

namespace {

constexpr int kLettersPerCase = 26;
constexpr int kLargestNumber = 9999;  // longer numbers saturate: such a point is off every board
constexpr int kOneDigitLimit = 10;

// How a kind writes one point.
enum class PointForm : std::uint8_t {
  TwoLetters,         // x letter, y letter
  ColumnFirst,        // x letter, y letter or number - 1 (Othello, Hex)
  RowFirst,           // y letter, x letter or number - 1 (hexagon boards)
  Connect6,           // x letter, y letter or width - number
  NotWritten,         // Onyx and Sursum moves
};

// Reading: Othello and Hex take a letter and a letter or number, the hexagon boards the same with the
// row first, and the rest (mask 0x9a2) two letters.
PointForm setupForm(GameKind kind) {
  if (kindIn(kind, kind_mask::kLetterNumberPoints)) return PointForm::ColumnFirst;
  if (isHexagonBoard(kind)) return PointForm::RowFirst;
  return PointForm::TwoLetters;
}

PointForm moveForm(const PointGeometry& g) {
  if (g.variant == GoVariant::Connect6) return PointForm::Connect6;
  return setupForm(g.kind);
}

// Output: only Hex and the hexagon boards write numbers; Othello writes two letters.
PointForm outputForm(GameKind kind) {
  if (kind == GameKind::Othello) return PointForm::TwoLetters;
  return setupForm(kind);
}

PointForm moveOutputForm(const PointGeometry& g) {
  if (g.kind == GameKind::Onyx || g.kind == GameKind::Sursum) return PointForm::NotWritten;
  return outputForm(g.kind);
}

// Reads a value from left to right.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool atEnd() const { return at_ >= text_.size(); }
  char peek() const { return atEnd() ? '\0' : text_[at_]; }
  std::string_view rest() const { return text_.substr(std::min(at_, text_.size())); }
  void skip() { ++at_; }

  // With anyCase, "A" to "Z" read as "a" to "z".
  std::optional<int> letter(bool anyCase = false) {
    if (atEnd()) return std::nullopt;
    const char c = anyCase ? static_cast<char>(std::tolower(static_cast<unsigned char>(text_[at_]))) : text_[at_];
    auto v = letterValue(c);
    if (v) ++at_;
    return v;
  }

  std::optional<int> number() {
    if (atEnd() || !std::isdigit(static_cast<unsigned char>(text_[at_]))) return std::nullopt;
    int v = 0;
    while (!atEnd() && std::isdigit(static_cast<unsigned char>(text_[at_]))) {
      v = std::min(kLargestNumber, v * 10 + (text_[at_] - '0'));
      ++at_;
    }
    return v;
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

// The second coordinate of the letter-and-number forms: a letter, or a number turned by `fromNumber`.
template <typename FromNumber>
std::optional<int> letterOrNumber(Scanner& s, FromNumber fromNumber, bool anyCase = false) {
  if (auto v = s.letter(anyCase)) return v;
  if (auto n = s.number()) return fromNumber(*n);
  return std::nullopt;
}

// One point in the given form; `asMove` applies the conventions that only move values have.
// Hexagon boards read their letters in any case (their rows and columns never reach 26).
std::optional<BoardPoint> scanPoint(Scanner& s, const PointGeometry& g, PointForm form, bool asMove) {
  const auto first = s.letter(form == PointForm::RowFirst);
  if (!first) return std::nullopt;
  std::optional<int> second;
  switch (form) {
    case PointForm::TwoLetters:
    case PointForm::NotWritten:
      second = s.letter();
      break;
    case PointForm::ColumnFirst:
      second = letterOrNumber(s, [](int n) { return n - 1; });
      break;
    case PointForm::Connect6:
      second = letterOrNumber(s, [&](int n) { return g.width - n; });
      break;
    case PointForm::RowFirst: {
      const int y = *first;
      const bool lgLowerHalf = asMove && g.littleGolem && y >= g.height;
      second = letterOrNumber(s, [&](int n) { return lgLowerHalf ? n + y - g.height : n - 1; }, true);
      if (!second) return std::nullopt;
      return BoardPoint{*second, y};
    }
  }
  if (!second) return std::nullopt;
  return BoardPoint{*first, *second};
}

bool startsWithNoCase(std::string_view value, std::string_view word) {
  if (value.size() < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(value[i])) != word[i]) return false;
  return true;
}

std::string numberedPoint(char letter, int number, bool blankAfterOneDigit) {
  std::string out = "[";
  out += letter;
  out += std::to_string(number);
  out += ']';
  if (blankAfterOneDigit && number >= 0 && number < kOneDigitLimit) out += ' ';
  return out;
}

// Hexagon boards write the row letter first; Little Golem numbers the lower half from its first cell.
std::string rowFirstPoint(const PointGeometry& g, int x, int y, bool asMove) {
  const bool lgLowerHalf = asMove && g.littleGolem && y >= g.height;
  const int number = lgLowerHalf ? x - y + g.height : x + 1;
  return numberedPoint(pointLetter(y).value_or('?'), number, asMove);
}

}  // namespace

PointGeometry pointGeometry(GameKind kind, int width, int height, const std::string& rulesText) {
  PointGeometry g;
  g.kind = kind;
  g.variant = goVariant(kind, rulesText);
  g.width = width;
  g.height = isHexagonBoard(kind) ? (width + 1) / 2 : height;
  g.littleGolem = kind == GameKind::Havannah && rulesText == kLittleGolemRules;
  return g;
}

PointGeometry pointGeometry(const SGridFrame& game) {
  return pointGeometry(game.kind(), game.width(), game.height(), game.details[DetailField::Rules]);
}

std::optional<int> letterValue(char c) {
  if (c >= 'a' && c <= 'z') return c - 'a';
  if (c >= 'A' && c <= 'Z') return kLettersPerCase + (c - 'A');
  return std::nullopt;
}

std::optional<char> pointLetter(int v) {
  if (v >= 0 && v < kLettersPerCase) return static_cast<char>('a' + v);
  if (v >= kLettersPerCase && v < 2 * kLettersPerCase) return static_cast<char>('A' + (v - kLettersPerCase));
  return std::nullopt;
}

std::string withoutBlanks(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (char c : value)
    if (c != ' ' && c != '\t') out += c;
  return out;
}

bool isOldStylePass(const PointGeometry& g, std::string_view value) {
  constexpr int kWidestBoardWithoutT = 19;
  return g.kind == GameKind::Go && g.width <= kWidestBoardWithoutT && startsWithNoCase(value, "tt");
}

MoveValueKind classifyMoveValue(const PointGeometry& g, std::string_view value) {
  if (startsWithNoCase(value, "resign")) return MoveValueKind::Resign;
  if (startsWithNoCase(value, "forfeit")) return MoveValueKind::Forfeit;
  if (value.empty() || startsWithNoCase(value, "pass"))
    return (g.kind == GameKind::Go || g.kind == GameKind::Unlur) ? MoveValueKind::Pass : MoveValueKind::Ignored;
  if (g.kind == GameKind::Unlur && startsWithNoCase(value, "black")) return MoveValueKind::UnlurBlackPass;
  if (isOldStylePass(g, value)) return MoveValueKind::Pass;
  if (startsWithNoCase(value, "swap-sides")) return MoveValueKind::SwapSides;
  if (!value.starts_with("swap")) return MoveValueKind::Point;
  return MoveValueKind::SwapPieces;
}

std::optional<MoveValue> readMoveValue(const PointGeometry& g, std::string_view value) {
  Scanner s(value);
  const PointForm form = moveForm(g);
  const auto first = scanPoint(s, g, form, true);
  if (!first) return std::nullopt;
  MoveValue move;
  move.point = *first;
  if (form == PointForm::Connect6 && !s.atEnd()) {
    move.second = scanPoint(s, g, form, true);
    if (!move.second) return std::nullopt;
  }
  if (g.kind == GameKind::Kropki && !s.atEnd()) {
    auto outlines = splitFieldOutlines(s.rest());
    if (!outlines) return std::nullopt;
    move.outlines = std::move(*outlines);
    return move;
  }
  if (!s.atEnd()) return std::nullopt;
  return move;
}

std::optional<PointRange> readPointRange(const PointGeometry& g, std::string_view value) {
  Scanner s(value);
  const PointForm form = setupForm(g.kind);
  const auto a = scanPoint(s, g, form, false);
  if (!a) return std::nullopt;
  BoardPoint b = *a;
  if (s.peek() == ':') {
    s.skip();
    const auto corner = scanPoint(s, g, form, false);
    if (!corner) return std::nullopt;
    b = *corner;
  }
  if (!s.atEnd()) return std::nullopt;
  return PointRange{{std::min(a->x, b.x), std::min(a->y, b.y)}, {std::max(a->x, b.x), std::max(a->y, b.y)}};
}

std::optional<LabelValue> readLabelValue(const PointGeometry& g, std::string_view value) {
  Scanner s(value);
  const auto point = scanPoint(s, g, setupForm(g.kind), false);
  if (!point) return std::nullopt;
  if (s.atEnd()) return LabelValue{*point, {}};
  if (s.peek() != ':') return std::nullopt;
  s.skip();
  return LabelValue{*point, std::string(s.rest())};
}

std::optional<std::vector<std::string>> splitFieldOutlines(std::string_view text) {
  if (text.empty() || text.front() != '.') return std::nullopt;
  std::vector<std::string> outlines;
  std::size_t at = 1;
  while (at <= text.size()) {
    const std::size_t end = std::min(text.find('.', at), text.size());
    const std::string_view outline = text.substr(at, end - at);
    if (!outline.empty()) {
      if (!readOutlinePoints(outline)) return std::nullopt;
      outlines.emplace_back(outline);
    }
    at = end + 1;
  }
  return outlines;
}

std::optional<std::vector<BoardPoint>> readOutlinePoints(std::string_view outline) {
  if (outline.empty() || outline.size() % 2 != 0) return std::nullopt;
  std::vector<BoardPoint> points;
  Scanner s(outline);
  while (!s.atEnd()) {
    const auto x = s.letter();
    const auto y = s.letter();
    if (!x || !y) return std::nullopt;
    points.push_back({*x, *y});
  }
  return points;
}

std::string twoLetters(int x, int y) {
  const auto a = pointLetter(x);
  const auto b = pointLetter(y);
  if (!a || !b) return {};
  return std::string{*a, *b};
}

std::string movePointText(const PointGeometry& g, int x, int y) {
  switch (moveOutputForm(g)) {
    case PointForm::NotWritten:
      return {};
    case PointForm::ColumnFirst:
      return numberedPoint(pointLetter(x).value_or('?'), y + 1, true);
    case PointForm::RowFirst:
      return rowFirstPoint(g, x, y, true);
    case PointForm::TwoLetters:
    case PointForm::Connect6:
      break;
  }
  return "[" + twoLetters(x, y) + "]";
}

std::string setupPointValue(const PointGeometry& g, int x, int y) {
  const std::string text = setupPointText(g, x, y);
  return text.substr(1, text.size() - 2);
}

std::string setupPointText(const PointGeometry& g, int x, int y) {
  switch (outputForm(g.kind)) {
    case PointForm::ColumnFirst:
      return numberedPoint(pointLetter(x).value_or('?'), y + 1, false);
    case PointForm::RowFirst:
      return rowFirstPoint(g, x, y, false);
    default:
      return "[" + twoLetters(x, y) + "]";
  }
}

std::string markupPointText(int x, int y) {
  return std::string{static_cast<char>(x + kMarkupPointOffset), static_cast<char>(y + kMarkupPointOffset)};
}

std::optional<BoardPoint> readMarkupPoint(std::string_view text) {
  if (text.size() < 2) return std::nullopt;
  const int x = static_cast<unsigned char>(text[0]) - kMarkupPointOffset;
  const int y = static_cast<unsigned char>(text[1]) - kMarkupPointOffset;
  if (x < 0 || y < 0) return std::nullopt;
  return BoardPoint{x, y};
}

}  // namespace meridax
