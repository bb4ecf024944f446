#include "edit/kept_property_points.h"

#include <algorithm>
#include <optional>

#include "model/board_position.h"

namespace meridax {

namespace {

enum class PointValues { None, PointsOrRectangles, PointPairs };

PointValues valuesOf(std::string_view id) {
  if (id == "DD" || id == "VW") return PointValues::PointsOrRectangles;
  if (id == "AR" || id == "LN") return PointValues::PointPairs;
  return PointValues::None;
}

// The cell a board point goes to; nullopt off the board (such a value stays as it was).
std::optional<BoardPoint> movedPoint(const PointGeometry& g, const std::vector<int>& map, BoardPoint p) {
  if (p.x < 0 || p.y < 0 || p.x >= g.width || p.y >= g.width) return std::nullopt;
  if (!isOnBoard(g.kind, g.width, g.height, p.x, p.y)) return std::nullopt;
  const int to = map[static_cast<std::size_t>(p.x + p.y * g.width)];
  return BoardPoint{to % g.width, to / g.width};
}

std::string bracketed(const std::string& value) { return "[" + value + "]"; }

// "[aa]", "[aa:cc]" or, when the moved cells are no rectangle any more, "[aa][ab]...".
std::string movedRange(const PointGeometry& g, const std::vector<int>& map, std::string_view value) {
  const std::optional<PointRange> range = readPointRange(g, withoutBlanks(value));
  if (!range) return {};
  std::vector<BoardPoint> cells;
  for (int y = range->from.y; y <= range->to.y; ++y)
    for (int x = range->from.x; x <= range->to.x; ++x) {
      const std::optional<BoardPoint> to = movedPoint(g, map, BoardPoint{x, y});
      if (!to) return {};
      cells.push_back(*to);
    }
  if (cells.size() == 1) return bracketed(setupPointValue(g, cells[0].x, cells[0].y));
  BoardPoint low = cells[0], high = cells[0];
  for (const BoardPoint& c : cells) {
    low = {std::min(low.x, c.x), std::min(low.y, c.y)};
    high = {std::max(high.x, c.x), std::max(high.y, c.y)};
  }
  const auto boxCells = static_cast<std::size_t>((high.x - low.x + 1) * (high.y - low.y + 1));
  // A map moves distinct cells to distinct cells, so the same count means the whole box is covered.
  if (boxCells == cells.size())
    return bracketed(setupPointValue(g, low.x, low.y) + ":" + setupPointValue(g, high.x, high.y));
  std::sort(cells.begin(), cells.end(), [](BoardPoint a, BoardPoint b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
  std::string out;
  for (const BoardPoint& c : cells) out += bracketed(setupPointValue(g, c.x, c.y));
  return out;
}

// "[from:to]" with both points moved, in the same order (an arrow keeps its direction).
std::string movedPair(const PointGeometry& g, const std::vector<int>& map, std::string_view value) {
  const std::string plain = withoutBlanks(value);
  const std::size_t colon = plain.find(':');
  if (colon == std::string::npos) return {};
  std::string out;
  for (const std::string_view part : {std::string_view(plain).substr(0, colon), std::string_view(plain).substr(colon + 1)}) {
    const std::optional<PointRange> point = readPointRange(g, part);
    if (!point || point->cellCount() != 1) return {};
    const std::optional<BoardPoint> to = movedPoint(g, map, point->from);
    if (!to) return {};
    out += (out.empty() ? "" : ":") + setupPointValue(g, to->x, to->y);
  }
  return bracketed(out);
}

bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }

// The end of the value whose "[" is at `open`: the index of its closing "]", or npos.
std::size_t valueEnd(std::string_view raw, std::size_t open) {
  for (std::size_t at = open + 1; at < raw.size(); ++at) {
    if (raw[at] == '\\') ++at;
    else if (raw[at] == ']') return at;
  }
  return std::string_view::npos;
}

}  // namespace

std::string transformKeptPropertyPoints(std::string_view raw, const PointGeometry& g, const std::vector<int>& map) {
  if (g.width <= 0 || map.size() < static_cast<std::size_t>(g.width) * g.width) return std::string(raw);
  std::string out;
  out.reserve(raw.size());
  std::string_view id;
  std::size_t at = 0;
  while (at < raw.size()) {
    const std::size_t idStart = at;
    while (at < raw.size() && isCapital(raw[at])) ++at;
    if (at > idStart) id = raw.substr(idStart, at - idStart);
    out.append(raw, idStart, at - idStart);
    const std::size_t close = at < raw.size() && raw[at] == '[' ? valueEnd(raw, at) : std::string_view::npos;
    if (close == std::string_view::npos) {  // not text the reader kept: left alone from here on
      out.append(raw, at);
      break;
    }
    const std::string_view value = raw.substr(at + 1, close - at - 1);
    std::string moved;
    switch (valuesOf(id)) {
      case PointValues::PointsOrRectangles: moved = movedRange(g, map, value); break;
      case PointValues::PointPairs: moved = movedPair(g, map, value); break;
      case PointValues::None: break;
    }
    if (moved.empty()) out.append(raw, at, close - at + 1);
    else out += moved;
    at = close + 1;
  }
  return out;
}

}  // namespace meridax
