#pragma once
// The main window of the desktop editor: the board pane beside a column that holds the game-tree pane above
// the comment pane, two tool bars, the menus and a four-field status bar. It is the frame's window port;
// the frame's other ports are given to it (real dialogs, or queued answers for scripted screenshots).
// Every widget runs frame actions through run(), which commits a typed comment first and brings panes,
// title, status bar and menus up to date afterwards.

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "app/frame_win.h"
#include "layout/tree_geometry.h"
#include "view/board_images.h"
#include "view/export_dialogs.h"
#include "view/game_info_dialog.h"
#include "view/list_windows.h"
#include "view/preferences_sheet.h"

class QLabel;
class QScrollArea;
class QTimer;
class QSplitter;
class QToolBar;

namespace meridax {

class BoardWidget;
class EngineLogWindow;
class CommandMenus;
class QtDialogs;
class CommentPane;
class FrameDialogs;
class FindDialog;
class TreePane;

struct MainWindowSetup {
  ProfilePort& profile;
  FileSystem& files;
  AppSettings settings;
  FrameEnvironment environment;
  FramePorts userPorts;  // every port but the window, which the main window is itself
};

inline constexpr std::array<int, kStatusFields.size()> kStatusFieldWidths{0, 100, 80, 120};  // SideToMove stretches

class MainWindow : public QMainWindow, public WindowPort, public CommandPort, public FindDialogPort {
  Q_OBJECT

 public:
  explicit MainWindow(MainWindowSetup setup);
  ~MainWindow() override;

  FrameWin& frame() { return *frame_; }
  TreePane& treePane() { return *tree_; }
  CommentPane& commentPane() { return *comment_; }
  QWidget& boardPane();
  QSplitter& boardSplit() { return *boardSplit_; }
  QSplitter& columnSplit() { return *columnSplit_; }
  CommandMenus& menus() { return *menus_; }
  FrameDialogs& dialogs() { return *dialogs_; }
  // The windows of the frame's open collection lists.
  ListWindows& listWindows() { return *lists_; }
  QString statusText(StatusField field) const;

  // Runs a frame action as every widget does: the typed comment first, the refresh afterwards.
  void run(const std::function<void()>& action);
  // Collection > Find Position...: the options, then the results window, which searches on its own.
  void findPosition();
  // A frame command by its identifier or handler name; false when there is none.
  bool runCommand(int id);
  bool runCommand(const std::string& name);
  // A command chosen from a menu, a tool bar or by its keys. Exit closes the window, which asks first.
  void runRegistryCommand(const FrameCommand& command);
  void scrollTree(TreeScrollRequest request);
  // "Meridax Preferences" on `page`; on OK the panes take the new colours and fonts at once.
  void openPreferences(PreferencePage page);
  // The panes take the fonts and colours of the settings.
  void applySettings();

  // Window placement and the two drag bars, from and to the frame's settings.
  void applyStoredGeometry();
  void applyStoredSplits();
  void storeGeometry();
  // Everything the program writes at exit: the frame's section, then the application's sections.
  void writeSettings();
  // Brings every pane, the title, the status bar and the menus up to date with the frame.
  void refreshAll();

  // A window port that is told the title and status texts too (a script's transcript); nullptr for none.
  void setMirror(WindowPort* mirror) { mirror_ = mirror; }
  // From now on the frame's questions and dialogs open as widgets over this window, whatever ports the
  // setup gave (a scripted run that ends by showing a dialog). `dialogs` must outlive the window.
  void useDesktopDialogs(QtDialogs& dialogs);

  // ---- CommandPort ----
  // The commands the window carries out itself (the tree pane's scrolling); any other that is not built
  // yet says so in one message box.
  void carryOut(const FrameCommand& command) override;

  // ---- FindDialogPort ----
  // Shows the one modeless find dialog, seeded; its requests run as every action does.
  void openFindDialog(const FindDialogSeed& seed) override;
  // The find dialog once it has been opened; nullptr before.
  FindDialog* findDialog() const { return find_; }
  // "GTP Log", opened by its command; nullptr before.
  EngineLogWindow* engineLog() const { return engineLog_; }
  void showEngineLog();

  // ---- WindowPort ----
  void setStatus(StatusField field, const std::string& text) override;
  void setTitle(const std::string& title) override;
  void redraw(Redraw what) override;
  int treeTopLine() const override;
  void setTreeTopLine(int line) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildPanes();
  void buildStatusBar();
  void flushRedraws();
  void showTreeContextMenu(GameNode* node, QPoint where);

  ProfilePort& profile_;
  // The board painter of the exports and their dialogs, when the setup gives none.
  std::unique_ptr<QtBoardImages> images_;
  std::unique_ptr<QtExportDialogs> exportDialogs_;
  std::unique_ptr<QtListDialogs> listDialogs_;
  FramePorts ports_;
  std::unique_ptr<FrameWin> frame_;
  std::unique_ptr<FrameDialogs> dialogs_;  // its windows go before the frame they show
  QScrollArea* boardScroll_ = nullptr;
  BoardWidget* board_ = nullptr;
  TreePane* tree_ = nullptr;
  CommentPane* comment_ = nullptr;
  QSplitter* boardSplit_ = nullptr;
  QSplitter* columnSplit_ = nullptr;
  std::array<QLabel*, kStatusFields.size()> status_{};
  std::unique_ptr<CommandMenus> menus_;
  std::unique_ptr<ListWindows> lists_;
  WindowPort* mirror_ = nullptr;
  FindDialog* find_ = nullptr;  // a child of the window
  EngineLogWindow* engineLog_ = nullptr;  // a child of the window, deleted before the frame
  QTimer* engineTimer_ = nullptr;
  int pendingRedraw_ = 0;
  int runDepth_ = 0;
  bool firstShown_ = false;
  bool closing_ = false;
};

}  // namespace meridax
