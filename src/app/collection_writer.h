#pragma once
// Writing a whole collection as the save does. A game unchanged since the load is copied byte for byte
// from the held file text; a game whose information alone changed, or whose selected-game mark must
// move, gets a new root header followed by the rest of its original text; every other game is written
// by the SGF writer. A game kept unread is written back as it was read, in its place; an export of
// marked games leaves it out. The whole text is gathered before anything is written, copied games as
// views into the held text, so a save that fails or is cancelled writes nothing.

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/file_system.h"
#include "app/user_ports.h"
#include "model/app_error.h"
#include "model/collection.h"
#include "sgf/work_progress.h"

namespace meridax {

inline constexpr char kSaveFileCaption[] = "FrameWin::Save_File()";
inline constexpr char kWriteFileFailedText[] = "WriteFile failed";
// Separates a copied game from the game written after it.
inline constexpr char kCopiedGameSeparator[] = "\r\n\r\n";

// The loaded file as the save sees it.
struct HeldFileText {
  std::optional<std::string_view> text;      // the cleaned text of the file; nullopt when none is held
  const SGridFrame* markedGame = nullptr;    // the game that carried the selected-game mark "XS"
};

enum class SaveScope { WholeCollection, MarkedGames };

struct SaveOptions {
  SaveScope scope = SaveScope::WholeCollection;
  std::function<bool(const SGridFrame&)> isMarked;  // which games MarkedGames writes
  // Builds the tree of a game that was never opened from its held text, keeping its flag byte; false
  // when it cannot. A new root header and a whole game are written from the tree, so an unbuilt game
  // needs its tree first, or its root set-up, comment, markup and moves would be lost.
  std::function<bool(SGridFrame&)> buildTree;
  ProgressCallback progress;  // told after each game written; the save stops when it says so
};

// How the save writes one game.
enum class GameWriteForm {
  CopiedUnchanged,  // the recorded text, byte for byte
  NewHeader,        // a new root header, then the text from the recorded header length on
  Written,          // the whole game by the SGF writer
  KeptUnread,       // the text of a game the reader refused, as it was read
};

// The form for a game of the collection. `isCurrent`: the game is the collection's current game.
GameWriteForm writeFormOf(const SGridFrame& game, bool isCurrent, const HeldFileText& held);

struct CollectionText {
  std::string text;
  int games = 0;
};

// The text of a save as pieces in order: views into the held text, a kept game's text and texts written
// anew, which it owns.
struct SavedText {
  std::vector<std::string_view> pieces;
  std::deque<std::string> owned;  // a deque: adding a text moves none of those already viewed
  std::size_t size = 0;
  int games = 0;

  void add(std::string_view piece);
  void addOwned(std::string text);
};

struct SavedTextResult {
  std::optional<SavedText> written;
  std::optional<AppError> failure;
  bool cancelled = false;
};
// The pieces of the save, valid while the held text and the games are; see collectionText.
SavedTextResult collectionPieces(Collection& games, const HeldFileText& held, const SaveOptions& options);

// The text of the collection (or of its marked games), or the error that stopped it: a game whose
// recorded place lies outside the held text, a tree that could not be built or walked.
struct CollectionTextResult {
  std::optional<CollectionText> written;
  std::optional<AppError> failure;
  bool cancelled = false;  // the progress callback stopped it: neither text nor failure
};
CollectionTextResult collectionText(Collection& games, const HeldFileText& held, const SaveOptions& options);

struct SaveOutcome {
  int games = 0;
  std::size_t bytes = 0;
};

// Gathers the collection text and writes it to the open file. On failure the user is told
// (caption "FrameWin::Save_File()") and nullopt is returned; a save the progress callback cancelled
// writes nothing and returns nullopt without a message.
std::optional<SaveOutcome> Save_File(OutputFile& file, MessagePort& messages, Collection& games,
                                     const HeldFileText& held, const SaveOptions& options);

}  // namespace meridax
