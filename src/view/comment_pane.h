#pragma once
// The comment pane: the comment of the current node in an edit field, written back when the field loses
// the focus, before every command the main window runs, and before another node is shown. Typed text goes
// to the node that was shown when the typing began, never to a node deleted since or a game replaced.
// While it has the focus the pane owns the keys of text editing (select all, copy, cut, paste, undo, redo),
// which elsewhere are the frame's accelerators (Save As, Compose, Export, Undo, Redo).

#include <QPlainTextEdit>

#include "layout/comment_edit.h"

namespace meridax {

class CommentPane : public QPlainTextEdit {
  Q_OBJECT

 public:
  CommentPane(FrameWin& frame, QWidget* parent);

  // Shows the current node of the current game; a text typed for the node shown before is committed first.
  void showCurrent();
  // Writes the typed text back when it changed.
  CommitOutcome commit();
  // Takes the comment font from the settings.
  void applySettings();
  const CommentTarget& target() const { return target_; }
  // Whether the key is one of text editing that the pane takes before any accelerator of the window.
  static bool ownsKey(const QKeyEvent& key);

 protected:
  bool event(QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  FrameWin& frame_;
  CommentTarget target_;
  bool committing_ = false;
};

}  // namespace meridax
