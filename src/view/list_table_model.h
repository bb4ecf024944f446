#pragma once
// The rows of one open list window of the frame (games or players), as Qt item models. The table model
// reads the frame's list at its depth each time a view asks, so it never holds a copy; the sort model
// orders the rows by a column the way the lists compare their cells (numbers by value), and by the list's
// own order under the row-number column.

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <string>

#include "app/frame_win.h"

namespace meridax {

class ListTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  ListTableModel(FrameWin& frame, std::size_t depth, QObject* parent = nullptr);

  // The frame's list this model shows; nullptr once it has closed.
  const ListWindow* list() const { return frame_.lists().listAt(depth_); }
  std::size_t depth() const { return depth_; }
  // The core's text of a cell; empty outside the list.
  std::string cellText(int row, int column) const;
  // Takes the list's rows again (after games were removed, moved or renamed), dropping stale ones first.
  void reload();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  const ListColumn& column(int c) const;

  FrameWin& frame_;
  std::size_t depth_;
};

class ListSortModel : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  explicit ListSortModel(ListTableModel& source, QObject* parent = nullptr);

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  ListTableModel& source_;
};

}  // namespace meridax
