#include "view/list_dialog.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "app/command_registry.h"
#include "app/dialog_geometry.h"
#include "view/list_table_model.h"
#include "view/qt_text.h"
#include "view/selection_contrast.h"

namespace meridax {

namespace {

constexpr char kDialogFace[] = "Microsoft Sans Serif";
// The dialog font's height is its size times the vertical dialog base unit (16 pixels for the
// standard dialog font) times 17 / 160.
constexpr int kDialogBaseUnit = 16;
constexpr QSize kDefaultSize(880, 440);

QRect toQRect(const Rect& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); }
Rect fromQRect(const QRect& r) { return Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

QSize screenSize(const QWidget& widget) {
  const QScreen* screen = widget.screen() != nullptr ? widget.screen() : QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->size() : QSize(800, 600);
}

bool movesGames(const std::string& command) {
  return command.starts_with("CmFoldersMove") || command.starts_with("CmFoldersPage");
}

const char* caption(const ListWindow& list) {
  if (list.mode == ListMode::Players) return kPlayersListCaption;
  return list.forPlayers ? kPlayerGamesCaption : kGamesListCaption;
}

}  // namespace

ListDialog::ListDialog(FrameWin& frame, std::size_t depth, ActionRunner run, QWidget* parent)
    : QDialog(parent), frame_(frame), depth_(depth), run_(std::move(run)) {
  const ListWindow* list = frame_.lists().listAt(depth_);
  mode_ = list != nullptr ? list->mode : ListMode::Games;
  forPlayers_ = list != nullptr && list->forPlayers;
  setObjectName(mode_ == ListMode::Games ? QStringLiteral("gamesList") : QStringLiteral("playersList"));
  setWindowTitle(QString::fromUtf8(list != nullptr ? caption(*list) : kGamesListCaption));
  setSizeGripEnabled(true);
  QFont font(mappedFace(kDialogFace));
  font.setPixelSize(frame_.appSettings().dialogFontSize * kDialogBaseUnit * 17 / 160);
  setFont(font);

  model_ = new ListTableModel(frame_, depth_, this);
  sorted_ = new ListSortModel(*model_, this);
  view_ = new QTreeView(this);
  view_->setObjectName(QStringLiteral("listView"));
  view_->setModel(sorted_);
  view_->setRootIsDecorated(false);
  giveSelectionContrast(*view_);
  view_->setUniformRowHeights(true);
  view_->setAllColumnsShowFocus(true);
  view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setSortingEnabled(true);
  view_->sortByColumn(0, Qt::AscendingOrder);
  view_->header()->setStretchLastSection(false);
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  view_->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_);

  connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    if (!takingSelection_) handSelectionToFrame();
  });
  connect(view_, &QWidget::customContextMenuRequested, this, &ListDialog::showContextMenu);
  connect(view_, &QAbstractItemView::doubleClicked, this, [this] {
    if (const std::optional<std::string> command = listCommandForKey(mode_, "Return")) runListCommand(*command);
  });

  const QSize screen = screenSize(*this);
  const std::optional<Rect> stored = storedDialogRect(storedGeometry(), screen.width(), screen.height());
  if (stored) setGeometry(toQRect(*stored));
  else resize(kDefaultSize);
  applyGeometry(width() - layout->contentsMargins().left() - layout->contentsMargins().right());
  takeSelectionFromFrame();
}

ListDialog::~ListDialog() = default;

std::optional<DialogGeometry>& ListDialog::storedGeometry() {
  AppSettings& s = frame_.appSettings();
  return mode_ == ListMode::Games ? s.foldersDimensions : s.playersListDimensions;
}

void ListDialog::applyGeometry(int listWidth) {
  const std::span<const ListColumn> columns =
      mode_ == ListMode::Games ? std::span<const ListColumn>(kGamesColumns) : std::span<const ListColumn>(kPlayersColumns);
  const std::vector<int> widths = defaultColumnWidths(columns, listWidth);
  for (std::size_t c = 0; c < widths.size(); ++c) {
    // A column's share of a narrow window may be less than its header needs: "N" and "B" would show "...".
    const int fallback = std::max(widths[c], view_->header()->sectionSizeHint(static_cast<int>(c)));
    view_->setColumnWidth(static_cast<int>(c), storedColumnWidth(storedGeometry(), c).value_or(fallback));
  }
}

void ListDialog::storeGeometry() {
  std::vector<int> widths;
  for (int c = 0; c < model_->columnCount(); ++c) widths.push_back(view_->columnWidth(c));
  const Rect rect = fromQRect(isMaximized() || isMinimized() ? normalGeometry() : geometry());
  const QSize screen = screenSize(*this);
  recordDialogGeometry(storedGeometry(), rect, isMaximized(), widths, screen.width(), screen.height());
}

