#pragma once
// Every port of the main frame answered from queues instead of a person, for scripts and tests. Each
// event becomes one transcript line, its texts escaped (backslash, CR, LF and tab as \\, \r, \n, \t):
//
//   [CAPTION] TEXT                  a message box
//   [CAPTION] TEXT ? yes            a question and the answer it got (yes, no or cancel)
//   ... [x] CHECK                   either of the two above whose check box CHECK was ticked
//   <CAPTION> ? TEXT                a text, number or list dialog and what was entered, or "(cancel)"
//   {TITLE} ? PATH                  a file chooser and the name chosen, or "(cancel)"
//   (process) PROGRAM ARGUMENT...   an outside program that would have been started
//   (open) PATH                     a document that would have been opened
//   (clipboard) TEXT                text put on the clipboard
//   (window) NAME                   a command the desktop window carries out
//   (later) NAME                    a command of a part not built yet
//
// A question or dialog that finds no queued answer writes "? (unanswered)" and stops the run: from then
// on every question gets its safest answer (No, Cancel, nothing chosen) and nothing more is written.

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/frame_ports.h"
#include "app/list_dialog_port.h"
#include "app/user_ports.h"

namespace meridax {

// The escaped form of a text on one transcript line.
std::string escapeTranscriptText(std::string_view text);
// The text an escaped form stands for; nullopt for a backslash before any other character, or at the end.
std::optional<std::string> unescapeTranscriptText(std::string_view escaped);

// Why a scripted run stopped.
enum class ScriptStop {
  None,
  Unanswered,   // a question or dialog found no queued answer
  NotOffered,   // the queued answer was Cancel, but the question offered only Yes and No
  NotInList,    // the queued text names no entry of the list dialog
};

class ScriptedPorts : public MessagePort,
                      public DialogPort,
                      public FileChooserPort,
                      public ClipboardPort,
                      public WindowPort,
                      public ProcessPort,
                      public CommandPort,
                      public ListDialogPort {
 public:
  using LineSink = std::function<void(const std::string& line)>;

  // Every transcript line (without its line feed) goes to `sink`; without one the lines are kept in lines().
  explicit ScriptedPorts(LineSink sink = {});

  // The ports as the frame takes them.
  FramePorts framePorts();

  // ---- Queued answers ----
  void queueAnswer(Answer answer) { answers_.push_back(answer); }
  // Text for the next text, number or list dialog; nullopt cancels it.
  void queueInput(std::optional<std::string> text) { inputs_.push_back(std::move(text)); }
  // A name for the next file chooser (several separated by tabs for a multiple selection); nullopt cancels it.
  void queueChoice(std::optional<std::string> path) { choices_.push_back(std::move(path)); }
  // Ticks the check box of the next question or message that has one; the others are left clear.
  void queueTick() { ++ticks_; }
  std::size_t unusedAnswers() const { return answers_.size() + inputs_.size() + choices_.size(); }

  // ---- What was seen ----
  ScriptStop stop() const { return stop_; }
  bool stopped() const { return stop_ != ScriptStop::None; }
  const std::vector<std::string>& lines() const { return lines_; }
  // The lines kept so far, which are then forgotten.
  std::vector<std::string> takeLines() { return std::exchange(lines_, {}); }
  const std::string& status(StatusField field) const { return status_[fieldIndex(field)]; }
  const std::string& title() const { return title_; }
  int redrawCount() const { return redraws_; }
  // What the last redraw asked for; nullopt before the first.
  std::optional<Redraw> lastRedraw() const { return lastRedraw_; }
  const std::optional<std::string>& clipboardText() const { return clipboard_; }
  // What the last file chooser was asked to show (its filter and where it starts); nullopt before the first.
  const std::optional<FileDialogRequest>& lastFileRequest() const { return lastFileRequest_; }

  // ---- MessagePort ----
  void tell(const UserMessage& message) override;
  bool askYesNo(const std::string& caption, const std::string& text) override;
  Answer askYesNoCancel(const std::string& caption, const std::string& text) override;
  CheckedAnswer askYesNoWithCheck(const std::string& caption, const std::string& text,
                                  const std::string& check) override;
  bool tellWithCheck(const UserMessage& message, const std::string& check) override;

  // ---- DialogPort ----
  std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                     const std::string& initial) override;
  std::optional<int> askNumber(const std::string& caption, const std::string& prompt, int min, int max,
                               int initial) override;
  std::optional<int> chooseFromList(const std::string& caption, const std::vector<std::string>& entries,
                                    int selected) override;

  // ---- FileChooserPort ----
  std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
  std::vector<std::string> chooseFilesToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;

  // ---- ClipboardPort ----
  void setText(const std::string& text) override;
  std::optional<std::string> text() override { return clipboard_; }

  // ---- WindowPort ----
  void setStatus(StatusField field, const std::string& text) override;
  void setTitle(const std::string& title) override { title_ = title; }
  void redraw(Redraw what) override {
    ++redraws_;
    lastRedraw_ = what;
  }
  int treeTopLine() const override { return treeTopLine_; }
  void setTreeTopLine(int line) override { treeTopLine_ = line; }

  // ---- ProcessPort ----
  std::optional<SystemError> startDetached(const std::string& program,
                                           const std::vector<std::string>& arguments) override;
  std::optional<SystemError> openDocument(const std::string& pathOrUrl) override;

  // ---- CommandPort ----
  void carryOut(const FrameCommand& command) override;

  // ---- ListDialogPort: a text dialog per field, as a script answers them ----
  std::optional<SSGFDetails> editGameDetails(const GameDetailsForm& form) override;
  std::optional<std::string> askNewPlayerName(const std::string& name) override;

 private:
  void write(const std::string& line);
  void halt(ScriptStop why, const std::string& line);
  // A Yes/No question answered from the queue, its line ending with `tick`; false when not answered Yes.
  bool yesOrNo(const std::string& question, const std::string& tick);
  // The next queued answer, or nullopt after the question was written as unanswered.
  std::optional<Answer> nextAnswer(const std::string& question);
  // The next queued dialog text (nullopt inside: cancelled); nullopt after writing the dialog unanswered.
  std::optional<std::optional<std::string>> nextInput(const std::string& dialog);
  std::optional<std::optional<std::string>> nextChoice(const FileDialogRequest& request);

  LineSink sink_;
  std::vector<std::string> lines_;
  std::deque<Answer> answers_;
  std::deque<std::optional<std::string>> inputs_;
  std::deque<std::optional<std::string>> choices_;
  ScriptStop stop_ = ScriptStop::None;
  std::array<std::string, kStatusFields.size()> status_;
  std::string title_;
  int redraws_ = 0;
  std::optional<Redraw> lastRedraw_;
  int treeTopLine_ = 0;
  std::optional<std::string> clipboard_;
  std::optional<FileDialogRequest> lastFileRequest_;
  int ticks_ = 0;
};

}  // namespace meridax
