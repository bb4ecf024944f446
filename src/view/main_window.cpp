#include "view/main_window.h"

#include <QCloseEvent>
#include <algorithm>
#include <new>
#include <string_view>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>

#include "app/settings_io.h"
#include "layout/pane_split.h"
#include "view/about_dialog.h"
#include "view/board_widget.h"
#include "view/command_menus.h"
#include "view/comment_pane.h"
#include "view/engine_log_window.h"
#include "view/qt_engine_process.h"
#include "view/frame_dialogs.h"
#include "view/find_dialog.h"
#include "view/plain_text_widgets.h"
#include "view/position_search_window.h"
#include "view/preferences_sheet.h"
#include "view/qt_ports.h"
#include "view/qt_text.h"
#include "view/tree_pane.h"

namespace meridax {

namespace {

QRect toQRect(const Rect& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); }
Rect fromQRect(const QRect& r) { return Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

void setSplit(QSplitter& splitter, int total, double share) {
  const SplitSizes sizes = splitByShare(total, share);
  splitter.setSizes({sizes.nearSize, sizes.farSize});
}

double splitShare(const QSplitter& splitter) {
  const QList<int> sizes = splitter.sizes();
  if (sizes.size() != 2) return kDefaultPaneShare;
  return shareOf(SplitSizes{sizes[0], sizes[1]});
}

}  // namespace

MainWindow::MainWindow(MainWindowSetup setup) : profile_(setup.profile), ports_(setup.userPorts) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QStringLiteral("Meridax"));
  ports_.window = this;
  ports_.commands = this;
  if (ports_.images == nullptr) {
    images_ = std::make_unique<QtBoardImages>();
    ports_.images = images_.get();
    ports_.imageClipboard = images_.get();
  }
  if (ports_.exportDialogs == nullptr) {
    exportDialogs_ = std::make_unique<QtExportDialogs>(this);
    ports_.exportDialogs = exportDialogs_.get();
  }
  if (!ports_.engines) {
    // One process for each game an engine is attached to; the frame's engine commands own them.
    ports_.engines = [this]() -> std::unique_ptr<EngineProcess> {
      return std::make_unique<QtEngineProcess>([this](const std::function<void()>& action) { run(action); });
    };
  }
  dialogs_ = std::make_unique<FrameDialogs>(this);
  if (ports_.statistics == nullptr) ports_.statistics = dialogs_.get();
  if (ports_.listDialogs == nullptr) {
    listDialogs_ = std::make_unique<QtListDialogs>(this);
    ports_.listDialogs = listDialogs_.get();
  }
  frame_ = std::make_unique<FrameWin>(ports_, setup.profile, setup.files, std::move(setup.settings),
                                      std::move(setup.environment));
  dialogs_->attach(*frame_);
  if (images_) images_->setSettings(frame_->appSettings());
  frame_->navigation().setFindDialogPort(this);
  buildPanes();
  buildStatusBar();
  menus_ = std::make_unique<CommandMenus>(*this);
  lists_ = std::make_unique<ListWindows>(*frame_, *this, [this](const std::function<void()>& action) { run(action); });
  applyStoredGeometry();
  // The time-out of each engine's command under way is checked while it thinks.
  engineTimer_ = new QTimer(this);
  connect(engineTimer_, &QTimer::timeout, this, [this] {
    if (frame_->engine().anyBusy()) run([this] { frame_->engine().tick(); });
  });
  engineTimer_->start(250);
  frame_->refreshTitle();
  frame_->refreshStatus();
  refreshAll();
}

MainWindow::~MainWindow() {
  delete engineLog_;
  engineLog_ = nullptr;
}

void MainWindow::showEngineLog() {
  if (engineLog_ == nullptr) engineLog_ = new EngineLogWindow(frame_->engine(), this);
  engineLog_->show();
  engineLog_->raise();
}

QWidget& MainWindow::boardPane() { return *board_; }

