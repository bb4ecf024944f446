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

namespace {

// Redo by either key the frame's menu gives it, whichever of them the platform's key scheme knows.
bool isRedo(const QKeyEvent& key) {
  const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
  return (key.key() == Qt::Key_Y && mods == Qt::ControlModifier) ||
         (key.key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier));
}

}  // namespace

bool CommentPane::ownsKey(const QKeyEvent& key) {
  static constexpr QKeySequence::StandardKey kEditing[] = {QKeySequence::SelectAll, QKeySequence::Copy,
                                                           QKeySequence::Cut,       QKeySequence::Paste,
                                                           QKeySequence::Undo,      QKeySequence::Redo};
  for (const QKeySequence::StandardKey k : kEditing)
    if (key.matches(k)) return true;
  return isRedo(key);
}

bool CommentPane::event(QEvent* event) {
  // Accepting the override keeps the window's accelerator from taking the key: it comes as a key press.
  if (event->type() == QEvent::ShortcutOverride && ownsKey(*static_cast<QKeyEvent*>(event))) {
    event->accept();
    return true;
  }
  return QPlainTextEdit::event(event);
}

// F5 is not for the field; no command of the frame answers it either.
void CommentPane::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F5) {
    event->accept();
    return;
  }
  if (isRedo(*event)) {
    redo();
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

}  // namespace meridax
