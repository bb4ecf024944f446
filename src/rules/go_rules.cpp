#include "rules/go_rules.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace meridax {

namespace {

// Neighbours in the order left, right, up, down.
constexpr int kNeighbourDx[4] = {-1, 1, 0, 0};
constexpr int kNeighbourDy[4] = {0, 0, -1, 1};

// Working storage of the group search, kept between calls: the search runs for every stone played
// and its neighbours, and a fresh set of buffers each time cost more than the search.
struct GroupScratch {
  std::vector<std::uint32_t> seenStamp;  // a cell is seen when its stamp is the current one
  std::uint32_t stamp = 0;
  std::vector<int> pending;
  std::vector<int> stones;

  void start(std::size_t cells) {
    if (seenStamp.size() < cells) seenStamp.resize(cells, 0);
    if (++stamp == 0) {  // the stamps wrapped: start them again
      std::fill(seenStamp.begin(), seenStamp.end(), 0);
      stamp = 1;
    }
    pending.clear();
    stones.clear();
  }
};

GroupScratch& groupScratch() {
  thread_local GroupScratch scratch;
  return scratch;
}

bool hasEmptyNeighbour(const BoardPosition& pos, int x, int y) {
  for (int d = 0; d < 4; ++d) {
    const int nx = x + kNeighbourDx[d];
    const int ny = y + kNeighbourDy[d];
    if (pos.inSquare(nx, ny) && isEmptyCell(pos.at(nx, ny))) return true;
  }
  return false;
}

// Gathers the group of `colour` through (x, y) into the scratch's stones, stopping at the first liberty
// found. Returns true when the group has a liberty (then the stones are only part of it).
bool gatherGroup(const BoardPosition& pos, int x, int y, std::uint8_t colour, GroupScratch& g) {
  if (hasEmptyNeighbour(pos, x, y)) return true;  // most stones touch a liberty: no search
  g.start(static_cast<std::size_t>(pos.cellCount()));
  const int first = pos.index(x, y);
  g.pending.push_back(first);
  g.seenStamp[static_cast<std::size_t>(first)] = g.stamp;
  while (!g.pending.empty()) {
    const int at = g.pending.back();
    g.pending.pop_back();
    g.stones.push_back(at);
    const int px = at % pos.width();
    const int py = at / pos.width();
    for (int d = 0; d < 4; ++d) {
      const int nx = px + kNeighbourDx[d];
      const int ny = py + kNeighbourDy[d];
      if (!pos.inSquare(nx, ny)) continue;
      const std::uint8_t v = pos.at(nx, ny);
      if (isEmptyCell(v)) return true;
      const int i = pos.index(nx, ny);
      if (v == colour && g.seenStamp[static_cast<std::size_t>(i)] != g.stamp) {
        g.seenStamp[static_cast<std::size_t>(i)] = g.stamp;
        g.pending.push_back(i);
      }
    }
  }
  return false;
}

bool groupHasLiberty(const BoardPosition& pos, int x, int y, Colour colour) {
  return gatherGroup(pos, x, y, cellOf(colour), groupScratch());
}

GoMoveOutcome refuse(BoardPosition& pos, const BoardPosition& before, Colour mover, MoveResult why) {
  pos = before;
  GoMoveOutcome out;
  out.result = why;
  out.mover = mover;
  return out;
}

}  // namespace

int removeIfDead(BoardPosition& pos, int x, int y, Colour colour) {
  if (!pos.inSquare(x, y) || pos.at(x, y) != cellOf(colour)) return 0;
  GroupScratch& g = groupScratch();
  if (gatherGroup(pos, x, y, cellOf(colour), g)) return 0;
  for (int i : g.stones) pos[i] = cell::kEmpty;
  return static_cast<int>(g.stones.size());
}

GoMoveOutcome PlayGoMove(BoardPosition& pos, int x, int y, Colour c, PlayMode mode,
                         const RepetitionCheck& repeats) {
  GoMoveOutcome out;
  out.mover = c;
  out.result = checkPlacement(pos, x, y);
  if (!out.accepted()) return out;

  // Only play by a user can be refused from here on; a load keeps what the rules make of its moves.
  std::optional<BoardPosition> before;
  if (mode == PlayMode::User) before = pos;
  pos.set(x, y, cellOf(c));
  const bool selfCapturePending = !groupHasLiberty(pos, x, y, c);

  const Colour other = opponent(c);
  for (int d = 0; d < 4; ++d) {
    const int nx = x + kNeighbourDx[d];
    const int ny = y + kNeighbourDy[d];
    if (pos.inSquare(nx, ny) && pos.at(nx, ny) == cellOf(other)) out.captured += removeIfDead(pos, nx, ny, other);
  }

  if (selfCapturePending && out.captured == 0) {
    if (mode == PlayMode::User) return refuse(pos, *before, c, MoveResult::SelfCapture);
    out.selfCaptured = removeIfDead(pos, x, y, c);
  }
  // Only a capture can recreate an earlier position, so only captures are checked.
  if (mode == PlayMode::User && out.captured > 0 && repeats && repeats(pos, c))
    return refuse(pos, *before, c, MoveResult::Ko);
  return out;
}

std::uint16_t packCaptureEntry(int black, int white) {
  return static_cast<std::uint16_t>(((black & 0xff) << 8) | (white & 0xff));
}

CaptureCounts unpackCaptureEntry(std::uint16_t entry) { return {entry / 256, entry % 256}; }

std::vector<BoardPoint> handicapPoints(int n) {
  struct Entry {
    BoardPoint point;
    bool (*placed)(int n);
  };
  static const Entry kTable[] = {
      {{15, 3}, [](int) { return true; }},
      {{3, 15}, [](int) { return true; }},
      {{15, 15}, [](int n) { return n >= 3; }},
      {{3, 3}, [](int n) { return n >= 4; }},
      {{9, 9}, [](int n) { return n == 5 || n == 7 || n == 9; }},
      {{3, 9}, [](int n) { return n >= 6; }},
      {{15, 9}, [](int n) { return n >= 6; }},
      {{9, 3}, [](int n) { return n >= 8; }},
      {{9, 15}, [](int n) { return n >= 8; }},
  };
  std::vector<BoardPoint> points;
  if (n < kMinHandicap) return points;
  if (n > kMaxHandicap) n = kMaxHandicap;
  for (const Entry& e : kTable)
    if (e.placed(n)) points.push_back(e.point);
  return points;
}

int placeHandicap(BoardPosition& pos, int n) {
  if (pos.width() != kHandicapBoardWidth) return 0;
  const std::vector<BoardPoint> points = handicapPoints(n);
  for (const BoardPoint& p : points) pos.set(p.x, p.y, cell::kBlack);
  return static_cast<int>(points.size());
}

}  // namespace meridax
