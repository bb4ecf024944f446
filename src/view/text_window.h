#pragma once
// A text shown in a window of the program's own (the error list of a file): read only but selectable,
// with Copy (the selection, or the whole text when nothing is selected) and Save As.

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <optional>

namespace meridax {

class TextWindow : public QDialog {
  Q_OBJECT
 public:
  // Asks for the file Save As writes; nullopt when the person cancels. Tests give one of their own.
  using SaveNameChooser = std::function<std::optional<QString>(QWidget* parent, const QString& suggested)>;

  // `bytes` is the text as it was made (UTF-8 where it can be read as such), which Save As writes unchanged.
  TextWindow(const QString& title, const QByteArray& bytes, const QString& suggestedName, QWidget* parent = nullptr);

  // Tells a failed Save As; by default a message box.
  using FailureTeller = std::function<void(QWidget* parent, const QString& text)>;

  void setSaveNameChooser(SaveNameChooser chooser) { chooseSaveName_ = std::move(chooser); }
  void setFailureTeller(FailureTeller teller) { tellFailure_ = std::move(teller); }

  // Puts the selection, or the whole text, on the clipboard.
  void copy();
  // Writes the text to a file the person chooses; a failure is told, naming the file. False when
  // nothing was written.
  bool saveAs();

  QPlainTextEdit* textView() const { return view_; }
  QPushButton* copyButton() const { return copy_; }
  QPushButton* saveAsButton() const { return saveAs_; }
  const QByteArray& bytes() const { return bytes_; }

 private:
  QByteArray bytes_;
  QString suggestedName_;
  QPlainTextEdit* view_;
  QPushButton* copy_;
  QPushButton* saveAs_;
  SaveNameChooser chooseSaveName_;
  FailureTeller tellFailure_;
};

}  // namespace meridax
