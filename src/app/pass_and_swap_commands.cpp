#include "app/pass_and_swap_commands.h"

#include <utility>

namespace meridax {

namespace {

// The opening exchanges are offered only right after the first move.
constexpr int kOpeningMoveNumber = 1;

SpecialMoveCommand command(std::string label, bool enabled, SpecialMoveKind adds) {
  SpecialMoveCommand c;
  c.label = std::move(label);
  c.enabled = enabled;
  c.adds = adds;
  return c;
}

}  // namespace

SpecialMoveCommand passCommand(const SpecialMoveContext& ctx) {
  if (ctx.kind == GameKind::Go) return command("&Pass\tCtrl+T", true, SpecialMoveKind::Pass);
  if (kindIn(ctx.kind, kind_mask::kSwapSides))
    return command("Swap &Sides\tCtrl+T", ctx.moveNumber == kOpeningMoveNumber, SpecialMoveKind::SwapSides);
  if (ctx.kind == GameKind::Unlur) {
    // The first node is a pass too, so the acceptance cannot be made before the first contract move.
    const bool enabled = ctx.currentKind != SpecialMoveKind::Pass && ctx.whitePieces == 0;
    return command("Accept the &Black Pieces\tCtrl+T", enabled, SpecialMoveKind::Pass);
  }
  return command("Pass", false, SpecialMoveKind::Pass);
}

SpecialMoveCommand swapPiecesCommand(const SpecialMoveContext& ctx) {
  SpecialMoveCommand c = command("Swap &Pieces ( Hex )\tCtrl+U",
                                 ctx.kind == GameKind::Hex && ctx.moveNumber == kOpeningMoveNumber,
                                 SpecialMoveKind::SwapPieces);
  c.tip = "Swap pieces ( Hex )";
  return c;
}

SpecialMoveCommand resignationCommand(const SpecialMoveContext& ctx) {
  return command("Add a resignation move",
                 ctx.currentKind != SpecialMoveKind::Resign, SpecialMoveKind::Resign);
}

SpecialMoveCommand forfeitCommand(const SpecialMoveContext& ctx) {
  return command("Add a forfeit move", ctx.currentKind != SpecialMoveKind::Forfeit,
                 SpecialMoveKind::Forfeit);
}

}  // namespace meridax
