#pragma once
// What the frame offers its command groups: the current game and the collection, the ports, the
// settings, marking the file changed, notices, refreshes, the mouse's context, and the few steps one
// group takes through another. A group holds a FrameServices& and nothing of the frame beyond it, so
// each group is built and tested alone over a fake of this interface.

#include <cstddef>
#include <string>

#include "app/collection_writer.h"
#include "app/frame_ports.h"
#include "app/settings_values.h"
#include "model/collection.h"
#include "rules/play_context.h"
#include "sgf/sgf_error_list.h"
#include "sgf/sgf_reader.h"

namespace meridax {

// Where the frame keeps files, and what it was started with.
struct FrameEnvironment {
  std::string dataDirectory;       // "APPDATA"
  std::string temporaryDirectory;  // where error lists are stored; empty: the system's
  std::string helpDirectory;       // where the HTML help opened in the browser lies
  std::string workingDirectory;    // names on the command line are taken from here
  std::string programDirectory;    // the running program's folder: backups go below it when no data directory is known
};

// The point or node under the mouse for context-menu commands.
struct ContextTarget {
  GameNode* node = nullptr;  // the game-tree box under the mouse
  int x = -1;                // the board point under the mouse
  int y = -1;
};

// The marked area of the board: the corners where the right button went down and came up.
struct MarkedArea {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

class FrameServices : public PlayHost {
 public:
  // ---- State ----
  virtual SGridFrame& game() = 0;  // the current game
  virtual Collection& collection() = 0;
  virtual const FramePorts& ports() const = 0;
  virtual FrameSettings& frameSettings() = 0;
  virtual AppSettings& appSettings() = 0;
  virtual const FrameEnvironment& environment() const = 0;
  // The loaded file's path; empty before the first save of a new collection.
  virtual const std::string& currentFile() const = 0;
  bool cursorShown() { return frameSettings().viewCursor != 0; }
  // How moves are played by the person: the automatic labels and automatic lowering.
  PlayOptions playOptions();

  // ---- Actions and refreshes ----
  // An action of the person begins and ends (ActionScope); the end brings the panes up to date.
  virtual void beginAction() = 0;
  virtual void endAction() = 0;
  // The status fields and the title now, before the end of the action.
  virtual void refreshStatus() = 0;
  virtual void refreshTitle() = 0;
  // Asks the window to draw these panes again; nothing without a window.
  void redraw(Redraw what);

  // Names the action under way for the undo and redo menu entries; the first name given inside the
  // outermost action holds. Without undo steps nothing is named.
  virtual void nameAction(const std::string& label) { (void)label; }

  // ---- Messages ----
  void tell(const std::string& caption, const std::string& text, MessageIcon icon = MessageIcon::Information);

  // ---- Games and files ----
  // Makes the game at this index current (its tree built when needed) and refreshes the panes.
  virtual void makeCurrent(std::size_t index, bool force) = 0;
  // Adds a game of this kind and size after the current one (or as the first game) and makes it current,
  // with its handicap stones placed; returns its index.
  virtual std::size_t insertNewGame(GameKind kind, int width, int height, const std::string& rules,
                                    int handicap) = 0;
  // Title, status and panes after the current game changed: every pane when the layout changed.
  virtual void refreshAfterGameChange(bool layout) = 0;
  virtual ReaderSettings readerSettings() = 0;
  virtual SErrorList& errorList() = 0;
  // Offers the error list, when it holds entries, to the person.
  virtual void showErrors() = 0;
  // Whether the loaded file's text is held, and building a lazy game's tree from it (false without it).
  virtual bool holdsFileText() const = 0;
  virtual bool buildTree(SGridFrame& game) = 0;
  // The file workflow: files chosen by the person imported after the current game; a save as.
  virtual void importFiles() = 0;
  virtual bool saveAs(SaveScope scope) = 0;

  // ---- Undo ----
  // The steps belong to a collection that went: none is left to undo or redo.
  virtual void forgetUndoSteps() = 0;
  // The collection was saved whole: the pending changes become a step, and this state the saved one.
  virtual void recordSavedState() = 0;

  // ---- Steps through other groups ----
  // Navigation: makes the node's line current and goes there; forgets the cached comment and line-end lists.
  virtual void jumpToLineOf(GameNode* node) = 0;
  virtual void discardSearchLists() = 0;
  // Annotations: the keyboard label entry is disarmed.
  virtual void cancelLabelEntry() = 0;

  // ---- The mouse ----
  const ContextTarget& context() const { return context_; }
  void setContextNode(GameNode* node) { context_.node = node; }
  void clearContext() { context_ = ContextTarget{}; }
  void setContextPoint(int x, int y) {
    context_.x = x;
    context_.y = y;
  }
  // The node under the mouse, or nullptr when it is no longer a node of the current game: deleted
  // since, or left from another game.
  GameNode* nodeUnderMouse();
  const MarkedArea& markedArea() const { return markedArea_; }
  void setMarkedArea(const MarkedArea& area) { markedArea_ = area; }

 protected:
  FrameServices() = default;
  ~FrameServices() override = default;
  FrameServices(const FrameServices&) = default;
  FrameServices& operator=(const FrameServices&) = default;

 private:
  ContextTarget context_;
  MarkedArea markedArea_;
};

// Frames one action of the person: beginAction now, endAction when it goes out of scope.
class ActionScope {
 public:
  explicit ActionScope(FrameServices& frame) : frame_(frame) { frame_.beginAction(); }
  ~ActionScope() { frame_.endAction(); }
  ActionScope(const ActionScope&) = delete;
  ActionScope& operator=(const ActionScope&) = delete;

 private:
  FrameServices& frame_;
};

}  // namespace meridax
