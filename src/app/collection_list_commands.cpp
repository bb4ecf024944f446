#include "app/collection_list_commands.h"

#include <algorithm>
#include <new>
#include <utility>

#include "app/list_dialog_port.h"
#include "app/outside_programs.h"
#include "app/posix_file_system.h"
#include "app/progress_port.h"
#include "app/statistics_port.h"
#include "app/typed_text.h"
#include "collection/branch_statistics.h"
#include "collection/game_details.h"
#include "sgf/sgf_collection_read.h"

namespace meridax {

namespace {

// Renames a player in every game that names it (by its stored bytes), the typed name stored in each
// game's own character set.
int renamePlayerTyped(FrameServices& frame, const std::string& from, const std::string& to) {
  int edits = 0;
  Collection& games = frame.collection();
  for (std::size_t i = 0; i < games.size(); ++i) {
    SGridFrame& g = games.game(i);
    std::vector<DetailField> named;
    for (DetailField f : {DetailField::Player1, DetailField::Player2})
      if (g.details[f] == from) named.push_back(f);
    if (named.empty()) continue;
    const std::string stored = textForStoring(frame, g, to);
    for (DetailField f : named) g.details[f] = stored;
    g.markDetailsChanged();
    edits += static_cast<int>(named.size());
  }
  return edits;
}

}  // namespace

std::vector<std::string> ListWindow::selectedPlayers() const {
  std::vector<std::string> names;
  if (mode != ListMode::Players) return names;
  for (std::size_t row : selected)
    if (row < players.size()) names.push_back(players.player(row).name);
  return names;
}

// ---- Messages ----

void CollectionListCommands::tellReport(const char* caption, const std::string& text) {
  frame().ports().messages->tell(UserMessage{caption, text, MessageIcon::Information});
}

void CollectionListCommands::tellRefusal(const char* caption, const std::string& text) {
  frame().ports().messages->tell(UserMessage{caption, text, MessageIcon::Warning});
}

// ---- The open lists ----

ListWindow* CollectionListCommands::top() {
  if (lists_.empty()) return nullptr;
  syncListsWithCollection();
  return &lists_.back();
}

ListWindow* CollectionListCommands::topOf(ListMode mode) {
  ListWindow* list = top();
  return list != nullptr && list->mode == mode ? list : nullptr;
}

void CollectionListCommands::selectListRows(std::vector<std::size_t> rows) {
  ListWindow* list = top();
  if (list == nullptr) return;
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::erase_if(rows, [&](std::size_t r) { return r >= list->rows(); });
  list->selected = std::move(rows);
}

void CollectionListCommands::setListPageRows(int rows) {
  if (ListWindow* list = top(); list != nullptr && rows > 0) list->pageRows = rows;
}

void CollectionListCommands::closeList() {
  if (!lists_.empty()) lists_.pop_back();
}

void CollectionListCommands::closeAllLists() { lists_.clear(); }

void CollectionListCommands::syncListsWithCollection() {
  // The players lists hold names and counts only, which cannot go stale in a harmful way.
  for (ListWindow& list : lists_)
    if (list.mode == ListMode::Games && list.games.dropGamesNotIn(frame().collection())) list.selected.clear();
}

std::optional<std::string> CollectionListCommands::listCommandForKey(std::string_view canonicalKey) const {
  const ListWindow* list = topList();
  if (list == nullptr) return std::nullopt;
  return meridax::listCommandForKey(list->mode, canonicalKey);
}

std::vector<ListMenuEntry> CollectionListCommands::listContextMenu() const {
  const ListWindow* list = topList();
  if (list == nullptr) return {};
  return meridax::listContextMenu(ListMenuState{list->mode, list->selected.size(), list->rows(), list->forPlayers});
}

SGridFrame* CollectionListCommands::singleSelectedGame() {
  ListWindow* list = topOf(ListMode::Games);
  if (list == nullptr || list->selected.size() != 1) return nullptr;
  return &list->games.game(list->selected.front());
}

std::vector<SGridFrame*> CollectionListCommands::selectedGames() {
  std::vector<SGridFrame*> games;
  if (ListWindow* list = topOf(ListMode::Games))
    for (std::size_t row : list->selected) games.push_back(&list->games.game(row));
  return games;
}

// ---- Opening the lists ----

void CollectionListCommands::CmCollectionList() {
  if (listOpen()) return;
  ListWindow list;
  list.mode = ListMode::Games;
  list.games.fill(frame().collection());
  if (const std::optional<std::size_t> row = list.games.rowOf(frame().collection().current()))
    list.selected = {*row};
  lists_.push_back(std::move(list));
}

void CollectionListCommands::CmPlayerStatistics() {
  if (listOpen()) return;
  openPlayersList();
}

void CollectionListCommands::openPlayersList() {
  ListWindow list;
  list.mode = ListMode::Players;
  if (!refillPlayers(list)) return;  // the person stopped the reading of the games: no list
  lists_.push_back(std::move(list));
}

bool CollectionListCommands::refillPlayers(ListWindow& list) {
  const std::vector<std::string> names = list.selectedPlayers();
  const bool complete = buildTreesForStatistics();
  list.players.fill(frame().collection(), containsSwapSides);
  list.selected.clear();
  for (const std::string& name : names)
    if (const std::optional<std::size_t> row = list.players.rowOf(name)) list.selected.push_back(*row);
  std::sort(list.selected.begin(), list.selected.end());
  return complete;
}

bool CollectionListCommands::buildTreesForStatistics() {
  // A swap-sides node decides who won, so a game whose tree was never opened is read now, unless its
  // result or its players make the swap irrelevant. Over a large collection this is long work, shown and
  // stoppable; the games read by then stay read.
  FrameServices& f = frame();
  if (!f.holdsFileText()) return true;
  const auto needsTree = [](const SGridFrame& g) {
    const SSGFDetails& d = g.details;
    return !g.treeLoaded && !d[DetailField::Result].empty() && d[DetailField::Player1] != d[DetailField::Player2];
  };
  Collection& games = f.collection();
  WorkProgress done;
  for (std::size_t i = 0; i < games.size(); ++i) done.gamesTotal += needsTree(games.game(i));
  if (done.gamesTotal == 0) return true;
  f.errorList().clear();
  bool stopped = false;
  {
    ProgressScope progress(f.ports().progress, WorkKind::Checking, f.currentFile());
    const ProgressCallback report = progress.callback();
    for (std::size_t i = 0; i < games.size() && !stopped; ++i) {
      SGridFrame& g = games.game(i);
      if (!needsTree(g)) continue;
      f.buildTree(g);  // keeps the flag byte: reading the tree changes nothing the save must write
      ++done.games;
      stopped = !goOn(report, done);
    }
  }
  if (!stopped) f.showErrors();
  return !stopped;
}

void CollectionListCommands::CmFoldersShowGames() {
  ListWindow* players = topOf(ListMode::Players);
  if (players == nullptr) return;
  std::vector<std::string> names;
  for (std::size_t row : players->selected)
    if (players->players.player(row).played > 0) names.push_back(players->players.player(row).name);
  if (names.empty()) return;
  ListWindow list;
  list.mode = ListMode::Games;
  list.forPlayers = true;
  list.games.fill(frame().collection(), std::move(names));
  lists_.push_back(std::move(list));
}

// ---- Game information ----

bool CollectionListCommands::editGameDetails(SGridFrame& game) {
  if (game.isUnread()) return false;  // nothing of it was read that could be edited
  FrameServices& f = frame();
  GameDetailsForm form = gameDetailsForm(game);
  form.details = detailsForEditing(game);
  ListDialogPort* forms = f.ports().listDialogs;
  const std::optional<SSGFDetails> edited =
      forms != nullptr ? forms->editGameDetails(form) : editGameDetailsByText(*f.ports().dialogs, form);
  if (!edited || !acceptGameDetails(game, detailsForStoring(f, game, *edited))) return false;
  f.markFileModified();
  if (&game == f.collection().current()) {
    f.refreshTitle();
    f.refreshStatus();  // the rules text names the variant of a Go board
  }
  return true;
}

void CollectionListCommands::CmGameDetails() { editGameDetails(frame().game()); }

void CollectionListCommands::CmFoldersDetails() {
  if (SGridFrame* game = singleSelectedGame()) editGameDetails(*game);
}

// ---- Navigation and import ----

void CollectionListCommands::CmFoldersNavigate() {
  SGridFrame* game = singleSelectedGame();
  if (game == nullptr || game->isUnread()) return;  // a game kept unread cannot be opened
  const std::size_t index = frame().collection().indexOf(game);
  closeAllLists();
  frame().makeCurrent(index, false);
}

void CollectionListCommands::CmFoldersImport() {
  ListWindow* list = topOf(ListMode::Games);
  SGridFrame* after = singleSelectedGame();
  if (list == nullptr || list->forPlayers || after == nullptr) return;
  FrameServices& f = frame();
  Collection& games = f.collection();
  std::vector<const SGridFrame*> before;
  for (std::size_t i = 0; i < games.size(); ++i) before.push_back(&games.game(i));
  const SGridFrame* current = games.current();
  // The import inserts after the current game: the selected game stands in for it meanwhile.
  games.setCurrent(games.indexOf(after));
  f.importFiles();
  games.setCurrent(games.indexOf(current));
  f.refreshTitle();
  f.refreshStatus();
  if (games.size() == before.size()) return;
  list->games.fill(games);
  for (std::size_t row = 0; row < list->games.size(); ++row) {
    if (std::find(before.begin(), before.end(), &list->games.game(row)) != before.end()) continue;
    list->selected = {row};
    break;
  }
}

// ---- Event, place and player names ----

void CollectionListCommands::setDetail(const BulkDetail& detail) {
  const std::vector<SGridFrame*> games = selectedGames();
  if (games.empty()) return;
  FrameServices& f = frame();
  const std::optional<std::string> text = f.ports().dialogs->askText(detail.title, detail.label, "");
  if (!text || text->empty()) return;
  int set = 0;
  for (SGridFrame* g : games)
    if (f.collection().indexOf(g) != Collection::npos)
      set += setDetailOfGames(f.collection(), {g}, detail.field, textForStoring(f, *g, *text));
  if (set > 0) f.markFileModified();
  tellReport(kSetDetailCaption, setDetailReport(detail, *text, set));
}

void CollectionListCommands::CmFoldersSetEvents() { setDetail(kSetEvent); }

void CollectionListCommands::CmFoldersSetPlace() { setDetail(kSetPlace); }

void CollectionListCommands::CmFoldersFind() {
  ListWindow* list = topOf(ListMode::Players);
  if (list == nullptr || list->selected.empty()) return;
  FrameServices& f = frame();
  const std::size_t row = list->selected.front();
  const std::string from = list->players.player(row).name;
  const std::string shown = list->players.shownName(row);
  ListDialogPort* forms = f.ports().listDialogs;
  const std::optional<std::string> to =
      forms != nullptr ? forms->askNewPlayerName(shown) : askNewPlayerNameByText(*f.ports().dialogs, shown);
  if (!to || to->empty()) return;
  const int edits = *to == shown ? 0 : renamePlayerTyped(f, from, *to);
  if (edits > 0) {
    list->selected.clear();
    refillPlayers(*list);
    if (const std::optional<std::size_t> row = list->players.rowOf(*to)) list->selected = {*row};
    f.markFileModified();
    f.refreshTitle();
  }
  tellReport(kRenameCaption, renameReport(edits, shown, *to));
}

// ---- Order ----

void CollectionListCommands::moveSelected(int rows) {
  ListWindow* list = topOf(ListMode::Games);
  if (list == nullptr || list->forPlayers || list->selected.empty() || list->selected.size() >= list->rows()) return;
  FrameServices& f = frame();
  std::vector<std::size_t> moved = moveSelectedGames(list->games, f.collection(), list->selected, rows);
  if (moved == list->selected) return;
  list->selected = std::move(moved);
  // A new order is a change of the collection like any other: it is lost unless saved.
  f.markFileModified();
  f.refreshTitle();
}

void CollectionListCommands::CmFoldersMoveUp() { moveSelected(-1); }
void CollectionListCommands::CmFoldersMoveDown() { moveSelected(1); }
void CollectionListCommands::CmFoldersPageUp() {
  if (const ListWindow* list = topList()) moveSelected(-list->pageRows);
}
void CollectionListCommands::CmFoldersPageDown() {
  if (const ListWindow* list = topList()) moveSelected(list->pageRows);
}
void CollectionListCommands::CmFoldersMoveTop() {
  if (const ListWindow* list = topList()) moveSelected(-static_cast<int>(list->rows()));
}
void CollectionListCommands::CmFoldersMoveBottom() {
  if (const ListWindow* list = topList()) moveSelected(static_cast<int>(list->rows()));
}

// ---- Erase, keep and export ----

void CollectionListCommands::CmFoldersErase() { ExcludeSelected(ExcludeChoice::EraseSelected); }

void CollectionListCommands::CmFoldersKeep() { ExcludeSelected(ExcludeChoice::KeepSelected); }

void CollectionListCommands::ExcludeSelected(ExcludeChoice choice) {
  ListWindow* list = top();
  if (list == nullptr) return;
  FrameServices& f = frame();
  const bool games = list->mode == ListMode::Games;
  const ExcludeCheck check =
      checkExclude(games ? ListKind::Games : ListKind::Players, choice, list->selected.size(), list->rows());
  if (check.refusal) {
    tellRefusal(kExcludeCaption, *check.refusal);
    return;
  }
  std::vector<const SGridFrame*> removed;
  try {
    removed = games ? gamesToExclude(list->games, list->selected, choice)
                    : playerGamesToExclude(f.collection(), list->selectedPlayers(), choice);
  } catch (const std::bad_alloc&) {
    tellRefusal(kExcludeCaption, kExcludeMemoryText);
    return;
  }
  if (!f.ports().messages->askYesNo(kExcludeCaption, check.question)) return;
  const RemovalOutcome outcome = removeGames(f.collection(), removed);
  afterRemoval(outcome, removed);
}

void CollectionListCommands::afterRemoval(const RemovalOutcome& outcome, const std::vector<const SGridFrame*>& removed) {
  FrameServices& f = frame();
  if (outcome.removed > 0) f.markFileModified();
  if (outcome.currentChanged) {
    f.clearContext();  // the node under the mouse belonged to the game that went
    if (f.ports().window != nullptr) f.ports().window->setTreeTopLine(f.game().treeTopLine);
    f.makeCurrent(f.collection().currentIndex(), true);
  } else {
    f.refreshTitle();
  }
  const auto gone = [&](const SGridFrame* g) { return std::find(removed.begin(), removed.end(), g) != removed.end(); };
  for (ListWindow& list : lists_) {
    if (list.mode == ListMode::Players) {
      refillPlayers(list);
      continue;
    }
    // The game that followed the first one removed is selected, or else the first game.
    const SGridFrame* follower = nullptr;
    bool passedRemoved = false;
    for (std::size_t row = 0; row < list.games.size() && follower == nullptr; ++row) {
      const SGridFrame* g = &list.games.game(row);
      if (gone(g)) passedRemoved = true;
      else if (passedRemoved) follower = g;
    }
    list.games.dropGames(removed);
    list.selected.clear();
    if (list.games.empty()) continue;
    list.selected = {follower != nullptr ? *list.games.rowOf(follower) : 0};
  }
  if (const std::optional<std::string> report = removedCountReport(outcome)) tellReport(kExcludeCaption, *report);
  if (top()->rows() == 0) {
    tellReport(kExcludeCaption, kFinalItemDeletedText);
    closeList();
  }
}

void CollectionListCommands::CmFoldersExport() {
  ListWindow* list = top();
  if (list == nullptr || list->selected.empty()) return;
  FrameServices& f = frame();
  Collection& games = f.collection();
  for (std::size_t i = 0; i < games.size(); ++i) games.game(i).markedForExport = false;
  if (list->mode == ListMode::Games) {
    for (SGridFrame* g : selectedGames()) g->markedForExport = true;
  } else {
    const std::vector<std::string> players = list->selectedPlayers();
    for (std::size_t i = 0; i < games.size(); ++i)
      games.game(i).markedForExport = takesPartIn(games.game(i), players);
  }
  f.saveAs(SaveScope::MarkedGames);
}

// ---- Branch statistics ----

void CollectionListCommands::CmBranchStatistics() {
  FrameServices& f = frame();
  if (f.ports().statistics != nullptr) {
    f.ports().statistics->showBranchStatistics();
    return;
  }
  std::string text;
  for (const StatisticsField& field : branchStatisticsFields(branchStatisticsOf(f.game(), f.collection().store()))) {
    if (!text.empty()) text += "\r\n";
    text += std::string(field.label) + "\t" + field.value;
  }
  tellReport(kBranchStatisticsTitle, text);
}

}  // namespace meridax
