#pragma once
// Moving the current position through the tree: up and down, start and end, branch nodes, neighbouring lines, the primary position, comment search, move numbers, branch ends and the quick slots.
// These are commands of the main frame: FrameWin inherits them, so each is a FrameWin method.

#include "app/frame_command.h"

namespace meridax {

class FrameWin;

class NavigationCommands {
 public:
  // The commands of this group for the frame's dispatch.
  static FrameCommandTable commandTable();

 protected:
  NavigationCommands() = default;
  ~NavigationCommands() = default;

 private:
  FrameWin& frame();
};

}  // namespace meridax
