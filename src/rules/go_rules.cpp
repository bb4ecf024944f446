#include "rules/go_rules.h"

namespace meridax {

namespace {

// Neighbours in the order left, right, up, down.
constexpr int kNeighbourDx[4] = {-1, 1, 0, 0};
constexpr int kNeighbourDy[4] = {0, 0, -1, 1};

// Gathers the group of `colour` through (x, y) into `stones`, stopping at the first liberty found.
// Returns true when the group has a liberty (then `stones` holds only part of it).
bool gatherGroup(const BoardPosition& pos, int x, int y, std::uint8_t colour, std::vector<int>& stones) {
  std::vector<bool> seen(static_cast<std::size_t>(pos.cellCount()), false);
  std::vector<BoardPoint> pending{{x, y}};
  seen[static_cast<std::size_t>(pos.index(x, y))] = true;
  while (!pending.empty()) {
    const BoardPoint p = pending.back();
    pending.pop_back();
    stones.push_back(pos.index(p.x, p.y));
    for (int d = 0; d < 4; ++d) {
      const int nx = p.x + kNeighbourDx[d];
      const int ny = p.y + kNeighbourDy[d];
      if (!pos.inSquare(nx, ny)) continue;
      const std::uint8_t v = pos.at(nx, ny);
      if (isEmptyCell(v)) return true;
      const auto i = static_cast<std::size_t>(pos.index(nx, ny));
      if (v == colour && !seen[i]) {
        seen[i] = true;
        pending.push_back({nx, ny});
      }
    }
  }
  return false;
}

bool groupHasLiberty(const BoardPosition& pos, int x, int y, Colour colour) {
  std::vector<int> stones;
  return gatherGroup(pos, x, y, cellOf(colour), stones);
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
  std::vector<int> stones;
  if (gatherGroup(pos, x, y, cellOf(colour), stones)) return 0;
  for (int i : stones) pos[i] = cell::kEmpty;
  return static_cast<int>(stones.size());
}

GoMoveOutcome PlayGoMove(BoardPosition& pos, int x, int y, Colour c, PlayMode mode,
                         const RepetitionCheck& repeats) {
  GoMoveOutcome out;
  out.mover = c;
  out.result = checkPlacement(pos, x, y);
  if (!out.accepted()) return out;

  const BoardPosition before = pos;
  pos.set(x, y, cellOf(c));
  const bool selfCapturePending = !groupHasLiberty(pos, x, y, c);

  const Colour other = opponent(c);
  for (int d = 0; d < 4; ++d) {
    const int nx = x + kNeighbourDx[d];
    const int ny = y + kNeighbourDy[d];
    if (pos.inSquare(nx, ny) && pos.at(nx, ny) == cellOf(other)) out.captured += removeIfDead(pos, nx, ny, other);
  }

  if (selfCapturePending && out.captured == 0) {
    if (mode == PlayMode::User) return refuse(pos, before, c, MoveResult::SelfCapture);
    out.selfCaptured = removeIfDead(pos, x, y, c);
  }
  // Only a capture can recreate an earlier position, so only captures are checked.
  if (mode == PlayMode::User && out.captured > 0 && repeats && repeats(pos, c))
    return refuse(pos, before, c, MoveResult::Ko);
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
