// One dispatch for menus, accelerators and scripts: every command of the registry by its identifier or
// handler name, with its state for the menus.

#include "app/command_registry.h"
#include "app/frame_win.h"

namespace meridax {

const FrameCommand* FrameWin::findCommand(int id) const { return meridax::findCommand(id); }

const FrameCommand* FrameWin::findCommand(const std::string& name) const {
  return meridax::findCommand(std::string_view(name));
}

bool FrameWin::commandEnabled(const FrameCommand& command) {
  return command.enabled == nullptr || command.enabled(*this);
}

bool FrameWin::commandChecked(const FrameCommand& command) {
  return command.checked != nullptr && command.checked(*this);
}

std::string FrameWin::commandMenuText(const FrameCommand& command) {
  return command.text == nullptr ? std::string(command.menuText) : command.text(*this);
}

// The name of a command in the undo and redo menu entries: its menu text without accelerator marks and
// keys, else its tool tip.
std::string actionName(FrameWin& frame, const FrameCommand& command) {
  std::string text = frame.commandMenuText(command);
  text = text.substr(0, text.find('\t'));
  if (text.empty()) text = tipShort(command);
  if (text.empty()) text = tipPrompt(command);
  std::string name;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size() && text[i + 1] != '&') continue;
    name += text[i];
  }
  return name;
}

void FrameWin::runCommand(const FrameCommand& command) {
  if (!commandEnabled(command)) return;
  const ActionScope action(*this);
  nameAction(actionName(*this, command));
  if (command.route == CommandRoute::Frame && command.run != nullptr) command.run(*this);
  else if (ports_.commands != nullptr) ports_.commands->carryOut(command);
}

bool FrameWin::runCommand(int id) {
  const FrameCommand* c = findCommand(id);
  if (c != nullptr) runCommand(*c);
  return c != nullptr;
}

bool FrameWin::runCommand(const std::string& name) {
  const FrameCommand* c = findCommand(name);
  if (c != nullptr) runCommand(*c);
  return c != nullptr;
}

}  // namespace meridax
