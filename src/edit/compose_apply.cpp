#include "edit/compose_apply.h"

#include "model/game_tree.h"
#include "rules/connect6_rules.h"
#include "rules/kropki_tree.h"
#include "rules/move_acceptance.h"
#include "rules/navigation_step.h"
#include "rules/othello_rules.h"
#include "rules/position_at.h"

namespace meridax {

namespace {

BoardPosition plainPosition(BoardPosition pos) {
  for (std::uint8_t& v : pos.cells())
    if (v == cell::kAvailable) v = cell::kEmpty;
  return pos;
}

// Othello: the side to move is the one with a square, and the status text says why it changed.
Colour settledSide(GameKind kind, const BoardPosition& board, Colour side, std::string& status) {
  if (kind != GameKind::Othello) return side;
  BoardPosition marked = board;
  const OthelloTurn turn = othelloTurnAtPosition(marked, side);
  status = othelloTurnText(turn);
  return turn.toMove;
}

void attachTerritory(SGridFrame& game, GameNode* node, const Composition& composition) {
  if (game.kind() != GameKind::Kropki || composition.territory.width() != game.width()) return;
  attachField(game, node, composition.territory);
}

}  // namespace

std::vector<std::string> composeChoiceTexts() {
  return {"New game.  Use the composed position as the starting state for a new game.",
          "Modification.  Use the composed position as a modification to the current game position.",
          "Cancel.  Return to dialog."};
}

std::optional<EditNotice> emptyCompositionNotice(const ComposeModel& model) {
  if (!model.isEmpty()) return std::nullopt;
  return EditNotice{kComposeOkCaption, kEmptyCompositionText};
}

bool compositionChanges(SGridFrame& game, const Composition& composition) {
  const Colour side = game.currentNode->blackNext() ? Colour::Black : Colour::White;
  if (composition.sideToMove != side) return true;
  if (plainPosition(composition.board) != plainPosition(currentPosition(game))) return true;
  if (game.kind() != GameKind::Kropki) return false;
  // A field made or erased in the dialog is a change even when no dot moved.
  return composition.territory != territoryMap(game, game.currentNode);
}

ComposeOutcome composeModification(PlayContext& ctx, const Composition& composition) {
  SGridFrame& game = ctx.game;
  ComposeOutcome outcome;
  if (!compositionChanges(game, composition)) {
    outcome.notice = EditNotice{kComposeCaption, kNoChangesText};
    return outcome;
  }
  // A node below the last move number would wrap its move number back to 0.
  if (game.currentNode->moveNumber() >= GameNode::kMaxMoveNumber) return outcome;
  const BoardPosition board = plainPosition(composition.board);
  const Colour side = settledSide(game.kind(), board, composition.sideToMove, outcome.statusText);
  GameNode* node = addComposeNode(ctx, side, board);
  node->setPrintDiagram(true);
  attachTerritory(game, node, composition);
  game.markTreeChanged();
  outcome.node = node;
  return outcome;
}

ComposeOutcome composeNewGame(Collection& collection, const Composition& composition) {
  const SGridFrame& source = *collection.current();
  const std::size_t index =
      collection.createGame(source.kind(), source.width(), source.height(), collection.currentIndex());
  SGridFrame& game = collection.game(index);
  game.details[DetailField::Rules] = source.details[DetailField::Rules];
  collection.setCurrent(index);

  ComposeOutcome outcome;
  GameNode* first = game.firstNode;
  const BoardPosition board = plainPosition(composition.board);
  if (board.width() != game.width() || !rewriteSnapshot(game, first, board)) return outcome;
  Colour side = settledSide(game.kind(), board, composition.sideToMove, outcome.statusText);
  if (game.variant() == GoVariant::Connect6) side = connect6SideOfMove(static_cast<int>(first->moveNumber()) + 1);
  first->setKind(SpecialMoveKind::Compose);
  first->setBlackNext(side == Colour::Black);
  first->setPrintDiagram(true);
  attachTerritory(game, first, composition);
  if (isOnBoard(game.kind(), game.width(), game.height(), composition.cursor.x, composition.cursor.y)) {
    game.cursorX = composition.cursor.x;
    game.cursorY = composition.cursor.y;
  }
  game.cachedPositionNode = nullptr;
  goToNode(game, first);
  game.markTreeChanged();
  outcome.node = first;
  return outcome;
}

}  // namespace meridax