void ListDialog::refresh() {
  // A reset drops the view's selection: that must not reach the frame, whose selection is the one to show.
  takingSelection_ = true;
  model_->reload();
  takingSelection_ = false;
  takeSelectionFromFrame();
}

std::vector<std::size_t> ListDialog::shownOrder() const {
  std::vector<std::size_t> rows;
  for (int r = 0; r < sorted_->rowCount(); ++r)
    rows.push_back(static_cast<std::size_t>(sorted_->mapToSource(sorted_->index(r, 0)).row()));
  return rows;
}

void ListDialog::handSelectionToFrame() {
  // The frame's list commands act on the top list, which is the one the user can reach.
  if (frame_.lists().listCount() != depth_ + 1) return;
  std::vector<std::size_t> rows;
  for (const QModelIndex& shown : view_->selectionModel()->selectedRows())
    rows.push_back(static_cast<std::size_t>(sorted_->mapToSource(shown).row()));
  frame_.lists().selectListRows(std::move(rows));
}

void ListDialog::takeSelectionFromFrame() {
  const ListWindow* list = model_->list();
  if (list == nullptr) return;
  takingSelection_ = true;
  QItemSelection selection;
  QModelIndex first;
  for (std::size_t row : list->selected) {
    const QModelIndex shown = sorted_->mapFromSource(model_->index(static_cast<int>(row), 0));
    if (!shown.isValid()) continue;
    selection.select(shown, shown.siblingAtColumn(model_->columnCount() - 1));
    if (!first.isValid() || shown.row() < first.row()) first = shown;
  }
  QItemSelectionModel* model = view_->selectionModel();
  model->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  if (first.isValid()) {
    model->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    view_->scrollTo(first);
  }
  takingSelection_ = false;
}

void ListDialog::tellPageRows() {
  if (frame_.lists().listCount() != depth_ + 1) return;
  const int rowHeight = std::max(1, view_->sizeHintForRow(0));
  frame_.lists().setListPageRows(std::max(1, view_->viewport()->height() / rowHeight));
}

void ListDialog::runListCommand(const std::string& name) {
  if (movesGames(name) && (sorted_->sortColumn() != 0 || sorted_->sortOrder() != Qt::AscendingOrder)) {
    // Games move in the collection's order: the view shows that order before they do.
    view_->sortByColumn(0, Qt::AscendingOrder);
  }
  handSelectionToFrame();
  tellPageRows();
  const std::string command = name;  // the name may belong to a menu that goes while the command runs
  run_([this, &command] { frame_.runCommand(command); });
}

std::vector<ListMenuEntry> ListDialog::contextMenuEntries() {
  handSelectionToFrame();
  if (frame_.lists().listCount() != depth_ + 1) return {};
  return frame_.lists().listContextMenu();
}

void ListDialog::showContextMenu(const QPoint& where) {
  const std::vector<ListMenuEntry> entries = contextMenuEntries();
  if (entries.empty()) return;
  QMenu menu(this);
  for (const ListMenuEntry& entry : entries) {
    if (entry.command.empty()) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(toQt(entry.text));
    const FrameCommand* command = findCommand(entry.command);
    action->setEnabled(command != nullptr && frame_.commandEnabled(*command));
    action->setData(toQt(entry.command));
  }
  const QAction* chosen = menu.exec(view_->viewport()->mapToGlobal(where));
  if (chosen != nullptr) runListCommand(fromQt(chosen->data().toString()));
}

std::string ListDialog::keyName(const QKeyEvent& event) {
  static constexpr std::pair<int, const char*> kKeys[] = {
      {Qt::Key_F9, "F9"},     {Qt::Key_Return, "Return"}, {Qt::Key_Enter, "Return"},     {Qt::Key_Delete, "Delete"},
      {Qt::Key_Insert, "Insert"}, {Qt::Key_Up, "Up"},     {Qt::Key_Down, "Down"},        {Qt::Key_PageUp, "PageUp"},
      {Qt::Key_PageDown, "PageDown"}, {Qt::Key_Home, "Home"}, {Qt::Key_End, "End"},
  };
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  if (modifiers != Qt::NoModifier && modifiers != Qt::AltModifier) return {};  // Shift and Ctrl select rows
  for (const auto& [key, name] : kKeys)
    if (event.key() == key) return (modifiers == Qt::AltModifier ? std::string("Alt+") : std::string()) + name;
  return {};
}

bool ListDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::KeyPress) {
    const std::string key = keyName(static_cast<const QKeyEvent&>(*event));
    if (!key.empty()) {
      if (const std::optional<std::string> command = listCommandForKey(mode_, key)) {
        runListCommand(*command);
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ListDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  tellPageRows();
}

void ListDialog::reject() {
  if (frame_.lists().listCount() == depth_ + 1) runListCommand("CmFoldersClose");
  else QDialog::reject();
}

}  // namespace meridax
