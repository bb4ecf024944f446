#pragma once
// The board composition dialog's commands as its menus and keys reach them: identifier, handler name,
// the dialog model's command and the menu text with its accelerator.

#include <optional>
#include <span>

#include "edit/compose_model.h"

namespace meridax {

struct ComposeCommandEntry {
  int id = 0;
  const char* name = "";
  ComposeCommand command = ComposeCommand::ClearBoard;
  const char* menuText = "";  // "Clear &Board\tShift+Ctrl+Delete"
};

// Every command of the dialog once.
std::span<const ComposeCommandEntry> composeCommands();

// The menu text of a command, e.g. "Clear &Board\tShift+Ctrl+Delete".
const char* composeMenuText(ComposeCommand command);

// The dialog's command with this identifier; nullopt when it has none.
std::optional<ComposeCommand> composeCommandFor(int id);

}  // namespace meridax
