#include "edit/markup_edit.h"

#include <algorithm>

#include "model/node_texts.h"
#include "rules/auto_labels.h"
#include "sgf/sgf_escape.h"
#include "sgf/sgf_markup_writer.h"
#include "sgf/sgf_points.h"

namespace meridax {

namespace {

// Where one bracketed value lies in a stored text: from after its "[" up to its "]" (or the text's end).
struct ValueSpan {
  std::size_t begin = 0;
  std::size_t end = 0;
};

std::vector<ValueSpan> valueSpans(const std::string& text) {
  std::vector<ValueSpan> spans;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '[') {
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    while (j < text.size() && text[j] != ']') j += text[j] == '\\' ? 2 : 1;
    j = std::min(j, text.size());
    spans.push_back({i + 1, j});
    i = j + 1;
  }
  return spans;
}

bool namesPoint(std::string_view value, int x, int y) {
  const auto p = readMarkupPoint(value);
  return p && p->x == x && p->y == y;
}

bool isBlank(std::string_view value) { return value.find_first_not_of(' ') == std::string_view::npos; }

// The text without blank values and without identifiers left with no value.
std::string compacted(std::string_view stored) {
  std::string out;
  std::string lastIdentifier;
  for (const StoredMarkupValue& v : parseStoredMarkup(stored)) {
    if (isBlank(v.value)) continue;
    if (out.empty() || v.identifier != lastIdentifier) out += v.identifier;
    lastIdentifier = v.identifier;
    out += "[" + v.value + "]";
  }
  return out;
}

std::string pointValue(const BoardSquare& s) { return "[" + markupPointText(s.x, s.y) + "]"; }

// Markup at every point goes, then the property with one value per point is appended.
bool replaceWithProperty(SGridFrame& game, GameNode* node, const std::vector<BoardSquare>& squares,
                         std::string_view identifier) {
  if (squares.empty()) return false;
  std::string text(identifier);
  for (const BoardSquare& s : squares) {
    removeMarkupAt(game, node, s.x, s.y);
    text += pointValue(s);
  }
  addMarkup(game, node, text);
  return true;
}

}  // namespace

std::string_view markupIdentifier(MarkupProperty property) {
  switch (property) {
    case MarkupProperty::Mark: return "MA";
    case MarkupProperty::Triangle: return "TR";
    case MarkupProperty::Circle: return "CR";
    case MarkupProperty::Square: return "SQ";
    case MarkupProperty::BlackTerritory: return "TB";
    case MarkupProperty::WhiteTerritory: return "TW";
  }
  return "MA";
}

std::vector<BoardSquare> areaSquares(const SGridFrame& game, const BoardArea& area) {
  std::vector<BoardSquare> squares;
  const int last = game.width() - 1;
  const int x0 = std::max(std::min(area.x1, area.x2), 0), x1 = std::min(std::max(area.x1, area.x2), last);
  const int y0 = std::max(std::min(area.y1, area.y2), 0), y1 = std::min(std::max(area.y1, area.y2), last);
  for (int x = x0; x <= x1; ++x)
    for (int y = y0; y <= y1; ++y)
      if (isOnBoard(game.kind(), game.width(), game.height(), x, y)) squares.push_back({x, y});
  return squares;
}

bool removeMarkupAt(SGridFrame& game, GameNode* node, int x, int y) {
  auto it = game.markup.find(node);
  if (it == game.markup.end()) return false;
  std::string& text = it->second;
  bool removed = false;
  bool anyLeft = false;
  for (const ValueSpan& span : valueSpans(text)) {
    const std::string_view value(text.data() + span.begin, span.end - span.begin);
    if (namesPoint(value, x, y)) {
      std::fill(text.begin() + static_cast<std::ptrdiff_t>(span.begin),
                text.begin() + static_cast<std::ptrdiff_t>(span.end), ' ');
      removed = true;
    } else if (!isBlank(value)) {
      anyLeft = true;
    }
  }
  if (!removed) return false;
  if (!anyLeft) removeMarkup(game, node);
  else if (text.size() > kMarkupCompactionLength) text = compacted(text);
  game.invalidateStatistics();
  game.markTreeChanged();
  return true;
}

