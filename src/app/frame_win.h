#pragma once
// The main frame without a window: it owns the collection, the node store shared by its games, the settings
// values and the command groups (the file workflow among them holds the loaded file's text and the error
// list), and carries out every command. It reaches the person only through its ports, so every command
// runs without a display.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/backups.h"
#include "app/board_view_commands.h"
#include "app/collection_list_commands.h"
#include "app/collection_writer.h"
#include "app/export_commands.h"
#include "app/engine_commands.h"
#include "app/file_workflow.h"
#include "app/annotation_commands.h"
#include "app/file_system.h"
#include "app/frame_command.h"
#include "app/frame_ports.h"
#include "app/frame_services.h"
#include "app/navigation_commands.h"
#include "app/profile_port.h"
#include "app/recent_files.h"
#include "app/settings_values.h"
#include "app/tree_edit_commands.h"
#include "app/undo_history.h"
#include "app/undo_tracker.h"
#include "model/collection.h"
#include "rules/play_context.h"
#include "app/pass_and_swap_commands.h"
#include "sgf/sgf_error_list.h"
#include "sgf/sgf_reader.h"

namespace meridax {

// The state the panes were drawn from: the game, its tree revision and its current node.
struct PaneStamp {
  std::uint32_t game = 0;
  std::uint64_t treeRevision = 0;
  const GameNode* node = nullptr;
  friend bool operator==(const PaneStamp&, const PaneStamp&) = default;
};
// The panes to draw again when the state moved from `drawn` to `now`.
Redraw changedPanes(const PaneStamp& drawn, const PaneStamp& now);

// The frame's command groups are parts it owns: navigation(), treeEdit(), annotations(), lists(), view(),
// exports() and files(); each reaches the frame only through FrameServices.
class FrameWin : public FrameServices {
 public:
  // Reads the frame's settings from the profile and makes the empty default game.
  FrameWin(const FramePorts& ports, ProfilePort& profile, FileSystem& files, AppSettings appSettings,
           FrameEnvironment environment);
  ~FrameWin() override;
  FrameWin(const FrameWin&) = delete;
  FrameWin& operator=(const FrameWin&) = delete;

  // ---- The command groups ----
  NavigationCommands& navigation() { return navigation_; }
  TreeEditCommands& treeEdit() { return treeEdit_; }
  AnnotationCommands& annotations() { return annotations_; }
  CollectionListCommands& lists() { return lists_; }
  BoardViewCommands& view() { return view_; }
  ExportCommands& exports() { return exports_; }
  FileWorkflow& files() { return workflow_; }
  EngineCommands& engine() { return engine_; }

  // ---- State ----
  Collection& collection() override { return collection_; }
  SGridFrame& game() override { return *collection_.current(); }
  const std::string& currentFile() const override { return workflow_.currentFile(); }
  bool modified() const { return workflow_.modified(); }
  FrameSettings& frameSettings() override { return frameSettings_; }
  AppSettings& appSettings() override { return appSettings_; }
  RecentFileList& recentFiles() { return recentFiles_; }
  SErrorList& errorList() override { return workflow_.errorList(); }
  const FramePorts& ports() const override { return ports_; }
  // Puts other ports in place of the ones given at construction (the frame does not own them).
  void setPorts(const FramePorts& ports) {
    ports_ = ports;
    engine_.setProcessMaker(ports.engines);
  }
  const FrameEnvironment& environment() const override { return environment_; }

  // ---- PlayHost ----
  // Shows the text in the SideToMove status field until the next action.
  void notice(const std::string& text) override;
  void markFileModified() override { workflow_.setModified(true); }
  void treeGrew() override {}

  // ---- Steps between the groups ----
  void jumpToLineOf(GameNode* node) override { navigation_.jumpToLineOf(node); }
  void discardSearchLists() override { navigation_.discardSearchLists(); }
  void cancelLabelEntry() override { annotations_.cancelLabelEntry(); }
  void importFiles() override { workflow_.CollImport(); }
  bool saveAs(SaveScope scope) override { return workflow_.SaveAs(scope); }

  // ---- Settings ----
  // Writes the frame's settings (section "Application"), as the frame does when it is destroyed.
  void writeSettings();

  // ---- Games, their trees and their reading errors ----
  bool buildTree(SGridFrame& game) override { return workflow_.buildTree(game); }
  bool holdsFileText() const override { return workflow_.heldText().has_value(); }
  // The reader's settings from the frame's: "ConvertAWAB" and the labelling settings.
  ReaderSettings readerSettings() override;
  void showErrors() override { workflow_.showErrors(); }
  std::size_t insertNewGame(GameKind kind, int width, int height, const std::string& rules, int handicap) override;
  void refreshAfterGameChange(bool layout) override;

