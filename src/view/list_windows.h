#pragma once
// The list windows on screen follow the frame's open lists: after every action the window runs, a list the
// frame opened gets its modal window (a games list shown for players above the players list's window), a
// list the frame closed loses its window, having kept its geometry, and the others show their rows again.

#include <QPointer>
#include <QWidget>
#include <vector>

#include "view/list_dialog.h"

namespace meridax {

class ListWindows {
 public:
  // Windows open over `owner` and run their commands through `run`.
  ListWindows(FrameWin& frame, QWidget& owner, ListDialog::ActionRunner run);
  // The windows go with it, before the frame whose lists they read.
  ~ListWindows();
  ListWindows(const ListWindows&) = delete;
  ListWindows& operator=(const ListWindows&) = delete;

  void sync();
  std::size_t count() const { return dialogs_.size(); }
  // The window of the list at `depth`; nullptr when there is none.
  ListDialog* at(std::size_t depth) const { return depth < dialogs_.size() ? dialogs_[depth].data() : nullptr; }
  ListDialog* top() const { return dialogs_.empty() ? nullptr : dialogs_.back().data(); }

 private:
  // Whether the window still shows the list the frame holds at its depth.
  bool matches(const ListDialog& dialog) const;
  void closeFrom(std::size_t depth);

  FrameWin& frame_;
  QWidget& owner_;
  ListDialog::ActionRunner run_;
  std::vector<QPointer<ListDialog>> dialogs_;
};

}  // namespace meridax
