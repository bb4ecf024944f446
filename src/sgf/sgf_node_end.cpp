// The end of a node: setup turned into a composition node (or into the first node's position), and
// the items read for the node attached to the node made for it.

#include <algorithm>
#include <utility>

#include "model/node_texts.h"
#include "model/game_tree.h"
#include "rules/connect6_rules.h"
#include "rules/kind_play.h"
#include "rules/move_acceptance.h"
#include "rules/othello_rules.h"
#include "rules/position_at.h"
#include "sgf/sgf_numbers.h"
#include "sgf/sgf_reader_state.h"

namespace meridax {

namespace {

void addBookmark(SGridFrame& game, GameNode* node, Bookmark mark) {
  // Bookmarks are kept in descending order of number; number 0 takes the highest number + 1, but never
  // more than a number can be read as, or the saved file would read back with other numbers.
  int highest = 0;
  for (const Bookmark& b : game.bookmarks) highest = std::max(highest, b.number);
  if (mark.number == 0) mark.number = std::min(highest + 1, kDecimalCeiling);
  mark.node = node;
  auto at = std::find_if(game.bookmarks.begin(), game.bookmarks.end(),
                         [&](const Bookmark& b) { return b.number < mark.number; });
  game.bookmarks.insert(at, std::move(mark));
}

void putInQuickSlot(SGridFrame& game, GameNode* node, int slot) {
  for (GameNode*& held : game.quickSlots)
    if (held == node) held = nullptr;
  GameNode*& target = game.quickSlots[static_cast<std::size_t>(slot)];
  if (target != nullptr) target->setInQuickSlot(false);
  target = node;
  node->setInQuickSlot(true);
}

Colour sideOf(bool blackNext) { return blackNext ? Colour::Black : Colour::White; }

}  // namespace

void SgfReader::endNode() {
  if (accepting_ && movesAllowed_) {
    const bool setupOrSide = pending_.hasSetup() || pending_.sideToMove.has_value();
    if (root_ && setupOrSide) composeFromSetup(true, cursor_);
    else if (!root_ && !moveInNode_ && (setupOrSide || pending_.holdsNodeItems())) addCompositionNode(true, cursor_);
  }
  if (accepting_ && movesAllowed_ && refusedBelowFirstNode() && !pending_.others.empty()) keepWithNodeAbove();
  else if (accepting_ && (root_ || moveInNode_ || nodeMade_)) attachPending(game_->currentNode);
  else if (accepting_ && movesAllowed_ && !pending_.others.empty()) keepWithNodeAbove();
  pending_.clearAll();
  moveInNode_ = false;
  nodeMade_ = false;
  root_ = false;
  inRootNode_ = false;
  lastOtherIdStart_ = std::string::npos;  // a value at the start of the next node names its identifier again
}

void SgfReader::composeFromSetup(bool atNodeEnd, std::size_t at) {
  // Injected text never rewrites the node it is read below: its setup becomes a node of its own.
  if (root_ && !injecting() && game_->currentNode->hasSnapshot()) composeRoot(atNodeEnd);
  else addCompositionNode(atNodeEnd, at);
}

void SgfReader::composeRoot(bool atNodeEnd) {
  GameNode* node = game_->currentNode;
  if (pos_.cellCount() != game_->cellCount() || !rewriteSnapshot(*game_, node, pos_)) return;
  node->setKind(SpecialMoveKind::Compose);
  if (atNodeEnd && pending_.sideToMove) node->setBlackNext(*pending_.sideToMove == Colour::Black);
  pending_.setupCount = 0;
  pending_.lastSetupPoint.reset();
  nodeMade_ = true;
  attachPending(node);
}

bool SgfReader::addCompositionNode(bool atNodeEnd, std::size_t at) {
  if (depthExhausted(at)) return false;
  const Colour side = compositionSideToMove(atNodeEnd);
  PlayContext ctx = playContext();
  GameNode* node = addComposeNode(ctx, side, pos_);
  if (atNodeEnd && request_.settings.convertAWAB && pending_.setupCount == 1) convertLoneSetupStone(node);
  pending_.setupCount = 0;
  pending_.lastSetupPoint.reset();
  nodeMade_ = true;
  attachPending(node);
  return true;
}

Colour SgfReader::compositionSideToMove(bool atNodeEnd) {
  const GameNode* current = game_->currentNode;
  Colour side = (atNodeEnd && pending_.sideToMove) ? *pending_.sideToMove : sideOf(current->blackNext());
  if (game_->kind() == GameKind::Othello) {
    BoardPosition marked = pos_;
    side = othelloTurnAtPosition(marked, side).toMove;
  }
  if (game_->variant() == GoVariant::Connect6)
    side = connect6SideOfMove(static_cast<int>(current->moveNumber()) + 2);  // the move after the new node
  return side;
}

void SgfReader::convertLoneSetupStone(GameNode* node) {
  // One AB or AW stone and nothing else is read as an ordinary move of that colour.
  if (!pending_.lastSetupPoint) return;
  const BoardPoint p = *pending_.lastSetupPoint;
  if (!pos_.inSquare(p.x, p.y) || pos_.at(p.x, p.y) == cell::kOffBoard) return;
  // A stone put over another one is no move (a move there is refused when the file is read again): it
  // stays a composition.
  const BoardPosition before = PositionAt(*game_, node->prev());
  if (before.at(p.x, p.y) != cell::kEmpty) return;
  const Colour colour = pending_.setupColour;
  // Nor is a stone that repeats a move already made from the same position: a second reading would
  // follow that move instead of opening a line of its own.
  const unsigned point = static_cast<unsigned>(p.x + p.y * game_->width());
  const auto sameMove = [&](const GameNode& child) {
    return &child != node && child.isPlacement() && child.point() == point &&
           child.blackMove() == (colour == Colour::Black);
  };
  GameNode* parent = node->prev();
  if ((parent->next() != nullptr && sameMove(*parent->next())) || findSideLine(*game_, parent, sameMove) != nullptr)
    return;
  // Nor is a stone of the other side below a Connect6 composition, whose side to move the move number
  // decides: the move would give that node a side to move that a second reading takes back.
  const bool ruledSide = parent->kind() == SpecialMoveKind::Compose && parent != game_->firstNode &&
                         game_->variant() == GoVariant::Connect6;
  if (ruledSide && parent->blackNext() != (colour == Colour::Black)) return;
  // Nor is a stone that, played by the rules, would do more than stand there (turn pieces, capture) or
  // be refused (an Unlur contract piece on the edge, among others): a second reading plays it, and the
  // positions below would change.
  if (!playsAsPlaced(parent, before, colour, p)) return;
  node->setKind(SpecialMoveKind::Placement);
  node->setPoint(point);
  node->setBlackMove(colour == Colour::Black);
  node->prev()->setBlackNext(colour == Colour::Black);
  const Colour next = pending_.sideToMove ? *pending_.sideToMove : opponent(colour);
  node->setBlackNext(next == Colour::Black);
  anyMove_ = true;  // the game then has its primary node and cursor as after any other move
  lastMovePoint_ = p;
}

bool SgfReader::playsAsPlaced(GameNode* parent, const BoardPosition& before, Colour colour, BoardPoint p) {
  GameNode* const current = game_->currentNode;
  game_->currentNode = parent;  // the rules look at the line up to the move's parent
  PlayContext ctx = playContext();
  ctx.x = p.x;
  ctx.y = p.y;
  BoardPosition played = before;
  const KindMove km = playByKind(ctx, colour, played);
  game_->currentNode = current;
  return km.result == MoveResult::Accepted && km.addsNode && !km.passImplied && played == pos_;
}

void SgfReader::attachPending(GameNode* node) {
  SGridFrame& game = *game_;
  PendingItems& p = pending_;
  if (p.printDiagram) node->setPrintDiagram(true);
  if (p.currentMark) markedCurrent_ = node;
  if (p.primaryMark) game.primaryNode = node;
  if (p.bookmark) addBookmark(game, node, std::move(*p.bookmark));
  if (p.quickSlot) putInQuickSlot(game, node, *p.quickSlot);
  if (p.score) setScore(game, node, *p.score);
  if (p.name) setName(game, node, *p.name);
  if (p.comment) addCommentWhileReading(game, node, *p.comment);
  if (!p.markup.empty()) addMarkup(game, node, p.markup);
  attachFields(node, p.blackFields);
  attachFields(node, p.whiteFields);
  addOtherProperties(game, node, p.others);
  p.clearAttached();
}

void SgfReader::attachFields(GameNode* node, const std::vector<FieldOfTerritory>& fields) {
  if (fields.empty() || game_->kind() != GameKind::Kropki) return;
  std::vector<std::uint8_t>& mask = game_->kropkiFields[node];
  mask.resize(static_cast<std::size_t>(game_->cellCount()), 0);
  for (const FieldOfTerritory& field : fields)
    for (std::size_t i = 0; i < mask.size() && i < field.cells().size(); ++i) mask[i] |= field.cells()[i];
  node->setCaptureRecord(true);
}

}  // namespace meridax
