#pragma once
// The menus, the two tool bars ("Toolbar" and "NavigationBar") and the accelerators of the main window,
// built from the frame's command registry alone: every command the menu bar offers has an entry in the menu
// of its group (or in a submenu of it), its accelerators as shortcuts and its picture. The commands with a
// tool bar picture (command_icons.h) are also buttons, whose tool tip is their text and keys. Enabled and
// checked states and changing texts are brought up to date before a menu shows and after every command.

#include <QIcon>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "app/frame_command.h"

class QAction;
class QMenu;
class QToolBar;

namespace meridax {

class MainWindow;

// A key name of the registry ("Ctrl+PageUp", "Shift+Backspace", "Ctrl++") as a Qt key sequence.
QKeySequence qtKeySequence(const std::string& keyName);
// The text a menu shows for a command's text, with its accelerator after a tab as the text writes it, which
// Qt then shows in place of the shortcut's own words; a command without a menu text is named by its tip; an
// item of a submenu does not repeat the submenu's title.
QString menuLabel(const std::string& text, const FrameCommand& command);
// A button's tool tip: the label without mnemonic marks, then its keys ("Next Game (Ctrl+Right)").
QString toolTipText(const QString& label, const QList<QKeySequence>& keys);

class CommandMenus : public QObject {
  Q_OBJECT

 public:
  explicit CommandMenus(MainWindow& window);

  // Brings every action's enabled and checked state and text up to date with the frame.
  void refresh();
  // The action of a frame command; nullptr when there is none.
  QAction* action(int id) const;
  QAction* action(const std::string& name) const;
  QToolBar* toolbar() const { return toolbar_; }
  QToolBar* navigationBar() const { return navigationBar_; }
  bool toolbarShown() const;
  bool navigationBarShown() const;
  // Every item of the menu bar as it is now, in order: "MENU\tTEXT\tKEYS\tenabled|disabled" a line, texts
  // without mnemonic marks, a submenu's items under "MENU/SUBMENU", keys in portable form.
  std::string listing();
  // The menus of the menu bar, in order.
  std::vector<QMenu*> allMenus() const { return menus_; }

 private:
  struct Entry {
    const FrameCommand* command = nullptr;
    QAction* action = nullptr;
  };
  QAction* makeAction(const FrameCommand* command);
  QMenu* menuOf(CommandGroup group);
  QMenu* submenuOf(CommandGroup group, const std::string& title);
  const Entry* entryOf(std::string_view name) const;
  void buildToolBars();
  void buildToolBarToggles(QMenu* view);
  // The recent files at the end of the File menu, abbreviated to the menu's width.
  void fillRecentFiles();

  MainWindow& window_;
  std::vector<Entry> entries_;
  std::vector<QMenu*> menus_;
  std::vector<std::pair<CommandGroup, QMenu*>> groupMenus_;
  QToolBar* toolbar_ = nullptr;
  QToolBar* navigationBar_ = nullptr;
  std::vector<QAction*> recentActions_;
};

}  // namespace meridax
