#include "view/command_menus.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QToolBar>

#include "app/command_registry.h"
#include "app/recent_files.h"
#include "view/command_icons.h"
#include "view/main_window.h"
#include "view/qt_text.h"

namespace meridax {

namespace {

struct GroupMenu {
  CommandGroup group;
  const char* title;
};

// The menus in the order of the menu bar.
constexpr GroupMenu kGroupMenus[] = {
    {CommandGroup::File, "&File"},           {CommandGroup::Collection, "&Collection"},
    {CommandGroup::Navigation, "&Navigate"},
    {CommandGroup::Moves, "&Moves"},         {CommandGroup::TreeEdit, "&Edit"},
    {CommandGroup::Annotation, "&Annotate"}, {CommandGroup::View, "&View"},
    {CommandGroup::TreePane, "&Tree"},       {CommandGroup::Export, "E&xport"},
    {CommandGroup::Engine, "En&gine"},
    {CommandGroup::Settings, "&Settings"},   {CommandGroup::Help, "&Help"},
};

// The games and players lists carry their own commands in their context menus and keys; in the
// main window, where no list is ever open, they would only stand disabled.
bool inMenuBar(CommandGroup group) { return group != CommandGroup::Lists; }

bool onNavigationBar(CommandGroup group) {
  return group == CommandGroup::Navigation || group == CommandGroup::Collection || group == CommandGroup::Moves;
}

// Keys the registry writes differently from Qt.
QString qtKeyWord(const QString& word) {
  static const std::pair<const char*, const char*> kWords[] = {
      {"PageUp", "PgUp"}, {"PageDown", "PgDown"}, {"Delete", "Del"}, {"Insert", "Ins"}, {"Escape", "Esc"}};
  for (const auto& [registry, qt] : kWords)
    if (word == QLatin1String(registry)) return QString::fromLatin1(qt);
  return word;
}

}  // namespace

QKeySequence qtKeySequence(const std::string& keyName) {
  QString name = QString::fromStdString(keyName);
  // "Ctrl++" names the plus key; split the modifiers off before it.
  QString key;
  if (name.endsWith(QLatin1String("++")) || name == QLatin1String("+")) {
    key = QStringLiteral("+");
    name.chop(name == QLatin1String("+") ? 1 : 2);
  } else {
    const qsizetype plus = name.lastIndexOf(QLatin1Char('+'));
    key = name.mid(plus + 1);
    name = plus < 0 ? QString() : name.left(plus);
  }
  if (key.isEmpty()) return {};
  const QString modifiers = name.isEmpty() ? QString() : name + QLatin1Char('+');
  return QKeySequence(modifiers + qtKeyWord(key), QKeySequence::PortableText);
}

QString menuLabel(const std::string& text, const FrameCommand& command) {
  const std::size_t tab = text.find('\t');
  std::string label = text.substr(0, tab);
  // The keys as the menu text writes them ("Shift+Ctrl+P"); Qt would write the shortcut in its own order.
  if (!label.empty() && tab != std::string::npos) return toQt(text);
  if (label.empty()) label = tipShort(command);
  if (label.empty()) label = tipPrompt(command);
  if (label.empty()) label = command.name;
  return toQt(label);
}

CommandMenus::CommandMenus(MainWindow& window) : QObject(&window), window_(window) {
  QMenuBar* bar = window_.menuBar();
  for (const GroupMenu& g : kGroupMenus) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(g.title));
    menu->setObjectName(QString::fromLatin1(g.title).remove(QLatin1Char('&')));
    connect(menu, &QMenu::aboutToShow, this, &CommandMenus::refresh);
    menus_.push_back(menu);
    groupMenus_.emplace_back(g.group, menu);
  }
  toolbar_ = window_.addToolBar(QStringLiteral("Toolbar"));
  toolbar_->setObjectName(QStringLiteral("Toolbar"));
  navigationBar_ = window_.addToolBar(QStringLiteral("NavigationBar"));
  navigationBar_->setObjectName(QStringLiteral("NavigationBar"));
  for (const FrameCommand* command : allCommands()) {
    if (!inMenuBar(command->group)) continue;
    QAction* a = makeAction(command);
    menuOf(command->group)->addAction(a);
    if (!tipShort(*command).empty()) (onNavigationBar(command->group) ? navigationBar_ : toolbar_)->addAction(a);
  }
  for (QToolBar* b : {toolbar_, navigationBar_}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->setIconSize(QSize(20, 20));
  }
  const FrameSettings& s = window_.frame().frameSettings();
  toolbar_->setVisible(s.toolbar);
  navigationBar_->setVisible(s.navigationBar);
  buildToolBarToggles(menuOf(CommandGroup::View));
  connect(menuOf(CommandGroup::File), &QMenu::aboutToShow, this, &CommandMenus::fillRecentFiles);
  refresh();
}

