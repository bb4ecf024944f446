#include "app/collection_writer.h"

#include "model/text_format.h"
#include "sgf/bracket_balance.h"
#include "sgf/sgf_writer.h"

namespace meridax {
namespace {

// Flag bytes that leave the game's nodes as they were read.
constexpr std::uint8_t kUnchangedFlags = game_flag::kUnchanged;
constexpr std::uint8_t kDetailsOnlyFlags = game_flag::kUnchanged | game_flag::kDetailsChanged;

AppError saveError(CheckedFormat<int> format, std::size_t gameNumber) {
  return AppError(kSaveFileCaption, formatText(format, static_cast<int>(gameNumber)));
}

// The game's recorded text, or nullopt when its recorded place does not lie inside the held text.
std::optional<std::string_view> recordedText(const SGridFrame& game, std::string_view held) {
  const std::size_t offset = game.textOffset;
  const std::size_t length = game.textLength;
  if (offset > held.size() || length > held.size() - offset || game.headerLength > length) return std::nullopt;
  return held.substr(offset, length);
}

bool includes(const SGridFrame& game, const SaveOptions& options) {
  if (options.scope == SaveScope::WholeCollection) return true;
  return !game.isUnread() && options.isMarked && options.isMarked(game);
}

// What closes a game text that the file ended inside of (a value left open, variations not closed):
// "]" for the value, then one ")" a level. Empty for a text that closes itself.
std::string closersOf(std::string_view text) {
  const BracketBalance b = bracketBalance(text);
  return std::string(b.inValue ? 1 : 0, ']') + std::string(static_cast<std::size_t>(b.openVariations), ')');
}

// Only a game kept unread or copied from the end of the held text can have been cut off by the file's end.
bool mayBeCutOff(const SGridFrame& game, GameWriteForm form, const HeldFileText& held) {
  if (form == GameWriteForm::KeptUnread) return true;
  return form != GameWriteForm::Written && game.textOffset + std::size_t{game.textLength} == held.text->size();
}

}  // namespace

GameWriteForm writeFormOf(const SGridFrame& game, bool isCurrent, const HeldFileText& held) {
  if (game.isUnread()) return GameWriteForm::KeptUnread;
  const bool copyable = held.text && game.textLength != 0 &&
                        (game.flags == kUnchangedFlags || game.flags == kDetailsOnlyFlags);
  if (!copyable) return GameWriteForm::Written;
  const bool carriedMark = &game == held.markedGame;
  if (game.flags == kDetailsOnlyFlags || carriedMark != isCurrent) return GameWriteForm::NewHeader;
  return GameWriteForm::CopiedUnchanged;
}

namespace {

constexpr char kUnreadableGame[] = "Unable to read game %d from the loaded file text.  The file has not been saved.";
constexpr char kUnwritableGame[] = "Unable to write game %d of the collection.  The file has not been saved.";
constexpr char kMisplacedGame[] =
    "The place of game %d in the loaded file text is not valid.  The file has not been saved.";

// Appends one game in its form; the error that stops the save otherwise. `number` counts from 1.
std::optional<AppError> appendGame(SGridFrame& game, std::size_t number, bool isCurrent, GameWriteForm form,
                                   const HeldFileText& held, const SaveOptions& options, SavedText& out) {
  if (form == GameWriteForm::KeptUnread) {
    out.add(game.unread->text);
    return std::nullopt;
  }
  // Both a whole game and a new header are written from the tree.
  if (form != GameWriteForm::CopiedUnchanged && !game.treeLoaded && !(options.buildTree && options.buildTree(game)))
    return saveError(kUnreadableGame, number);
  if (form == GameWriteForm::Written) {
    WriteGameOptions write;
    write.isCurrentGame = isCurrent;
    std::string text;
    if (!WriteGameText(game, text, write)) return saveError(kUnwritableGame, number);
    out.addOwned(std::move(text));
    return std::nullopt;
  }
  const std::optional<std::string_view> text = recordedText(game, *held.text);
  if (!text) return saveError(kMisplacedGame, number);
  if (form == GameWriteForm::CopiedUnchanged) {
    out.add(*text);
  } else {
    std::string header;
    writeRootHeader(game, header, isCurrent);
    out.addOwned(std::move(header));
    out.add(text->substr(game.headerLength));
  }
  return std::nullopt;
}

// The pieces from `first` on, as one text.
std::string joinedFrom(const SavedText& saved, std::size_t first) {
  std::string text;
  for (std::size_t i = first; i < saved.pieces.size(); ++i) text += saved.pieces[i];
  return text;
}

// Writes the pieces through a buffer of moderate size: copied games are small and many, and one write
// each would cost a system call a game.
WriteOutcome writePieces(OutputFile& file, const std::vector<std::string_view>& pieces) {
  constexpr std::size_t kBufferSize = std::size_t{1} << 20;
  std::string buffer;
  buffer.reserve(kBufferSize);
  WriteOutcome total;
  auto put = [&](std::string_view bytes) {
    const WriteOutcome outcome = file.write(bytes);
    total.written += outcome.written;
    if (!outcome.error && outcome.written != bytes.size()) total.error = SystemError{0, "short write"};
    else total.error = outcome.error;
    return !total.error;
  };
  for (const std::string_view piece : pieces) {
    if (buffer.size() + piece.size() > kBufferSize) {
      if (!buffer.empty() && !put(buffer)) return total;
      buffer.clear();
    }
    if (piece.size() >= kBufferSize) {
      if (!put(piece)) return total;
    } else {
      buffer += piece;
    }
  }
  if (!buffer.empty()) put(buffer);
  return total;
}

}  // namespace

void SavedText::add(std::string_view piece) {
  if (piece.empty()) return;
  pieces.push_back(piece);
  size += piece.size();
}

void SavedText::addOwned(std::string text) {
  owned.push_back(std::move(text));
  add(owned.back());
}

SavedTextResult collectionPieces(Collection& games, const HeldFileText& held, const SaveOptions& options) {
  SavedText out;
  bool separatorDue = false;  // the last game written was copied and ends at its ")"
  // A copied game that the file ended inside of is closed when another game follows it, which it would
  // otherwise swallow; as the last game it stays as it was read.
  std::string closersDue;
  for (std::size_t i = 0; i < games.size(); ++i) {
    SGridFrame& game = games.game(i);
    if (!includes(game, options)) continue;
    const bool isCurrent = i == games.currentIndex();
    const GameWriteForm form = writeFormOf(game, isCurrent, held);
    if (!closersDue.empty()) out.addOwned(std::move(closersDue));
    if (separatorDue) out.add(kCopiedGameSeparator);
    const std::size_t start = out.pieces.size();
    if (std::optional<AppError> failure = appendGame(game, i + 1, isCurrent, form, held, options, out))
      return {std::nullopt, std::move(failure)};
    separatorDue = form != GameWriteForm::Written;
    closersDue = mayBeCutOff(game, form, held) ? closersOf(joinedFrom(out, start)) : std::string();
    ++out.games;
    const WorkProgress now{i + 1, games.size(), out.size, 0};
    if (!goOn(options.progress, now)) {
      SavedTextResult stopped;
      stopped.cancelled = true;
      return stopped;
    }
  }
  return {std::move(out), std::nullopt};
}

CollectionTextResult collectionText(Collection& games, const HeldFileText& held, const SaveOptions& options) {
  SavedTextResult pieces = collectionPieces(games, held, options);
  CollectionTextResult result;
  result.cancelled = pieces.cancelled;
  result.failure = std::move(pieces.failure);
  if (pieces.written) result.written = CollectionText{joinedFrom(*pieces.written, 0), pieces.written->games};
  return result;
}

std::optional<SaveOutcome> Save_File(OutputFile& file, MessagePort& messages, Collection& games,
                                     const HeldFileText& held, const SaveOptions& options) {
  const SavedTextResult result = collectionPieces(games, held, options);
  if (result.cancelled) return std::nullopt;
  if (!result.written) {
    messages.tell(UserMessage{result.failure->caption(), result.failure->text(), MessageIcon::Error});
    return std::nullopt;
  }
  const WriteOutcome outcome = writePieces(file, result.written->pieces);
  if (outcome.error || outcome.written != result.written->size) {
    messages.tell(UserMessage{kSaveFileCaption, kWriteFileFailedText, MessageIcon::Error});
    return std::nullopt;
  }
  return SaveOutcome{result.written->games, result.written->size};
}

}  // namespace meridax
