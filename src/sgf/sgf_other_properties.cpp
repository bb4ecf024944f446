// Properties this program does not read (time left, overtime, evaluations, private properties of other
// programs...) are kept raw with their node, so that a changed game is written without losing them.

#include <array>

#include "model/node_texts.h"
#include "sgf/property_id.h"
#include "sgf/sgf_markup.h"
#include "sgf/sgf_reader_state.h"

namespace meridax {

namespace {

// What the reader takes in any node besides markup: moves, setup, side to move and annotations.
constexpr std::array<std::string_view, 14> kNodeIds = {"B", "W",  "AB", "AW", "AE", "PL", "C",
                                                       "N", "V",  "FG", "XV", "XP", "XN", "XB"};

bool isNodeId(std::string_view id) {
  const std::uint32_t code = propertyCode(id);
  for (std::string_view known : kNodeIds)
    if (propertyCode(known) == code && known.size() == id.size()) return true;
  return false;
}

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

bool SgfReader::readsProperty() const {
  if (isNodeId(id_) || isMarkupIdentifier(id_, game_->kind())) return true;
  return (id() == "TB" || id() == "TW") && game_->kind() == GameKind::Kropki;
}

std::string SgfReader::fullIdentifier() const {
  // The reader's identifier holds four letters at most; a kept property keeps all of its capitals
  // (the lower-case letters of old long names are dropped as the reader drops them).
  std::string id;
  for (std::size_t at = idStart_; at < text_.size() && text_[at] != '['; ++at)
    if (isUpper(text_[at])) id += text_[at];
  return id;
}

void SgfReader::keepOtherProperty(const ValueSpan& v) {
  if (id_.empty()) return;  // a value with no identifier before it
  std::string raw = idStart_ == lastOtherIdStart_ ? std::string() : fullIdentifier();
  raw.append(text_, v.open, v.close - v.open + 1);
  lastOtherIdStart_ = idStart_;
  if (root_ && !moveInNode_) {
    // The root's properties belong to the header, which is read once, with the game information.
    if (!headerLengthSet_ && rootTextsStored()) addOtherProperties(*game_, game_->firstNode, raw);
    return;
  }
  if (!movesAllowed_) return;
  if (moveInNode_ && !refusedBelowFirstNode()) addOtherProperties(*game_, game_->currentNode, raw);
  else pending_.others += raw;  // they go with the node made for this one
}

void SgfReader::keepWithNodeAbove() {
  // A node that holds nothing this program reads makes no node of its own: its properties join the
  // node above. Below the first node they make a composition node instead, because the header,
  // which a game whose information alone changed gets anew, holds the first node's properties.
  if (game_->currentNode == game_->firstNode) {
    if (addCompositionNode(true, cursor_)) return;
  }
  attachPending(game_->currentNode);
}

}  // namespace meridax
