#pragma once
// Bulk edits of a collection from its lists: erasing games or keeping only some, setting the event or
// place of many games, renaming a player throughout, and moving games up and down. Each edit marks the
// games whose information it changed; the caller marks the collection and tells the user.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "collection/games_list.h"
#include "model/collection.h"

namespace meridax {

// ---- Erase or keep ----

enum class ListKind { Games, Players };
enum class ExcludeChoice { EraseSelected, KeepSelected };

inline constexpr char kExcludeCaption[] = "ExcludeSelected()";
inline constexpr char kNoRecordsSelectedText[] = "No records have been selected";
inline constexpr char kAllRecordsSelectedText[] = "All records have been selected";
inline constexpr char kFinalItemDeletedText[] = "Final item in the list has been deleted.";
inline constexpr char kExcludeMemoryText[] = "Unable to allocate memory for exclude operation";

// What an erase or keep says first: a refusal to tell, or else the Yes/No question to ask.
struct ExcludeCheck {
  std::optional<std::string> refusal;
  std::string question;
};
ExcludeCheck checkExclude(ListKind list, ExcludeChoice choice, std::size_t selectedRows, std::size_t rows);

// The games an erase or keep in the games list removes: the selected rows, or the others.
std::vector<const SGridFrame*> gamesToExclude(const GamesList& list, const std::vector<std::size_t>& selectedRows,
                                              ExcludeChoice choice);
// The games an erase or keep in the players list removes: those in which one of the players takes part,
// or those in which none does.
std::vector<const SGridFrame*> playerGamesToExclude(const Collection& collection,
                                                    const std::vector<std::string>& players, ExcludeChoice choice);

struct RemovalOutcome {
  int removed = 0;
  std::size_t gamesBefore = 0;
  std::size_t gamesAfter = 0;
  bool currentChanged = false;  // the current game was removed; another one is current now
};

// Removes the games from the collection. When the current game goes, the first remaining game that
// followed it becomes current, or else the last game; when no game is left, an empty Go game of width 19
// becomes the only game.
RemovalOutcome removeGames(Collection& collection, const std::vector<const SGridFrame*>& games);

// "Number of games removed = %d", when more than one game went and the collection neither held one
// game before nor holds one now.
std::optional<std::string> removedCountReport(const RemovalOutcome& outcome);

// ---- Event and place ----

inline constexpr char kSetDetailCaption[] = "CmFoldersSetEvents()";

// The dialog and report of setting one text of many games.
struct BulkDetail {
  const char* title;  // of the one-line dialog
  const char* label;  // of its field, and the word of the report
  DetailField field;
};
inline constexpr BulkDetail kSetEvent{"Set Event", "Event", DetailField::Event};
inline constexpr BulkDetail kSetPlace{"Set Place", "Place", DetailField::Place};

// Sets the text of every game still in the collection and marks its information changed; the number
// of games set.
int setDetailOfGames(const Collection& collection, const std::vector<SGridFrame*>& games, DetailField field,
                     const std::string& text);
// "'%s'\r\n\r\nEvent set for %d games", or the same for the place.
std::string setDetailReport(const BulkDetail& detail, const std::string& text, int games);

// ---- Player names ----

inline constexpr char kRenameCaption[] = "SListCtrl::CmFoldersFind()";
inline constexpr char kRenameDialogTitle[] = " Edit Player Name";
inline constexpr char kNoRenameText[] = "No player name edits were made";

// Replaces the name wherever player 1 or player 2 bears it exactly, marking each game's information
// changed; the number of names replaced (two for a game in which the player plays both sides). A new
// name equal to the old one replaces nothing.
int renamePlayer(Collection& collection, const std::string& from, const std::string& to);
// The report after a rename: the count and both names, or that nothing was changed.
std::string renameReport(int edits, const std::string& from, const std::string& to);

// ---- Order ----

// Moves the games of the selected rows `rows` places up (negative) or down, the nearest to the edge
// first and each no further than the edge or the selected game moved before it, so the selection keeps
// its order. The collection follows the list, which must show every game in collection order. Returns
// the rows of the selection afterwards.
std::vector<std::size_t> moveSelectedGames(GamesList& list, Collection& collection,
                                           std::vector<std::size_t> selectedRows, int rows);

}  // namespace meridax
