// The commands that add special moves to the current game: pass (or swap sides, or the Unlur acceptance),
// swap pieces, resignation and forfeit. Each runs only while its menu entry would be enabled.

#include <algorithm>

#include "app/frame_win.h"
#include "rules/move_acceptance.h"
#include "rules/position_at.h"

namespace meridax {

SpecialMoveContext FrameWin::specialMoveContext() {
  SGridFrame& g = game();
  SpecialMoveContext ctx;
  ctx.kind = g.kind();
  ctx.moveNumber = static_cast<int>(g.currentNode->moveNumber());
  ctx.currentKind = g.currentNode->kind();
  const std::vector<std::uint8_t>& cells = currentPosition(g).cells();
  ctx.whitePieces = static_cast<int>(std::count(cells.begin(), cells.end(), cellOf(Colour::White)));
  return ctx;
}

void FrameWin::addSpecial(const SpecialMoveCommand& command) {
  if (!command.enabled) return;
  SGridFrame& g = game();
  PlayContext ctx{g, g.cursorX, g.cursorY, false, playOptions(), this};
  BoardPosition pos = currentPosition(g);
  const Colour side = g.currentNode->blackNext() ? Colour::Black : Colour::White;
  try {
    addSpecialMove(ctx, command.adds, side, pos);
  } catch (const AppError& e) {
    ports_.messages->tell({e.caption(), e.text(), MessageIcon::Error});
    return;
  }
  // Stepping onto a special move already there reports nothing itself, so the status is taken from the
  // position reached whichever way the command went.
  refreshStatus();
  if (ports_.window != nullptr)
    ports_.window->redraw(static_cast<Redraw>(static_cast<int>(Redraw::Board) | static_cast<int>(Redraw::Tree)));
}

void FrameWin::CmPass() { addSpecial(passCommand(specialMoveContext())); }
void FrameWin::CmSwapPieces() { addSpecial(swapPiecesCommand(specialMoveContext())); }
void FrameWin::CmResign() { addSpecial(resignationCommand(specialMoveContext())); }
void FrameWin::CmForfeit() { addSpecial(forfeitCommand(specialMoveContext())); }

}  // namespace meridax
