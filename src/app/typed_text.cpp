#include "app/typed_text.h"

#include <utility>

#include "model/character_set.h"

namespace meridax {

std::string textForEditing(const SGridFrame& game, std::string_view stored) { return gameTextToUtf8(game, stored); }

std::string textForStoring(FrameServices& frame, SGridFrame& game, const std::string& typed) {
  if (std::optional<std::string> encoded = textFromUtf8(typed, game.characterSet)) return *std::move(encoded);
  // The tree's texts go over with the rest: a game still held as file text is built first, or its
  // comments would be written in their old set under CA[UTF-8]. Without its text it keeps the typed bytes.
  if (!game.treeLoaded && !frame.buildTree(game)) return typed;
  const std::string before = game.characterSet;
  convertGameToUtf8(game);
  game.markTreeChanged();
  game.markDetailsChanged();
  frame.markFileModified();
  if (frame.ports().messages != nullptr)
    frame.tell(kTypedTextCaption,
             "The character set of this game (" + before +
                 ") has no form for some of the text typed.\n\nThe game's texts are now kept in UTF-8, and the game "
                 "will be saved with CA[UTF-8].");
  // Typed text that is not UTF-8 at all (which a widget does not give) is kept byte for byte.
  return typed;
}

SSGFDetails detailsForEditing(const SGridFrame& game) {
  SSGFDetails shown;
  for (std::size_t i = 0; i < shown.size(); ++i) shown.text(i) = textForEditing(game, game.details.text(i));
  return shown;
}

SSGFDetails detailsForStoring(FrameServices& frame, SGridFrame& game, const SSGFDetails& edited) {
  SSGFDetails stored;
  // A text with no form in the game's set turns the whole game over to UTF-8, its information included:
  // the texts left as shown are then taken again from the converted game.
  for (bool convertedOnce = false;;) {
    bool converted = false;
    for (std::size_t i = 0; i < stored.size() && !converted; ++i) {
      const std::string& before = std::as_const(game.details).text(i);
      if (edited.text(i) == textForEditing(game, before)) {
        stored.text(i) = before;
      } else if (std::optional<std::string> encoded = textFromUtf8(edited.text(i), game.characterSet)) {
        stored.text(i) = *std::move(encoded);
      } else if (!convertedOnce) {
        textForStoring(frame, game, edited.text(i));
        converted = convertedOnce = true;
      } else {
        stored.text(i) = edited.text(i);  // not UTF-8 at all: kept byte for byte
      }
    }
    if (!converted) return stored;
  }
}

}  // namespace meridax
