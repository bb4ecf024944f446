#pragma once
// Reading SGF text into games of a collection: `Do_FileSGF` reads one game per call, in one pass over
// the text, handing every move to move acceptance so that the tree is the one a user would have built.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "model/app_error.h"
#include "model/collection.h"
#include "rules/play_context.h"
#include "sgf/sgf_error_list.h"

namespace meridax {

inline constexpr char kReaderCaption[] = "Do_FileSGF()";
// What a game that ends too early is missing; the game keeps everything read before.
inline constexpr char kUnclosedValueText[] = "The text ends inside a property value: its closing ']' is missing.";
inline constexpr char kUnreadableMoveText[] = "The move value cannot be read as a point of this game.";
inline constexpr char kUnclosedGameText[] = "The text ends before the game is closed by ')'.";

enum class ReadMode : std::uint8_t {
  // The first game of a file or of pasted text: GM and SZ are read, the game is created and its whole
  // tree is built.
  WholeGame,
  // A further game of a file: the game is created with its root information only; its tree is built
  // only when the root holds "XS". The rest of the game is passed over to find its end.
  RootOnly,
  // Builds the tree of an existing game (created by RootOnly) from the held file text.
  HeldTree,
  // Reads nodes below the target game's current node (injected SGF text).
  Inject,
};

struct ReaderSettings {
  bool convertAWAB = false;  // "ConvertAWAB": a lone AB or AW stone is read as a move
  PlayOptions play;          // labelling settings, which apply while loading too
};

struct SgfReadRequest {
  ReadMode mode = ReadMode::WholeGame;
  std::size_t cursor = 0;      // where to start; blanks before the game are passed over
  std::string filePath;        // empty for pasted or injected text
  std::size_t insertAfter = Collection::npos;  // a new game goes after this entry; npos: at the end
  int ordinal = 1;             // the game's number in its file, from 1
  SGridFrame* target = nullptr;  // HeldTree and Inject
  ReaderSettings settings;
  // A game refused for its kind or size is kept as its text (WholeGame and RootOnly), so that saving
  // the file writes it back; otherwise it is only reported.
  bool keepUnread = false;
};

struct SgfReadResult {
  bool goOn = false;            // a game was read, or skipped after an error, and loading may go on
  std::size_t textStart = 0;    // the game's first non-blank character
  std::size_t cursor = 0;       // just after the game's closing ")", or the end of the text
  SGridFrame* game = nullptr;   // the game read into; nullptr when none was created
  SGridFrame* kept = nullptr;   // the game kept unread (keepUnread), which was not read into
  bool selected = false;        // the game carries the selected-game mark "XS"
  std::optional<AppError> message;  // a message to show (caption "Do_FileSGF()") when reading stopped
};

// Reads one game of `text` from request.cursor. Errors that let loading go on are added to `errors`;
// a failure that ends the load comes back in the result's message with goOn false. Never reads past
// the end of the text, and never throws.
SgfReadResult Do_FileSGF(Collection& collection, const std::string& text, const SgfReadRequest& request,
                         SErrorList& errors);

// The text that injecting `nodes` below the current node reads: "(;FF[4] " + nodes + ")".
std::string injectedText(const std::string& nodes);

}  // namespace meridax
