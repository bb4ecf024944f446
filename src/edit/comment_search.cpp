#include "edit/comment_search.h"

#include <algorithm>
#include <cctype>

#include "edit/navigation.h"
#include "model/character_set.h"
#include "model/node_texts.h"

namespace meridax {

namespace {

std::string upperCased(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

}  // namespace

std::vector<GameNode*> commentList(const SGridFrame& game) {
  std::vector<GameNode*> list;
  if (game.firstNode == nullptr) return list;
  forEachInTreeOrder(game, game.firstNode, [&](GameNode* n) {
    if (n->hasComment()) list.push_back(n);
  });
  return list;
}

void CommentCursor::refresh(const SGridFrame& game) {
  std::vector<GameNode*> fresh = commentList(game);
  // Selecting another line reorders the walk but changes no entry: the cached order and cursor stay.
  if (sameNodes(fresh, entries_)) return;
  entries_ = std::move(fresh);
  cursor_.reset();
}

void CommentCursor::discard() {
  entries_.clear();
  cursor_.reset();
}

GameNode* CommentCursor::step(SearchDirection direction) {
  const std::size_t count = entries_.size();
  if (direction == SearchDirection::Down) cursor_ = (!cursor_ || *cursor_ + 1 >= count) ? 0 : *cursor_ + 1;
  else cursor_ = (!cursor_ || *cursor_ == 0 || *cursor_ >= count) ? count - 1 : *cursor_ - 1;
  return entries_[*cursor_];
}

void CommentCursor::placeAtEnd(SearchDirection direction) {
  cursor_ = direction == SearchDirection::Down ? 0 : entries_.size() - 1;
}

GameNode* stepToComment(CommentCursor& comments, const SGridFrame& game, SearchDirection direction) {
  comments.refresh(game);
  if (comments.entries().empty()) return nullptr;
  GameNode* found = comments.step(direction);
  if (found == game.currentNode) found = comments.step(direction);
  return found == game.currentNode ? nullptr : found;
}

FindOutcome findInComments(CommentCursor& comments, const SGridFrame& game, const FindRequest& request) {
  FindOutcome outcome;
  if (request.text.empty()) return outcome;
  comments.refresh(game);
  if (comments.entries().empty()) {
    outcome.result = FindResult::NoComments;
    return outcome;
  }
  const std::string wanted = request.matchCase ? request.text : upperCased(request.text);
  // Without a cursor the search begins after the first (last) entry, which is then searched last.
  if (!comments.cursor()) comments.placeAtEnd(request.direction);
  const std::size_t start = *comments.cursor();
  for (;;) {
    GameNode* n = comments.step(request.direction);
    ++outcome.searched;
    // The asked text is UTF-8, as the dialog gives it: comments are searched as they are shown.
    const std::string text = gameTextToUtf8(game, commentOf(game, n));
    if ((request.matchCase ? text : upperCased(text)).find(wanted) != std::string::npos) {
      outcome.node = n;
      outcome.result = n == game.currentNode ? FindResult::OnlyCurrent : FindResult::Found;
      return outcome;
    }
    if (*comments.cursor() == start) break;
  }
  outcome.result = FindResult::NotFound;
  return outcome;
}

std::string findReportText(const FindRequest& request, const FindOutcome& outcome) {
  const std::string count = std::to_string(outcome.searched) + " comments were searched.";
  if (outcome.result == FindResult::OnlyCurrent)
    return "'" + request.text + "'\r\n\r\nOnly one occurrence of this string could be found.\r\n" + count;
  if (outcome.result == FindResult::NotFound)
    return "'" + request.text + "'\r\n\r\nThis string could not be found.\r\n" + count;
  return {};
}

}  // namespace meridax
