#include "sgf/sgf_reader.h"

#include <memory>

#include "model/text_format.h"
#include "rules/navigation_step.h"
#include "rules/position_at.h"
#include "sgf/game_body_skip.h"
#include "sgf/sgf_markup.h"
#include "sgf/sgf_reader_state.h"

namespace meridax {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }

constexpr std::size_t kIdentifierLetters = 4;

}  // namespace

SgfReader::SgfReader(Collection& collection, const std::string& text, const SgfReadRequest& request,
                     SErrorList& errors)
    : collection_(collection), text_(text), request_(request), errors_(errors), mode_(request.mode), lines_(errors.lineCounter(text)) {}

SgfReadResult SgfReader::run() {
  SgfReadResult result;
  try {
    if (startGame(result)) {
      scanGame();
      result.goOn = true;
    }
  } catch (const ReaderAbort& abort) {
    stack_.clear();
    result.message = abort.message;
  } catch (const AppError& e) {
    result.message = AppError(kReaderCaption, e.text());
  } catch (const std::exception&) {
    result.message = AppError(kReaderCaption,
                              formatText("Unhandled exception - processing aborted.  Error occured within game number "
                                        "%d of the collection",
                                        request_.ordinal));
  }
  // A game cut short by a failure keeps its game information.
  if (game_ != nullptr && !ended_ && rootTextsStored()) storeRootTexts();
  result.cursor = std::min(cursor_, text_.size());
  result.game = game_;
  result.selected = selected_;
  return result;
}

bool SgfReader::startGame(SgfReadResult& result) {
  std::size_t at = std::min(request_.cursor, text_.size());
  while (at < text_.size() && isBlank(text_[at])) ++at;
  result.textStart = at;
  cursor_ = at;
  if (at >= text_.size()) return false;

  const RootScan scan = scanRoot(text_, at);
  if (!scan.found) {
    cursor_ = text_.size();
    return false;
  }
  gameStart_ = at;
  if (mode_ == ReadMode::HeldTree || mode_ == ReadMode::Inject) {
    game_ = request_.target;
    if (game_ == nullptr) return false;
    headerLengthSet_ = true;  // the game's header length belongs to the text it was first read from
    goToNode(*game_, game_->currentNode);
    pos_ = game_->cachedPosition;
  } else if (!createGame(scan, result)) {
    return false;
  }
  cursor_ = scan.rootStart;
  while (cursor_ < text_.size() && text_[cursor_] == ';') ++cursor_;
  return true;
}

bool SgfReader::createGame(const RootScan& scan, SgfReadResult& result) {
  const ShapeReading shape = readGameShape(scan.gm, scan.sz);
  if (!shape.shape) {
    skipFailedGame(scan, shape.error, result);
    return false;
  }
  const std::size_t index = collection_.createGame(shape.shape->kind, shape.shape->width, shape.shape->height,
                                                   request_.insertAfter);
  collection_.setCurrent(index);
  game_ = &collection_.game(index);
  // A further game whose root carries "XS" is read whole at once, so that root properties written
  // before the mark (setup stones, comments) are not passed over.
  movesAllowed_ = mode_ == ReadMode::WholeGame || scan.selected;
  game_->treeLoaded = movesAllowed_;
  if (!movesAllowed_) {
    game_->textNodes = 1;  // the root, with what passing over the body counts
    game_->textLines = 1;
  }
  pos_ = currentPosition(*game_);
  return true;
}

void SgfReader::skipFailedGame(const RootScan& scan, const std::string& error, SgfReadResult& result) {
  const int line = lineAt(scan.gameStart);
  addError(gameNotLoadedText(request_.ordinal, line, error, errorExtract(text_, scan.gameStart)));
  // The game ends where a game read from the same root would end: its body begins after the root's ";",
  // which may lie past a ")" ("(GM[ph]D3]);SZ[4]..."). The text kept so then holds that root and reads back
  // as the same refused game.
  const BodyStop stop = skipGameBody(text_, scan.rootStart, 0);
  cursor_ = stop.end == BodyEnd::GameClose ? stop.at + 1 : text_.size();
  result.goOn = true;
  if (!request_.keepUnread) return;
  auto unread = std::make_shared<UnreadGameText>();
  // Everything from the game's first non-blank character on, as a copied game is recorded.
  unread->text = text_.substr(result.textStart, cursor_ - result.textStart);
  unread->reason = error.substr(0, error.find_first_of("\r\n"));
  result.kept = &collection_.game(collection_.createUnreadGame(std::move(unread), request_.insertAfter));
}

void SgfReader::scanGame() {
  while (cursor_ < text_.size() && !ended_) {
    const char c = text_[cursor_];
    switch (c) {
      case ';':
      case '(':
      case ')':
        onNodeBoundary(c, cursor_);
        if (passingOverBody() && !ended_) passOverBody();
        else ++cursor_;
        break;
      case '\\':
      case ' ':
      case '\t':
      case '\r':
      case '\n':
        ++cursor_;
        break;
      case '[':
        onValueOpen(cursor_);
        break;
      default:
        if (freshIdentifier_) {
          id_.clear();
          idStart_ = cursor_;
          freshIdentifier_ = false;
        }
        if (isUpper(c) && id_.size() < kIdentifierLetters) id_ += c;
        ++cursor_;
        break;
    }
  }
  if (!ended_) endOfText();
}

bool SgfReader::passingOverBody() const { return mode_ == ReadMode::RootOnly && !movesAllowed_ && !root_; }

