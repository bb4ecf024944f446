// Stepping from game to game of the collection, and the common step that makes a game current.

#include "app/frame_win.h"

namespace meridax {

void FrameWin::makeCurrent(std::size_t index, bool force) {
  // A game kept unread cannot be opened.
  if (index >= collection_.size() || collection_.game(index).isUnread()) return;
  SGridFrame* old = collection_.current();
  const bool sameShape = old != nullptr && !force && [&] {
    const SGridFrame& next = collection_.game(index);
    return old->kind() == next.kind() && old->width() == next.width() && old->height() == next.height();
  }();
  if (old != nullptr && ports_.window != nullptr) old->treeTopLine = static_cast<std::uint16_t>(ports_.window->treeTopLine());
  collection_.setCurrent(index);
  const SGridFrame& g = game();
  if (ports_.window != nullptr) ports_.window->setTreeTopLine(g.treeTopLine);
  workflow_.openCurrentGame(!sameShape);
}

// Stepping passes over games kept unread: `from` is where the search starts, `step` its direction.
void FrameWin::stepToReadableGame(std::size_t from, int step) {
  std::size_t target = collection_.readableFrom(from, step);
  if (target == Collection::npos) target = collection_.readableFrom(from, -step);
  if (target == Collection::npos || target == collection_.currentIndex()) return;
  makeCurrent(target, false);
}

void FrameWin::CmPreviousGame() {
  if (collection_.empty() || collection_.currentIndex() == 0) return;
  const std::size_t target = collection_.readableFrom(collection_.currentIndex() - 1, -1);
  if (target != Collection::npos) makeCurrent(target, false);
}

void FrameWin::CmNextGame() {
  if (collection_.empty()) return;
  const std::size_t target = collection_.readableFrom(collection_.currentIndex() + 1, +1);
  if (target != Collection::npos) makeCurrent(target, false);
}

void FrameWin::CmUpEightGames() {
  if (collection_.empty() || collection_.currentIndex() == 0) return;
  const std::size_t i = collection_.currentIndex();
  stepToReadableGame(i >= 8 ? i - 8 : 0, -1);
}

void FrameWin::CmDownEightGames() {
  if (collection_.empty() || collection_.currentIndex() + 1 >= collection_.size()) return;
  stepToReadableGame(std::min(collection_.currentIndex() + 8, collection_.size() - 1), +1);
}

void FrameWin::CmFirstGame() {
  if (collection_.empty() || collection_.currentIndex() == 0) return;
  stepToReadableGame(0, +1);
}

void FrameWin::CmLastGame() {
  if (collection_.empty() || collection_.currentIndex() + 1 == collection_.size()) return;
  stepToReadableGame(collection_.size() - 1, -1);
}

}  // namespace meridax
