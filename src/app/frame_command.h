#pragma once
// A frame command as menus, tool bars, accelerators, context menus and scripts reach it: its identifier
// (0 when it is reached by name only), its handler name, its group, its menu text, accelerators and tool
// tip, whether it is enabled or checked now, and what it does.

#include <span>
#include <string>

namespace meridax {

class FrameWin;

// The menu a command belongs to.
enum class CommandGroup {
  File,            // loading, saving, the collection's games, exit
  Collection,      // stepping from game to game, the lists and the game information
  Lists,           // commands of an open games or players list
  Navigation,      // moving through the tree
  Moves,           // special moves
  TreeEdit,        // changing the tree
  Annotation,      // bookmarks, names, scores, markup and labels
  View,            // what the board pane shows
  TreePane,        // scrolling the game-tree pane
  Export,          // copies and exports of games and positions
  Engine,          // a GTP engine beside the board
  Settings,        // the preferences
  Help,            // help, about and the web pages
};

// Who carries the command out.
enum class CommandRoute {
  Frame,   // the frame, without a window
  Window,  // the desktop window (it needs the pane's geometry or a dialog of its own)
  Later,   // not built yet: the window offers it, and the command port is told when it is chosen
};

// Where a command is offered besides its keys and the scripts.
enum class CommandPlace {
  MenuBar,    // the menu of its group
  BoardMenu,  // only the board pane's context menu: it acts on the point under the mouse
  TreeMenu,   // only the game-tree pane's context menu: it acts on the node under the mouse
};

struct FrameCommand {
  int id = 0;
  const char* name = "";
  CommandGroup group = CommandGroup::File;
  // "&Load File\tCtrl+O": the item's text; where `text` gives the text of the moment, the one the menu
  // reference shows. Empty only for a command no menu shows.
  const char* menuText = "";
  const char* keys = "";      // accelerators of the frame, canonical names separated by ", "
  const char* tip = "";       // "prompt\nshort tip"; empty when the command has none
  CommandRoute route = CommandRoute::Frame;
  CommandPlace place = CommandPlace::MenuBar;
  void (*run)(FrameWin&) = nullptr;                // nullptr: the command port carries it out
  bool (*enabled)(FrameWin&) = nullptr;            // nullptr: always enabled
  bool (*checked)(FrameWin&) = nullptr;            // nullptr: not a toggle
  std::string (*text)(FrameWin&) = nullptr;        // a menu text that changes with the state
};

using FrameCommandTable = std::span<const FrameCommand>;

}  // namespace meridax
