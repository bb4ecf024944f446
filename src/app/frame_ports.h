#pragma once
// The ports through which the main frame reaches the person, besides message boxes and processes:
// text and number dialogs, file choosers, the clipboard, and the window (status bar, title, redraws).
// The desktop build implements them with Qt widgets; tests and scripts use queued answers.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/frame_command.h"
#include "app/status_field.h"
#include "app/user_ports.h"
#include "engine/engine_process.h"

namespace meridax {
class BoardImagePort;
class BranchStatisticsPort;
class ExportDialogPort;
class ImageClipboardPort;
class ListDialogPort;
class ProgressPort;
class MoveCorrectionPort;
class ViewerPort;
}  // namespace meridax

namespace meridax {

// A text or number dialog.
class DialogPort {
 public:
  virtual ~DialogPort() = default;
  // A text-entry dialog; nullopt when cancelled.
  virtual std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                             const std::string& initial) = 0;
  // A number dialog bounded to [min, max]; nullopt when cancelled. Values outside are refused by the
  // dialog with "Please enter a value between %d and %d" before it returns.
  virtual std::optional<int> askNumber(const std::string& caption, const std::string& prompt, int min, int max,
                                       int initial) = 0;
  // Two numbers in one dialog, each bounded to [min, max] and refused as askNumber refuses; nullopt when
  // cancelled. Without a dialog of its own a port asks for them one after the other.
  virtual std::optional<std::pair<int, int>> askNumberPair(const std::string& caption, const std::string& prompt,
                                                           int min, int max, std::pair<int, int> initial) {
    const std::optional<int> first = askNumber(caption, prompt, min, max, initial.first);
    if (!first) return std::nullopt;
    const std::optional<int> second = askNumber(caption, prompt, min, max, initial.second);
    if (!second) return std::nullopt;
    return std::pair{*first, *second};
  }
  // The time of a game against an engine: the main time in minutes and the seconds for each move after it,
  // each 0 to 600; nullopt when cancelled. Without a dialog of its own a port asks one after the other.
  virtual std::optional<std::pair<int, int>> askTimeSettings(std::pair<int, int> initial) {
    const std::optional<int> main = askNumber("Time Settings", "Main time in minutes (0: none)", 0, 600, initial.first);
    if (!main) return std::nullopt;
    const std::optional<int> byoYomi =
        askNumber("Time Settings", "Seconds for each move after it (0: no limit)", 0, 600, initial.second);
    if (!byoYomi) return std::nullopt;
    return std::pair{*main, *byoYomi};
  }
  // A list of entries, one selected; the chosen index, or nullopt when cancelled.
  virtual std::optional<int> chooseFromList(const std::string& caption, const std::vector<std::string>& entries,
                                            int selected) = 0;
};

struct FileDialogRequest {
  std::string title;
  std::string filter;  // "SGF Files  ( *.sgf )|*.sgf|All Files  ( *.* )|*.*||"
  std::string defaultExtension;
  std::string initialPath;
};

class FileChooserPort {
 public:
  virtual ~FileChooserPort() = default;
  // One existing file; nullopt when cancelled.
  virtual std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) = 0;
  // Several existing files; empty when cancelled.
  virtual std::vector<std::string> chooseFilesToOpen(const FileDialogRequest& request) = 0;
  // A file to write, overwriting confirmed by the chooser; nullopt when cancelled.
  virtual std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) = 0;
};

class ClipboardPort {
 public:
  virtual ~ClipboardPort() = default;
  virtual void setText(const std::string& text) = 0;
  virtual std::optional<std::string> text() = 0;
};

// What changed and must be drawn again.
enum class Redraw { Board = 1, Tree = 2, Comment = 4, Layout = 8, All = 15 };

class WindowPort {
 public:
  virtual ~WindowPort() = default;
  virtual void setStatus(StatusField field, const std::string& text) = 0;
  virtual void setTitle(const std::string& title) = 0;
  virtual void redraw(Redraw what) = 0;
  // The game-tree pane's top visible line, kept per game when games change.
  virtual int treeTopLine() const = 0;
  virtual void setTreeTopLine(int line) = 0;
};

// Carries out the commands whose route is the window, or a part not built yet (see frame_command.h).
class CommandPort {
 public:
  virtual ~CommandPort() = default;
  virtual void carryOut(const FrameCommand& command) = 0;
};

// Every port the frame uses; the frame does not own them.
struct FramePorts {
  MessagePort* messages = nullptr;
  DialogPort* dialogs = nullptr;
  FileChooserPort* files = nullptr;
  ClipboardPort* clipboard = nullptr;
  WindowPort* window = nullptr;
  ProcessPort* processes = nullptr;
  // The export commands' ports; where one is missing its commands say they are not available.
  BoardImagePort* images = nullptr;
  ExportDialogPort* exportDialogs = nullptr;
  ImageClipboardPort* imageClipboard = nullptr;
  CommandPort* commands = nullptr;  // nullptr: such commands do nothing
  BranchStatisticsPort* statistics = nullptr;  // nullptr: the counts come in a message box
  ListDialogPort* listDialogs = nullptr;  // nullptr: the lists' forms are asked a text at a time
  ProgressPort* progress = nullptr;  // shows long loads, imports and saves; nullptr: they run unseen to their end
  MoveCorrectionPort* moveCorrection = nullptr;  // nullptr: "Move Correction" is a Yes/No question
  EngineProcessMaker engines;  // makes the process of each engine attached to a game; empty: none can be attached
  // The help and error-list windows; nullptr: both are handed to the desktop's opener as files.
  ViewerPort* viewer = nullptr;
};

}  // namespace meridax
