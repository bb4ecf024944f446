#include "edit/stone_correction.h"

#include "rules/display_coords.h"

namespace meridax {

namespace {

// A path up the tree passes each move number once; a longer walk has met a loop in damaged links.
constexpr unsigned kLongestWalk = GameNode::kMaxMoveNumber + 2;

constexpr char kUnableToLocate[] = "Unable to locate move '";
constexpr char kEndedAtCompose[] = "\r\n\r\nSearchback terminated at a 'compose' move.";
constexpr char kEndedAtSwapPieces[] = "\r\n\r\nSearchback terminated at a 'swap pieces' move.";

constexpr char kCorrectionOpening[] = "Meridax will attempt to reposition move '";
constexpr char kCorrectionTo[] = "' to '";
constexpr char kCorrectionPlan[] =
    "'.\r\n\r\nIt will create a temporary SGF file for this game with the corrected move and then load this file "
    "into the collection.  Lines of play will be truncated if the move change leads to conflicts further down "
    "the game tree.  ";
constexpr char kGoKindsNote[] = "Go self captures or invalid ko recaptures will not be raised as conflicts.";
constexpr char kKropkiNote[] =
    "Also, Meridax will not alter any regions of territory.  It will be up to you to resolve any conflicts.";
constexpr char kOtherKindsNote[] = "It will be up to you to resolve any conflicts.";
constexpr char kExistingGameNote[] =
    "\r\n\r\nThe existing game will be left unchanged in the collection.  It will be up to you to keep or delete.";

const char* kindNote(GameKind kind) {
  if (kind == GameKind::Go) return kGoKindsNote;  // Pente and Connect6 are Go games by their rules text
  if (kind == GameKind::Kropki) return kKropkiNote;
  return kOtherKindsNote;
}

unsigned cellIndex(const BoardPosition& pos, BoardPoint p) { return static_cast<unsigned>(pos.index(p.x, p.y)); }

}  // namespace

MoveSearch findMoveAt(const SGridFrame& game, const GameNode* from, unsigned point) {
  MoveSearch search;
  const GameNode* n = from;
  for (unsigned steps = 0; n != nullptr && n->inUse() && steps < kLongestWalk; n = n->prev(), ++steps) {
    if (n->isPlacement() && n != game.firstNode && n->point() == point) {
      search.move = n;
      return search;
    }
    if (n->kind() == SpecialMoveKind::Compose) {
      search.end = SearchEnd::Compose;
      return search;
    }
    if (n->kind() == SpecialMoveKind::SwapPieces) {
      search.end = SearchEnd::SwapPieces;
      return search;
    }
    if (n == game.firstNode) break;
  }
  return search;
}

std::string unableToLocateText(const std::string& pointName, SearchEnd end) {
  std::string text = kUnableToLocate + pointName + "'";
  if (end == SearchEnd::Compose) text += kEndedAtCompose;
  if (end == SearchEnd::SwapPieces) text += kEndedAtSwapPieces;
  return text;
}

std::string moveCorrectionText(const SGridFrame& game, const std::string& from, const std::string& to) {
  return kCorrectionOpening + from + kCorrectionTo + to + kCorrectionPlan +
         kindNote(game.kind()) + kExistingGameNote;
}

CorrectionPlan planStoneCorrection(const SGridFrame& game, const BoardPosition& pos, BoardPoint source,
                                   BoardPoint target) {
  CorrectionPlan plan;
  if (game.kind() == GameKind::Othello) return plan;
  if (!pos.inSquare(source.x, source.y) || !pos.inSquare(target.x, target.y)) return plan;
  if (!isPiece(pos.at(source.x, source.y)) || !isEmptyCell(pos.at(target.x, target.y))) return plan;
  plan.sourceName = displayPoint(game, source.x, source.y);
  plan.targetName = displayPoint(game, target.x, target.y);
  const MoveSearch search = findMoveAt(game, game.currentNode, cellIndex(pos, source));
  if (search.move == nullptr) {
    plan.step = CorrectionStep::NotFound;
    plan.text = unableToLocateText(plan.sourceName, search.end);
    return plan;
  }
  plan.step = CorrectionStep::Confirm;
  plan.text = moveCorrectionText(game, plan.sourceName, plan.targetName);
  plan.move = search.move;
  plan.target = target;
  return plan;
}

}  // namespace meridax
