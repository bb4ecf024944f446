#include "view/comment_pane.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <utility>

#include "view/qt_text.h"

namespace meridax {
namespace {

// Qt ends a wrapped line at a word boundary, and in a word longer than the line it looks through the rest of
// the word again for every line: a comment of one word of a megabyte took minutes to show. A comment with
// a word longer than any line is wrapped anywhere, which takes time in proportion to its length; any
// other keeps its words whole.
constexpr qsizetype kLongestWrappedWord = 500;

QTextOption::WrapMode wrapModeFor(const QString& text) {
  qsizetype word = 0;
  for (const QChar c : text) {
    word = c.isSpace() ? 0 : word + 1;
    if (word > kLongestWrappedWord) return QTextOption::WrapAnywhere;
  }
  return QTextOption::WrapAtWordBoundaryOrAnywhere;
}

}  // namespace

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
  if (toPlainText() != text) {
    setWordWrapMode(wrapModeFor(text));
    setPlainText(text);
  }
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
