#pragma once
// The context menus and keys of the two list windows, as data: which entries a selection offers and which
// command (by handler name) each entry and key runs.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meridax {

enum class ListMode { Games, Players };

// An entry of a list's context menu; an entry without a command is a separator.
struct ListMenuEntry {
  std::string text;
  std::string command;  // the handler name

  friend bool operator==(const ListMenuEntry&, const ListMenuEntry&) = default;
};

// What the menu of a list depends on.
struct ListMenuState {
  ListMode mode = ListMode::Games;
  std::size_t selected = 0;  // rows selected
  std::size_t rows = 0;      // rows listed
  bool forPlayers = false;   // a games list shown for players of the players list
};

namespace list_menu {
inline constexpr char kDetails[] = "Edit Game &Details\tF9";
inline constexpr char kNavigate[] = "&Navigate to\tReturn";
inline constexpr char kEraseGames[] = "&Erase from the Collection\tDelete";
inline constexpr char kKeep[] = "&Keep selected, erase all others";
inline constexpr char kImport[] = "&Import SGF File(s) into the Collection\tInsert";
inline constexpr char kSetEvent[] = "Set &Event";
inline constexpr char kSetPlace[] = "Set &Place";
inline constexpr char kExportGames[] = "&Export the selected Game(s)";
inline constexpr char kShowGames[] = "Show &Games for Player(s)\tReturn";
inline constexpr char kErasePlayers[] = "&Erase the Player Games from the Collection\tDelete";
inline constexpr char kRename[] = "Edit Player &Name";
inline constexpr char kExportPlayers[] = "Export the Player Games";
}  // namespace list_menu

// The context menu for the selection; empty when nothing is selected. One selected game offers its details,
// then, when the list holds more than one row, navigate, erase and keep, then import (not in a list shown for
// players); several offer erase and keep; both then offer, after a separator, event, place and export.
std::vector<ListMenuEntry> listContextMenu(const ListMenuState& state);

// The handler name of the command a key ("Return", "Alt+Up", ...) runs in a list; nullopt when it runs none.
std::optional<std::string> listCommandForKey(ListMode mode, std::string_view canonicalKey);

}  // namespace meridax
