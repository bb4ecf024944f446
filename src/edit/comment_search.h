#pragma once
// Stepping and searching through the commented positions of a game: the comment list in tree order
// with a cursor on the entry last visited, the next and previous comment, and the text search of the
// find dialog.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/grid_frame.h"

namespace meridax {

enum class SearchDirection { Down, Up };

// Every node with a comment, from the first node in tree order: side variations come directly after
// the branching node they leave.
std::vector<GameNode*> commentList(const SGridFrame& game);

// The cached comment list of a frame and its cursor.
class CommentCursor {
 public:
  // Rebuilds the list from the game; when it holds other nodes than the cached one (another game, a
  // comment set or removed, nodes deleted) the cached list is replaced and the cursor put on no entry.
  void refresh(const SGridFrame& game);
  // Empties the list; the next use rebuilds it.
  void discard();

  const std::vector<GameNode*>& entries() const { return entries_; }
  std::optional<std::size_t> cursor() const { return cursor_; }
  // Moves the cursor one entry, wrapping at either end; from no entry to the first (Down) or last (Up).
  // Precondition: the list is not empty.
  GameNode* step(SearchDirection direction);
  // Puts the cursor on the first entry (Down) or the last (Up). Precondition: the list is not empty.
  void placeAtEnd(SearchDirection direction);

 private:
  std::vector<GameNode*> entries_;
  std::optional<std::size_t> cursor_;
};

// The next (Down) or previous (Up) comment for the comment commands: the entry after the cursor,
// skipping the current node once. nullptr when the list is empty or only the current node is found.
// Refreshes the cursor from the game first.
GameNode* stepToComment(CommentCursor& comments, const SGridFrame& game, SearchDirection direction);

struct FindRequest {
  std::string text;
  bool matchCase = false;
  SearchDirection direction = SearchDirection::Down;
};

enum class FindResult {
  NothingAsked,   // an empty search text
  NoComments,     // the game has no comment
  Found,          // on another node than the current one
  OnlyCurrent,    // the only match is the current node
  NotFound,
};

struct FindOutcome {
  FindResult result = FindResult::NothingAsked;
  GameNode* node = nullptr;  // the node found (Found and OnlyCurrent)
  int searched = 0;          // comments looked at
};

// Searches the comments from the entry after the cursor in the request's direction, wrapping, until
// the text is found or the search is back where it began; the cursor stays on the entry found.
FindOutcome findInComments(CommentCursor& comments, const SGridFrame& game, const FindRequest& request);

// The two reports of the find dialog that are not a jump (OnlyCurrent and NotFound); empty otherwise.
std::string findReportText(const FindRequest& request, const FindOutcome& outcome);

}  // namespace meridax
