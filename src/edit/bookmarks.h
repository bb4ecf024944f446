#pragma once
// Bookmarks of a game, and the rows of the list dialog that shows either the bookmarks or the named
// positions of a game.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "model/grid_frame.h"

namespace meridax {

bool isBookmarked(const SGridFrame& game, const GameNode* node);
// Removes every bookmark that points to the node; the number removed.
int removeBookmarksOf(SGridFrame& game, const GameNode* node);
// Appends a bookmark. The list is numbered again, the highest number first and 1 last, because saved
// bookmarks are read back in descending order of number: the order survives saving.
void appendBookmark(SGridFrame& game, GameNode* node, std::string name);
// Removes every bookmark; the number removed.
int deleteAllBookmarks(SGridFrame& game);
// "%d bookmark%sdeleted": " " after a count of one, "s " after any other.
std::string bookmarksDeletedText(int count);

// The move of a list row: "B. " or "W. " ("V. " or "H. " in Hex) and the point ("B. q16"), or the
// prefix and "(pass)", "(resign)", "(forfeit)", "(swap sides)" or "(swap pieces)"; "(compose)" for a
// composed position; empty for the first node.
std::string positionMoveText(const SGridFrame& game, const GameNode* node);

enum class PositionListKind { Bookmarks, NodeNames };

// The rows of the bookmark and node-name list: bookmarks in list order, named positions in tree
// order. Renames and deletions are stored in the game at once.
class PositionListModel {
 public:
  PositionListModel(SGridFrame& game, PositionListKind kind);

  PositionListKind kind() const { return kind_; }
  std::size_t rowCount() const;
  // " Bookmarks ( %d )" or " Node Names ( %d )" with the current number of rows.
  std::string title() const;
  static constexpr const char* kMoveColumn = "Move";
  static constexpr const char* kNameColumn = "Name";

  // Row accessors; a row out of range gives nullptr or an empty text.
  GameNode* node(std::size_t row) const;
  std::string moveText(std::size_t row) const;
  std::string name(std::size_t row) const;  // as shown: UTF-8

  // How a typed name (UTF-8) is stored in the game; by default as typed.
  void setTypedTextStore(std::function<std::string(const std::string&)> store) { store_ = std::move(store); }

  // A new name for the row. A node name is cleaned as an edited name, and an empty one deletes the row.
  // False when the row is out of range or nothing changed.
  bool rename(std::size_t row, const std::string& text);
  // Deletes the row's bookmark, or the node's name; false when the row is out of range.
  bool remove(std::size_t row);

  // What the dialog did to the game.
  bool countChanged() const { return rowCount() != initialCount_; }
  bool changed() const { return changed_; }

 private:
  SGridFrame& game_;
  PositionListKind kind_;
  std::vector<GameNode*> named_;  // node-name rows
  std::size_t initialCount_ = 0;
  bool changed_ = false;
  std::function<std::string(const std::string&)> store_;
};

}  // namespace meridax
