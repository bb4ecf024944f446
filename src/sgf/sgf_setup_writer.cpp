#include <optional>

#include "model/board_position.h"
#include "rules/kropki_fields.h"
#include "rules/kropki_outline.h"
#include "rules/position_at.h"
#include "sgf/sgf_writer.h"
#include "sgf/sgf_writer_parts.h"

namespace meridax {

namespace {

// Availability marks are not part of a set-up position.
std::uint8_t plainCell(std::uint8_t v) { return v == cell::kAvailable ? cell::kEmpty : v; }

// The cells of one value in the considered part of a position, row by row from the top.
class SetupCells {
 public:
  SetupCells(const SGridFrame& game, const GameNode* node)
      : geometry_(pointGeometry(game)), position_(PositionAt(game, node)) {
    if (node->prev() != nullptr) parent_ = PositionAt(game, node->prev());
  }

  std::string pointsHolding(std::uint8_t value) const {
    std::string out;
    const int w = position_.width();
    for (int y = 0; y < w; ++y)
      for (int x = 0; x < w; ++x)
        if (considered(x, y) && plainCell(position_.at(x, y)) == value) out += setupPointText(geometry_, x, y);
    return out;
  }

  // True when the position is the kind's own start, availability marks aside.
  bool isStartOf(const SGridFrame& game) const {
    const BoardPosition start = startingPosition(game.kind(), game.width(), game.height());
    if (start.cellCount() != position_.cellCount()) return false;
    for (int i = 0; i < start.cellCount(); ++i)
      if (plainCell(start[i]) != plainCell(position_[i])) return false;
    return true;
  }

  // Othello's first node: the centre cells that the set-up leaves empty.
  std::string emptyCentreCells() const {
    std::string out;
    const int c = position_.width() / 2;
    for (int y = c - 1; y <= c; ++y)
      for (int x = c - 1; x <= c; ++x)
        if (isEmptyCell(position_.at(x, y))) out += "[" + twoLetters(x, y) + "]";
    return out;
  }

 private:
  bool considered(int x, int y) const {
    return !parent_ || plainCell(parent_->at(x, y)) != plainCell(position_.at(x, y));
  }

  PointGeometry geometry_;
  BoardPosition position_;
  std::optional<BoardPosition> parent_;
};

void appendProperty(std::string& out, const char* id, const std::string& values) {
  if (values.empty()) return;
  if (!out.empty()) out += sgf_writer::kLineEnd;
  out += id;
  out += values;
}

}  // namespace

namespace sgf_writer {

std::string kropkiOutlines(const SGridFrame& game, const GameNode* node, Colour c) {
  if (game.kind() != GameKind::Kropki) return {};
  const auto it = game.kropkiFields.find(node);
  if (it == game.kropkiFields.end()) return {};
  return outlineFromField(FieldOfTerritory(game.width(), it->second), c);
}

}  // namespace sgf_writer

std::string setupText(const SGridFrame& game, const GameNode* node) {
  const bool first = node->prev() == nullptr;
  const SetupCells cells(game, node);
  std::string out;
  // Othello's four centre pieces are no set-up of their own: written as stones, they would read back as a
  // position marked for a diagram, and the next save would write that mark.
  if (!(first && game.kind() == GameKind::Othello && cells.isStartOf(game))) {
    appendProperty(out, "AB", cells.pointsHolding(cell::kBlack));
    appendProperty(out, "AW", cells.pointsHolding(cell::kWhite));
    if (first && game.kind() == GameKind::Othello) appendProperty(out, "AE", cells.emptyCentreCells());
  }
  if (first) {
    // An unusual side to move is kept even without stones, or a reload would lose it; so is a composition
    // without stones, which a reader takes for one by its side to move (the rules after a composed
    // position are not those of the start: an Unlur contract piece may then stand on the edge).
    const bool blackAssumed = !game.isWhiteFirst() && !sgf_writer::headerGivesWhiteTheMove(game);
    const bool usualSide = node->blackNext() == blackAssumed;
    if (!out.empty()) out += node->blackNext() ? "\r\nPL[B]" : "\r\nPL[W]";
    else if (!usualSide || node->kind() == SpecialMoveKind::Compose) out += node->blackNext() ? "PL[B]" : "PL[W]";
  }
  if (!first) appendProperty(out, "AE", cells.pointsHolding(cell::kEmpty));
  const std::string black = sgf_writer::kropkiOutlines(game, node, Colour::Black);
  const std::string white = sgf_writer::kropkiOutlines(game, node, Colour::White);
  if (!black.empty()) out += "\r\nTB[" + black + "]";
  if (!white.empty()) out += "\r\nTW[" + white + "]";
  if (!first) {
    if (!out.empty()) out += sgf_writer::kLineEnd;
    out += node->blackNext() ? "PL[B]" : "PL[W]";
  }
  return out;
}

}  // namespace meridax
