#pragma once
// Changing the tree: truncating, deleting and promoting lines, bulk removal of annotations, injected SGF text and composed positions.
// These are commands of the main frame: FrameWin inherits them, so each is a FrameWin method.

#include "app/frame_command.h"

namespace meridax {

class FrameWin;

class TreeEditCommands {
 public:
  // The commands of this group for the frame's dispatch.
  static FrameCommandTable commandTable();

 protected:
  TreeEditCommands() = default;
  ~TreeEditCommands() = default;

 private:
  FrameWin& frame();
};

}  // namespace meridax
