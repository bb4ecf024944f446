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
                                   const HeldFileText& held, const SaveOptions& options, std::string& out) {
  if (form == GameWriteForm::KeptUnread) {
    out += game.unread->text;
    return std::nullopt;
  }
  // Both a whole game and a new header are written from the tree.
  if (form != GameWriteForm::CopiedUnchanged && !game.treeLoaded && !(options.buildTree && options.buildTree(game)))
    return saveError(kUnreadableGame, number);
  if (form == GameWriteForm::Written) {
    WriteGameOptions write;
    write.isCurrentGame = isCurrent;
    if (!WriteGameText(game, out, write)) return saveError(kUnwritableGame, number);
    return std::nullopt;
  }
  const std::optional<std::string_view> text = recordedText(game, *held.text);
  if (!text) return saveError(kMisplacedGame, number);
  if (form == GameWriteForm::CopiedUnchanged) {
    out += *text;
  } else {
    writeRootHeader(game, out, isCurrent);
    out += text->substr(game.headerLength);
  }
  return std::nullopt;
}

}  // namespace

CollectionTextResult collectionText(Collection& games, const HeldFileText& held, const SaveOptions& options) {
  CollectionText out;
  // Copied games make up most of a saved collection: room for the held text spares the copies of growing.
  if (held.text && options.scope == SaveScope::WholeCollection) out.text.reserve(held.text->size() + held.text->size() / 16);
  bool separatorDue = false;  // the last game written was copied and ends at its ")"
  // A copied game that the file ended inside of is closed when another game follows it, which it would
  // otherwise swallow; as the last game it stays as it was read.
  std::string closersDue;
  for (std::size_t i = 0; i < games.size(); ++i) {
    SGridFrame& game = games.game(i);
    if (!includes(game, options)) continue;
    const bool isCurrent = i == games.currentIndex();
    const GameWriteForm form = writeFormOf(game, isCurrent, held);
    out.text += closersDue;
    if (separatorDue) out.text += kCopiedGameSeparator;
    const std::size_t start = out.text.size();
    if (std::optional<AppError> failure = appendGame(game, i + 1, isCurrent, form, held, options, out.text))
      return {std::nullopt, std::move(failure)};
    separatorDue = form != GameWriteForm::Written;
    closersDue = mayBeCutOff(game, form, held) ? closersOf(std::string_view(out.text).substr(start)) : std::string();
    ++out.games;
    const WorkProgress now{i + 1, games.size(), out.text.size(), 0};
    if (!goOn(options.progress, now)) {
      CollectionTextResult stopped;
      stopped.cancelled = true;
      return stopped;
    }
  }
  return {std::move(out), std::nullopt};
}

std::optional<SaveOutcome> Save_File(OutputFile& file, MessagePort& messages, Collection& games,
                                     const HeldFileText& held, const SaveOptions& options) {
  const CollectionTextResult result = collectionText(games, held, options);
  if (result.cancelled) return std::nullopt;
  if (!result.written) {
    messages.tell(UserMessage{result.failure->caption(), result.failure->text(), MessageIcon::Error});
    return std::nullopt;
  }
  const std::string& text = result.written->text;
  const WriteOutcome outcome = file.write(text);
  if (outcome.error || outcome.written != text.size()) {
    messages.tell(UserMessage{kSaveFileCaption, kWriteFileFailedText, MessageIcon::Error});
    return std::nullopt;
  }
  return SaveOutcome{result.written->games, text.size()};
}

}  // namespace meridax