  // ---- Collection navigation ----
  void CmPreviousGame();
  void CmNextGame();
  void CmUpEightGames();
  void CmDownEightGames();
  void CmFirstGame();
  void CmLastGame();
  // Makes the game at index current: builds its tree from the held text when needed, refreshes panes.
  // Nothing happens for a game kept unread.
  void makeCurrent(std::size_t index, bool force) override;

  // ---- Board ----
  // A click on board point (x, y) in single-click mode: moves the cursor there (while it is shown), then
  // plays the side to move there.
  void clickBoard(int x, int y);
  // The left button pressed with Ctrl held on (x1, y1) and released with Ctrl held on (x2, y2): corrects
  // the stone from the one point to the other (not for Othello, Margo, Onyx and Sursum).
  void ctrlDragOnBoard(int x1, int y1, int x2, int y2);
  // Moves the stone of an earlier move from the source point to the empty target point: after a Yes to
  // "Move Correction" the game is written with that move at the target and read back as a further game
  // after the current one, which becomes current. The game itself is left unchanged. Not for Othello.
  void CorrectStone(int sourceX, int sourceY, int targetX, int targetY);
  // Special moves by the side to move; each does nothing while its menu entry is disabled.
  void CmPass();  // pass, swap sides or the Unlur acceptance, by kind
  void CmSwapPieces();
  void CmResign();
  void CmForfeit();
  // What the special-move commands' menu entries depend on.
  SpecialMoveContext specialMoveContext();

  // ---- Refresh ----
  void refreshTitle() override;
  // The four status fields from the state; SideToMove holds a notice of the current action instead.
  void refreshStatus() override;
  std::string title() const;
  // Every action of the person (command, click, key, menu) is framed by these: the notice of the
  // previous action goes, and afterwards title, status fields and the panes that changed are brought
  // up to date from the state, so no action can forget a redraw.
  void beginAction() override;
  void endAction() override;
  // What the panes drew from; a window compares the stamp of its last drawing with the current one.
  PaneStamp paneStamp();
  // Names the action under way for the undo and redo menu entries ("Truncate", "Move"); the first name
  // given inside the outermost action holds.
  void nameAction(const std::string& label) override;

  // ---- Undo and redo ----
  // Every action that changes games or their order is a step: undo puts the games back as they were
  // before it, redo as they were after it. Each does nothing when there is no step to take.
  void CmUndo();
  void CmRedo();
  bool canUndo() const { return undoHistory_.canUndo(); }
  bool canRedo() const { return undoHistory_.canRedo(); }
  // "&Undo %s\tCtrl+Z" and "&Redo %s\tCtrl+Y" with the name of the step.
  std::string undoMenuText() const;
  std::string redoMenuText() const;
  const UndoHistory& undoHistory() const { return undoHistory_; }
  void forgetUndoSteps() override;
  void recordSavedState() override;

  // ---- Command dispatch (the commands themselves are listed in command_registry.h) ----
  // Runs the command when it is enabled: the frame carries it out, or its route sends it to the
  // command port. False when there is no such command.
  bool runCommand(int id);
  bool runCommand(const std::string& name);
  void runCommand(const FrameCommand& command);
  // The command with this identifier or handler name; nullptr when there is none.
  const FrameCommand* findCommand(int id) const;
  const FrameCommand* findCommand(const std::string& name) const;
  // For the menus: whether the command is enabled now, whether its check mark is set (false for a
  // command that is not a toggle), and its menu text now.
  bool commandEnabled(const FrameCommand& command);
  bool commandChecked(const FrameCommand& command);
  std::string commandMenuText(const FrameCommand& command);

 private:
  void stepToReadableGame(std::size_t from, int step);
  void addSpecial(const SpecialMoveCommand& command);
  void markOthelloAvailability();
  void clickBoardPoint(int x, int y);
  // Records the changes since the last call as one undo step named `label`.
  void syncUndo(const std::string& label);
  bool restoreUndoState(const CollectionState& state, const char* caption);

  FramePorts ports_;
  ProfilePort& profile_;
  FileSystem& files_;
  FrameEnvironment environment_;
  FrameSettings frameSettings_;
  AppSettings appSettings_;
  RecentFileList recentFiles_;

  Collection collection_;
  std::optional<std::string> notice_;  // in the SideToMove field until the next action
  PaneStamp drawn_;                    // what the panes showed after the last action
  int actionDepth_ = 0;                // actions inside actions refresh once, at the outermost end
  UndoHistory undoHistory_;
  UndoTracker undoTracker_;
  std::string actionLabel_;  // the name of the outermost action under way

  NavigationCommands navigation_{*this};
  TreeEditCommands treeEdit_{*this};
  AnnotationCommands annotations_{*this};
  CollectionListCommands lists_{*this};
  BoardViewCommands view_{*this};
  ExportCommands exports_{*this};
  FileWorkflow workflow_{*this, files_, recentFiles_};
  EngineCommands engine_{*this};
};

}  // namespace meridax
