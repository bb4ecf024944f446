#pragma once
// The dialogs of the collection lists that take more than one text: the game information form of one game
// and the renaming of a player. The desktop build shows real forms; scripts and frames without the port
// ask the same through one-line text dialogs, a field at a time.

#include <optional>
#include <string>

#include "app/frame_ports.h"
#include "collection/game_details.h"

namespace meridax {

class ListDialogPort {
 public:
  virtual ~ListDialogPort() = default;
  // The game information form filled with `form.details`; the texts as they stand on "Accept", nullopt on
  // "Cancel". Texts of fields the form does not show come back unchanged.
  virtual std::optional<SSGFDetails> editGameDetails(const GameDetailsForm& form) = 0;
  // " Edit Player Name" with the player's "Name" and the "New Name" to give; nullopt when cancelled.
  virtual std::optional<std::string> askNewPlayerName(const std::string& name) = 0;
};

inline constexpr char kNewNameLabel[] = "New Name";

// The form as a chain of text dialogs captioned with its title, one per field in order; cancelling any
// of them cancels the form.
std::optional<SSGFDetails> editGameDetailsByText(DialogPort& dialogs, const GameDetailsForm& form);
// The new name from a text dialog titled " Edit Player Name", starting from the old one.
std::optional<std::string> askNewPlayerNameByText(DialogPort& dialogs, const std::string& name);

}  // namespace meridax
