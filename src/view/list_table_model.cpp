#include "view/list_table_model.h"

#include "view/qt_text.h"

namespace meridax {

ListTableModel::ListTableModel(FrameWin& frame, std::size_t depth, QObject* parent)
    : QAbstractTableModel(parent), frame_(frame), depth_(depth) {}

const ListColumn& ListTableModel::column(int c) const {
  const ListWindow* l = list();
  const bool games = l == nullptr || l->mode == ListMode::Games;
  return games ? kGamesColumns.at(static_cast<std::size_t>(c)) : kPlayersColumns.at(static_cast<std::size_t>(c));
}

std::string ListTableModel::cellText(int row, int column) const {
  const ListWindow* l = list();
  if (l == nullptr || row < 0 || static_cast<std::size_t>(row) >= l->rows() || column < 0 ||
      column >= columnCount())
    return {};
  const auto r = static_cast<std::size_t>(row);
  if (l->mode == ListMode::Games) return l->games.cell(r, static_cast<GamesColumn>(column));
  return l->players.cell(r, column);
}

void ListTableModel::reload() {
  beginResetModel();
  frame_.lists().syncListsWithCollection();
  endResetModel();
}

int ListTableModel::rowCount(const QModelIndex& parent) const {
  const ListWindow* l = list();
  return parent.isValid() || l == nullptr ? 0 : static_cast<int>(l->rows());
}

int ListTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kGamesColumnCount;  // both lists have thirteen columns
}

QVariant ListTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) return toQt(cellText(index.row(), index.column()));
  if (role == Qt::TextAlignmentRole) {
    const bool right = column(index.column()).align == ColumnAlign::Right;
    return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
  }
  return {};
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  if (role == Qt::DisplayRole) return QString::fromUtf8(column(section).header);
  if (role == Qt::TextAlignmentRole) {
    const bool right = column(section).align == ColumnAlign::Right;
    return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
  }
  return {};
}

ListSortModel::ListSortModel(ListTableModel& source, QObject* parent) : QSortFilterProxyModel(parent), source_(source) {
  setSourceModel(&source);
}

bool ListSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  // The row number stands for the list's own order, which is the collection's order in a games list.
  if (left.column() == 0) return left.row() < right.row();
  const int order = compareListCells(source_.cellText(left.row(), left.column()),
                                     source_.cellText(right.row(), right.column()));
  return order != 0 ? order < 0 : left.row() < right.row();
}

}  // namespace meridax
