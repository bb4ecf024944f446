#include "rules/move_acceptance.h"

#include "model/game_tree.h"
#include "model/text_format.h"
#include "rules/auto_labels.h"
#include "rules/display_coords.h"
#include "rules/kind_play.h"
#include "rules/navigation_step.h"
#include "rules/position_at.h"

namespace meridax {

namespace {

Colour colourOf(const GameNode* n) { return n->blackMove() ? Colour::Black : Colour::White; }

bool isMoveAt(const GameNode* n, Colour c, unsigned point) {
  return n->isPlacement() && n->point() == point && colourOf(n) == c;
}

MoveResult refuse(const PlayContext& ctx, MoveResult r) {
  const std::string text = statusText(r);
  if (!text.empty()) ctx.notify(text);
  return r;
}

void stepForward(PlayContext& ctx, GameNode* node, BoardPosition& pos) {
  goToNode(ctx.game, node);
  pos = ctx.game.cachedPosition;
}

// In user play: the change marks, and what the kind has to say about the move.
void finishUserMove(PlayContext& ctx, const KindMove& km) {
  SGridFrame& game = ctx.game;
  game.markTreeChanged();
  if (ctx.quiet || ctx.host == nullptr) return;
  if (!km.statusText.empty()) ctx.host->notice(km.statusText);
  ctx.host->markFileModified();
  ctx.host->treeGrew();
}

bool isGoKind(const SGridFrame& game) { return game.kind() == GameKind::Go; }

// Labels the first point of every side line of the node that has no label yet.
void labelBranches(PlayContext& ctx, GameNode* node) {
  SGridFrame& game = ctx.game;
  const int w = game.width();
  for (const SBranchDetails* line : game.variations.linesBelow(node)) {
    const GameNode* head = line->head;
    if (head == nullptr || !head->isPlacement()) continue;
    autoLabelPoint(game, node, static_cast<int>(head->point()) % w, static_cast<int>(head->point()) / w,
                   ctx.options.autoLower);
  }
}

// Switches to a side line that starts with the same move. Returns true when one was found.
bool switchToExistingLine(PlayContext& ctx, SBranchDetails& line, BoardPosition& pos) {
  SGridFrame& game = ctx.game;
  if (ctx.quiet) {
    game.currentLine = &line;
    game.endNode = line.tail;
    stepForward(ctx, line.head, pos);
    return true;
  }
  exchangeWithContinuation(game, line);
  stepForward(ctx, game.currentNode->next(), pos);
  game.markTreeChanged();
  if (ctx.host != nullptr) {
    ctx.host->markFileModified();
    ctx.host->treeGrew();
  }
  return true;
}

}  // namespace

MoveResult Accept_Move(PlayContext& ctx, Colour c, BoardPosition& pos) {
  SGridFrame& game = ctx.game;
  const int x = ctx.x;
  const int y = ctx.y;
  if (x < 0 || y < 0 || x >= game.width() || y >= game.width()) return refuse(ctx, MoveResult::OutOfRange);
  const std::uint8_t v = pos.at(x, y);
  if (v == cell::kOffBoard) return refuse(ctx, MoveResult::OffBoard);

  GameNode* current = game.currentNode;
  const unsigned point = static_cast<unsigned>(x + y * game.width());
  if (isPiece(v)) {
    // The stone just played: the board pane passes the side to move, which is usually not the
    // colour of that stone, so user play recognises it by its point alone.
    const bool justPlayed = isMoveAt(current, c, point) ||
                            (!ctx.quiet && current->isPlacement() && current->point() == point &&
                             v == cellOf(colourOf(current)));
    if (justPlayed) return MoveResult::Accepted;
    return refuse(ctx, MoveResult::Occupied);
  }

  GameNode* next = current->next();
  if (next != nullptr && isMoveAt(next, c, point)) {
    stepForward(ctx, next, pos);
    return MoveResult::Accepted;
  }
  if (current->moveNumber() >= GameNode::kMaxMoveNumber) return refuse(ctx, MoveResult::TooManyBranches);

  // One board kept for the position before the move: a fresh copy per move costs an allocation each.
  static thread_local BoardPosition before;
  before = pos;
  KindMove km = playByKind(ctx, c, pos);
  if (km.result != MoveResult::Accepted) {
    pos = before;
    return refuse(ctx, km.result);
  }
  if (!km.addsNode) return MoveResult::Accepted;

  SBranchDetails* loadingLine = nullptr;
  if (next != nullptr) {
    if (SBranchDetails* found = findSideLine(game, current, [&](const GameNode& n) { return isMoveAt(&n, c, point); })) {
      pos = before;
      switchToExistingLine(ctx, *found, pos);
      return MoveResult::Accepted;
    }
    SBranchDetails* line = openNewLine(game, ctx.quiet);
    if (ctx.quiet) {
      loadingLine = line;
    } else if (ctx.options.autoLabelBranches && isGoKind(game)) {
      labelBranches(ctx, current);
      autoLabelPoint(game, current, x, y, ctx.options.autoLower);  // then the new move's point
    }
  }

  if (ctx.options.autoLabelMoves && game.kind() == GameKind::Go && game.variant() == GoVariant::Go)
    autoLabelPoint(game, current, x, y, ctx.options.autoLower);

  GameNode* node = list_insert(game, current, pos, c, SpecialMoveKind::Placement, point, km.forceSnapshot);
  if (loadingLine != nullptr) adoptNewLine(game, *loadingLine, current, node);
  recordKindMove(game, node, km);
  game.currentNode = node;
  game.cachedPosition = pos;
  game.cachedPositionNode = node;
  if (!ctx.quiet) finishUserMove(ctx, km);
  return MoveResult::Accepted;
}

std::string loadErrorText(const SGridFrame& game, int x, int y, MoveResult r, const std::string* fileText,
                          std::size_t errorOffset) {
  const GameNode* current = game.currentNode;
  const DisplayCoordinate d = displayCoordinate(game, x, y);
  std::string text = formatText("( %c%c%d )   at move number %u", current->blackMove() ? 'B' : 'W', d.letter, d.number,
                                current->moveNumber());
  text += "\r\n\r\n";
  text += loadText(r);
  if (fileText != nullptr) {
    const std::size_t from = errorOffset > 48 ? errorOffset - 48 : 0;
    text += "\r\n\r\nThe error occurred within the following extract from the file.\r\n\r\n";
    if (from < fileText->size()) text += fileText->substr(from, 96);
  }
  return text;
}

}  // namespace meridax
