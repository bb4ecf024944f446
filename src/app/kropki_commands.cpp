#include "app/kropki_commands.h"

#include "app/frame_services.h"
#include "rules/kropki_tree.h"
#include "rules/position_at.h"

namespace meridax {

namespace {

// After a field changed: the file must be saved, the counts are stale and the board and the tree's
// 'Stop' markers are drawn again.
void fieldsChanged(FrameServices& frame) {
  frame.game().markTreeChanged();
  frame.game().invalidateStatistics();
  frame.markFileModified();
  frame.redraw(Redraw::All);
}

void finish(FrameServices& frame, const KropkiEdit& edit) {
  if (edit.changed) fieldsChanged(frame);
  if (!edit.message.empty())
    frame.ports().messages->tell(UserMessage{edit.caption, edit.message, MessageIcon::Warning});
}

}  // namespace

bool kropkiFieldCommandsEnabled(FrameServices& frame) { return frame.game().kind() == GameKind::Kropki; }

bool kropkiStopEnabled(FrameServices& frame) {
  const GameNode* node = frame.nodeUnderMouse();
  return kropkiFieldCommandsEnabled(frame) && node != nullptr && node->captureRecord();
}

void createKropkiTerritory(FrameServices& frame, Colour colour) {
  if (!kropkiFieldCommandsEnabled(frame)) return;
  SGridFrame& g = frame.game();
  finish(frame, createField(g, currentPosition(g), g.cursorX, g.cursorY, colour));
}

void removeKropkiTerritory(FrameServices& frame) {
  if (!kropkiFieldCommandsEnabled(frame)) return;
  SGridFrame& g = frame.game();
  finish(frame, deleteField(g, g.cursorX, g.cursorY));
}

void deleteKropkiStop(FrameServices& frame) {
  if (!kropkiStopEnabled(frame)) return;
  if (deleteNodeFields(frame.game(), frame.nodeUnderMouse())) fieldsChanged(frame);
}

}  // namespace meridax
