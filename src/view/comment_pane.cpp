#include "view/comment_pane.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <utility>

#include "view/qt_text.h"

namespace meridax {

CommentPane::CommentPane(FrameWin& frame, QWidget* parent) : QPlainTextEdit(parent), frame_(frame) {
  setObjectName(QStringLiteral("commentPane"));
  setTabChangesFocus(false);
  applySettings();
  showCurrent();
}

void CommentPane::applySettings() { setFont(toQFont(frame_.appSettings().commentFont)); }

void CommentPane::showCurrent() {
  commit();
  SGridFrame& game = frame_.game();
  const CommentTarget next{game.serial(), game.currentNode};
  const QString text = QString::fromStdString(commentForEditing(game, next.node));
  target_ = next;
  if (toPlainText() != text) setPlainText(text);
  document()->setModified(false);
}

CommitOutcome CommentPane::commit() {
  // Storing the comment redraws the panes, which would show (and so commit) again.
  if (committing_ || !document()->isModified()) return CommitOutcome::Unchanged;
  committing_ = true;
  const CommitOutcome outcome = commitComment(frame_, target_, fromQt(toPlainText()));
  committing_ = false;
  document()->setModified(false);
  if (outcome == CommitOutcome::Stored) {
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
  }
  return outcome;
}

void CommentPane::focusOutEvent(QFocusEvent* event) {
  commit();
  QPlainTextEdit::focusOutEvent(event);
}

// F5 is not for the field; no command of the frame answers it either.
void CommentPane::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F5) {
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

}  // namespace meridax
