#pragma once
// The one list of the frame's commands. Menus, tool bars, accelerators, context menus and the script
// runner read it; a command is one entry here and nowhere else.
//
//   for (const FrameCommand* c : allCommands()) ...   every command once, grouped, in menu order
//   frame.commandEnabled(*c), frame.commandChecked(*c), frame.commandText(*c), frame.runCommand(*c)

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/frame_command.h"

namespace meridax {

// Every command once.
std::span<const FrameCommand* const> allCommands();

// The command with this identifier or handler name; nullptr when there is none (identifier 0 names none).
const FrameCommand* findCommand(int id);
const FrameCommand* findCommand(std::string_view name);

// The frame command an accelerator runs; nullptr when the key is not a key or runs none.
const FrameCommand* acceleratorCommand(std::string_view keyName);

// The accelerators of a command, each in canonical form ("Ctrl+Alt+T").
std::vector<std::string> commandKeys(const FrameCommand& command);

// The prompt of the tool tip (before "\n") and its short form (after it; empty when there is none).
std::string tipPrompt(const FrameCommand& command);
std::string tipShort(const FrameCommand& command);

// Whether the menu bar shows the command: not a list's command, nor one a context menu alone offers.
bool inMenuBar(const FrameCommand& command);
// The submenu of its menu the command stands in ("Go to &Quick Slot"); empty when it stands in the menu.
std::string submenuTitle(const FrameCommand& command);
// A menu text as it reads: no mnemonic marks, no keys after a tab ("&Load File\tCtrl+O" reads "Load File").
std::string readableMenuText(std::string_view menuText);

// The tables of the groups, in the order the registry lists them.
FrameCommandTable fileCommandTable();
FrameCommandTable collectionCommandTable();
FrameCommandTable listCommandTable();
FrameCommandTable navigationCommandTable();
FrameCommandTable moveCommandTable();
FrameCommandTable treeEditCommandTable();
FrameCommandTable annotationCommandTable();
FrameCommandTable viewCommandTable();
FrameCommandTable treePaneCommandTable();
FrameCommandTable exportCommandTable();
FrameCommandTable engineCommandTable();
FrameCommandTable shellCommandTable();

}  // namespace meridax
