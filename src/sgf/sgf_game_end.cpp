// The end of a game: the root texts, Othello's sides to move, and where the game is left standing.

#include "rules/navigation_step.h"
#include "rules/othello_rules.h"
#include "rules/position_at.h"
#include "sgf/sgf_reader_state.h"

namespace meridax {

namespace {

bool liesOnLine(const SBranchDetails& line, const GameNode* node) {
  for (const GameNode* n = line.head; n != nullptr; n = n->next()) {
    if (n == node) return true;
    if (n == line.tail) break;
  }
  return false;
}

Colour moverOf(const GameNode* n) { return n->blackMove() ? Colour::Black : Colour::White; }

// Othello: a node's side to move is the colour of its child; with no child (or a composition node
// after it) the position decides. The same side moving twice marks the node as an implied pass.
void settleOthelloNode(const SGridFrame& game, GameNode* n) {
  const GameNode* child = n->next();
  if (child != nullptr && child->kind() != SpecialMoveKind::Compose) {
    n->setBlackNext(child->blackMove());
    if (child->blackMove() == n->blackMove()) n->setCaptureRecord(true);
    return;
  }
  BoardPosition pos = PositionAt(game, n);
  const OthelloTurn turn = othelloTurnAfterMove(pos, moverOf(n));
  n->setBlackNext(turn.toMove == Colour::Black);
  if (turn.passImplied()) n->setCaptureRecord(true);
}

}  // namespace

void SgfReader::endGame() {
  ended_ = true;
  if (rootTextsStored()) storeRootTexts();
  if (anyMove_ && game_->kind() == GameKind::Othello) settleOthelloSidesToMove();
  if (anyMove_ && lastMovePoint_ &&
      isOnBoard(game_->kind(), game_->width(), game_->height(), lastMovePoint_->x, lastMovePoint_->y)) {
    game_->cursorX = lastMovePoint_->x;
    game_->cursorY = lastMovePoint_->y;
  }
  // Also a game of setup nodes only is left on its main line, never at the end of a side line.
  if (mainLineEnd_ != nullptr && mainLine_ != nullptr) settleCurrentNode();
  if (anyMove_ && game_->primaryNode == nullptr) game_->primaryNode = game_->currentNode;
  stack_.clear();
}

void SgfReader::storeRootTexts() {
  game_->details = rootTexts_;  // a root without texts leaves the game without any
}

void SgfReader::settleOthelloSidesToMove() {
  const SGridFrame& game = *game_;
  game.variations.forEach([&](const GameNode*, const SBranchDetails& line) {
    for (GameNode* n = line.head; n != nullptr; n = n->next()) {
      if (n->kind() != SpecialMoveKind::Compose) settleOthelloNode(game, n);
      if (n == line.tail) break;
    }
  });
}

void SgfReader::settleCurrentNode() {
  game_->currentLine = mainLine_;
  game_->endNode = mainLine_->tail;
  GameNode* target = mainLineEnd_;
  if (markedCurrent_ != nullptr && liesOnLine(*mainLine_, markedCurrent_)) target = markedCurrent_;
  goToNode(*game_, target);
  if (!anyMove_) return;
  for (const GameNode* n = target->next(); n != nullptr; n = n->next()) {
    if (!n->isPlacement()) continue;
    game_->cursorX = static_cast<int>(n->point()) % game_->width();
    game_->cursorY = static_cast<int>(n->point()) / game_->width();
    break;
  }
}

}  // namespace meridax
