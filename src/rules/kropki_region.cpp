#include "rules/kropki_region.h"

#include <utility>
#include <vector>

namespace meridax {

namespace {

struct Step {
  int dx;
  int dy;
};

// The selected point looks right, left, down, up; every further cell up, down, left, right.
constexpr Step kFromSelected[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
constexpr Step kFromFurther[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};

struct PendingPoint {
  int x;
  int y;
};

// Queues the neighbours of (x, y) so that they are taken from the stack in the order of `steps`,
// which visits them exactly as a recursive walk would.
template <std::size_t N>
void pushNeighbours(std::vector<PendingPoint>& stack, int x, int y, const Step (&steps)[N]) {
  for (std::size_t i = N; i-- > 0;) stack.push_back({x + steps[i].dx, y + steps[i].dy});
}

RegionResult failed(RegionFailure failure, Colour c, PlayMode mode) {
  RegionResult result;
  result.failure = failure;
  if (mode == PlayMode::User) result.message = regionFailureText(failure, c);
  return result;
}

}  // namespace

std::string regionFailureText(RegionFailure failure, Colour c) {
  const std::string head = std::string("Invalid selection.\r\n\r\nUnable to create a field for player ") +
                           colourName(c) + ".\r\n";
  switch (failure) {
    case RegionFailure::TouchesEdge: return head + "Area touches the edge of the board.";
    case RegionFailure::OverlapsOpponent: return head + "Opponents' regions of territory cannot overlap.";
    case RegionFailure::EnclosesNoOpponent:
      return head + "The region needs to enclose at least one of the opponent's points.";
    case RegionFailure::None: break;
  }
  return {};
}

RegionResult buildRegion(const BoardPosition& pos, const TerritoryMap& territory, int x, int y, Colour c,
                         PlayMode mode) {
  // A selection off the board would reach the edge at once.
  if (!pos.inSquare(x, y) || pos.at(x, y) == cell::kOffBoard) return failed(RegionFailure::TouchesEdge, c, mode);

  const std::uint8_t own = cellOf(c);
  const std::uint8_t foreign = cellOf(opponent(c));
  FieldOfTerritory mask(pos.width());
  bool enclosesOpponent = pos.at(x, y) == foreign;
  bool overlap = false;
  mask.set(x, y, own);

  std::vector<PendingPoint> stack;
  pushNeighbours(stack, x, y, kFromSelected);
  while (!stack.empty()) {
    const PendingPoint p = stack.back();
    stack.pop_back();
    if (!pos.inSquare(p.x, p.y) || pos.at(p.x, p.y) == cell::kOffBoard)
      return failed(RegionFailure::TouchesEdge, c, mode);
    if (mask.at(p.x, p.y) != 0) continue;
    mask.set(p.x, p.y, own);
    // The opponent's territory and the player's own dots bound the region; it does not grow through them.
    if (isTerritoryOf(territory.valueAt(p.x, p.y), opponent(c))) {
      overlap = true;
      continue;
    }
    if (pos.at(p.x, p.y) == own) continue;
    if (pos.at(p.x, p.y) == foreign) enclosesOpponent = true;
    pushNeighbours(stack, p.x, p.y, kFromFurther);
  }

  if (overlap) return failed(RegionFailure::OverlapsOpponent, c, mode);
  if (!enclosesOpponent) return failed(RegionFailure::EnclosesNoOpponent, c, mode);
  RegionResult result;
  result.field = std::move(mask);
  return result;
}

bool eraseFieldAt(FieldOfTerritory& mask, int x, int y) {
  if (!mask.inSquare(x, y) || mask.at(x, y) == 0) return false;
  const std::uint8_t bits = mask.at(x, y);
  mask.set(x, y, 0);

  std::vector<PendingPoint> stack;
  pushNeighbours(stack, x, y, kFromSelected);
  while (!stack.empty()) {
    const PendingPoint p = stack.back();
    stack.pop_back();
    // A cleared cell no longer shares a bit, so each cell is erased once.
    if (!mask.inSquare(p.x, p.y) || (mask.at(p.x, p.y) & bits) == 0) continue;
    mask.set(p.x, p.y, static_cast<std::uint8_t>(mask.at(p.x, p.y) & ~bits));
    pushNeighbours(stack, p.x, p.y, kFromFurther);
  }
  return true;
}

}  // namespace meridax
