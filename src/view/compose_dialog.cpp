#include "view/compose_dialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/compose_commands.h"
#include "app/export_commands.h"
#include "layout/board_fit.h"
#include "layout/compose_scene.h"
#include "model/program_version.h"
#include "view/qt_text.h"

namespace meridax {

namespace {

// "Clear &Board\tShift+Ctrl+Delete": the menu shows the keys as the text writes them, not in Qt's words.
QString menuLabel(const char* menuText) { return toQt(menuText); }
QKeySequence menuKeys(const char* menuText) {
  return QKeySequence(toQt(menuText).section(QLatin1Char('\t'), 1, 1), QKeySequence::PortableText);
}

std::optional<CursorStep> stepFor(int key) {
  switch (key) {
    case Qt::Key_Left: return CursorStep::Left;
    case Qt::Key_Right: return CursorStep::Right;
    case Qt::Key_Up: return CursorStep::Up;
    case Qt::Key_Down: return CursorStep::Down;
    default: return std::nullopt;
  }
}

QIcon stoneIcon(Colour colour) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::black);
  painter.setBrush(colour == Colour::Black ? Qt::black : Qt::white);
  painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  return QIcon(pixmap);
}

constexpr char kHelpCaption[] = "SDlgCompose::CmHelp()";
constexpr char kHelpBody[] =
    "\n\nBoard composition: click or use the arrow keys to move the cursor, Shift to "
    "select a rectangle; Insert or Enter puts pieces of the colour shown on the colour button, Delete takes "
    "them away. OK uses the composed position for a new game or as a change to the current position.";

}  // namespace

// ---- The board ----

ComposeBoard::ComposeBoard(FrameWin& frame, ComposeModel& model, QWidget* parent)
    : BoardPreview(frame.appSettings(), parent), frame_(frame), model_(model) {
  setObjectName(QStringLiteral("composeBoard"));
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(240, 240);
  refresh();
}

void ComposeBoard::refresh() { setScene(composeScene(frame_.game(), model_)); }

void ComposeBoard::mousePressEvent(QMouseEvent* event) {
  const std::optional<BoardPoint> p = pointAt(event->position().toPoint());
  if (event->button() == Qt::RightButton) {
    emit contextMenuRequested(event->globalPosition().toPoint());
    return;
  }
  if (event->button() != Qt::LeftButton || !p) return;
  model_.click(p->x, p->y, (event->modifiers() & Qt::ShiftModifier) != 0);
  emit edited();
}

void ComposeBoard::mouseDoubleClickEvent(QMouseEvent* event) {
  const std::optional<BoardPoint> p = pointAt(event->position().toPoint());
  if (event->button() != Qt::LeftButton || !p) return;
  model_.doubleClick(p->x, p->y);
  emit edited();
}

void ComposeBoard::keyPressEvent(QKeyEvent* event) {
  const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
  const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
  if (const std::optional<CursorStep> step = stepFor(event->key()); step && plain) {
    model_.moveCursor(*step, shift);
    emit edited();
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain) {
    emit insertRequested();
    return;
  }
  const QString text = event->text();
  if (plain && text.size() == 1 && text.at(0).isLetterOrNumber() && text.at(0).unicode() < 128) {
    model_.placeCursorByKey(static_cast<char>(text.at(0).unicode()));
    emit edited();
    return;
  }
  BoardPreview::keyPressEvent(event);
}

// The selected rectangle, when more than one cell is selected.
void ComposeBoard::paintOver(QPainter& painter) {
  if (!model_.hasSelection()) return;
  const ComposeCell a = model_.anchor(), c = model_.cursor();
  const PixelRect box = cellRangeBox(boardGeometry(), a.x, a.y, c.x, c.y);
  painter.setPen(QPen(QColor(0, 0, 200), 2, Qt::DashLine));
  painter.setBrush(QColor(0, 0, 200, 40));
  painter.drawRect(QRect(box.x, box.y, box.width, box.height));
}

// ---- Composition Options ----

ComposeOptionsDialog::ComposeOptionsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("composeOptionsDialog"));
  setWindowTitle(QString::fromLatin1(kComposeOptionsCaption));
  auto* layout = new QVBoxLayout(this);
  for (const std::string& text : composeChoiceTexts()) {
    auto* option = new QRadioButton(toQt(text), this);
    layout->addWidget(option);
    options_.push_back(option);
  }
  choose(ComposeChoice::ReturnToDialog);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void ComposeOptionsDialog::choose(ComposeChoice choice) {
  QRadioButton* option = options_.at(static_cast<std::size_t>(choice));
  option->setChecked(true);
  option->setFocus();
}

