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

void FrameWin::runCommand(const FrameCommand& command) {
  if (!commandEnabled(command)) return;
  const ActionScope action(*this);
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
