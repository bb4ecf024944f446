#include "view/position_list_dialog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/dialog_geometry.h"
#include "layout/frame_board.h"
#include "rules/position_at.h"
#include "view/board_preview.h"
#include "view/qt_text.h"
#include "view/selection_contrast.h"
#include "view/tree_pane.h"

namespace meridax {

namespace {

QSize screenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry().size() : QSize(800, 600);
}

// Alt with these keys scrolls the small tree.
std::optional<TreeScrollRequest> treeScrollFor(int key) {
  switch (key) {
    case Qt::Key_Up: return TreeScrollRequest::LineUp;
    case Qt::Key_Down: return TreeScrollRequest::LineDown;
    case Qt::Key_PageUp: return TreeScrollRequest::PageUp;
    case Qt::Key_PageDown: return TreeScrollRequest::PageDown;
    case Qt::Key_Home: return TreeScrollRequest::Top;
    case Qt::Key_End: return TreeScrollRequest::Bottom;
    default: return std::nullopt;
  }
}

}  // namespace

// ---- The item model ----

PositionListItemModel::PositionListItemModel(PositionListModel& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows) {}

int PositionListItemModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.rowCount());
}

int PositionListItemModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant PositionListItemModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  const auto row = static_cast<std::size_t>(index.row());
  return index.column() == PositionListDialog::kMoveColumn ? toQt(rows_.moveText(row)) : toQt(rows_.name(row));
}

QVariant PositionListItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return QString::fromLatin1(section == PositionListDialog::kMoveColumn ? PositionListModel::kMoveColumn
                                                                        : PositionListModel::kNameColumn);
}

Qt::ItemFlags PositionListItemModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (index.isValid() && index.column() == PositionListDialog::kNameColumn) f |= Qt::ItemIsEditable;
  return f;
}

bool PositionListItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || index.column() != PositionListDialog::kNameColumn) return false;
  const std::size_t before = rows_.rowCount();
  if (!rows_.rename(static_cast<std::size_t>(index.row()), fromQt(value.toString()))) return false;
  // A node name edited to nothing takes its row away.
  if (rows_.rowCount() != before) {
    beginResetModel();
    endResetModel();
  } else {
    emit dataChanged(index, index);
  }
  emit rowsChanged();
  return true;
}

bool PositionListItemModel::deleteRow(int row) {
  if (row < 0 || row >= rowCount()) return false;
  beginRemoveRows({}, row, row);
  const bool removed = rows_.remove(static_cast<std::size_t>(row));
  endRemoveRows();
  if (removed) emit rowsChanged();
  return removed;
}

// ---- The dialog ----

PositionListDialog::PositionListDialog(FrameWin& frame, PositionListModel& rows, QWidget* parent)
    : QDialog(parent), frame_(frame), rows_(rows), items_(new PositionListItemModel(rows, this)) {
  setObjectName(QStringLiteral("positionListDialog"));
  setSizeGripEnabled(true);

  list_ = new QTreeView(this);
  list_->setObjectName(QStringLiteral("positionList"));
  list_->setRootIsDecorated(false);
  giveSelectionContrast(*list_);
  list_->setUniformRowHeights(true);
  list_->setAllColumnsShowFocus(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                         QAbstractItemView::EditKeyPressed);
  list_->setModel(items_);
  list_->installEventFilter(this);

  board_ = new BoardPreview(frame.appSettings(), this);
  board_->setObjectName(QStringLiteral("smallBoard"));
  tree_ = new TreePane(frame, this);
  tree_->setObjectName(QStringLiteral("smallTree"));
  auto* panes = new QSplitter(Qt::Vertical, this);
  panes->addWidget(board_);
  panes->addWidget(tree_);
  panes->setStretchFactor(0, 3);
  panes->setStretchFactor(1, 2);
  panes->setChildrenCollapsible(false);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  delete_ = buttons->addButton(QStringLiteral("&Delete"), QDialogButtonBox::ActionRole);
  delete_->setObjectName(QStringLiteral("deleteRow"));
  delete_->setAutoDefault(false);
  connect(delete_, &QPushButton::clicked, this, &PositionListDialog::deleteSelectedRow);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* left = new QVBoxLayout;
  left->addWidget(list_, 1);
  left->addWidget(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 2);
  layout->addWidget(panes, 3);

  connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { showSelected(); });
  connect(items_, &PositionListItemModel::rowsChanged, this, &PositionListDialog::afterChange);
  connect(items_, &QAbstractItemModel::modelReset, this, [this] { showSelected(); });

  resize(720, 440);
  applyStoredGeometry();
  setWindowTitle(toQt(rows_.title()));
  if (rows_.rowCount() > 0) selectRow(0);
}

