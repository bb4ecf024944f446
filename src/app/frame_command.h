#pragma once
// A frame command as menus, accelerators and scripts reach it: its identifier (0 when it is reached by
// name only), its handler name, what it does, and, for the menus, whether it is enabled and its text.

#include <span>
#include <string>

namespace meridax {

class FrameWin;

struct FrameCommand {
  int id = 0;
  const char* name = "";
  void (*run)(FrameWin&) = nullptr;
  bool (*enabled)(FrameWin&) = nullptr;           // nullptr: always enabled
  std::string (*menuText)(FrameWin&) = nullptr;   // nullptr: the menu's fixed text
};

using FrameCommandTable = std::span<const FrameCommand>;

}  // namespace meridax
