#include "app/collection_writer.h"

#include "app/text_format.h"
#include "sgf/sgf_writer.h"

namespace meridax {
namespace {

// Flag bytes that leave the game's nodes as they were read.
constexpr std::uint8_t kUnchangedFlags = game_flag::kUnchanged;
constexpr std::uint8_t kDetailsOnlyFlags = game_flag::kUnchanged | game_flag::kDetailsChanged;

AppError saveError(const char* format, std::size_t gameNumber) {
  return AppError(kSaveFileCaption, apptext::format(format, static_cast<int>(gameNumber)));
}

// The game's recorded text, or nullopt when its recorded place does not lie inside the held text.
std::optional<std::string_view> recordedText(const SGridFrame& game, std::string_view held) {
  const std::size_t offset = game.textOffset;
  const std::size_t length = game.textLength;
  if (offset > held.size() || length > held.size() - offset || game.headerLength > length) return std::nullopt;
  return held.substr(offset, length);
}

bool includes(const SGridFrame& game, const SaveOptions& options) {
  return options.scope == SaveScope::WholeCollection || (options.isMarked && options.isMarked(game));
}

}  // namespace

GameWriteForm writeFormOf(const SGridFrame& game, bool isCurrent, const HeldFileText& held) {
  const bool copyable = held.text && game.textLength != 0 &&
                        (game.flags == kUnchangedFlags || game.flags == kDetailsOnlyFlags);
  if (!copyable) return GameWriteForm::Written;
  const bool carriedMark = &game == held.markedGame;
  if (game.flags == kDetailsOnlyFlags || carriedMark != isCurrent) return GameWriteForm::NewHeader;
  return GameWriteForm::CopiedUnchanged;
}

CollectionTextResult collectionText(Collection& games, const HeldFileText& held, const SaveOptions& options) {
  CollectionText out;
  bool separatorDue = false;  // the last game written was copied and ends at its ")"
  for (std::size_t i = 0; i < games.size(); ++i) {
    SGridFrame& game = games.game(i);
    if (!includes(game, options)) continue;
    const bool isCurrent = i == games.currentIndex();
    if (separatorDue) out.text += kCopiedGameSeparator;
    const GameWriteForm form = writeFormOf(game, isCurrent, held);
    if (form == GameWriteForm::Written) {
      WriteGameOptions write;
      write.isCurrentGame = isCurrent;
      if (!WriteGameText(game, out.text, write))
        return {std::nullopt, saveError("Unable to write game %d of the collection.  The file has not been saved.", i + 1)};
      separatorDue = false;
    } else {
      const std::optional<std::string_view> text = recordedText(game, *held.text);
      if (!text)
        return {std::nullopt, saveError("The place of game %d in the loaded file text is not valid.  "
                                         "The file has not been saved.", i + 1)};
      if (form == GameWriteForm::CopiedUnchanged) {
        out.text += *text;
      } else {
        if (!game.treeLoaded && !(options.buildTree && options.buildTree(game)))
          return {std::nullopt, saveError("Unable to read game %d from the loaded file text.  "
                                          "The file has not been saved.", i + 1)};
        writeRootHeader(game, out.text, isCurrent);
        out.text += text->substr(game.headerLength);
      }
      separatorDue = true;
    }
    ++out.games;
  }
  return {std::move(out), std::nullopt};
}

std::optional<SaveOutcome> Save_File(OutputFile& file, MessagePort& messages, Collection& games,
                                     const HeldFileText& held, const SaveOptions& options) {
  const CollectionTextResult result = collectionText(games, held, options);
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
