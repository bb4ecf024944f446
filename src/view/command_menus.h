#pragma once
// The menus, the two tool bars ("Toolbar" and "NavigationBar") and the accelerators of the main window,
// built from the frame's commands. Enabled and checked states and changing texts are brought up to date
// before a menu shows and after every command.

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "app/frame_command.h"

class QAction;
class QMenu;
class QToolBar;

namespace meridax {

class MainWindow;

class CommandMenus : public QObject {
  Q_OBJECT

 public:
  explicit CommandMenus(MainWindow& window);

  // Brings every action's enabled and checked state and text up to date with the frame.
  void refresh();
  // The action of a frame command; nullptr when no menu offers it.
  QAction* action(int id) const;
  QAction* action(const std::string& name) const;
  QToolBar* toolbar() const { return toolbar_; }
  QToolBar* navigationBar() const { return navigationBar_; }
  bool toolbarShown() const;
  bool navigationBarShown() const;
  // Every menu of the menu bar, submenus included.
  std::vector<QMenu*> allMenus() const;

 private:
  struct Entry {
    const FrameCommand* command = nullptr;
    QAction* action = nullptr;
  };
  QAction* addCommand(QMenu* menu, const FrameCommand* command, const QString& text);
  void buildMenus();
  void buildToolBars();
  void buildTreeScrollActions(QMenu* menu);

  MainWindow& window_;
  std::vector<Entry> entries_;
  QToolBar* toolbar_ = nullptr;
  QToolBar* navigationBar_ = nullptr;
};

}  // namespace meridax
