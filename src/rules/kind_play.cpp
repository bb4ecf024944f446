#include "rules/kind_play.h"

#include "model/game_tree.h"
#include "rules/connect6_rules.h"
#include "rules/go_rules.h"
#include "rules/hex_family_rules.h"
#include "rules/kropki_territory.h"
#include "rules/othello_rules.h"
#include "rules/pente_rules.h"
#include "rules/position_at.h"

namespace meridax {

namespace {

Colour colourOf(const GameNode* n) { return n->blackMove() ? Colour::Black : Colour::White; }

// Whether a position arose on the current line after a move of the mover's colour.
RepetitionCheck repetitionOnCurrentLine(const SGridFrame& game) {
  return [&game](const BoardPosition& after, Colour mover) {
    for (const GameNode* n = game.firstNode; n != nullptr; n = n->next()) {
      if (colourOf(n) != mover) continue;
      const BoardPosition earlier = PositionAt(game, n);
      bool same = true;
      for (int i = 0; i < after.cellCount() && same; ++i) same = (earlier[i] == after[i]);
      if (same) return true;
    }
    return false;
  };
}

void addCaptures(const SGridFrame& game, KindMove& km, Colour c, int moverGain, int opponentGain) {
  km.forceSnapshot = moverGain + opponentGain > 0;
  km.captureRecord = km.forceSnapshot;
  km.blackCounter = game.blackCounter + (c == Colour::Black ? moverGain : opponentGain);
  km.whiteCounter = game.whiteCounter + (c == Colour::White ? moverGain : opponentGain);
  km.countersChanged = true;
}

KindMove playGo(const PlayContext& ctx, Colour c, BoardPosition& pos) {
  KindMove km;
  const PlayMode mode = ctx.quiet ? PlayMode::Quiet : PlayMode::User;
  const GoMoveOutcome out = PlayGoMove(pos, ctx.x, ctx.y, c, mode, repetitionOnCurrentLine(ctx.game));
  km.result = out.result;
  if (!out.accepted()) return km;
  addCaptures(ctx.game, km, c, out.captured, out.selfCaptured);
  km.nextSide = opponent(c);
  return km;
}

KindMove playPente(const PlayContext& ctx, Colour c, BoardPosition& pos) {
  KindMove km;
  const PenteMoveOutcome out = PlayPenteMove(pos, ctx.x, ctx.y, c);
  km.result = out.result;
  if (!out.accepted()) return km;
  addCaptures(ctx.game, km, c, out.captured(), 0);
  km.nextSide = opponent(c);
  return km;
}

KindMove playConnect6(const PlayContext& ctx, Colour c, BoardPosition& pos) {
  KindMove km;
  pos.set(ctx.x, ctx.y, cellOf(c));
  km.nextSide = connect6SideToMove(static_cast<int>(ctx.game.currentNode->moveNumber()) + 1, c);
  return km;
}

KindMove playOthello(const PlayContext& ctx, Colour c, BoardPosition& pos) {
  KindMove km;
  const OthelloMoveOutcome out = PlayOthelloMove(pos, ctx.x, ctx.y, c, ctx.quiet ? PlayMode::Quiet : PlayMode::User);
  km.result = out.result;
  if (!out.accepted()) return km;
  const OthelloTurn turn = othelloTurnAfterMove(pos, c);
  km.nextSide = turn.toMove;
  km.passImplied = turn.passImplied();
  km.statusText = othelloTurnText(turn);
  km.countersChanged = true;
  km.blackCounter = turn.counts.black;
  km.whiteCounter = turn.counts.white;
  return km;
}

KindMove playHexFamily(const PlayContext& ctx, Colour c, BoardPosition& pos) {
  KindMove km;
  const SGridFrame& game = ctx.game;
  if (game.kind() == GameKind::Unlur) {
    const GameNode* current = game.currentNode;
    if (current->kind() == SpecialMoveKind::Placement || current->kind() == SpecialMoveKind::Pass) {
      km.result = checkUnlurEdgeRule(pos, colourOf(current), ctx.x, ctx.y);
      if (km.result != MoveResult::Accepted) return km;
    }
  }
  pos.set(ctx.x, ctx.y, cellOf(c));
  km.nextSide = sideToMoveAfterPlacement(game.kind(), c, pos);
  if (game.kind() == GameKind::Unlur) {
    const PieceCounts counts = countPieces(pos);
    km.countersChanged = true;
    km.blackCounter = counts.black;
    km.whiteCounter = counts.white;
  }
  return km;
}

KindMove playKropki(const PlayContext& ctx, Colour c, BoardPosition& pos) {
  KindMove km;
  const SGridFrame& game = ctx.game;
  const std::vector<std::uint8_t> territory = kropkiTerritoryMap(game, game.currentNode);
  if (territory[static_cast<std::size_t>(ctx.x + ctx.y * game.width())] != 0) {
    km.result = MoveResult::InsideTerritory;
    return km;
  }
  pos.set(ctx.x, ctx.y, cellOf(c));
  km.nextSide = opponent(c);
  return km;
}

}  // namespace

KindMove playByKind(const PlayContext& ctx, Colour c, BoardPosition& pos) {
  switch (ctx.game.kind()) {
    case GameKind::Go:
      switch (ctx.game.variant()) {
        case GoVariant::Pente: return playPente(ctx, c, pos);
        case GoVariant::Connect6: return playConnect6(ctx, c, pos);
        default: return playGo(ctx, c, pos);
      }
    case GameKind::Othello: return playOthello(ctx, c, pos);
    case GameKind::Hex:
    case GameKind::Havannah:
    case GameKind::Unlur:
    case GameKind::SideStitch: return playHexFamily(ctx, c, pos);
    case GameKind::Kropki: return playKropki(ctx, c, pos);
    default: {
      KindMove none;  // Margo, Onyx and Sursum have no placement
      none.addsNode = false;
      return none;
    }
  }
}

void recordKindMove(SGridFrame& game, GameNode* node, const KindMove& km) {
  node->setBlackNext(km.nextSide == Colour::Black);
  if (km.countersChanged) {
    game.blackCounter = static_cast<std::int16_t>(km.blackCounter);
    game.whiteCounter = static_cast<std::int16_t>(km.whiteCounter);
  }
  if (km.captureRecord) {
    game.captureCounts[node] = packCaptureEntry(km.blackCounter, km.whiteCounter);
    node->setCaptureRecord(true);
  }
  if (km.passImplied) node->setCaptureRecord(true);
}

}  // namespace meridax
