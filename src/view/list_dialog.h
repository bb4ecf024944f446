#pragma once
// One list window of the collection (the games list or the players list): a resizable modal dialog around
// a report-style view over the frame's list at its depth. The user's selection is handed to the frame as
// it changes; keys, the context menu and double clicks run the list's frame commands through the window's
// action runner, after which the list windows are brought up to date (see ListWindows). Its rectangle and
// column widths are kept in "Folders Dimensions" or "Players List Dimensions".

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "app/frame_win.h"

class QTreeView;

namespace meridax {

class ListSortModel;
class ListTableModel;

class ListDialog : public QDialog {
  Q_OBJECT

 public:
  using ActionRunner = std::function<void(const std::function<void()>&)>;

  ListDialog(FrameWin& frame, std::size_t depth, ActionRunner run, QWidget* parent);
  ~ListDialog() override;

  std::size_t depth() const { return depth_; }
  ListMode mode() const { return mode_; }
  bool forPlayers() const { return forPlayers_; }
  QTreeView& view() { return *view_; }
  ListTableModel& rows() { return *model_; }
  ListSortModel& sorted() { return *sorted_; }

  // Takes the frame's rows and selection again; the first selected row is made visible.
  void refresh();
  // Runs a command of the list by its handler name, with the view's selection handed over first.
  void runListCommand(const std::string& name);
  // The list's rows (from 0, in the list's own order) as the view shows them from top to bottom.
  std::vector<std::size_t> shownOrder() const;
  // The context menu's entries for the present selection, as the frame gives them.
  std::vector<ListMenuEntry> contextMenuEntries();
  // Writes the rectangle and column widths into the frame's settings.
  void storeGeometry();

  // Escape and the close button close this list through the frame.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::optional<DialogGeometry>& storedGeometry();
  void applyGeometry(int listWidth);
  void handSelectionToFrame();
  void takeSelectionFromFrame();
  void tellPageRows();
  void showContextMenu(const QPoint& where);
  // The key's name as the lists' key table writes it ("Alt+Up", "F9"); empty for other keys.
  static std::string keyName(const QKeyEvent& event);

  FrameWin& frame_;
  std::size_t depth_;
  ListMode mode_;
  bool forPlayers_;
  ActionRunner run_;
  ListTableModel* model_;
  ListSortModel* sorted_;
  QTreeView* view_;
  bool takingSelection_ = false;
};

}  // namespace meridax
