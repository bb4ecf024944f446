#include "sgf/sgf_collection_read.h"

namespace meridax {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void recordFileFields(SGridFrame& game, int ordinal, const SgfReadResult& r, bool held) {
  if (!held) {
    game.flags = 0;
    return;
  }
  game.fileOrdinal = static_cast<std::uint32_t>(ordinal);
  game.textOffset = static_cast<std::uint32_t>(r.textStart);
  game.textLength = static_cast<std::uint32_t>(r.cursor - r.textStart);
  game.flags = game_flag::kUnchanged;
}

// A game read only as far as its root is not played until its tree is built, which computes the position
// again: the board it was created with would cost every unopened game of a big file a few hundred bytes.
void dropCachedPosition(SGridFrame& game) {
  game.cachedPosition = BoardPosition();
  game.cachedPositionNode = nullptr;
}

}  // namespace

CollectionReadResult readCollectionText(Collection& collection, const std::string& text,
                                        const CollectionReadRequest& request, SErrorList& errors) {
  CollectionReadResult result;
  const bool held = request.trees == GameTrees::FirstOnly;
  std::size_t cursor = 0;
  std::size_t after = request.insertAfter;
  for (int ordinal = 1;; ++ordinal) {
    while (cursor < text.size() && isBlank(text[cursor])) ++cursor;
    if (cursor >= text.size()) break;
    SgfReadRequest r;
    r.mode = (held && result.gamesRead > 0) ? ReadMode::RootOnly : ReadMode::WholeGame;
    r.cursor = cursor;
    r.filePath = request.filePath;
    r.insertAfter = after;
    r.ordinal = ordinal;
    r.settings = request.settings;
    r.keepUnread = held;
    const SgfReadResult read = Do_FileSGF(collection, text, r, errors);
    if (read.game != nullptr) {
      recordFileFields(*read.game, ordinal, read, held);
      if (r.mode == ReadMode::RootOnly) dropCachedPosition(*read.game);
      after = collection.indexOf(read.game);
      if (result.firstGame == nullptr) result.firstGame = read.game;
      if (read.selected) result.selectedGame = read.game;
      ++result.gamesRead;
    }
    if (read.kept != nullptr) {
      after = collection.indexOf(read.kept);
      ++result.gamesKept;
    }
    if (!read.goOn) {
      result.message = read.message;
      break;
    }
    if (read.cursor <= cursor) break;  // no progress: nothing more can be read
    cursor = read.cursor;
    const WorkProgress now{static_cast<std::size_t>(result.gamesRead), 0, cursor, text.size()};
    if (!goOn(request.progress, now)) {
      result.cancelled = true;
      break;
    }
  }
  return result;
}

std::optional<AppError> buildHeldTree(Collection& collection, SGridFrame& game, const std::string& heldText,
                                      const std::string& filePath, const ReaderSettings& settings,
                                      SErrorList& errors) {
  if (game.treeLoaded) return std::nullopt;
  // Reading marks the tree changed as it grows; a pending change of the game information must survive.
  const std::uint8_t flagsBefore = game.flags;
  std::optional<AppError> message;
  if (game.textOffset < heldText.size()) {
    SgfReadRequest r;
    r.mode = ReadMode::HeldTree;
    r.cursor = game.textOffset;
    r.filePath = filePath;
    r.ordinal = static_cast<int>(game.fileOrdinal);
    r.target = &game;
    r.settings = settings;
    message = Do_FileSGF(collection, heldText, r, errors).message;
  }
  game.flags = flagsBefore == 0 ? game_flag::kUnchanged : flagsBefore;
  game.treeLoaded = true;
  return message;
}

}  // namespace meridax
