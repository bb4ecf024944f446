#include "collection/collection_edits.h"

#include <algorithm>

namespace meridax {

namespace {

std::string warning(const std::string& about) { return "Warning.\nAbout to " + about + "\n\nDo you wish to continue?"; }

std::string count(std::size_t n) { return std::to_string(n); }

bool contains(const std::vector<const SGridFrame*>& games, const SGridFrame* g) {
  return std::find(games.begin(), games.end(), g) != games.end();
}

}  // namespace

ExcludeCheck checkExclude(ListKind list, ExcludeChoice choice, std::size_t selectedRows, std::size_t rows) {
  ExcludeCheck check;
  if (selectedRows == 0) {
    check.refusal = kNoRecordsSelectedText;
    return check;
  }
  const bool keep = choice == ExcludeChoice::KeepSelected;
  if (keep && selectedRows >= rows) {
    check.refusal = kAllRecordsSelectedText;
    return check;
  }
  if (list == ListKind::Games) {
    if (keep)
      check.question = warning("remove the 'other' games ( " + count(rows - selectedRows) + " in total ) from the collection.");
    else if (selectedRows == 1)
      check.question = warning("remove the selected game from the collection.");
    else
      check.question = warning("remove the selected games ( " + count(selectedRows) + " in total ) from the collection.");
  } else {
    if (keep)
      check.question = warning("remove the 'other' players games.");
    else if (selectedRows == 1)
      check.question = warning("remove the player games.");
    else
      check.question = warning("remove the players' games ( " + count(selectedRows) + " players ).");
  }
  return check;
}

std::vector<const SGridFrame*> gamesToExclude(const GamesList& list, const std::vector<std::size_t>& selectedRows,
                                              ExcludeChoice choice) {
  std::vector<const SGridFrame*> games;
  for (std::size_t row = 0; row < list.size(); ++row) {
    const bool selected = std::find(selectedRows.begin(), selectedRows.end(), row) != selectedRows.end();
    if (selected == (choice == ExcludeChoice::EraseSelected)) games.push_back(&list.game(row));
  }
  return games;
}

std::vector<const SGridFrame*> playerGamesToExclude(const Collection& collection,
                                                    const std::vector<std::string>& players, ExcludeChoice choice) {
  std::vector<const SGridFrame*> games;
  for (std::size_t i = 0; i < collection.size(); ++i) {
    const SGridFrame& g = collection.game(i);
    // A game kept unread is nobody's game: removing the other players' games leaves it.
    if (g.isUnread()) continue;
    if (takesPartIn(g, players) == (choice == ExcludeChoice::EraseSelected)) games.push_back(&g);
  }
  return games;
}

RemovalOutcome removeGames(Collection& collection, const std::vector<const SGridFrame*>& games) {
  RemovalOutcome outcome;
  outcome.gamesBefore = collection.size();
  const SGridFrame* current = collection.current();
  // The game that becomes current when the current game goes: the first one after it that stays.
  const SGridFrame* successor = current;
  if (contains(games, current)) {
    successor = nullptr;
    for (std::size_t i = collection.currentIndex() + 1; i < collection.size() && successor == nullptr; ++i)
      if (!contains(games, &collection.game(i))) successor = &collection.game(i);
    outcome.currentChanged = true;
  }
  for (std::size_t i = collection.size(); i-- > 0;) {
    if (!contains(games, &collection.game(i))) continue;
    collection.removeGame(i);
    ++outcome.removed;
  }
  if (collection.readableCount() == 0) {
    // Games kept unread cannot be opened: a new game stands in as the current one.
    collection.setCurrent(collection.createGame(GameKind::Go, 19, 19, Collection::npos));
  } else if (outcome.currentChanged) {
    const std::size_t at = collection.indexOf(successor);
    collection.setCurrent(at == Collection::npos ? collection.size() - 1 : at);
  } else {
    collection.setCurrent(collection.indexOf(current));
  }
  outcome.gamesAfter = collection.size();
  return outcome;
}

std::optional<std::string> removedCountReport(const RemovalOutcome& outcome) {
  if (outcome.removed <= 1 || outcome.gamesBefore == 1 || outcome.gamesAfter == 1) return std::nullopt;
  return "Number of games removed = " + std::to_string(outcome.removed);
}

int setDetailOfGames(const Collection& collection, const std::vector<SGridFrame*>& games, DetailField field,
                     const std::string& text) {
  int set = 0;
  for (SGridFrame* g : games) {
    if (collection.indexOf(g) == Collection::npos || g->isUnread()) continue;
    g->details[field] = text;
    g->markDetailsChanged();
    ++set;
  }
  return set;
}

std::string setDetailReport(const BulkDetail& detail, const std::string& text, int games) {
  return "'" + text + "'\r\n\r\n" + detail.label + " set for " + std::to_string(games) + " games";
}

int renamePlayer(Collection& collection, const std::string& from, const std::string& to) {
  int edits = 0;
  // The dialog offers the old name as the new one: accepting it unchanged edits nothing.
  if (from == to) return edits;
  for (std::size_t i = 0; i < collection.size(); ++i) {
    SGridFrame& g = collection.game(i);
    if (g.isUnread()) continue;
    for (DetailField f : {DetailField::Player1, DetailField::Player2}) {
      if (g.details[f] != from) continue;
      g.details[f] = to;
      g.markDetailsChanged();
      ++edits;
    }
  }
  return edits;
}

std::string renameReport(int edits, const std::string& from, const std::string& to) {
  if (edits == 0) return kNoRenameText;
  return std::to_string(edits) + " player name edits were made.\r\n\r\nFrom\t'" + from + "'\r\nto\t'" + to + "'";
}

namespace {

// Moves the game at `row` one row up: in the list and in the collection.
void exchangeWithPrevious(GamesList& list, Collection& collection, std::size_t row) {
  const std::size_t at = collection.indexOf(&list.game(row));
  list.exchangeWithNext(row - 1);
  if (at != Collection::npos) collection.moveGame(at, -1);
}

void exchangeWithFollowing(GamesList& list, Collection& collection, std::size_t row) {
  const std::size_t at = collection.indexOf(&list.game(row));
  list.exchangeWithNext(row);
  if (at != Collection::npos) collection.moveGame(at, +1);
}

}  // namespace

std::vector<std::size_t> moveSelectedGames(GamesList& list, Collection& collection,
                                           std::vector<std::size_t> selectedRows, int rows) {
  std::sort(selectedRows.begin(), selectedRows.end());
  std::erase_if(selectedRows, [&](std::size_t r) { return r >= list.size(); });
  selectedRows.erase(std::unique(selectedRows.begin(), selectedRows.end()), selectedRows.end());
  const std::size_t distance = static_cast<std::size_t>(rows < 0 ? -static_cast<long>(rows) : rows);
  if (rows < 0) {
    std::size_t edge = 0;  // the highest row the next selected game may reach
    for (std::size_t& r : selectedRows) {
      const std::size_t steps = std::min(distance, r - edge);
      for (std::size_t s = 0; s < steps; ++s, --r) exchangeWithPrevious(list, collection, r);
      edge = r + 1;
    }
  } else if (rows > 0 && !list.empty()) {
    std::size_t edge = list.size() - 1;  // the lowest row the next selected game may reach
    for (auto it = selectedRows.rbegin(); it != selectedRows.rend(); ++it) {
      std::size_t& r = *it;
      const std::size_t steps = std::min(distance, edge - r);
      for (std::size_t s = 0; s < steps; ++s, ++r) exchangeWithFollowing(list, collection, r);
      if (r == 0) break;
      edge = r - 1;
    }
  }
  return selectedRows;
}

}  // namespace meridax
