// Moves (B, W), setup stones (AB, AW, AE) and the side to move (PL).

#include <algorithm>

#include "model/app_error.h"
#include "model/text_format.h"
#include "rules/move_acceptance.h"
#include "sgf/sgf_reader_state.h"

namespace meridax {

namespace {

}  // namespace

void SgfReader::handleMove(Colour colour, const ValueSpan& v) {
  try {
    if (pending_.hasSetup()) composeFromSetup(false, v.close);
    if (!accepting_) return;
    anyMove_ = true;
    const bool movedInNode = moveInNode_;
    moveInNode_ = true;
    const std::string value = withoutBlanks(v.text);
    const PointGeometry g = geometry();
    bool played = true;
    const MoveValueKind kind = classifyMoveValue(g, value);
    switch (kind) {
      case MoveValueKind::Resign:
      case MoveValueKind::Forfeit:
        played = addSpecial(kind == MoveValueKind::Resign ? SpecialMoveKind::Resign : SpecialMoveKind::Forfeit,
                            colour, v.close);
        if (played && !closeSeen_) rememberLineEnd();
        break;
      case MoveValueKind::Pass: played = addSpecial(SpecialMoveKind::Pass, colour, v.close); break;
      case MoveValueKind::UnlurBlackPass: played = addSpecial(SpecialMoveKind::Pass, Colour::Black, v.close); break;
      case MoveValueKind::SwapSides: played = addSpecial(SpecialMoveKind::SwapSides, colour, v.close); break;
      case MoveValueKind::SwapPieces: played = addSpecial(SpecialMoveKind::SwapPieces, colour, v.close); break;
      case MoveValueKind::Ignored:
        // Nothing is played. Right below the first node, what this node holds must not join the first
        // node, whose properties the header holds: it makes a node of its own at the node's end.
        if (!root_ && !movedInNode && game_->currentNode == game_->firstNode) {
          moveInNode_ = false;
          return;
        }
        break;
      case MoveValueKind::Point: played = playValue(colour, g, value, v); break;
    }
    if (!played) return;
    root_ = false;
    attachPending(game_->currentNode);
  } catch (const AppError&) {
    throw;
  } catch (const std::exception&) {
    throw ReaderAbort{AppError(kReaderCaption,
                               formatText("Unhandled exception - processing aborted\r\nError occurred in game number "
                                         "%d of collection, on line number %d.",
                                         request_.ordinal, lineAt(v.close)))};
  }
}

bool SgfReader::playValue(Colour colour, const PointGeometry& g, const std::string& value, const ValueSpan& v) {
  const auto move = readMoveValue(g, value);
  if (!move) {
    refuseUnreadable(colour, v);
    return false;
  }
  if (!playPoint(colour, move->point, v.close)) return false;
  if (move->second && !playPoint(colour, *move->second, v.close)) return false;
  if (!move->outlines.empty()) readFieldsInto(colour, move->outlines, v);
  return true;
}

bool SgfReader::playPoint(Colour colour, BoardPoint p, std::size_t at) {
  PlayContext ctx = playContext();
  ctx.x = p.x;
  ctx.y = p.y;
  selectedPoint_ = p;
  const MoveResult r = Accept_Move(ctx, colour, pos_);
  if (r != MoveResult::Accepted) {
    refuse(r, at);
    return false;
  }
  lastMovePoint_ = p;
  return true;
}

bool SgfReader::addSpecial(SpecialMoveKind kind, Colour colour, std::size_t at) {
  if (depthExhausted(at)) return false;
  PlayContext ctx = playContext();
  addSpecialMove(ctx, kind, colour, pos_);
  return true;
}

bool SgfReader::depthExhausted(std::size_t at) {
  if (game_->currentNode->moveNumber() < GameNode::kMaxMoveNumber) return false;
  refuse(MoveResult::TooManyBranches, at);
  return true;
}

void SgfReader::refuse(MoveResult r, std::size_t at) {
  const std::string why = loadErrorText(*game_, selectedPoint_.x, selectedPoint_.y, r, &text_, at);
  addError(moveErrorText(request_.ordinal, lineAt(at), why));
  accepting_ = false;
}

void SgfReader::refuseUnreadable(Colour colour, const ValueSpan& v) {
  constexpr std::size_t kShownValueLength = 96;
  std::string why = "( ";
  why += colour == Colour::Black ? 'B' : 'W';
  why += "[" + std::string(v.text.substr(0, kShownValueLength)) + "] )   at move number " +
         std::to_string(game_->currentNode->moveNumber()) + "\r\n\r\n" + kUnreadableMoveText +
         "\r\n\r\nThe error occurred within the following extract from the file.\r\n\r\n" +
         errorExtractAround(text_, v.close);
  addError(moveErrorText(request_.ordinal, lineAt(v.close), why));
  accepting_ = false;
}

void SgfReader::rememberLineEnd() {
  mainLineEnd_ = game_->currentNode;
  mainLine_ = game_->currentLine;
}

void SgfReader::handleSetup(std::uint8_t cellValue, const ValueSpan& v) {
  const std::string value = withoutBlanks(v.text);
  if (value.empty()) return;  // an empty list
  const auto range = readPointRange(geometry(), value);
  if (!range) {
    reportPassedOver(v);
    return;
  }
  if (request_.settings.convertAWAB) {
    if (cellValue == cell::kEmpty) pending_.setupCount += 2;
    pending_.setupColour = cellValue == cell::kBlack ? Colour::Black : Colour::White;
    pending_.lastSetupPoint = range->to;
  }
  pending_.setupCount += range->cellCount();
  // Only cells of the square can change; the rest of a rectangle is counted but not visited.
  const int w = pos_.width();
  for (int y = std::max(range->from.y, 0); y <= std::min(range->to.y, w - 1); ++y)
    for (int x = std::max(range->from.x, 0); x <= std::min(range->to.x, w - 1); ++x)
      if (pos_.at(x, y) != cell::kOffBoard) pos_.set(x, y, cellValue);
  if (root_ && !injecting()) game_->currentNode->setPrintDiagram(true);
  moveInNode_ = false;
}

void SgfReader::handlePlayerToMove(std::string_view value) {
  const char first = value.empty() ? '\0' : value.front();
  if (game_->isWhiteFirst())
    pending_.sideToMove = (first == 'B' || first == '2') ? Colour::Black : Colour::White;
  else
    pending_.sideToMove = (first == 'W' || first == '2') ? Colour::White : Colour::Black;
}

}  // namespace meridax
