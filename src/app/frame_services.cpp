#include "app/frame_services.h"

#include "edit/navigation.h"

namespace meridax {

PlayOptions FrameServices::playOptions() {
  PlayOptions o;
  o.autoLabelMoves = frameSettings().autoLabelMoves;
  o.autoLabelBranches = frameSettings().autoLabelBranches;
  o.autoLower = appSettings().doAutoLower;
  return o;
}

void FrameServices::redraw(Redraw what) {
  if (ports().window != nullptr) ports().window->redraw(what);
}

void FrameServices::tell(const std::string& caption, const std::string& text, MessageIcon icon) {
  ports().messages->tell(UserMessage{caption, text, icon});
}

GameNode* FrameServices::nodeUnderMouse() {
  return isNodeOfGame(game(), context_.node) ? context_.node : nullptr;
}

}  // namespace meridax
