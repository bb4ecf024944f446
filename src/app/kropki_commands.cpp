#include "app/kropki_commands.h"

#include "app/frame_win.h"
#include "rules/kropki_tree.h"
#include "rules/position_at.h"

namespace meridax {

namespace {

// After a field changed: the file must be saved, the counts are stale and the board and the tree's
// 'Stop' markers are drawn again.
void fieldsChanged(FrameWin& frame) {
  frame.game().markTreeChanged();
  frame.game().invalidateStatistics();
  frame.markFileModified();
  if (frame.ports().window != nullptr) frame.ports().window->redraw(Redraw::All);
}

void finish(FrameWin& frame, const KropkiEdit& edit) {
  if (edit.changed) fieldsChanged(frame);
  if (!edit.message.empty())
    frame.ports().messages->tell(UserMessage{edit.caption, edit.message, MessageIcon::Warning});
}

}  // namespace

bool kropkiFieldCommandsEnabled(FrameWin& frame) { return frame.game().kind() == GameKind::Kropki; }

bool kropkiStopEnabled(FrameWin& frame) {
  const GameNode* node = frame.nodeUnderMouse();
  return kropkiFieldCommandsEnabled(frame) && node != nullptr && node->captureRecord();
}

void createKropkiTerritory(FrameWin& frame, Colour colour) {
  if (!kropkiFieldCommandsEnabled(frame)) return;
  SGridFrame& g = frame.game();
  finish(frame, createField(g, currentPosition(g), g.cursorX, g.cursorY, colour));
}

void removeKropkiTerritory(FrameWin& frame) {
  if (!kropkiFieldCommandsEnabled(frame)) return;
  SGridFrame& g = frame.game();
  finish(frame, deleteField(g, g.cursorX, g.cursorY));
}

void deleteKropkiStop(FrameWin& frame) {
  if (!kropkiStopEnabled(frame)) return;
  if (deleteNodeFields(frame.game(), frame.nodeUnderMouse())) fieldsChanged(frame);
}

}  // namespace meridax
