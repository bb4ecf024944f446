#include "app/undo_tracker.h"

#include <unordered_map>

#include "edit/navigation.h"
#include "rules/navigation_step.h"

namespace meridax {

namespace {

GameRecord recordOf(const SGridFrame& game, std::shared_ptr<const GameContent> content) {
  GameRecord r;
  r.content = std::move(content);
  r.path = pathTo(game, game.currentNode);
  r.cursorX = game.cursorX;
  r.cursorY = game.cursorY;
  r.treeTopLine = game.treeTopLine;
  return r;
}

// Brings the game to the record's node, cursor and tree scroll.
void lookAsRecorded(SGridFrame& game, const GameRecord& record) {
  if (game.treeLoaded && pathTo(game, game.currentNode) != record.path) {
    GameNode* node = nodeAtPath(game, record.path);
    if (node != nullptr) {
      selectLineOf(game, node);
      goToNode(game, node);
    }
  }
  game.cursorX = record.cursorX;
  game.cursorY = record.cursorY;
  game.treeTopLine = record.treeTopLine;
}

}  // namespace

void UndoTracker::reset() {
  known_.clear();
  synced_ = false;
}

UndoTracker::Known UndoTracker::stamp(const SGridFrame& game, GameRecord record) {
  Known k;
  k.serial = game.serial();
  k.tree = game.treeRevision();
  k.details = game.detailsRevision();
  k.lines = game.lineRevision();
  k.treeLoaded = game.treeLoaded;
  k.flags = game.flags;
  k.record = std::move(record);
  return k;
}

UndoTracker::Known UndoTracker::take(const SGridFrame& game, bool heldTextKept) {
  return stamp(game, recordOf(game, captureGame(game, heldTextKept)));
}

bool UndoTracker::contentChanged(const Known& known, const SGridFrame& game) {
  if (game.detailsRevision() != known.details) return true;
  if (game.treeRevision() == known.tree) return false;
  // Building a game's tree from the held text counts as growth of the tree, but changes nothing.
  const bool built = !known.treeLoaded && game.treeLoaded;
  const bool markedChanged = ((game.flags ^ known.flags) & game_flag::kTreeChanged) != 0;
  return !built || markedChanged;
}

bool UndoTracker::stampChanged(const Known& known, const SGridFrame& game) {
  return game.treeRevision() != known.tree || game.detailsRevision() != known.details ||
         game.lineRevision() != known.lines || game.treeLoaded != known.treeLoaded;
}

bool UndoTracker::orderChanged(const Collection& collection) const {
  if (known_.size() != collection.size()) return true;
  for (std::size_t i = 0; i < known_.size(); ++i)
    if (known_[i].serial != collection.game(i).serial()) return true;
  return false;
}

void UndoTracker::takeAll(const Collection& collection, bool heldTextKept) {
  known_.clear();
  known_.reserve(collection.size());
  for (std::size_t i = 0; i < collection.size(); ++i) known_.push_back(take(collection.game(i), heldTextKept));
  synced_ = true;
}

void UndoTracker::beforeAction(const Collection& collection) {
  currentBefore_ = collection.currentIndex();
  if (!synced_ || currentBefore_ >= known_.size()) return;
  const SGridFrame& game = collection.game(currentBefore_);
  Known& k = known_[currentBefore_];
  if (k.serial != game.serial()) return;
  k.record.path = pathTo(game, game.currentNode);
  k.record.cursorX = game.cursorX;
  k.record.cursorY = game.cursorY;
  k.record.treeTopLine = game.treeTopLine;
}

std::optional<CollectionState> UndoTracker::sync(const Collection& collection, bool heldTextKept) {
  if (!synced_) {
    takeAll(collection, heldTextKept);
    return std::nullopt;
  }
  if (orderChanged(collection)) return syncOrder(collection, heldTextKept);
  CollectionState before;
  before.currentIndex = currentBefore_;
  for (std::size_t i = 0; i < known_.size(); ++i) {
    const SGridFrame& game = collection.game(i);
    if (!stampChanged(known_[i], game)) continue;
    if (contentChanged(known_[i], game)) {
      before.indexes.push_back(i);
      before.games.push_back(known_[i].record);
    }
    known_[i] = take(game, heldTextKept);
  }
  if (before.games.empty()) return std::nullopt;
  return before;
}

std::optional<CollectionState> UndoTracker::syncOrder(const Collection& collection, bool heldTextKept) {
  CollectionState before;
  before.wholeCollection = true;
  before.currentIndex = currentBefore_;
  std::unordered_map<std::uint32_t, std::size_t> bySerial;
  bySerial.reserve(known_.size());
  for (std::size_t i = 0; i < known_.size(); ++i) {
    before.games.push_back(known_[i].record);
    bySerial.emplace(known_[i].serial, i);
  }
  std::vector<Known> now;
  now.reserve(collection.size());
  for (std::size_t i = 0; i < collection.size(); ++i) {
    const SGridFrame& game = collection.game(i);
    const auto found = bySerial.find(game.serial());
    const bool same = found != bySerial.end() && !stampChanged(known_[found->second], game);
    now.push_back(same ? known_[found->second] : take(game, heldTextKept));
  }
  known_ = std::move(now);
  return before;
}

CollectionState UndoTracker::stateLike(const Collection& collection, const CollectionState& like) const {
  CollectionState now;
  now.wholeCollection = like.wholeCollection;
  now.currentIndex = collection.currentIndex();
  if (like.wholeCollection) {
    for (const Known& k : known_) now.games.push_back(k.record);
    return now;
  }
  now.indexes = like.indexes;
  for (const std::size_t i : like.indexes) now.games.push_back(known_[i].record);
  return now;
}

UndoTracker::Restored UndoTracker::restore(Collection& collection, const CollectionState& state,
                                           const std::string* heldText, const ReaderSettings& heldSettings) {
  Restored result;
  if (!synced_ || known_.size() != collection.size()) return result;
  // Which live game already holds each record's content; the others are read again first, so that a
  // game that cannot be read leaves everything as it was.
  std::unordered_map<const GameContent*, std::size_t> live;
  for (std::size_t i = 0; i < known_.size(); ++i) live.emplace(known_[i].record.content.get(), i);
  const std::size_t count = state.games.size();
  std::vector<std::size_t> reuse(count, Collection::npos);
  std::vector<std::unique_ptr<SGridFrame>> rebuilt(count);
  SErrorList errors;
  for (std::size_t r = 0; r < count; ++r) {
    const GameRecord& record = state.games[r];
    if (record.content == nullptr) return result;
    const auto found = live.find(record.content.get());
    const std::size_t place = state.wholeCollection ? r : state.indexes[r];
    if (found != live.end() && (state.wholeCollection || found->second == place)) {
      reuse[r] = found->second;
      live.erase(found);  // a content serves one game
      continue;
    }
    const bool withTree = place == state.currentIndex || !record.path.empty();
    RebuiltGame game = rebuildGame(collection, *record.content, heldText, heldSettings, withTree, errors);
    if (game.game == nullptr) return result;
    if (game.selectedMark) result.selectedSerial = game.game->serial();
    rebuilt[r] = std::move(game.game);
  }

  std::vector<std::unique_ptr<SGridFrame>> former;
  if (state.wholeCollection) {
    former.resize(collection.size());
    for (std::size_t i = collection.size(); i-- > 0;) former[i] = collection.takeGame(i);
    std::vector<Known> now;
    for (std::size_t r = 0; r < count; ++r) {
      std::unique_ptr<SGridFrame> game = reuse[r] != Collection::npos ? std::move(former[reuse[r]]) : std::move(rebuilt[r]);
      collection.insertGame(std::move(game), Collection::npos);
    }
  } else {
    for (std::size_t r = 0; r < count; ++r)
      if (rebuilt[r] != nullptr) former.push_back(collection.replaceGame(state.indexes[r], std::move(rebuilt[r])));
  }
  collection.setCurrent(state.currentIndex);

  if (state.wholeCollection) known_.resize(count);
  for (std::size_t r = 0; r < count; ++r) {
    const std::size_t place = state.wholeCollection ? r : state.indexes[r];
    SGridFrame& game = collection.game(place);
    lookAsRecorded(game, state.games[r]);
    known_[place] = stamp(game, state.games[r]);
  }
  currentBefore_ = collection.currentIndex();
  result.ok = true;
  return result;
}

}  // namespace meridax
