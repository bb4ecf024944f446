#pragma once
// The list of a game's bookmarks or named positions (" Bookmarks ( %d )" / " Node Names ( %d )"): the
// Move and Name columns over the frame's list model, names renamed in place and rows deleted at once,
// and the small board and small game tree of the selected row. Alt with the arrow, Page, Home and End
// keys scrolls the small tree; F2 closes. The window's rectangle and column widths are kept in the
// settings ("DlgBM Dimensions_2").

#include <QAbstractTableModel>
#include <QDialog>
#include <optional>

#include "app/frame_win.h"

class QPushButton;
class QTreeView;

namespace meridax {

class BoardPreview;
class TreePane;

// The rows of the list as Qt reads them; renames go through the frame's model.
class PositionListItemModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit PositionListItemModel(PositionListModel& rows, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // Deletes the row's bookmark or name; false when there is no such row.
  bool deleteRow(int row);

 signals:
  // A rename or a deletion reached the game.
  void rowsChanged();

 private:
  PositionListModel& rows_;
};

class PositionListDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMoveColumn = 0;
  static constexpr int kNameColumn = 1;

  PositionListDialog(FrameWin& frame, PositionListModel& rows, QWidget* parent);

  QTreeView& list() { return *list_; }
  BoardPreview& smallBoard() { return *board_; }
  TreePane& smallTree() { return *tree_; }
  // The selected row, if any.
  std::optional<std::size_t> selectedRow() const;
  void selectRow(std::size_t row);
  void deleteSelectedRow();

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showSelected();
  void afterChange();
  bool handleKey(const QKeyEvent& key);
  void applyStoredGeometry();
  void recordGeometry();

  FrameWin& frame_;
  PositionListModel& rows_;
  PositionListItemModel* items_;
  QTreeView* list_;
  BoardPreview* board_;
  TreePane* tree_;
  QPushButton* delete_;
};

}  // namespace meridax