void CommandMenus::fillRecentFiles() {
  QMenu* file = menuOf(CommandGroup::File);
  for (QAction* a : recentActions_) {
    file->removeAction(a);
    a->deleteLater();
  }
  recentActions_.clear();
  const std::vector<std::string>& entries = window_.frame().recentFiles().entries();
  if (entries.empty()) return;
  recentActions_.push_back(file->addSeparator());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const QString label = QStringLiteral("&%1 ").arg((i + 1) % 10) + toQt(abbreviatedPath(entries[i]));
    QAction* a = file->addAction(label);
    a->setToolTip(toQt(entries[i]));
    connect(a, &QAction::triggered, this, [this, i] { window_.run([&] { window_.frame().files().From_MRU(i); }); });
    recentActions_.push_back(a);
  }
}

QMenu* CommandMenus::menuOf(CommandGroup group) {
  for (const auto& [g, menu] : groupMenus_)
    if (g == group) return menu;
  return menus_.front();
}

QAction* CommandMenus::makeAction(const FrameCommand* command) {
  auto* a = new QAction(menuLabel(window_.frame().commandMenuText(*command), *command), this);
  a->setObjectName(QString::fromLatin1(command->name));
  QList<QKeySequence> shortcuts;
  for (const std::string& key : commandKeys(*command))
    if (const QKeySequence seq = qtKeySequence(key); !seq.isEmpty()) shortcuts << seq;
  a->setShortcuts(shortcuts);
  a->setShortcutContext(Qt::WindowShortcut);
  a->setCheckable(command->checked != nullptr);
  if (command->tip[0] != '\0') {
    a->setStatusTip(toQt(tipPrompt(*command)));
    const std::string shortTip = tipShort(*command);
    a->setToolTip(toQt(shortTip.empty() ? tipPrompt(*command) : shortTip));
  }
  a->setIcon(commandIcon(*command, window_.style()));
  a->setIconVisibleInMenu(false);
  connect(a, &QAction::triggered, this, [this, command] { window_.runRegistryCommand(*command); });
  entries_.push_back(Entry{command, a});
  return a;
}

void CommandMenus::buildToolBarToggles(QMenu* view) {
  view->addSeparator();
  for (QToolBar* bar : {toolbar_, navigationBar_}) {
    QAction* toggle = bar->toggleViewAction();
    toggle->setText(bar->objectName());
    view->addAction(toggle);
  }
}

bool CommandMenus::toolbarShown() const { return !toolbar_->isHidden(); }
bool CommandMenus::navigationBarShown() const { return !navigationBar_->isHidden(); }

void CommandMenus::refresh() {
  FrameWin& frame = window_.frame();
  for (const Entry& e : entries_) {
    e.action->setEnabled(frame.commandEnabled(*e.command));
    if (e.command->checked != nullptr) e.action->setChecked(frame.commandChecked(*e.command));
    if (e.command->text != nullptr) e.action->setText(menuLabel(frame.commandMenuText(*e.command), *e.command));
  }
}

QAction* CommandMenus::action(int id) const {
  if (id == 0) return nullptr;
  for (const Entry& e : entries_)
    if (e.command->id == id) return e.action;
  return nullptr;
}

QAction* CommandMenus::action(const std::string& name) const {
  for (const Entry& e : entries_)
    if (name == e.command->name) return e.action;
  return nullptr;
}

}  // namespace meridax