ComposeChoice ComposeOptionsDialog::choice() const {
  for (std::size_t i = 0; i < options_.size(); ++i)
    if (options_[i]->isChecked()) return static_cast<ComposeChoice>(i);
  return ComposeChoice::ReturnToDialog;
}

// ---- The dialog ----

ComposeDialog::ComposeDialog(FrameWin& frame, ComposeModel& model, std::function<bool()> accept, QWidget* parent)
    : QDialog(parent), frame_(frame), model_(model), accept_(std::move(accept)) {
  setObjectName(QStringLiteral("composeDialog"));
  setWindowTitle(QString::fromLatin1(kComposeDialogCaption));
  setSizeGripEnabled(true);

  board_ = new ComposeBoard(frame, model, this);
  colour_ = new QPushButton(this);
  colour_->setObjectName(QStringLiteral("colourButton"));
  colour_->setAutoDefault(false);
  colour_->setToolTip(QStringLiteral("The colour put down, and the side to move of the composed position"));
  connect(colour_, &QPushButton::clicked, this, [this] {
    model_.switchColour();
    refresh();
  });

  auto* menuBar = new QMenuBar(this);
  menu_ = menuBar->addMenu(QStringLiteral("&Position"));
  addCommandActions();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  for (QAbstractButton* b : buttons->buttons())
    if (auto* push = qobject_cast<QPushButton*>(b)) push->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &ComposeDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* row = new QHBoxLayout;
  row->addWidget(colour_);
  row->addStretch(1);
  row->addWidget(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar);
  layout->addWidget(board_, 1);
  layout->addLayout(row);

  connect(board_, &ComposeBoard::edited, this, &ComposeDialog::refresh);
  connect(board_, &ComposeBoard::insertRequested, this, [this] { runCommand(ComposeCommand::InsertPieces); });
  connect(board_, &ComposeBoard::contextMenuRequested, this, [this](QPoint where) { contextMenu()->exec(where); });
  setTabOrder(board_, colour_);
  setTabOrder(colour_, buttons);
  board_->setFocus();
  resize(560, 600);
  refresh();
}

void ComposeDialog::addCommandActions() {
  for (const ComposeCommandEntry& entry : composeCommands()) {
    if (!model_.applies(entry.command)) continue;
    QAction* action = menu_->addAction(menuLabel(entry.menuText));
    action->setObjectName(QString::fromLatin1(entry.name));
    action->setShortcut(menuKeys(entry.menuText));
    action->setShortcutContext(Qt::WindowShortcut);
    const ComposeCommand command = entry.command;
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    addAction(action);  // its keys work while the menu is closed
  }
}

std::unique_ptr<QMenu> ComposeDialog::contextMenu() {
  auto menu = std::make_unique<QMenu>(this);
  for (const ComposeCommandEntry& entry : composeCommands()) {
    if (!model_.offeredInContextMenu(entry.command)) continue;
    QAction* action = menu->addAction(menuLabel(entry.menuText));
    action->setObjectName(QString::fromLatin1(entry.name));
    const ComposeCommand command = entry.command;
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
  }
  return menu;
}

void ComposeDialog::runCommand(ComposeCommand command) {
  switch (command) {
    case ComposeCommand::Help: {
      const std::string text = std::string(kProgramName) + " " + kProgramVersion + kHelpBody;
      frame_.ports().messages->tell(UserMessage{kHelpCaption, text, MessageIcon::Information});
      return;
    }
    case ComposeCommand::ExportGif: frame_.exports().composeExportGif(model_); return;
    case ComposeCommand::CopyImage: frame_.exports().composeCopyImage(model_); return;
    case ComposeCommand::CopyAscii: frame_.treeEdit().composeCopyAscii(model_); return;
    default: break;
  }
  const std::optional<EditNotice> notice = model_.run(command);
  refresh();
  if (notice) frame_.ports().messages->tell(UserMessage{notice->caption, notice->text, MessageIcon::Information});
}

void ComposeDialog::accept() {
  if (accept_()) QDialog::accept();
}

void ComposeDialog::refresh() {
  colour_->setText(QString::fromLatin1(colourName(model_.colour())));
  colour_->setIcon(stoneIcon(model_.colour()));
  board_->refresh();
}

}  // namespace meridax
