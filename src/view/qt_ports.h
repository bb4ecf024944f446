#pragma once
// The frame's ports as real widgets: message boxes captioned with the routine's name, Yes/No and
// Yes/No/Cancel questions, text, number and list dialogs, file choosers and the clipboard.

#include <QWidget>

#include "app/frame_ports.h"
#include "app/move_correction_port.h"
#include "app/settings_values.h"

namespace meridax {

// Converts a chooser filter as the frame writes it ("SGF Files  ( *.sgf )|*.sgf|All Files  ( *.* )|*.*||")
// into Qt's form ("SGF Files  ( *.sgf ) (*.sgf);;All Files  ( *.* ) (*)").
QString qtFileFilter(const std::string& filter);

// While one lives, the questions and messages of QtDialogs open over `owner` instead of their parent: a
// modeless dialog that acts for the window (find, composition) owns the boxes its actions raise.
class DialogOwnerScope {
 public:
  explicit DialogOwnerScope(QWidget* owner);
  ~DialogOwnerScope();
  DialogOwnerScope(const DialogOwnerScope&) = delete;
  DialogOwnerScope& operator=(const DialogOwnerScope&) = delete;
  // The innermost living scope's owner; nullptr when there is none.
  static QWidget* current();

 private:
  QWidget* previous_;
};

class QtDialogs : public MessagePort,
                  public DialogPort,
                  public FileChooserPort,
                  public ClipboardPort,
                  public MoveCorrectionPort {
 public:
  // Dialogs open over `parent`, which must outlive them.
  explicit QtDialogs(QWidget* parent) : parent_(parent) {}
  void setParentWidget(QWidget* parent) { parent_ = parent; }
  // The settings whose dialog font size the text dialogs take; they must outlive this object.
  void setSettings(const AppSettings* settings) { settings_ = settings; }

  void tell(const UserMessage& message) override;
  bool askYesNo(const std::string& caption, const std::string& text) override;
  Answer askYesNoCancel(const std::string& caption, const std::string& text) override;
  CheckedAnswer askYesNoWithCheck(const std::string& caption, const std::string& text,
                                  const std::string& check) override;
  bool tellWithCheck(const UserMessage& message, const std::string& check) override;
  Answer askNamedChoice(const std::string& caption, const std::string& text,
                        const std::array<std::string, 3>& buttons) override;

  // A text dialog; with no prompt it takes several lines (pasted SGF text).
  std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                     const std::string& initial) override;
  std::optional<int> askNumber(const std::string& caption, const std::string& prompt, int min, int max,
                               int initial) override;
  // Both fields in one dialog ("Width" and "Height").
  std::optional<std::pair<int, int>> askTimeSettings(std::pair<int, int> initial) override;
  std::optional<std::pair<int, int>> askNumberPair(const std::string& caption, const std::string& prompt, int min,
                                                   int max, std::pair<int, int> initial) override;
  std::optional<int> chooseFromList(const std::string& caption, const std::vector<std::string>& entries,
                                    int selected) override;

  std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
  std::vector<std::string> chooseFilesToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;

  void setText(const std::string& text) override;
  std::optional<std::string> text() override;

  // "Move Correction" with its "Position" and "New Position" fields; OK goes ahead.
  bool confirmMoveCorrection(const MoveCorrectionRequest& request) override;

 private:
  // A modeless dialog acting for the window (DialogOwnerScope), else a modal window open over the main window
  // (a list window), else the main window owns the boxes.
  QWidget* owner() const;

  QWidget* parent_;
  const AppSettings* settings_ = nullptr;
};

}  // namespace meridax
