#pragma once
// A position search through one game: every node of its main line (or of every line) replayed by the
// rules the reader used, each position compared with the target.

#include <optional>
#include <vector>

#include "model/grid_frame.h"
#include "search/position_query.h"

namespace meridax {

// The move played after a match, in the target's orientation and colours (so that the continuations of
// games found under different symmetries can be counted together).
struct NextMove {
  SpecialMoveKind kind = SpecialMoveKind::Placement;
  Colour colour = Colour::Black;
  int x = -1;  // -1: not a placement
  int y = -1;
  friend bool operator==(const NextMove&, const NextMove&) = default;
};

struct PositionMatch {
  int nodeOrdinal = 0;  // the node's place in walk order (see nodeAtOrdinal)
  int moveNumber = 0;
  std::optional<NextMove> next;  // none at the end of the line
  int variant = 0;
};

// The nodes where the game reaches the target: each node that matches while its parent does not (a
// pattern that stays in place over many moves is found once, where it arises).
std::vector<PositionMatch> searchGame(const SGridFrame& game, const CompiledQuery& query);

// The node with that ordinal in the walk order of searchGame: the main line, then each side line after
// the lines it leaves; nullptr when there is none.
const GameNode* nodeAtOrdinal(const SGridFrame& game, int ordinal, bool allLines);

// Every node in walk order (the main line, or every line).
std::vector<const GameNode*> nodesInWalkOrder(const SGridFrame& game, bool allLines);

}  // namespace meridax
