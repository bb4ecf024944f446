#include "view/command_menus.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyle>
#include <QToolBar>
#include <optional>

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

QString toolTipText(const QString& label, const QList<QKeySequence>& keys) {
  QString tip = label.section(QLatin1Char('\t'), 0, 0);
  tip.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  QStringList names;
  for (const QKeySequence& key : keys) names << key.toString(QKeySequence::NativeText);
  return names.isEmpty() ? tip : tip + QStringLiteral(" (") + names.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString menuLabel(const std::string& text, const FrameCommand& command) {
  const std::size_t tab = text.find('\t');
  std::string label = text.substr(0, tab);
  // The keys as the menu text writes them ("Shift+Ctrl+P"); Qt would write the shortcut in its own order.
  const std::string keys = !label.empty() && tab != std::string::npos ? text.substr(tab) : std::string();
  if (label.empty()) label = tipShort(command);
  if (label.empty()) label = tipPrompt(command);
  if (label.empty()) label = command.name;
  // Within a submenu the item names only what differs: "Go to Quick Slot &3" reads "&3" under "Go to Quick Slot".
  if (const std::string submenu = readableMenuText(submenuTitle(command)) + " ";
      submenu.size() > 1 && label.starts_with(submenu))
    label.erase(0, submenu.size());
  return toQt(label + keys);
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
  for (const FrameCommand* command : allCommands()) {
    if (!inMenuBar(*command)) continue;
    QAction* a = makeAction(command);
    const std::string submenu = submenuTitle(*command);
    if (submenu.empty()) {
      menuOf(command->group)->addAction(a);
      continue;
    }
    QMenu* menu = submenuOf(command->group, submenu);
    menu->addAction(a);
    if (menu->icon().isNull()) menu->setIcon(a->icon());  // a submenu shows the picture of its items
  }
  buildToolBars();
  const FrameSettings& s = window_.frame().frameSettings();
  toolbar_->setVisible(s.toolbar);
  navigationBar_->setVisible(s.navigationBar);
  buildToolBarToggles(menuOf(CommandGroup::View));
  connect(menuOf(CommandGroup::File), &QMenu::aboutToShow, this, &CommandMenus::fillRecentFiles);
  refresh();
}

void CommandMenus::buildToolBars() {
  toolbar_ = window_.addToolBar(QStringLiteral("Toolbar"));
  toolbar_->setObjectName(QStringLiteral("Toolbar"));
  window_.addToolBarBreak();  // the application bar fills a row of its own
  navigationBar_ = window_.addToolBar(QStringLiteral("NavigationBar"));
  navigationBar_->setObjectName(QStringLiteral("NavigationBar"));
  std::optional<CommandGroup> lastGroup[2];
  for (const CommandPicture& picture : commandPictures()) {
    if (picture.bar == ToolBarPlace::None) continue;
    const Entry* entry = entryOf(picture.command);
    if (entry == nullptr) continue;
    const int bar = picture.bar == ToolBarPlace::Toolbar ? 0 : 1;
    QToolBar* toolBar = bar == 0 ? toolbar_ : navigationBar_;
    // A gap between the groups of commands: files, edits, annotations, exports; games, moves.
    if (lastGroup[bar] && *lastGroup[bar] != entry->command->group) toolBar->addSeparator();
    lastGroup[bar] = entry->command->group;
    toolBar->addAction(entry->action);
  }
  for (QToolBar* b : {toolbar_, navigationBar_}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->setIconSize(QSize(22, 22));
  }
}

QMenu* CommandMenus::submenuOf(CommandGroup group, const std::string& title) {
  const QString text = toQt(title);
  QMenu* menu = menuOf(group);
  for (QAction* a : menu->actions())
    if (a->menu() != nullptr && a->text() == text) return a->menu();
  QMenu* submenu = menu->addMenu(text);
  submenu->setObjectName(toQt(readableMenuText(title)));
  connect(submenu, &QMenu::aboutToShow, this, &CommandMenus::refresh);
  return submenu;
}

const CommandMenus::Entry* CommandMenus::entryOf(std::string_view name) const {
  for (const Entry& e : entries_)
    if (name == e.command->name) return &e;
  return nullptr;
}

namespace {

// A menu text as it reads, without mnemonic marks and without the keys a text writes after a tab.
QString readable(const QString& text) {
  return text.section(QLatin1Char('\t'), 0, 0).remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

void listItems(const QMenu& menu, const QString& path, std::string& out) {
  for (QAction* a : menu.actions()) {
    if (a->isSeparator()) continue;
    if (a->menu() != nullptr) {
      listItems(*a->menu(), path + QLatin1Char('/') + readable(a->text()), out);
      continue;
    }
    QStringList keys;
    for (const QKeySequence& key : a->shortcuts()) keys << key.toString(QKeySequence::PortableText);
    out += fromQt(path + QLatin1Char('\t') + readable(a->text()) + QLatin1Char('\t') + keys.join(QStringLiteral(", ")) +
                  QLatin1Char('\t') + (a->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"))) +
           "\n";
  }
}

}  // namespace

std::string CommandMenus::listing() {
  for (QMenu* menu : menus_) emit menu->aboutToShow();
  std::string out;
  for (QMenu* menu : menus_) listItems(*menu, readable(menu->title()), out);
  return out;
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
  if (command->tip[0] != '\0') a->setStatusTip(toQt(tipPrompt(*command)));
  a->setToolTip(toolTipText(a->text(), shortcuts));
  a->setIcon(commandIcon(*command));
  connect(a, &QAction::triggered, this, [this, command] { window_.runRegistryCommand(*command); });
  entries_.push_back(Entry{command, a});
  return a;
}

void CommandMenus::buildToolBarToggles(QMenu* view) {
  view->addSeparator();
  for (QToolBar* bar : {toolbar_, navigationBar_}) {
    QAction* toggle = bar->toggleViewAction();
    toggle->setText(bar == toolbar_ ? QStringLiteral("&Application Bar") : QStringLiteral("&Navigation Bar"));
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
    if (e.command->text == nullptr) continue;
    e.action->setText(menuLabel(frame.commandMenuText(*e.command), *e.command));
    e.action->setToolTip(toolTipText(e.action->text(), e.action->shortcuts()));
  }
}

QAction* CommandMenus::action(int id) const {
  if (id == 0) return nullptr;
  for (const Entry& e : entries_)
    if (e.command->id == id) return e.action;
  return nullptr;
}

QAction* CommandMenus::action(const std::string& name) const {
  const Entry* e = entryOf(name);
  return e == nullptr ? nullptr : e->action;
}

}  // namespace meridax
