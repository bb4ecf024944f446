#include "sgf/sgf_markup_writer.h"

#include <array>
#include <cctype>
#include <set>

#include "sgf/sgf_escape.h"

namespace meridax {

namespace {

constexpr std::array<std::string_view, 9> kWrittenOrder = {"M", "L", "SQ", "CR", "MA", "TR", "LB", "TB", "TW"};
constexpr std::string_view kLabel = "LB";

// "SL" is kept as "SQ"; an older text may still hold it.
std::string_view writtenIdentifier(std::string_view id) { return id == "SL" ? std::string_view("SQ") : id; }

bool isIdentifierChar(char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; }

// The value that starts after the "[" at `at`; `at` ends after its "]".
std::string readValue(std::string_view stored, std::size_t& at) {
  std::string value;
  while (at < stored.size() && stored[at] != ']') {
    if (stored[at] == '\\' && at + 1 < stored.size()) value += stored[at++];
    value += stored[at++];
  }
  if (at < stored.size()) ++at;
  return value;
}

bool inSquare(const PointGeometry& g, const BoardPoint& p) {
  return p.x >= 0 && p.y >= 0 && p.x < g.width && p.y < g.width;
}

// The SGF value of one stored value, brackets included; empty when it is dropped.
std::string convertValue(const PointGeometry& g, std::string_view id, std::string_view value) {
  const auto point = readMarkupPoint(value);
  if (!point || !inSquare(g, *point)) return {};
  if (id != kLabel) return setupPointText(g, point->x, point->y);
  std::string_view text = value.substr(2);
  if (!text.empty() && text.front() == ':') text.remove_prefix(1);
  return "[" + setupPointValue(g, point->x, point->y) + ":" + escapeLabel(unescapeStored(text)) + "]";
}

}  // namespace

std::vector<StoredMarkupValue> parseStoredMarkup(std::string_view stored) {
  std::vector<StoredMarkupValue> values;
  std::string id;
  bool afterValue = true;
  std::size_t at = 0;
  while (at < stored.size()) {
    const char c = stored[at];
    if (c == '[') {
      ++at;
      values.push_back({id, readValue(stored, at)});
      afterValue = true;
      continue;
    }
    if (isIdentifierChar(c)) {
      if (afterValue) id.clear();
      id += c;
      afterValue = false;
    }
    ++at;
  }
  return values;
}

std::string writeMarkupText(const PointGeometry& g, std::string_view stored) {
  const std::vector<StoredMarkupValue> values = parseStoredMarkup(stored);
  std::string out;
  for (std::string_view id : kWrittenOrder) {
    // Kropki files give TB and TW to fields of territory; as markup they would read back as outlines.
    if (g.kind == GameKind::Kropki && (id == "TB" || id == "TW")) continue;
    // A value given twice (markup merged into a node again) is written once: a reader keeps no more
    // values of one property than the board has points.
    std::string written;
    std::set<std::string> seen;
    for (const StoredMarkupValue& v : values)
      if (writtenIdentifier(v.identifier) == id)
        if (std::string value = convertValue(g, id, v.value); seen.insert(value).second) written += value;
    if (written.empty()) continue;
    if (!out.empty()) out += "\r\n";
    out += id;
    out += written;
  }
  return out;
}

}  // namespace meridax