void SgfReader::passOverBody() {
  // Past the root node of a game read only as far as its root nothing is kept: every node boundary
  // leaves the first node current, so only the brackets outside values decide where the game ends.
  const BodyStop stop = skipGameBody(text_, cursor_ + 1, stack_.size());
  // The games list shows the nodes and lines of a game not opened yet as counted here.
  game_->textNodes += (text_[cursor_] == ';' ? 1 : 0) + stop.nodes;
  game_->textLines += stop.sideLines;
  if (stop.end == BodyEnd::EndOfText) {
    cursor_ = text_.size();
    return;
  }
  // Every variation opened and closed meanwhile took the reader back to the first node on the main line.
  // The game's closing ")" and an unclosed value are then read by the full scan.
  stack_.clear();
  cursor_ = stop.at;
}

void SgfReader::onNodeBoundary(char c, std::size_t at) {
  if (!headerLengthSet_) {
    // Letters since the last value run on into the next node's identifier ("AB ((;N[x]" reads as ABN):
    // they stay with the body, so that a body copied below a new header reads as it did.
    const std::size_t cut = freshIdentifier_ ? at : idStart_;
    game_->headerLength = static_cast<std::uint32_t>(cut - gameStart_);
    headerLengthSet_ = true;
  }
  endNode();
  if (c == '(') openVariation();
  if (c == ')' && closeVariation()) endGame();
}

void SgfReader::openVariation() {
  stack_.push_back(accepting_ ? BranchPoint{game_->currentNode, game_->currentLine} : BranchPoint{});
  // The branch node's position is kept while its variations are read, so that coming back to it costs a
  // copy instead of rebuilding it from the nearest snapshot. Each level's board is reused.
  BranchPoint& top = stack_.back();
  if (top.node == nullptr || game_->cachedPositionNode != top.node || game_->cachedPosition.width() != game_->width())
    return;
  if (branchPositions_.size() < stack_.size()) branchPositions_.resize(stack_.size());
  branchPositions_[stack_.size() - 1] = game_->cachedPosition;
  top.positionKept = true;
}

bool SgfReader::closeVariation() {
  if (!closeSeen_) {
    closeSeen_ = true;
    if (mainLineEnd_ == nullptr) rememberLineEnd();
  }
  if (stack_.empty()) return true;
  const BranchPoint top = stack_.back();
  stack_.pop_back();
  accepting_ = top.node != nullptr;
  if (!accepting_) return false;
  // The line is taken back with the node, so that a move read next hangs below that node.
  if (top.line != nullptr) {
    game_->currentLine = top.line;
    game_->endNode = top.line->tail;
  }
  if (top.positionKept) goToNode(*game_, top.node, branchPositions_[stack_.size()]);
  else goToNode(*game_, top.node);
  pos_ = game_->cachedPosition;
  return false;
}

void SgfReader::onValueOpen(std::size_t at) {
  // Markup takes every value that follows at once; any other property one value at a time.
  const bool markup = accepting_ && movesAllowed_ && isMarkupIdentifier(id_, game_->kind());
  std::vector<ValueSpan>& values = values_;
  values.clear();
  std::size_t open = at;
  bool unclosed = false;
  for (;;) {
    const std::size_t close = valueEnd(text_, open + 1);
    if (close >= text_.size()) {
      unclosed = true;
      break;
    }
    values.push_back({std::string_view(text_).substr(open + 1, close - open - 1), open, close});
    cursor_ = close + 1;
    if (!markup) break;
    std::size_t next = cursor_;
    while (next < text_.size() && isBlank(text_[next])) ++next;
    if (next >= text_.size() || text_[next] != '[') break;
    open = next;
  }
  freshIdentifier_ = true;
  // A move in the root node ends the root header just before its identifier, whether or not moves are
  // read now, so that a regenerated header never swallows the move.
  if (root_ && !headerLengthSet_ && (id() == "B" || id() == "W")) {
    game_->headerLength = static_cast<std::uint32_t>(idStart_ - gameStart_);
    headerLengthSet_ = true;
  }
  if (accepting_ && !values.empty()) dispatch(values);
  if (unclosed) {
    reportIncomplete(open, kUnclosedValueText);
    cursor_ = text_.size();
  }
}

void SgfReader::reportIncomplete(std::size_t at, const char* what) {
  if (incompleteReported_) return;
  incompleteReported_ = true;
  addError(incompleteGameText(request_.ordinal, lineAt(at), what, errorExtractAround(text_, at)));
}

void SgfReader::endOfText() {
  reportIncomplete(text_.size(), kUnclosedGameText);
  endNode();
  if (!closeSeen_ && mainLineEnd_ == nullptr) rememberLineEnd();
  closeSeen_ = true;
  endGame();
}

PointGeometry SgfReader::geometry() const { return pointGeometry(*game_); }

PlayContext SgfReader::playContext() {
  return PlayContext{*game_, 0, 0, true, request_.settings.play, nullptr};
}

void SgfReader::addError(std::string text) { errors_.addForFile(request_.filePath, std::move(text), request_.ordinal); }

SgfReadResult Do_FileSGF(Collection& collection, const std::string& text, const SgfReadRequest& request,
                         SErrorList& errors) {
  return SgfReader(collection, text, request, errors).run();
}

std::string injectedText(const std::string& nodes) { return "(;FF[4] " + nodes + ")"; }

}  // namespace meridax
