#include "app/menu_reference.h"

#include "app/command_registry.h"

namespace meridax {
namespace {

constexpr CommandGroup kMenuOrder[] = {
    CommandGroup::File,       CommandGroup::Collection, CommandGroup::Lists,    CommandGroup::Navigation,
    CommandGroup::Moves,      CommandGroup::TreeEdit,   CommandGroup::Annotation, CommandGroup::View,
    CommandGroup::TreePane,   CommandGroup::Export,     CommandGroup::Engine,     CommandGroup::Settings, CommandGroup::Help,
};

// What the section says of the menu before its table.
const char* menuIntroduction(CommandGroup group) {
  switch (group) {
    case CommandGroup::File: return "Loading and saving collections, importing games, and leaving the editor.";
    case CommandGroup::Collection: return "Moving from game to game, the lists of games and players, and the game information.";
    case CommandGroup::Lists:
      return "Not in the menu bar: the context menu of an open games or players list, whose keys act while the "
             "list has the focus.";
    case CommandGroup::Navigation: return "Moving through the game tree.";
    case CommandGroup::Moves: return "Special moves: pass, resign, forfeit and the swaps.";
    case CommandGroup::TreeEdit: return "Changing the game tree: truncating, deleting and pruning branches, composing positions.";
    case CommandGroup::Annotation: return "Bookmarks, node names, scores, markup, labels and print marks.";
    case CommandGroup::View: return "What the board pane shows.";
    case CommandGroup::TreePane: return "Scrolling the game-tree pane.";
    case CommandGroup::Export: return "Copies and exports of games and positions.";
    case CommandGroup::Engine:
      return "A Go engine beside the board, spoken to through GTP: its moves, suggestions, score estimates, dead "
             "stones and an analysis of the game.";
    case CommandGroup::Settings: return "The preferences.";
    case CommandGroup::Help: return "This manual, the program's version and its web pages.";
  }
  return "";
}

// A text inside a cell of a Markdown table.
std::string cell(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '|') out += "\\|";
    else if (c == '\n' || c == '\r') out += ' ';
    else if (c == '*' || c == '_' || c == '`' || c == '<' || c == '[') out += std::string("\\") + c;
    else out += c;
  }
  return out;
}

std::string keysCell(const FrameCommand& c) {
  std::string keys;
  for (const std::string& key : commandKeys(c)) keys += (keys.empty() ? "" : ", ") + ("<kbd>" + key + "</kbd>");
  return keys;
}

std::string row(const FrameCommand& c) {
  std::string item = readableMenuText(c.menuText);
  if (item.empty()) item = tipShort(c);
  if (!item.empty() && c.place == CommandPlace::BoardMenu) item += " (board's context menu)";
  if (!item.empty() && c.place == CommandPlace::TreeMenu) item += " (game tree's context menu)";
  const std::string does = tipPrompt(c);
  return "| " + (item.empty() ? std::string("—") : cell(item)) + " | " + keysCell(c) + " | " + cell(does) + " | `" +
         c.name + "` |\n";
}

}  // namespace

std::string menuTitle(CommandGroup group) {
  switch (group) {
    case CommandGroup::File: return "File";
    case CommandGroup::Collection: return "Collection";
    case CommandGroup::Lists: return "Lists";
    case CommandGroup::Navigation: return "Navigate";
    case CommandGroup::Moves: return "Moves";
    case CommandGroup::TreeEdit: return "Edit";
    case CommandGroup::Annotation: return "Annotate";
    case CommandGroup::View: return "View";
    case CommandGroup::TreePane: return "Tree";
    case CommandGroup::Export: return "Export";
    case CommandGroup::Engine: return "Engine";
    case CommandGroup::Settings: return "Settings";
    case CommandGroup::Help: return "Help";
  }
  return "";
}

std::string menuReferenceMarkdown() {
  std::string out =
      "# The menus\n\n"
      "Every command of the editor, menu by menu, as the menu bar shows them. The keys are the accelerators "
      "that run the command from anywhere in the window; the name in the last column is the one a script "
      "gives the command (`cmd NAME`, see [the command line](command-line.md)). An item marked as a context "
      "menu's is offered there only, for the point or move under the mouse; an item shown as — is in no menu: it "
      "is reached by its keys.\n";
  for (const CommandGroup group : kMenuOrder) {
    out += "\n## " + menuTitle(group) + "\n\n" + menuIntroduction(group) + "\n\n";
    out += "| Menu item | Keys | What it does | Name |\n|---|---|---|---|\n";
    for (const FrameCommand* c : allCommands())
      if (c->group == group) out += row(*c);
  }
  return out;
}

}  // namespace meridax
