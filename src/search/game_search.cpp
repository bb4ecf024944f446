#include "search/game_search.h"

#include "rules/position_at.h"

namespace meridax {

namespace {

// A position with its stone counts, kept up to date move by move.
struct CountedPosition {
  BoardPosition pos;
  int black = 0;
  int white = 0;

  void recount() {
    black = white = 0;
    for (std::uint8_t v : pos.cells()) {
      black += v == cell::kBlack;
      white += v == cell::kWhite;
    }
  }

  void count(std::uint8_t v, int by) {
    if (v == cell::kBlack) black += by;
    else if (v == cell::kWhite) white += by;
  }

  // A placement without a snapshot changes its own cell only, except in Othello, whose flips are counted anew.
  void step(const SGridFrame& game, const GameNode* node) {
    const int i = static_cast<int>(node->point());
    const bool oneCell = !node->hasSnapshot() && game.kind() != GameKind::Othello && i < pos.cellCount();
    const std::uint8_t before = oneCell ? pos[i] : 0;
    stepPosition(game, node, pos);
    if (!oneCell) return recount();
    count(before, -1);
    count(pos[i], +1);
  }
};

// A line to walk: its first node and the position of the node above it.
struct PendingLine {
  const GameNode* head = nullptr;
  CountedPosition above;
  bool aboveMatched = false;
};

// Calls visit(node, position, parentMatched) for every node in walk order; visit returns whether the node
// matched, which its children are told.
template <typename Visit>
void walk(const SGridFrame& game, bool allLines, Visit visit) {
  std::vector<PendingLine> pending;
  CountedPosition start;
  start.pos = startingPosition(game.kind(), game.width(), game.height());
  start.recount();
  pending.push_back({game.firstNode, std::move(start), false});
  // Lines are taken in the order they were found, the main line first.
  for (std::size_t at = 0; at < pending.size(); ++at) {
    CountedPosition here = std::move(pending[at].above);
    bool parentMatched = pending[at].aboveMatched;
    for (const GameNode* n = pending[at].head; n != nullptr; n = n->next()) {
      here.step(game, n);
      const bool matched = visit(n, here, parentMatched);
      if (allLines && n->branching())
        for (const SBranchDetails* line : game.variations.linesBelow(n))
          if (line->head != nullptr && line->head->prev() == n && line->head != n->next())
            pending.push_back({line->head, here, matched});
      parentMatched = matched;
    }
  }
}

std::optional<NextMove> nextMoveOf(const SGridFrame& game, const GameNode* node, const CompiledQuery& query,
                                   int variant) {
  const GameNode* next = node->next();
  if (next == nullptr) return std::nullopt;
  const QueryVariant& v = query.variants()[static_cast<std::size_t>(variant)];
  NextMove m;
  m.kind = next->kind();
  Colour c = next->blackMove() ? Colour::Black : Colour::White;
  m.colour = v.swapped ? opponent(c) : c;
  if (next->isPlacement()) {
    const int w = game.width();
    const int p = static_cast<int>(next->point());
    // A move off the target's board once moved back (a pattern found elsewhere) is given where it was played.
    const int at = query.toTarget(variant, p % w, p / w).value_or(p);
    m.x = at % w;
    m.y = at / w;
  }
  return m;
}

}  // namespace

std::vector<PositionMatch> searchGame(const SGridFrame& game, const CompiledQuery& query) {
  std::vector<PositionMatch> found;
  if (game.firstNode == nullptr || !query.fits(game.kind(), game.width(), game.height())) return found;
  int ordinal = 0;
  walk(game, query.query().allLines, [&](const GameNode* n, const CountedPosition& here, bool parentMatched) {
    const int variant = query.match(here.pos, here.black, here.white);
    if (variant >= 0 && !parentMatched)
      found.push_back({ordinal, static_cast<int>(n->moveNumber()), nextMoveOf(game, n, query, variant), variant});
    ++ordinal;
    return variant >= 0;
  });
  return found;
}

std::vector<const GameNode*> nodesInWalkOrder(const SGridFrame& game, bool allLines) {
  std::vector<const GameNode*> nodes;
  if (game.firstNode == nullptr) return nodes;
  // The walk's positions are not needed here; lines are followed the same way.
  std::vector<const GameNode*> heads{game.firstNode};
  for (std::size_t at = 0; at < heads.size(); ++at)
    for (const GameNode* n = heads[at]; n != nullptr; n = n->next()) {
      nodes.push_back(n);
      if (allLines && n->branching())
        for (const SBranchDetails* line : game.variations.linesBelow(n))
          if (line->head != nullptr && line->head->prev() == n && line->head != n->next()) heads.push_back(line->head);
    }
  return nodes;
}

const GameNode* nodeAtOrdinal(const SGridFrame& game, int ordinal, bool allLines) {
  const std::vector<const GameNode*> nodes = nodesInWalkOrder(game, allLines);
  return ordinal >= 0 && ordinal < static_cast<int>(nodes.size()) ? nodes[static_cast<std::size_t>(ordinal)] : nullptr;
}

}  // namespace meridax