void MainWindow::buildPanes() {
  boardSplit_ = new QSplitter(Qt::Horizontal, this);
  boardSplit_->setObjectName(QStringLiteral("boardSplit"));
  // The board fills its scroll area, which scrolls only a board larger than the pane.
  boardScroll_ = new QScrollArea(boardSplit_);
  boardScroll_->setObjectName(QStringLiteral("boardScroll"));
  boardScroll_->setFrameShape(QFrame::NoFrame);
  boardScroll_->setWidgetResizable(true);
  boardScroll_->setMinimumSize(120, 120);
  board_ = new BoardWidget(*frame_);
  board_->setActionRunner([this](const std::function<void()>& action) { run(action); });
  boardScroll_->setWidget(board_);
  columnSplit_ = new QSplitter(Qt::Vertical, boardSplit_);
  columnSplit_->setObjectName(QStringLiteral("columnSplit"));
  tree_ = new TreePane(*frame_, columnSplit_);
  comment_ = new CommentPane(*frame_, columnSplit_);
  boardSplit_->addWidget(boardScroll_);
  boardSplit_->addWidget(columnSplit_);
  columnSplit_->addWidget(tree_);
  columnSplit_->addWidget(comment_);
  for (QSplitter* s : {boardSplit_, columnSplit_}) {
    s->setChildrenCollapsible(false);
    s->setStretchFactor(0, 1);
  }
  setCentralWidget(boardSplit_);

  connect(tree_, &TreePane::nodeClicked, this, [this](GameNode* node, bool variation) {
    run([&] { frame_->navigation().treeClick(node, variation ? TreeClick::VariationLine : TreeClick::MoveBox); });
  });
  connect(tree_, &TreePane::contextMenuRequested, this, &MainWindow::showTreeContextMenu);
}

void MainWindow::buildStatusBar() {
  for (StatusField field : kStatusFields) {
    const std::size_t i = fieldIndex(field);
    QLabel* label = plainLabel(QString(), this);
    label->setObjectName(QStringLiteral("statusField%1").arg(i));
    if (field == StatusField::SideToMove) {
      statusBar()->addWidget(label, 1);
    } else {
      label->setFixedWidth(kStatusFieldWidths[i]);
      statusBar()->addPermanentWidget(label);
    }
    status_[i] = label;
  }
}

void MainWindow::showTreeContextMenu(GameNode* node, QPoint where) {
  std::vector<MenuItem> items;
  run([&] { items = frame_->annotations().treeContextAt(node); });
  if (items.empty()) return;
  QMenu menu(this);
  for (const MenuItem& item : items) {
    QAction* action = menu.addAction(toQt(item.text));
    connect(action, &QAction::triggered, this, [this, item] { runCommand(item.name); });
  }
  menu.exec(where);
}

void MainWindow::run(const std::function<void()>& action) {
  // A command reached by a tool bar or a shortcut leaves the focus in the comment field: commit first.
  comment_->commit();
  ++runDepth_;
  try {
    action();
  } catch (const std::bad_alloc&) {
    // What the command had built is freed on the way here; the file on disk was not touched.
    --runDepth_;
    execPlainMessage(this, QMessageBox::Critical, QStringLiteral("Meridax"),
                     QStringLiteral("There was not enough memory to finish the command; it was stopped."));
    return;
  }
  --runDepth_;
  if (runDepth_ > 0) return;
  refreshAll();
  lists_->sync();
}

bool MainWindow::runCommand(int id) {
  bool found = false;
  run([&] { found = frame_->runCommand(id); });
  return found;
}

bool MainWindow::runCommand(const std::string& name) {
  bool found = false;
  run([&] { found = frame_->runCommand(name); });
  return found;
}

void MainWindow::runRegistryCommand(const FrameCommand& command) {
  if (std::string_view(command.name) == "OnClose") {
    close();
    return;
  }
  run([&] { frame_->runCommand(command); });
}

