#include "layout/move_numbers.h"

#include <set>

namespace meridax {

namespace {

bool isComposition(const GameNode* n) { return n->kind() == SpecialMoveKind::Compose; }

// The nodes a mode numbers, the current one first, upward.
std::vector<const GameNode*> numberedRun(const SGridFrame& game, const GameNode* node, Numbering mode,
                                         int recentCount) {
  const bool othelloOwn = mode == Numbering::FromComposition && game.kind() == GameKind::Othello;
  const bool stopAtComposition = mode != Numbering::BackFromCurrent && !othelloOwn;
  std::vector<const GameNode*> run;
  for (const GameNode* n = node; n != nullptr; n = n->prev()) {
    if (mode == Numbering::RecentMoves && static_cast<int>(run.size()) >= recentCount) break;
    if (n == game.firstNode || (stopAtComposition && isComposition(n))) {
      if (mode == Numbering::FromComposition) run.push_back(n);  // the base the numbers count from
      break;
    }
    run.push_back(n);
  }
  return run;
}

int numberOf(const SGridFrame& game, const GameNode* n, const GameNode* node, const std::vector<const GameNode*>& run,
             Numbering mode) {
  const int mv = static_cast<int>(n->moveNumber());
  switch (mode) {
    case Numbering::FromComposition:
      if (game.kind() == GameKind::Othello) return mv;
      return mv - static_cast<int>(run.back()->moveNumber());
    case Numbering::BackFromCurrent: return static_cast<int>(node->moveNumber()) - mv + 1;
    case Numbering::RecentMoves: return mv - static_cast<int>(run.back()->moveNumber()) + 1;
    case Numbering::None: break;
  }
  return 0;
}

}  // namespace

std::vector<SceneNumber> moveNumbers(const SGridFrame& game, const GameNode* node, const BoardPosition& position,
                                     Numbering mode, int recentCount) {
  std::vector<SceneNumber> numbers;
  if (node == nullptr || mode == Numbering::None || game.kind() == GameKind::Kropki) return numbers;
  const std::vector<const GameNode*> run = numberedRun(game, node, mode, recentCount);
  std::set<unsigned> seen;
  for (const GameNode* n : run) {
    if (!n->isPlacement() || n == game.firstNode) continue;
    const int point = static_cast<int>(n->point());
    if (point >= position.cellCount() || !seen.insert(n->point()).second) continue;
    if (!isPiece(position[point])) continue;
    const BoardPoint at{point % position.width(), point / position.width()};
    numbers.push_back({at, numberOf(game, n, node, run, mode), position[point] == cell::kBlack});
  }
  return numbers;
}

}  // namespace meridax
