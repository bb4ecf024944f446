#pragma once
// Annotations of positions: bookmarks, node names, scores, print diagrams, comments removed from the tree, markup and labels, and flipping or rotating the whole game.
// These are commands of the main frame: FrameWin inherits them, so each is a FrameWin method.

#include "app/frame_command.h"

namespace meridax {

class FrameWin;

class AnnotationCommands {
 public:
  // The commands of this group for the frame's dispatch.
  static FrameCommandTable commandTable();

 protected:
  AnnotationCommands() = default;
  ~AnnotationCommands() = default;

 private:
  FrameWin& frame();
};

}  // namespace meridax
