#include <functional>

#include "model/game_tree.h"
#include "rules/hex_family_rules.h"
#include "rules/move_acceptance.h"
#include "rules/navigation_step.h"

namespace meridax {

namespace {

// Adds a node of the kind below the current node, opening a new line when the current node has a
// child already. Returns the new node, which becomes current.
GameNode* appendBelowCurrent(PlayContext& ctx, SpecialMoveKind kind, Colour c, const BoardPosition& pos) {
  SGridFrame& game = ctx.game;
  GameNode* current = game.currentNode;
  SBranchDetails* loadingLine = nullptr;
  if (current->next() != nullptr) {
    SBranchDetails* line = openNewLine(game, ctx.quiet);
    if (ctx.quiet) loadingLine = line;
  }
  GameNode* node = list_insert(game, current, pos, c, kind, 0, false);
  if (loadingLine != nullptr) adoptNewLine(game, *loadingLine, current, node);
  game.currentNode = node;
  game.cachedPosition = pos;
  game.cachedPositionNode = node;
  return node;
}

void finishUserSpecialMove(PlayContext& ctx) {
  SGridFrame& game = ctx.game;
  if (ctx.quiet) return;
  game.markTreeChanged();
  if (ctx.host == nullptr) return;
  ctx.host->markFileModified();
  ctx.host->treeGrew();
}

}  // namespace

void addSpecialMove(PlayContext& ctx, SpecialMoveKind kind, Colour c, BoardPosition& pos) {
  SGridFrame& game = ctx.game;
  GameNode* current = game.currentNode;
  // A node below the last move number would wrap its 11-bit field back to 0.
  if (current->moveNumber() >= GameNode::kMaxMoveNumber) return;
  auto sameKind = [kind](const GameNode& n) { return n.kind() == kind; };

  if (current->next() != nullptr && sameKind(*current->next())) {
    goToNode(game, current->next());
    pos = game.cachedPosition;
    return;
  }
  if (SBranchDetails* found = findSideLine(game, current, sameKind)) {
    if (ctx.quiet) {
      game.currentLine = found;
      game.endNode = found->tail;
      goToNode(game, found->head);
    } else {
      exchangeWithContinuation(game, *found);
      goToNode(game, current->next());
    }
    pos = game.cachedPosition;
    finishUserSpecialMove(ctx);
    return;
  }

  const BoardPosition nodePosition = kind == SpecialMoveKind::SwapPieces ? swapPieces(game.kind(), pos) : pos;
  GameNode* node = appendBelowCurrent(ctx, kind, c, nodePosition);
  node->setBlackNext(sideToMoveAfterSpecialMove(game.kind(), kind, c) == Colour::Black);
  goToNode(game, node);
  pos = game.cachedPosition;
  finishUserSpecialMove(ctx);
}

GameNode* addComposeNode(PlayContext& ctx, Colour sideToMove, const BoardPosition& pos) {
  GameNode* node = appendBelowCurrent(ctx, SpecialMoveKind::Compose, sideToMove, pos);
  node->setBlackNext(sideToMove == Colour::Black);
  goToNode(ctx.game, node);
  finishUserSpecialMove(ctx);
  return node;
}

}  // namespace meridax
