#include "app/typed_text.h"

#include "model/character_set.h"

namespace meridax {

std::string textForEditing(const SGridFrame& game, std::string_view stored) { return gameTextToUtf8(game, stored); }

std::string textForStoring(FrameWin& frame, SGridFrame& game, const std::string& typed) {
  if (std::optional<std::string> encoded = textFromUtf8(typed, game.characterSet)) return *std::move(encoded);
  const std::string before = game.characterSet;
  convertGameToUtf8(game);
  game.markTreeChanged();
  game.markDetailsChanged();
  frame.markFileModified();
  if (frame.ports().messages != nullptr)
    frame.ports().messages->tell(UserMessage{
        kTypedTextCaption,
        "The character set of this game (" + before +
            ") has no form for some of the text typed.\n\nThe game's texts are now kept in UTF-8, and the game "
            "will be saved with CA[UTF-8].",
        MessageIcon::Information});
  // Typed text that is not UTF-8 at all (which a widget does not give) is kept byte for byte.
  return typed;
}

}  // namespace meridax
