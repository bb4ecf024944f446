#pragma once
// The lists of games and players of the collection, their statistics and bulk edits, the game
// information dialog, and the branch statistics of the current game.
// A part of the main frame (FrameWin::lists()) that reaches the frame only through FrameServices.
//
// The two lists are modal windows. Here each open list is a ListWindow on a stack (a games list shown
// for some players stands above the players list), with the rows a view draws and the rows selected in
// it; the commands of a list act on the top window.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/frame_services.h"
#include "collection/collection_edits.h"
#include "collection/games_list.h"
#include "app/list_menus.h"
#include "collection/players.h"

namespace meridax {

// Rows a page key moves the selected games by, until the view tells how many rows it shows.
inline constexpr int kDefaultPageRows = 10;

// One open list window.
struct ListWindow {
  ListMode mode = ListMode::Games;
  GamesList games;      // the rows of a games list
  PlayersList players;  // the rows of a players list
  std::vector<std::size_t> selected;  // selected rows, ascending
  bool forPlayers = false;  // a games list shown for players of the players list below it
  int pageRows = kDefaultPageRows;

  std::size_t rows() const { return mode == ListMode::Games ? games.size() : players.size(); }
  // The names of the selected players.
  std::vector<std::string> selectedPlayers() const;
};

class CollectionListCommands {
 public:
  explicit CollectionListCommands(FrameServices& frame) : frame_(frame) {}
  CollectionListCommands(const CollectionListCommands&) = delete;
  CollectionListCommands& operator=(const CollectionListCommands&) = delete;

  // ---- Commands of the main frame ----
  void CmCollectionList();    // "Display a list of games in the collection"
  void CmPlayerStatistics();  // "Display player statistics"
  void CmBranchStatistics();
  void CmGameDetails();       // the game information dialog of the current game

  // ---- The open lists ----
  bool listOpen() const { return !lists_.empty(); }
  // The top list window; nullptr when no list is open.
  const ListWindow* topList() const { return lists_.empty() ? nullptr : &lists_.back(); }
  // How many list windows are open, and the one at `depth` (0 the lowest); nullptr beyond the top.
  std::size_t listCount() const { return lists_.size(); }
  const ListWindow* listAt(std::size_t depth) const { return depth < lists_.size() ? &lists_[depth] : nullptr; }
  // Selects these rows of the top list (from 0); rows beyond the list are left out.
  void selectListRows(std::vector<std::size_t> rows);
  // The view's page height in rows, for the page keys of the top list.
  void setListPageRows(int rows);
  void closeList();
  void closeAllLists();
  // Drops the rows of games that are no longer in the collection (a file loaded while a list was open);
  // the list commands do this before they act.
  void syncListsWithCollection();
  // The handler name of the command a key runs in the top list ("Return", "Alt+Up", ...); nullopt when
  // no list is open or the key does nothing there.
  std::optional<std::string> listCommandForKey(std::string_view canonicalKey) const;
  // The context menu of the top list for its selection; empty when nothing is selected.
  std::vector<ListMenuEntry> listContextMenu() const;

  // ---- Commands of the games list ----
  void CmFoldersDetails();    // F9: the game information of the one selected game
  void CmFoldersNavigate();   // Return: the one selected game becomes current; every list closes
  void CmFoldersImport();     // Insert: files imported after the one selected game
  void CmFoldersSetEvents();  // the event of the selected games
  void CmFoldersSetPlace();   // the place of the selected games
  // Alt with Up, Down, Page Up, Page Down, Home, End: the selected games move.
  void CmFoldersMoveUp();
  void CmFoldersMoveDown();
  void CmFoldersPageUp();
  void CmFoldersPageDown();
  void CmFoldersMoveTop();
  void CmFoldersMoveBottom();

  // ---- Commands of the players list ----
  void CmFoldersShowGames();  // Return: a games list of the selected players
  void CmFoldersFind();       // rename the one selected player throughout the collection

  // ---- Commands of both lists ----
  void CmFoldersErase();   // Delete: the selected games, or the games of the selected players
  void CmFoldersKeep();    // every other game goes
  void CmFoldersExport();  // the selected games, or the games of the selected players, to a new file
  void ExcludeSelected(ExcludeChoice choice);

 private:
  FrameServices& frame() { return frame_; }
  // The top list window, its rows checked against the collection first; nullptr when none is open.
  ListWindow* top();
  ListWindow* topOf(ListMode mode);
  // The one selected game of the top games list; nullptr unless exactly one row is selected.
  SGridFrame* singleSelectedGame();
  std::vector<SGridFrame*> selectedGames();
  void openPlayersList();
  // Fills the players list; false when the person stopped the reading of the games it needs.
  bool refillPlayers(ListWindow& list);
  // The unread trees whose swap-sides nodes decide a win are built first, with progress, their reading
  // errors shown; false when the person stopped it.
  bool buildTreesForStatistics();
  // The reading errors of trees read for the statistics, which the user would otherwise never see.
  bool editGameDetails(SGridFrame& game);
  void setDetail(const BulkDetail& detail);
  void moveSelected(int rows);
  // After games left the collection: the frame shows the current game, every list follows.
  void afterRemoval(const RemovalOutcome& outcome, const std::vector<const SGridFrame*>& removed);
  void tellReport(const char* caption, const std::string& text);
  void tellRefusal(const char* caption, const std::string& text);

  FrameServices& frame_;
  std::vector<ListWindow> lists_;
};

}  // namespace meridax
