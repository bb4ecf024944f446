#pragma once
// Reading every game of a text into the collection (a loaded file, an imported file, pasted text), and
// building the tree of a game that was read only as far as its root.

#include <cstddef>
#include <optional>
#include <string>

#include "model/app_error.h"
#include "model/collection.h"
#include "sgf/sgf_error_list.h"
#include "sgf/sgf_reader.h"
#include "sgf/work_progress.h"

namespace meridax {

enum class GameTrees : std::uint8_t {
  // A loaded file whose text is held: the first game is read whole, every further game only as far as
  // its root (its tree is built from the held text when it is first opened). Each game records its
  // ordinal, the place of its text and the unchanged flag. A game the reader refuses (kind or size) is
  // kept unread in its place, so that saving the file over itself loses nothing.
  FirstOnly,
  // Imported files and pasted text, which are not held: every game is read whole and is written by the
  // SGF writer when saved. A game the reader refuses is only reported: the file it came from stays.
  All,
};

struct CollectionReadRequest {
  std::string filePath;  // empty for pasted text
  std::size_t insertAfter = Collection::npos;  // games go after this entry, each after the one before
  GameTrees trees = GameTrees::FirstOnly;
  ReaderSettings settings;
  ProgressCallback progress;  // told after each game; reading stops when it says so
};

struct CollectionReadResult {
  int gamesRead = 0;
  int gamesKept = 0;  // games kept unread in their place (held files only), not counted in gamesRead
  SGridFrame* firstGame = nullptr;
  SGridFrame* selectedGame = nullptr;  // the last game that carried "XS"
  std::optional<AppError> message;     // the failure that stopped reading, caption "Do_FileSGF()"
  bool cancelled = false;              // the progress callback stopped the reading; the games read stay
};

// Reads games from the start of the text until the reader reads no game or the text ends. The game
// read whole is the first one actually created (a game skipped for a bad size does not use up that
// turn). Errors go to the list; the caller shows it. A cancelled reading leaves the games it read in the
// collection: the caller removes them.
CollectionReadResult readCollectionText(Collection& collection, const std::string& text,
                                        const CollectionReadRequest& request, SErrorList& errors);

// Builds the tree of a game read only as far as its root, from the held file text at the game's text
// offset; afterwards its tree is loaded and its flag byte is as before (1 for a game not yet changed). Nothing happens when the tree
// is loaded already. Returns the message of a failure that stopped reading.
std::optional<AppError> buildHeldTree(Collection& collection, SGridFrame& game, const std::string& heldText,
                                      const std::string& filePath, const ReaderSettings& settings,
                                      SErrorList& errors);

}  // namespace meridax
