#include "edit/compose_model.h"

#include <algorithm>
#include <vector>

#include "edit/flip_rotate.h"
#include "rules/kropki_region.h"
#include "rules/kropki_tree.h"
#include "rules/position_at.h"

namespace meridax {

namespace {

constexpr int kOthelloRowTen = 9;  // the digit "0" names the tenth row

BoardPosition withoutAvailability(BoardPosition pos) {
  for (std::uint8_t& v : pos.cells())
    if (v == cell::kAvailable) v = cell::kEmpty;
  return pos;
}

ComposeCell clampedCell(int x, int y, int width) {
  const bool inside = x >= 0 && y >= 0 && x < width && y < width;
  return inside ? ComposeCell{x, y} : ComposeCell{};
}

}  // namespace

ComposeModel::ComposeModel(SGridFrame& game)
    : ComposeModel(game.kind(), game.width(), game.height(), currentPosition(game),
                   game.currentNode->blackNext() ? Colour::Black : Colour::White,
                   clampedCell(game.cursorX, game.cursorY, game.width()),
                   game.kind() == GameKind::Kropki ? territoryMap(game, game.currentNode) : FieldOfTerritory()) {}

ComposeModel::ComposeModel(GameKind kind, int width, int height, const BoardPosition& board, Colour sideToMove,
                           ComposeCell cursor, FieldOfTerritory territory)
    : kind_(kind),
      width_(width),
      height_(height),
      board_(withoutAvailability(board)),
      territory_(territory.width() == width ? std::move(territory) : FieldOfTerritory(width)),
      colour_(sideToMove),
      cursor_(clampedCell(cursor.x, cursor.y, width)),
      anchor_(cursor_) {
  if (board_.width() != width_) board_ = startingPosition(kind_, width_, height_);
  recount();
}

bool ComposeModel::isBoardCell(int x, int y) const { return isOnBoard(kind_, width_, height_, x, y); }

bool ComposeModel::copiesRectangles() const {
  return kind_ == GameKind::Othello || isGoBoard() || kind_ == GameKind::Kropki;
}

void ComposeModel::recount() {
  empty_ = std::none_of(board_.cells().begin(), board_.cells().end(),
                        [](std::uint8_t v) { return v == cell::kBlack || v == cell::kWhite || v == cell::kEmpty; });
}

void ComposeModel::switchColour() { colour_ = opponent(colour_); }

void ComposeModel::setCursor(ComposeCell cell, bool keepAnchor) {
  cursor_ = cell;
  if (!keepAnchor) anchor_ = cell;
}

void ComposeModel::click(int x, int y, bool shift) {
  const bool inSquare = board_.inSquare(x, y);
  const bool valid = kind_ == GameKind::Kropki ? inSquare : isBoardCell(x, y);
  if (valid) setCursor({x, y}, shift);
}

void ComposeModel::doubleClick(int x, int y) {
  if (!isBoardCell(x, y)) return;
  board_.set(x, y, board_.at(x, y) == cellOf(colour_) ? cell::kEmpty : cellOf(colour_));
  recount();
}

void ComposeModel::moveCursor(CursorStep step, bool shift) {
  const int dx = step == CursorStep::Left ? -1 : step == CursorStep::Right ? 1 : 0;
  const int dy = step == CursorStep::Up ? -1 : step == CursorStep::Down ? 1 : 0;
  ComposeCell c = cursor_;
  for (int tries = 0; tries < width_; ++tries) {
    c.x = (c.x + dx + width_) % width_;
    c.y = (c.y + dy + width_) % width_;
    if (isBoardCell(c.x, c.y)) {
      setCursor(c, shift);
      return;
    }
  }
}

void ComposeModel::placeCursorByKey(char key) {
  if (kind_ != GameKind::Othello) return;
  ComposeCell c = cursor_;
  if (key >= 'a' && key <= 'z') c.x = key - 'a';
  else if (key >= 'A' && key <= 'Z') c.x = key - 'A';
  else if (key == '0') c.y = kOthelloRowTen;
  else if (key >= '1' && key <= '9') c.y = key - '1';
  else return;
  if (isBoardCell(c.x, c.y)) setCursor(c, false);
}

ComposeModel::Rectangle ComposeModel::selection() const {
  return {std::min(cursor_.x, anchor_.x), std::min(cursor_.y, anchor_.y), std::max(cursor_.x, anchor_.x),
          std::max(cursor_.y, anchor_.y)};
}

void ComposeModel::fillSelection(std::uint8_t value) {
  const Rectangle r = selection();
  for (int y = r.y1; y <= r.y2; ++y)
    for (int x = r.x1; x <= r.x2; ++x)
      if (isBoardCell(x, y)) board_.set(x, y, value);
  recount();
}

void ComposeModel::advanceCursor() {
  const int cells = width_ * width_;
  int i = cursor_.x + cursor_.y * width_;
  for (int tries = 0; tries < cells; ++tries) {
    i = (i + 1) % cells;
    if (isBoardCell(i % width_, i / width_)) {
      setCursor({i % width_, i / width_}, false);
      return;
    }
  }
}

void ComposeModel::insertPieces() {
  const bool single = !hasSelection();
  fillSelection(cellOf(colour_));
  if (single) advanceCursor();
}

void ComposeModel::deletePieces() {
  const bool single = !hasSelection();
  fillSelection(cell::kEmpty);
  if (single) advanceCursor();
}

EditNotice ComposeModel::deleteConnectedGroup() {
  int deleted = 0;
  const std::uint8_t colour = board_.inSquare(cursor_.x, cursor_.y) ? board_.at(cursor_.x, cursor_.y) : 0;
  if (isPiece(colour)) {
    std::vector<ComposeCell> stack{cursor_};
    while (!stack.empty()) {
      const ComposeCell c = stack.back();
      stack.pop_back();
      if (!board_.inSquare(c.x, c.y) || board_.at(c.x, c.y) != colour) continue;
      board_.set(c.x, c.y, cell::kEmpty);
      ++deleted;
      stack.insert(stack.end(), {{c.x + 1, c.y}, {c.x - 1, c.y}, {c.x, c.y + 1}, {c.x, c.y - 1}});
    }
    recount();
  }
  return {kDeleteGroupCaption, "Number deleted = " + std::to_string(deleted)};
}

void ComposeModel::copy() { copied_ = Copied{selection(), board_}; }

void ComposeModel::cut() {
  copy();
  fillSelection(cell::kEmpty);
}

void ComposeModel::paste() {
  if (!copied_ || hasSelection()) return;
  const Rectangle& from = copied_->area;
  for (int y = from.y1; y <= from.y2; ++y)
    for (int x = from.x1; x <= from.x2; ++x) {
      const int tx = cursor_.x + (x - from.x1);
      const int ty = cursor_.y + (y - from.y1);
      const std::uint8_t v = copied_->board.at(x, y);
      if (v != cell::kOffBoard && isBoardCell(tx, ty)) board_.set(tx, ty, v);
    }
  recount();
}

void ComposeModel::transform(bool flip) {
  const std::optional<CellMap> map = cellMap(kind_, width_, height_, flip ? BoardTransform::Flip : BoardTransform::Rotate,
                                             TransformUse::Composition);
  if (!map) return;
  board_ = transformPosition(board_, *map);
  territory_ = FieldOfTerritory(width_, transformCells(territory_.cells(), *map));
  auto moved = [&](ComposeCell c) {
    const int to = (*map)[static_cast<std::size_t>(c.x + c.y * width_)];
    return ComposeCell{to % width_, to / width_};
  };
  cursor_ = moved(cursor_);
  anchor_ = moved(anchor_);
  recount();
}

void ComposeModel::flip() { transform(true); }
void ComposeModel::rotate() { transform(false); }

void ComposeModel::clearBoard() {
  board_ = startingPosition(kind_, width_, height_);
  territory_ = FieldOfTerritory(width_);
  colour_ = isWhiteFirst(kind_) ? Colour::White : Colour::Black;
  recount();
}

std::optional<EditNotice> ComposeModel::createField() {
  if (kind_ != GameKind::Kropki) return std::nullopt;
  if (isTerritoryOf(territory_.valueAt(cursor_.x, cursor_.y), colour_))
    return EditNotice{kCreateFieldCaption,
                      std::string("The selected square already forms part of ") + colourName(colour_) + "'s territory."};
  const RegionResult region = buildRegion(board_, territory_, cursor_.x, cursor_.y, colour_, PlayMode::User);
  if (!region.ok()) return EditNotice{kCreateFieldCaption, region.message};
  territory_.merge(*region.field);
  return std::nullopt;
}

std::optional<EditNotice> ComposeModel::eraseField() {
  if (kind_ != GameKind::Kropki) return std::nullopt;
  if (!eraseFieldAt(territory_, cursor_.x, cursor_.y)) return EditNotice{kDeleteFieldCaption, kNotInTerritoryText};
  return std::nullopt;
}

bool ComposeModel::applies(ComposeCommand command) const {
  switch (command) {
    case ComposeCommand::DeleteGroup: return isGoBoard();
    case ComposeCommand::Copy:
    case ComposeCommand::Cut:
    case ComposeCommand::Paste: return copiesRectangles();
    case ComposeCommand::Rotate: return kind_ != GameKind::Kropki || width_ == height_;
    case ComposeCommand::CreateField:
    case ComposeCommand::EraseField: return kind_ == GameKind::Kropki;
    default: return true;
  }
}

bool ComposeModel::offeredInContextMenu(ComposeCommand command) const {
  if (!applies(command)) return false;
  const bool selected = hasSelection();
  switch (command) {
    case ComposeCommand::Copy:
    case ComposeCommand::Cut: return selected;
    case ComposeCommand::Paste: return !selected && hasCopy();
    case ComposeCommand::ClearBoard:
    case ComposeCommand::DeleteGroup:
    case ComposeCommand::ExportGif:
    case ComposeCommand::CopyImage:
    case ComposeCommand::CreateField:
    case ComposeCommand::EraseField:
    case ComposeCommand::CopyAscii: return !selected;
    case ComposeCommand::Help: return true;
    default: return false;
  }
}

std::optional<EditNotice> ComposeModel::run(ComposeCommand command) {
  if (!applies(command)) return std::nullopt;
  switch (command) {
    case ComposeCommand::DeletePieces: deletePieces(); break;
    case ComposeCommand::InsertPieces: insertPieces(); break;
    case ComposeCommand::ClearBoard: clearBoard(); break;
    case ComposeCommand::DeleteGroup: return deleteConnectedGroup();
    case ComposeCommand::Copy: copy(); break;
    case ComposeCommand::Cut: cut(); break;
    case ComposeCommand::Paste: paste(); break;
    case ComposeCommand::Flip: flip(); break;
    case ComposeCommand::Rotate: rotate(); break;
    case ComposeCommand::CreateField: return createField();
    case ComposeCommand::EraseField: return eraseField();
    case ComposeCommand::Help:
    case ComposeCommand::ExportGif:
    case ComposeCommand::CopyImage:
    case ComposeCommand::CopyAscii: break;
  }
  return std::nullopt;
}

Composition ComposeModel::composition() const {
  return Composition{board_, territory_, colour_, cursor_};
}

}  // namespace meridax