bool removeAllMarkupAt(SGridFrame& game, GameNode* node) {
  if (!node->hasMarkup() && game.markup.count(node) == 0) return false;
  removeMarkup(game, node);
  game.markTreeChanged();
  return true;
}

bool markArea(SGridFrame& game, GameNode* node, const BoardArea& area, MarkupProperty property) {
  return replaceWithProperty(game, node, areaSquares(game, area), markupIdentifier(property));
}

std::vector<BoardSquare> connectedGroup(const BoardPosition& position, int x, int y) {
  std::vector<BoardSquare> group;
  if (!position.inSquare(x, y) || !isPiece(position.at(x, y))) return group;
  const std::uint8_t colour = position.at(x, y);
  std::vector<bool> seen(static_cast<std::size_t>(position.cellCount()), false);
  std::vector<BoardSquare> pending{{x, y}};
  seen[static_cast<std::size_t>(position.index(x, y))] = true;
  while (!pending.empty()) {
    const BoardSquare s = pending.back();
    pending.pop_back();
    group.push_back(s);
    const BoardSquare neighbours[] = {{s.x - 1, s.y}, {s.x + 1, s.y}, {s.x, s.y - 1}, {s.x, s.y + 1}};
    for (const BoardSquare& n : neighbours) {
      if (!position.inSquare(n.x, n.y) || position.at(n.x, n.y) != colour) continue;
      const auto i = static_cast<std::size_t>(position.index(n.x, n.y));
      if (seen[i]) continue;
      seen[i] = true;
      pending.push_back(n);
    }
  }
  std::sort(group.begin(), group.end(),
            [](const BoardSquare& a, const BoardSquare& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
  return group;
}

bool markGroup(SGridFrame& game, GameNode* node, const std::vector<BoardSquare>& group) {
  return replaceWithProperty(game, node, group, markupIdentifier(MarkupProperty::Mark));
}

bool removeGroupMarkup(SGridFrame& game, GameNode* node, const std::vector<BoardSquare>& group) {
  bool removed = false;
  for (const BoardSquare& s : group) removed = removeMarkupAt(game, node, s.x, s.y) || removed;
  return removed;
}

bool hasPropertyAt(const SGridFrame& game, const GameNode* node, int x, int y, std::string_view identifier) {
  const std::string_view older = identifier == "MA" ? "M" : identifier == "LB" ? "L" : identifier;
  for (const StoredMarkupValue& v : parseStoredMarkup(markupOf(game, node)))
    if ((v.identifier == identifier || v.identifier == older) && namesPoint(v.value, x, y)) return true;
  return false;
}

bool hasMarkupAt(const SGridFrame& game, const GameNode* node, int x, int y) {
  for (const StoredMarkupValue& v : parseStoredMarkup(markupOf(game, node)))
    if (namesPoint(v.value, x, y)) return true;
  return false;
}

std::string escapedLabelText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\\' || c == ']' || c == ':') out += '\\';
    out += (c == '\t' || c == '\n') ? ' ' : c;
  }
  return out;
}

std::optional<std::string> labelTextAt(const SGridFrame& game, const GameNode* node, int x, int y) {
  const std::optional<std::string> stored = labelAt(game, node, x, y);
  if (!stored) return std::nullopt;
  return unescapeStored(*stored);
}

bool setLabelAt(SGridFrame& game, GameNode* node, int x, int y, std::string_view text) {
  if (text == labelTextAt(game, node, x, y).value_or(std::string())) return false;
  removeMarkupAt(game, node, x, y);
  const std::string stored = escapedLabelText(text);
  if (!stored.empty()) addMarkup(game, node, "LB[" + markupPointText(x, y) + ":" + stored + "]");
  game.markTreeChanged();
  return true;
}

bool isLabelKey(char c) {
  const int code = static_cast<unsigned char>(c);
  return (code >= 65 && code <= 91) || (code >= 97 && code <= 123) || (code >= 48 && code <= 57);
}

bool labelAtFromKey(SGridFrame& game, GameNode* node, int x, int y, char c) {
  if (!isLabelKey(c)) return false;
  removeMarkupAt(game, node, x, y);
  addMarkup(game, node, "LB[" + markupPointText(x, y) + ":" + std::string(1, c) + "]");
  return true;
}

}  // namespace meridax
