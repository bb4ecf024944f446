#include "edit/bookmarks.h"

#include <algorithm>

#include "edit/navigation.h"
#include "edit/node_annotations.h"
#include "model/character_set.h"
#include "model/node_texts.h"
#include "rules/display_coords.h"

namespace meridax {

namespace {

const char* specialMoveText(SpecialMoveKind kind) {
  switch (kind) {
    case SpecialMoveKind::Pass: return "(pass)";
    case SpecialMoveKind::Resign: return "(resign)";
    case SpecialMoveKind::Forfeit: return "(forfeit)";
    case SpecialMoveKind::SwapSides: return "(swap sides)";
    case SpecialMoveKind::SwapPieces: return "(swap pieces)";
    default: return "";
  }
}

void renumber(std::vector<Bookmark>& bookmarks) {
  int number = static_cast<int>(bookmarks.size());
  for (Bookmark& b : bookmarks) b.number = number--;
}

}  // namespace

bool isBookmarked(const SGridFrame& game, const GameNode* node) {
  return std::any_of(game.bookmarks.begin(), game.bookmarks.end(), [node](const Bookmark& b) { return b.node == node; });
}

int removeBookmarksOf(SGridFrame& game, const GameNode* node) {
  return static_cast<int>(std::erase_if(game.bookmarks, [node](const Bookmark& b) { return b.node == node; }));
}

void appendBookmark(SGridFrame& game, GameNode* node, std::string name) {
  game.bookmarks.push_back(Bookmark{0, std::move(name), node});
  renumber(game.bookmarks);
}

int deleteAllBookmarks(SGridFrame& game) {
  const int count = static_cast<int>(game.bookmarks.size());
  game.bookmarks.clear();
  return count;
}

std::string bookmarksDeletedText(int count) {
  return std::to_string(count) + " bookmark" + (count == 1 ? " " : "s ") + "deleted";
}

std::string positionMoveText(const SGridFrame& game, const GameNode* node) {
  if (node == nullptr || node == game.firstNode || game.width() <= 0) return {};
  if (node->kind() == SpecialMoveKind::Compose) return "(compose)";
  std::string text = game.kind() == GameKind::Hex ? (node->blackMove() ? "V. " : "H. ")
                                                  : (node->blackMove() ? "B. " : "W. ");
  if (!node->isPlacement()) return text + specialMoveText(node->kind());
  const int point = static_cast<int>(node->point());
  const DisplayCoordinate c = displayCoordinate(game, point % game.width(), point / game.width());
  return text + c.letter + std::to_string(c.number);
}

PositionListModel::PositionListModel(SGridFrame& game, PositionListKind kind) : game_(game), kind_(kind) {
  if (kind_ == PositionListKind::NodeNames && game_.firstNode != nullptr)
    forEachInTreeOrder(game_, game_.firstNode, [&](GameNode* n) {
      if (n->hasName()) named_.push_back(n);
    });
  initialCount_ = rowCount();
}

std::size_t PositionListModel::rowCount() const {
  return kind_ == PositionListKind::Bookmarks ? game_.bookmarks.size() : named_.size();
}

std::string PositionListModel::title() const {
  const char* what = kind_ == PositionListKind::Bookmarks ? " Bookmarks ( " : " Node Names ( ";
  return what + std::to_string(rowCount()) + " )";
}

GameNode* PositionListModel::node(std::size_t row) const {
  if (row >= rowCount()) return nullptr;
  return kind_ == PositionListKind::Bookmarks ? game_.bookmarks[row].node : named_[row];
}

std::string PositionListModel::moveText(std::size_t row) const { return positionMoveText(game_, node(row)); }

std::string PositionListModel::name(std::size_t row) const {
  if (row >= rowCount()) return {};
  return gameTextToUtf8(game_, kind_ == PositionListKind::Bookmarks ? game_.bookmarks[row].name : nameOf(game_, named_[row]));
}

bool PositionListModel::rename(std::size_t row, const std::string& text) {
  if (row >= rowCount()) return false;
  if (kind_ == PositionListKind::Bookmarks) {
    if (name(row) == text) return false;
    std::string stored = store_ ? store_(text) : text;
    game_.bookmarks[row].name = std::move(stored);
    changed_ = true;
    return true;
  }
  const std::string cleaned = cleanedEditedName(text);
  if (cleaned.empty()) return remove(row);
  if (cleaned == name(row)) return false;
  setName(game_, named_[row], store_ ? store_(cleaned) : cleaned);
  changed_ = true;
  return true;
}

bool PositionListModel::remove(std::size_t row) {
  if (row >= rowCount()) return false;
  if (kind_ == PositionListKind::Bookmarks) {
    game_.bookmarks.erase(game_.bookmarks.begin() + static_cast<std::ptrdiff_t>(row));
  } else {
    setName(game_, named_[row], "");
    named_.erase(named_.begin() + static_cast<std::ptrdiff_t>(row));
  }
  changed_ = true;
  return true;
}

}  // namespace meridax
