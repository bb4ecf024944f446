#pragma once
// What a move needs besides the game: the selected point, the quiet flag, the labelling settings,
// and the host (the main frame) that is told what happened and keeps the file's change flag.

#include <string>

#include "model/grid_frame.h"

namespace meridax {

// The host of play: the main frame in the editor, nothing while a file is read.
class PlayHost {
 public:
  virtual ~PlayHost() = default;
  // What happened to the move, when user play has more to say than the position shows: a refusal, or
  // Othello's turn passing back. The host shows it until the next action.
  virtual void notice(const std::string& text) { (void)text; }
  // The collection has unsaved changes.
  virtual void markFileModified() {}
  // The tree grew: cached lists of line ends are stale.
  virtual void treeGrew() {}
};

struct PlayOptions {
  bool autoLabelMoves = false;     // "Auto Label Moves"
  bool autoLabelBranches = false;  // "Auto Label Branches"
  bool autoLower = true;           // "Do Auto Lower": labels start at "a", else "A"
};

struct PlayContext {
  SGridFrame& game;
  int x = 0;  // the selected point
  int y = 0;
  // Set while files are read and corrections replayed: no status texts, no checks that only guard user play.
  bool quiet = false;
  PlayOptions options;
  PlayHost* host = nullptr;

  void notify(const std::string& text) const {
    if (!quiet && host != nullptr) host->notice(text);
  }
};

}  // namespace meridax
