#include "view/command_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "view/main_window.h"
#include "view/qt_text.h"

namespace meridax {

namespace {

struct MenuRow {
  const char* command;  // handler name; nullptr for a separator
  const char* text;
};

struct MenuDefinition {
  const char* title;
  std::vector<MenuRow> rows;
};

const std::vector<MenuDefinition>& menuDefinitions() {
  static const std::vector<MenuDefinition> menus = {
      {"&File",
       {{"LoadSGF", "&Load File\tCtrl+O"},
        {"ReLoad", "&ReLoad\tCtrl+L"},
        {"CmSave", "Save\tCtrl+S"},
        {"SaveAs", "Save &As\tCtrl+A"},
        {"CmExportCurrentGame", "&Export the Current Game\tCtrl+X"},
        {"CmSaveRTF", "&Export the Current Game as an RTF File\tCtrl+R"},
        {"CmCreateGIF", "Create &GIF Image"},
        {nullptr, ""},
        {"CmCopySGF", "Copy &SGF Text to Clipboard\tShift+Ctrl+W"},
        {"CmCopySGFBranch", "Copy SGF Text of Current &Branch"},
        {"CmCopyBMP", "Copy BMP &Image to Clipboard"},
        {"GetASCII", "Copy &ASCII Text to Clipboard"},
        {nullptr, ""},
        {"OnClose", "E&xit\tAlt+F4"}}},
      {"&Collection",
       {{"CmFirstGame", "First Game"},
        {"CmPreviousGame", "Previous Game"},
        {"CmNextGame", "Next Game"},
        {"CmLastGame", "Last Game"}}},
  };
  return menus;
}

struct ScrollRow {
  int id;
  TreeScrollRequest request;
  const char* keys;
  const char* tip;
};

constexpr ScrollRow kScrollRows[] = {
    {1824, TreeScrollRequest::LineUp, "Alt+Up", "Scroll the game tree window up one line"},
    {1834, TreeScrollRequest::LineDown, "Alt+Down", "Scroll the game tree window down one line"},
    {1844, TreeScrollRequest::PageUp, "Alt+PgUp", "Scroll the game tree window up one page"},
    {1854, TreeScrollRequest::PageDown, "Alt+PgDown", "Scroll the game tree window down one page"},
    {1864, TreeScrollRequest::Top, "Alt+Home", "Scroll the game tree window to top"},
    {1874, TreeScrollRequest::Bottom, "Alt+End", "Scroll the game tree window to bottom"},
};

}  // namespace

CommandMenus::CommandMenus(MainWindow& window) : QObject(&window), window_(window) {
  buildMenus();
  buildToolBars();
  refresh();
}

QAction* CommandMenus::addCommand(QMenu* menu, const FrameCommand* command, const QString& text) {
  const QStringList parts = text.split(QLatin1Char('\t'));
  QAction* action = menu->addAction(parts.front());
  if (parts.size() > 1) action->setShortcut(QKeySequence(parts[1]));
  action->setObjectName(QString::fromLatin1(command->name));
  connect(action, &QAction::triggered, this, [this, command] { window_.runCommand(std::string(command->name)); });
  entries_.push_back(Entry{command, action});
  return action;
}

void CommandMenus::buildMenus() {
  QMenuBar* bar = window_.menuBar();
  for (const MenuDefinition& definition : menuDefinitions()) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(definition.title));
    for (const MenuRow& row : definition.rows) {
      if (row.command == nullptr) {
        menu->addSeparator();
        continue;
      }
      if (const FrameCommand* c = window_.frame().findCommand(std::string(row.command)))
        addCommand(menu, c, QString::fromLatin1(row.text));
    }
    connect(menu, &QMenu::aboutToShow, this, &CommandMenus::refresh);
  }
  QMenu* view = bar->addMenu(QStringLiteral("&View"));
  buildTreeScrollActions(view->addMenu(QStringLiteral("Game &Tree Window")));
}

void CommandMenus::buildTreeScrollActions(QMenu* menu) {
  for (const ScrollRow& row : kScrollRows) {
    QAction* action = menu->addAction(QString::fromLatin1(row.tip));
    action->setShortcut(QKeySequence(QString::fromLatin1(row.keys)));
    action->setObjectName(QString::number(row.id));
    const TreeScrollRequest request = row.request;
    connect(action, &QAction::triggered, this, [this, request] { window_.scrollTree(request); });
  }
}

void CommandMenus::buildToolBars() {
  toolbar_ = window_.addToolBar(QStringLiteral("Toolbar"));
  toolbar_->setObjectName(QStringLiteral("Toolbar"));
  navigationBar_ = window_.addToolBar(QStringLiteral("NavigationBar"));
  navigationBar_->setObjectName(QStringLiteral("NavigationBar"));
  for (QToolBar* bar : {toolbar_, navigationBar_}) bar->setFocusPolicy(Qt::NoFocus);
  const FrameSettings& s = window_.frame().frameSettings();
  toolbar_->setVisible(s.toolbar);
  navigationBar_->setVisible(s.navigationBar);
  for (const char* name : {"LoadSGF", "CmSave"})
    if (QAction* a = action(name)) toolbar_->addAction(a);
  for (const char* name : {"CmFirstGame", "CmPreviousGame", "CmNextGame", "CmLastGame"})
    if (QAction* a = action(name)) navigationBar_->addAction(a);
}

bool CommandMenus::toolbarShown() const { return !toolbar_->isHidden(); }
bool CommandMenus::navigationBarShown() const { return !navigationBar_->isHidden(); }

void CommandMenus::refresh() {
  FrameWin& frame = window_.frame();
  for (const Entry& e : entries_) e.action->setEnabled(frame.commandEnabled(*e.command));
}

QAction* CommandMenus::action(int id) const {
  for (const Entry& e : entries_)
    if (e.command->id == id) return e.action;
  return nullptr;
}

QAction* CommandMenus::action(const std::string& name) const {
  for (const Entry& e : entries_)
    if (name == e.command->name) return e.action;
  return nullptr;
}

std::vector<QMenu*> CommandMenus::allMenus() const {
  std::vector<QMenu*> menus;
  for (QMenu* m : window_.menuBar()->findChildren<QMenu*>()) menus.push_back(m);
  return menus;
}

}  // namespace meridax
