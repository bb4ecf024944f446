#pragma once
// The lists of games and players of the collection, their statistics and bulk edits, and the branch statistics of the current game.
// These are commands of the main frame: FrameWin inherits them, so each is a FrameWin method.

#include "app/frame_command.h"

namespace meridax {

class FrameWin;

class CollectionListCommands {
 public:
  // The commands of this group for the frame's dispatch.
  static FrameCommandTable commandTable();

 protected:
  CollectionListCommands() = default;
  ~CollectionListCommands() = default;

 private:
  FrameWin& frame();
};

}  // namespace meridax