void MainWindow::carryOut(const FrameCommand& command) {
  static constexpr std::pair<const char*, TreeScrollRequest> kTreeScrolls[] = {
      {"CmTreeLineUp", TreeScrollRequest::LineUp},     {"CmTreeLineDown", TreeScrollRequest::LineDown},
      {"CmTreePageUp", TreeScrollRequest::PageUp},     {"CmTreePageDown", TreeScrollRequest::PageDown},
      {"CmTreeTop", TreeScrollRequest::Top},           {"CmTreeBottom", TreeScrollRequest::Bottom},
  };
  for (const auto& [name, request] : kTreeScrolls) {
    if (std::string_view(name) != command.name) continue;
    tree_->scroll(request);
    return;
  }
  const std::string_view name(command.name);
  if (name == "CmAbout") {
    AboutDialog(this).exec();
    return;
  }
  if (name == "CmEngines") {
    openPreferences(PreferencePage::Engines);
    return;
  }
  if (name == "CmEngineLog") {
    showEngineLog();
    return;
  }
  if (name == "CmFindPosition") {
    findPosition();
    return;
  }
  if (name == "CmCustomise" || name == "CmOtherOptions") {
    openPreferences(name == "CmCustomise" ? PreferencePage::Colours : PreferencePage::OtherOptions);
    return;
  }
  const std::string label =
      fromQt(menuLabel(frame_->commandMenuText(command), command).section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')));
  ports_.messages->tell({std::string(command.name) + "()",
                         "\"" + label + "\" is not available in this version of Meridax.", MessageIcon::Information});
}

void MainWindow::findPosition() {
  const MarkedArea& area = frame_->markedArea();
  const bool hasArea = area.x1 != area.x2 || area.y1 != area.y2;
  const std::optional<PositionSearchChoice> choice = askPositionSearchChoice(this, hasArea, frame_->currentFile());
  if (!choice) return;
  if (positionSearchPaths(*frame_, *choice).empty()) {
    ports_.messages->tell({"CmFindPosition()", "There are no game files to search: save the collection or choose a folder.",
                           MessageIcon::Information});
    return;
  }
  auto* results = new PositionSearchWindow(*this, *choice);
  results->show();
  results->start();
}

void MainWindow::openFindDialog(const FindDialogSeed& seed) {
  if (find_ == nullptr) {
    find_ = new FindDialog(this);
    connect(find_, &FindDialog::findNext, this,
            [this](const FindRequest& request) { run([&] { frame_->navigation().FindNext(request); }); });
  }
  find_->seed(seed);
  find_->show();
  find_->raise();
  find_->activateWindow();
}

void MainWindow::openPreferences(PreferencePage page) {
  PreferencesSheet sheet(currentPreferences(*frame_), page, this);
  if (sheet.exec() != QDialog::Accepted) return;
  run([&] { takeOverPreferences(*frame_, profile_, sheet.values()); });
  applySettings();
}

void MainWindow::applySettings() {
  tree_->applySettings();
  comment_->applySettings();
  refreshAll();
}

void MainWindow::useDesktopDialogs(QtDialogs& dialogs) {
  ports_.messages = &dialogs;
  ports_.dialogs = &dialogs;
  ports_.files = &dialogs;
  ports_.moveCorrection = &dialogs;
  dialogs.setSettings(&frame_->appSettings());
  dialogs_->attach(*frame_);  // the list and composition dialogs too, where a script had answered them
  if (!exportDialogs_) exportDialogs_ = std::make_unique<QtExportDialogs>(this);
  ports_.exportDialogs = exportDialogs_.get();
  if (!listDialogs_) listDialogs_ = std::make_unique<QtListDialogs>(this);
  ports_.listDialogs = listDialogs_.get();
  frame_->setPorts(ports_);
}

void MainWindow::scrollTree(TreeScrollRequest request) {
  comment_->commit();
  tree_->scroll(request);
}

void MainWindow::refreshAll() {
  pendingRedraw_ = 0;
  tree_->rebuild();
  comment_->showCurrent();
  board_->refresh();
  menus_->refresh();
  dialogs_->refresh();
}

void MainWindow::flushRedraws() {
  if (pendingRedraw_ == 0 || runDepth_ > 0) return;
  refreshAll();
}

QString MainWindow::statusText(StatusField field) const { return status_[fieldIndex(field)]->text(); }

void MainWindow::setStatus(StatusField field, const std::string& text) {
  status_[fieldIndex(field)]->setText(toQt(text));
  if (mirror_ != nullptr) mirror_->setStatus(field, text);
}

void MainWindow::setTitle(const std::string& title) {
  // "[*]" is where Qt shows the unsaved-changes mark; one in the title itself is written twice.
  setWindowTitle(toQt(title).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")) + QStringLiteral("[*]"));
  setWindowModified(frame_ != nullptr && frame_->modified());
  if (mirror_ != nullptr) mirror_->setTitle(title);
}

// Redraws are gathered and done once the running action ends; one outside an action is done at the next
// turn of the event loop.
void MainWindow::redraw(Redraw what) {
  pendingRedraw_ |= static_cast<int>(what);
  if (runDepth_ == 0) QTimer::singleShot(0, this, [this] { flushRedraws(); });
}

int MainWindow::treeTopLine() const { return tree_->topLine(); }

void MainWindow::setTreeTopLine(int line) {
  tree_->rebuild();
  if (line <= 0) tree_->resetScrolling();
  else tree_->setTopLine(line);
}

void MainWindow::applyStoredGeometry() {
  const FrameSettings& s = frame_->frameSettings();
  if (s.windowPlacement) {
    const WindowPlacement p = placementForStart(*s.windowPlacement);
    std::vector<Rect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens.push_back(fromQRect(screen->availableGeometry()));
    setGeometry(toQRect(placeOnScreens(p.normalPosition, screens)));
    if (p.showState == show_state::kMaximized) setWindowState(windowState() | Qt::WindowMaximized);
  } else {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen != nullptr ? screen->size() : QSize(800, 600);
    setGeometry(toQRect(defaultWindowRect(size.width(), size.height())));
  }
  applyStoredSplits();
}

void MainWindow::applyStoredSplits() {
  const FrameSettings& s = frame_->frameSettings();
  if (layout() != nullptr) layout()->activate();  // the splitters get their sizes in this window
  setSplit(*boardSplit_, boardSplit_->width() - boardSplit_->handleWidth(), s.displayWidth);
  setSplit(*columnSplit_, columnSplit_->height() - columnSplit_->handleWidth(), s.displayWidthHz);
}

void MainWindow::storeGeometry() {
  FrameSettings& s = frame_->frameSettings();
  WindowPlacement p;
  p.normalPosition = fromQRect(isMaximized() || isMinimized() ? normalGeometry() : geometry());
  p.showState = isMaximized() ? show_state::kMaximized : (isMinimized() ? show_state::kMinimized : show_state::kNormal);
  s.windowPlacement = p;
  s.displayWidth = splitShare(*boardSplit_);
  s.displayWidthHz = splitShare(*columnSplit_);
  s.toolbar = menus_->toolbarShown();
  s.navigationBar = menus_->navigationBarShown();
}

void MainWindow::writeSettings() {
  storeGeometry();
  frame_->writeSettings();
  WriteToINI(profile_, frame_->appSettings(), frame_->recentFiles(), *ports_.messages);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (firstShown_) return;
  firstShown_ = true;
  // The drag bars take their places once the window has its final size.
  applyStoredSplits();
  // The start-up file is read once the window is on screen, so that its questions have a parent.
  QTimer::singleShot(0, this, [this] { run([this] { frame_->files().firstPaint(); }); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  comment_->commit();
  if (closing_ || frame_->files().OnClose()) {
    closing_ = true;
    writeSettings();
    event->accept();
  } else {
    refreshAll();
    event->ignore();
  }
}

}  // namespace meridax
