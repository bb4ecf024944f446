// Correcting a misplaced stone: the game is written again with the move at its new point and read back
// as a further game of the collection, so conflicts further down cut lines in the copy only.

#include "app/frame_win.h"
#include "app/move_correction_port.h"
#include "model/text_format.h"
#include "edit/stone_correction.h"
#include "rules/position_at.h"
#include "sgf/sgf_writer.h"

namespace meridax {

namespace {

// Kinds whose board takes the Ctrl drag as a correction.
bool takesStoneCorrection(GameKind kind) {
  return kind != GameKind::Othello && kind != GameKind::Margo && kind != GameKind::Onyx && kind != GameKind::Sursum;
}

// Told when the tree cannot be walked to write it; the game is left as it was.
constexpr char kCorrectionNotWritten[] =
    "The game could not be written with the corrected move.  Nothing has been changed.";

}  // namespace

void FrameWin::ctrlDragOnBoard(int x1, int y1, int x2, int y2) {
  const ActionScope action(*this);
  nameAction("Move Correction");
  if (x1 == x2 && y1 == y2) return;
  if (!takesStoneCorrection(game().kind())) return;
  CorrectStone(x1, y1, x2, y2);
}

void FrameWin::CorrectStone(int sourceX, int sourceY, int targetX, int targetY) {
  SGridFrame& g = game();
  const CorrectionPlan plan = planStoneCorrection(g, currentPosition(g), {sourceX, sourceY}, {targetX, targetY});
  if (plan.step == CorrectionStep::Nothing) return;
  if (plan.step == CorrectionStep::NotFound) {
    ports_.messages->tell({kCorrectStoneCaption, plan.text, MessageIcon::Warning});
    return;
  }
  const bool confirmed =
      ports_.moveCorrection != nullptr
          ? ports_.moveCorrection->confirmMoveCorrection({plan.sourceName, plan.targetName, plan.text})
          : ports_.messages->askYesNo(kMoveCorrectionCaption, plan.text);
  if (!confirmed) return;
  const std::optional<std::string> text = writeGameWithCorrectedMove(g, plan.move, plan.target);
  if (!text) {
    ports_.messages->tell({kCorrectStoneCaption, kCorrectionNotWritten, MessageIcon::Error});
    return;
  }

  if (ports_.window != nullptr) g.treeTopLine = static_cast<std::uint16_t>(ports_.window->treeTopLine());
  const std::size_t before = collection_.size();
  errorList().clear();
  bool anySelected = false;
  std::size_t selectedIndex = 0;
  const int games = workflow_.readGamesFromText(*text, "", collection_.currentIndex(), false, anySelected, selectedIndex);
  showErrors();
  if (games == 0 || collection_.size() == before) return;  // the reader has told why
  markFileModified();
  if (ports_.window != nullptr) ports_.window->setTreeTopLine(game().treeTopLine);
  refreshAfterGameChange(true);
  ports_.messages->tell({kCorrectStoneCaption,
                         formatText("SGF file loaded.\r\nBytes  = %d", static_cast<int>(text->size())),
                         MessageIcon::Information});
}

}  // namespace meridax
