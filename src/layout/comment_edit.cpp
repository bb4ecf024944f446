#include "layout/comment_edit.h"

#include "edit/navigation.h"
#include "app/typed_text.h"
#include "model/node_texts.h"

namespace meridax {

namespace {

std::string withLineFeeds(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') out += text[i];
    else if (i + 1 >= text.size() || text[i + 1] != '\n') out += '\n';
  }
  return out;
}

bool isBlank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

SGridFrame* gameWithSerial(Collection& collection, std::uint32_t serial) {
  for (std::size_t i = 0; i < collection.size(); ++i)
    if (collection.game(i).serial() == serial) return &collection.game(i);
  return nullptr;
}

}  // namespace

std::string commentForEditing(const SGridFrame& game, const GameNode* node) {
  if (node == nullptr || !node->hasComment()) return {};
  return withLineFeeds(textForEditing(game, commentOf(game, node)));
}

std::string commentForStoring(const std::string& edited) {
  std::string out;
  for (char c : withLineFeeds(edited)) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

CommitOutcome commitComment(FrameWin& frame, const CommentTarget& target, const std::string& edited) {
  SGridFrame* game = gameWithSerial(frame.collection(), target.gameSerial);
  if (game == nullptr || !isNodeOfGame(*game, target.node)) return CommitOutcome::NodeGone;
  const std::string shown = commentForEditing(*game, target.node);
  if (withLineFeeds(edited) == shown || (isBlank(edited) && shown.empty())) return CommitOutcome::Unchanged;
  // Typing in the pane is an action of its own, so that it can be undone by itself.
  const ActionScope action(frame);
  frame.nameAction("Comment");
  setComment(*game, target.node, textForStoring(frame, *game, commentForStoring(edited)));
  game->markTreeChanged();
  game->invalidateStatistics();
  frame.markFileModified();
  if (game == frame.collection().current() && frame.ports().window != nullptr) {
    frame.ports().window->redraw(Redraw::Tree);
    frame.ports().window->redraw(Redraw::Board);
  }
  return CommitOutcome::Stored;
}

}  // namespace meridax