std::optional<std::size_t> PositionListDialog::selectedRow() const {
  const QModelIndex current = list_->currentIndex();
  if (!current.isValid() || !list_->selectionModel()->isRowSelected(current.row(), {})) return std::nullopt;
  return static_cast<std::size_t>(current.row());
}

void PositionListDialog::selectRow(std::size_t row) {
  const QModelIndex index = items_->index(static_cast<int>(row), kMoveColumn);
  list_->setCurrentIndex(index);
  list_->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  showSelected();
}

void PositionListDialog::deleteSelectedRow() {
  const std::optional<std::size_t> row = selectedRow();
  if (!row) return;
  items_->deleteRow(static_cast<int>(*row));
  if (rows_.rowCount() > 0) selectRow(std::min(*row, rows_.rowCount() - 1));
  else showSelected();
}

void PositionListDialog::afterChange() {
  setWindowTitle(toQt(rows_.title()));
  tree_->rebuild();  // names and bookmark markers are drawn in the small tree too
  showSelected();
}

// The board and tree of the selected row; empty panes when no row is selected.
void PositionListDialog::showSelected() {
  const std::optional<std::size_t> row = selectedRow();
  GameNode* node = row ? rows_.node(*row) : nullptr;
  delete_->setEnabled(node != nullptr);
  SGridFrame& game = frame_.game();
  if (node == nullptr) {
    BoardScene empty;
    empty.board = boardDimensionsOf(game);
    board_->setScene(empty);
    tree_->showLineThrough(game.currentNode);
    return;
  }
  SceneOptions options = sceneOptionsOf(frame_.frameSettings());
  options.cursor = false;
  options.captures = false;
  board_->setScene(buildScene(game, node, PositionAt(game, node), options, {}));
  tree_->showLineThrough(node);
}

bool PositionListDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress && handleKey(static_cast<const QKeyEvent&>(*event)))
    return true;
  return QDialog::eventFilter(watched, event);
}

bool PositionListDialog::handleKey(const QKeyEvent& key) {
  if (key.key() == Qt::Key_F2 && key.modifiers() == Qt::NoModifier) {
    reject();
    return true;
  }
  if (key.modifiers() == Qt::AltModifier) {
    if (const std::optional<TreeScrollRequest> request = treeScrollFor(key.key())) {
      tree_->scroll(*request);
      return true;
    }
  }
  if (key.key() == Qt::Key_Delete && key.modifiers() == Qt::NoModifier) {
    deleteSelectedRow();
    return true;
  }
  return false;
}

void PositionListDialog::done(int result) {
  recordGeometry();
  QDialog::done(result);
}

void PositionListDialog::applyStoredGeometry() {
  const std::optional<DialogGeometry>& stored = frame_.appSettings().bookmarksDimensions;
  const QSize screen = screenSize();
  if (const std::optional<Rect> r = storedDialogRect(stored, screen.width(), screen.height()))
    setGeometry(QRect(QPoint(r->left, r->top), QPoint(r->right - 1, r->bottom - 1)));
  for (int column : {kMoveColumn, kNameColumn})
    if (const std::optional<int> width = storedColumnWidth(stored, static_cast<std::size_t>(column)))
      list_->header()->resizeSection(column, *width);
}

void PositionListDialog::recordGeometry() {
  const QRect g = geometry();
  const QSize screen = screenSize();
  recordDialogGeometry(frame_.appSettings().bookmarksDimensions, Rect{g.left(), g.top(), g.right() + 1, g.bottom() + 1},
                       isMaximized(), {list_->columnWidth(kMoveColumn), list_->columnWidth(kNameColumn)},
                       screen.width(), screen.height());
}

}  // namespace meridax
