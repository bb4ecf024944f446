// Stepping from game to game of the collection, and the common step that makes a game current.

#include "app/frame_win.h"

namespace meridax {

void FrameWin::makeCurrent(std::size_t index, bool force) {
  if (index >= collection_.size()) return;
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

void FrameWin::CmPreviousGame() {
  if (collection_.empty() || collection_.currentIndex() == 0) return;
  makeCurrent(collection_.currentIndex() - 1, false);
}

void FrameWin::CmNextGame() {
  if (collection_.empty() || collection_.currentIndex() + 1 >= collection_.size()) return;
  makeCurrent(collection_.currentIndex() + 1, false);
}

void FrameWin::CmUpEightGames() {
  if (collection_.empty() || collection_.currentIndex() == 0) return;
  const std::size_t i = collection_.currentIndex();
  makeCurrent(i >= 8 ? i - 8 : 0, false);
}

void FrameWin::CmDownEightGames() {
  if (collection_.empty() || collection_.currentIndex() + 1 >= collection_.size()) return;
  makeCurrent(std::min(collection_.currentIndex() + 8, collection_.size() - 1), false);
}

void FrameWin::CmFirstGame() {
  if (collection_.empty() || collection_.currentIndex() == 0) return;
  makeCurrent(0, false);
}

void FrameWin::CmLastGame() {
  if (collection_.empty() || collection_.currentIndex() + 1 == collection_.size()) return;
  makeCurrent(collection_.size() - 1, false);
}

}  // namespace meridax
