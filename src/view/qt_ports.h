#pragma once
// The frame's ports as real widgets: message boxes captioned with the routine's name, Yes/No and
// Yes/No/Cancel questions, text, number and list dialogs, file choosers and the clipboard.

#include <QWidget>

#include "app/frame_ports.h"

namespace meridax {

// Converts a chooser filter as the frame writes it ("SGF Files  ( *.sgf )|*.sgf|All Files  ( *.* )|*.*||")
// into Qt's form ("SGF Files  ( *.sgf ) (*.sgf);;All Files  ( *.* ) (*)").
QString qtFileFilter(const std::string& filter);

class QtDialogs : public MessagePort, public DialogPort, public FileChooserPort, public ClipboardPort {
 public:
  // Dialogs open over `parent`, which must outlive them.
  explicit QtDialogs(QWidget* parent) : parent_(parent) {}
  void setParentWidget(QWidget* parent) { parent_ = parent; }

  void tell(const UserMessage& message) override;
  bool askYesNo(const std::string& caption, const std::string& text) override;
  Answer askYesNoCancel(const std::string& caption, const std::string& text) override;

  // A text dialog; with no prompt it takes several lines (pasted SGF text).
  std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                     const std::string& initial) override;
  std::optional<int> askNumber(const std::string& caption, const std::string& prompt, int min, int max,
                               int initial) override;
  // Both fields in one dialog ("Width" and "Height").
  std::optional<std::pair<int, int>> askNumberPair(const std::string& caption, const std::string& prompt, int min,
                                                   int max, std::pair<int, int> initial) override;
  std::optional<int> chooseFromList(const std::string& caption, const std::vector<std::string>& entries,
                                    int selected) override;

  std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
  std::vector<std::string> chooseFilesToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;

  void setText(const std::string& text) override;
  std::optional<std::string> text() override;

 private:
  // A modal window open over the main window (a list window) owns the boxes raised while it is shown.
  QWidget* owner() const;
  QWidget* parent_;
};

}  // namespace meridax
