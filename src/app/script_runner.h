#pragma once
// Runs a script of user actions against a main frame whose ports answer from queues, writing a transcript:
// what the frame would have shown, one line per event (see scripted_ports.h), and what the script prints.
//
// One command per line; a line whose first word begins with '#' is a comment, and in the commands that
// take words a word beginning with '#' starts a comment to the end of the line.
//
//   load PATH                 the reload of that file
//   answer yes|no|cancel ...  answers for the next questions, in order
//   input TEXT                text for the next text, number or list dialog (\\ \r \n \t escapes); input --cancel
//   choose PATH               a name for the next file chooser (tab-separated names for several); choose --cancel
//   play X Y                  a click on board column X, row Y (from 0) in single-click mode
//   key NAME                  an accelerator such as Ctrl+Right or Ctrl+T; while a list window is open, a key of
//                             that list (Return, Delete, Insert, F9, Escape, Alt+Up, ...), and no other
//   cmd NAME                  a frame command by its handler name (or its identifier)
//   tree N [V]                a left click in the game-tree pane on the box of move N of the current line,
//                             or on the V-th variation line (from 1) listed under that move
//   ctx tree N                the tree context menu on the box of move N (the node under the mouse)
//   ctx board X Y             the board context menu at a point (the cursor moves there)
//   area X1 Y1 X2 Y2          a right drag over the board: the marked area and its context menu
//   boardkey KEY              a key on the board: Insert, Delete or one typed character
//   select [ROW...]           selects rows of the open list window (from 1); without rows none is selected
//   ctx list                  the context menu of the open list window for its selection
//   print title|status|board|node|sgf|menu|list|commands (menu: the last context menu, one "NAME TEXT" item
//                             a line; list: the open list window, its headers and rows, "*" before selected
//                             rows; commands: every command, one "ID NAME enabled|disabled CHECKED TEXT" a
//                             line, CHECKED being checked, unchecked or - for a command that is no toggle)
//   print menus               the desktop window only: every item of its menu bar, one
//                             "MENU<TAB>TEXT<TAB>KEYS<TAB>enabled|disabled" a line, submenus as MENU/SUBMENU
//
// Each print writes "LABEL: TEXT" with the text exactly as it stands (no escapes), followed by a line feed
// unless the text ends with one.

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "app/file_system.h"
#include "app/frame_win.h"
#include "app/profile_port.h"
#include "app/scripted_ports.h"

namespace meridax {

inline constexpr int kScriptOk = 0;
// The run stopped: a question found no answer, a command or key is unknown, or answers were left over.
inline constexpr int kScriptStopped = 3;

struct ScriptSetup {
  ProfilePort& profile;  // the settings the frame starts with
  FileSystem& files;
  FrameEnvironment environment;
  EngineProcessMaker engines = nullptr;  // makes the process of each attached engine; empty: none can be attached
};

struct ScriptResult {
  int status = kScriptOk;
  int line = 0;       // the line the run stopped at (from 1); 0 when it did not stop on a line
  std::string error;  // why it stopped, for the person running it
};

// Runs every line of `script` against a new frame made from the setup; the transcript goes to `out`.
ScriptResult runScript(std::string_view script, const ScriptSetup& setup, std::ostream& out);

// What a window prints that the frame does not know (its menus): the text for `print WHAT`, nullopt when it
// knows no such thing.
using WindowPrint = std::function<std::optional<std::string>(std::string_view what)>;

// Runs the script against a frame that already exists (the desktop window's, for its screenshots). Its
// message, dialog and file ports must be `ports`, whose queues the script fills; the window port may be
// a real window, which answers the prints the frame cannot.
ScriptResult runScriptOn(FrameWin& frame, ScriptedPorts& ports, std::string_view script, std::ostream& out,
                         const WindowPrint& windowPrint = {});

}  // namespace meridax
