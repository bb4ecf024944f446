#pragma once
// What the comment pane edits: the comment of one node of one game, shown as UTF-8 with line feeds, and
// written back only when the text really changed, only to that node, and only while the node still
// belongs to a game of the collection.

#include <cstdint>
#include <string>

#include "app/frame_win.h"

namespace meridax {

// The node a comment pane shows: the game is named by its serial, so a game that was removed or replaced
// since is recognised even when a new game took its memory.
struct CommentTarget {
  std::uint32_t gameSerial = 0;
  GameNode* node = nullptr;
};

// The node's comment as the edit field shows it: UTF-8 (Latin-1 bytes converted), CR LF and CR as LF.
std::string commentForEditing(const SGridFrame& game, const GameNode* node);

// The edited text as the game stores it: line ends as CR LF.
std::string commentForStoring(const std::string& edited);

enum class CommitOutcome {
  Unchanged,  // the text equals the shown comment: nothing written, nothing marked
  Stored,     // the comment was replaced (or removed when the text is blank)
  NodeGone,   // the node was deleted or its game replaced: nothing written
};

// Writes the edited text to the target node when it differs from the node's comment: the game is marked
// changed, the collection modified, and the current game's panes redrawn.
CommitOutcome commitComment(FrameWin& frame, const CommentTarget& target, const std::string& edited);

}  // namespace meridax
