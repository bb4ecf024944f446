#include "search/position_query.h"

#include <algorithm>
#include <climits>

namespace meridax {

namespace {

std::uint8_t normalised(std::uint8_t v) { return isEmptyCell(v) ? cell::kEmpty : v; }

std::uint8_t swappedColour(std::uint8_t v) {
  if (v == cell::kBlack) return cell::kWhite;
  if (v == cell::kWhite) return cell::kBlack;
  return v;
}

// The cells of the target that must match: every board cell of the area, or of the whole board.
std::vector<QueryVariant::Cell> targetCells(const PositionQuery& q) {
  std::vector<QueryVariant::Cell> cells;
  const SearchArea whole{0, 0, q.width - 1, q.width - 1};
  const SearchArea a = q.area.value_or(whole);
  for (int y = std::max(0, a.top); y <= std::min(a.bottom, q.width - 1); ++y)
    for (int x = std::max(0, a.left); x <= std::min(a.right, q.width - 1); ++x) {
      if (!isOnBoard(q.kind, q.width, q.height, x, y) || !q.position.inSquare(x, y)) continue;
      cells.push_back({x + y * q.width, normalised(q.position.at(x, y))});
    }
  return cells;
}

void orderStonesFirst(QueryVariant& v) {
  std::stable_partition(v.cells.begin(), v.cells.end(), [](const QueryVariant::Cell& c) { return isPiece(c.value); });
  v.blackStones = static_cast<int>(std::count_if(v.cells.begin(), v.cells.end(), [](auto& c) { return c.value == cell::kBlack; }));
  v.whiteStones = static_cast<int>(std::count_if(v.cells.begin(), v.cells.end(), [](auto& c) { return c.value == cell::kWhite; }));
}

// The variant moved by (dx, dy), or nullopt when a cell leaves the board.
std::optional<QueryVariant> shifted(const QueryVariant& v, const PositionQuery& q, int dx, int dy) {
  QueryVariant out = v;
  out.dx = dx;
  out.dy = dy;
  for (QueryVariant::Cell& c : out.cells) {
    const int x = c.index % q.width + dx;
    const int y = c.index / q.width + dy;
    if (!isOnBoard(q.kind, q.width, q.height, x, y)) return std::nullopt;
    c.index = x + y * q.width;
  }
  return out;
}

bool sameCells(const QueryVariant& a, const QueryVariant& b) {
  if (a.cells.size() != b.cells.size()) return false;
  for (std::size_t i = 0; i < a.cells.size(); ++i)
    if (a.cells[i].index != b.cells[i].index || a.cells[i].value != b.cells[i].value) return false;
  return true;
}

}  // namespace

CompiledQuery::CompiledQuery(const PositionQuery& query) : query_(query) {
  symmetries_ = boardSymmetries(query.kind, query.width, query.height);
  if (!query.symmetries || symmetries_.empty()) symmetries_.resize(std::min<std::size_t>(symmetries_.size(), 1));
  if (symmetries_.empty()) return;
  for (const SymmetryMap& m : symmetries_) inverses_.push_back(inverseOf(m));

  const std::vector<QueryVariant::Cell> target = targetCells(query);
  std::vector<QueryVariant> placed;
  for (int s = 0; s < static_cast<int>(symmetries_.size()); ++s)
    for (int swap = 0; swap < (query.swapColours ? 2 : 1); ++swap) {
      QueryVariant v;
      v.symmetry = s;
      v.swapped = swap != 0;
      for (const QueryVariant::Cell& c : target)
        v.cells.push_back({symmetries_[static_cast<std::size_t>(s)][static_cast<std::size_t>(c.index)],
                           swap ? swappedColour(c.value) : c.value});
      std::sort(v.cells.begin(), v.cells.end(), [](auto& a, auto& b) { return a.index < b.index; });
      if (!query.anywhere || wholeBoard()) {
        placed.push_back(std::move(v));
        continue;
      }
      // Every shift that keeps the pattern on the board, its own place included.
      for (int dy = -query.width; dy <= query.width; ++dy)
        for (int dx = -query.width; dx <= query.width; ++dx)
          if (auto moved = shifted(v, query, dx, dy)) placed.push_back(std::move(*moved));
    }
  // A symmetric target gives the same cells more than once; each is tried once.
  for (QueryVariant& v : placed)
    if (std::none_of(variants_.begin(), variants_.end(), [&](const QueryVariant& w) { return sameCells(v, w); }))
      variants_.push_back(std::move(v));
  fewestStones_ = INT_MAX;
  for (QueryVariant& v : variants_) {
    orderStonesFirst(v);
    fewestStones_ = std::min(fewestStones_, v.blackStones + v.whiteStones);
  }
  if (variants_.empty()) fewestStones_ = 0;
}

bool CompiledQuery::fits(GameKind kind, int width, int height) const {
  return kind == query_.kind && width == query_.width && height == query_.height && !variants_.empty();
}

bool CompiledQuery::matches(const QueryVariant& v, const BoardPosition& pos) const {
  const std::vector<std::uint8_t>& cells = pos.cells();
  for (const QueryVariant::Cell& c : v.cells)
    if (normalised(cells[static_cast<std::size_t>(c.index)]) != c.value) return false;
  return true;
}

int CompiledQuery::match(const BoardPosition& pos, int black, int white) const {
  if (pos.width() != query_.width || black + white < fewestStones_) return -1;
  const bool whole = wholeBoard();
  for (std::size_t i = 0; i < variants_.size(); ++i) {
    const QueryVariant& v = variants_[i];
    if (whole && (v.blackStones != black || v.whiteStones != white)) continue;
    if (matches(v, pos)) return static_cast<int>(i);
  }
  return -1;
}

std::optional<int> CompiledQuery::toTarget(int variant, int x, int y) const {
  const QueryVariant& v = variants_[static_cast<std::size_t>(variant)];
  x -= v.dx;
  y -= v.dy;
  if (!isOnBoard(query_.kind, query_.width, query_.height, x, y)) return std::nullopt;
  return inverses_[static_cast<std::size_t>(v.symmetry)][static_cast<std::size_t>(x + y * query_.width)];
}

bool naiveMatch(const PositionQuery& q, const BoardPosition& pos) {
  if (pos.width() != q.width) return false;
  std::vector<SymmetryMap> maps = boardSymmetries(q.kind, q.width, q.height);
  if (!q.symmetries && !maps.empty()) maps.resize(1);
  const SearchArea a = q.area.value_or(SearchArea{0, 0, q.width - 1, q.width - 1});
  const int reach = q.anywhere && q.area ? q.width : 0;
  for (const SymmetryMap& map : maps)
    for (int swap = 0; swap < (q.swapColours ? 2 : 1); ++swap)
      for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
          bool all = true;
          for (int y = a.top; y <= a.bottom && all; ++y)
            for (int x = a.left; x <= a.right && all; ++x) {
              if (!isOnBoard(q.kind, q.width, q.height, x, y)) continue;
              const int to = map[static_cast<std::size_t>(x + y * q.width)];
              const int tx = to % q.width + dx;
              const int ty = to / q.width + dy;
              if (!isOnBoard(q.kind, q.width, q.height, tx, ty)) {
                all = false;
                break;
              }
              std::uint8_t want = normalised(q.position.at(x, y));
              if (swap) want = swappedColour(want);
              all = normalised(pos.at(tx, ty)) == want;
            }
          if (all) return true;
        }
  return false;
}

}  // namespace meridax
