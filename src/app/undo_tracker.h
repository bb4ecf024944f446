#pragma once
// Follows the collection from one action of the person to the next. It keeps every game's content as
// the last action left it, so that when an action changes games the state before the change is at
// hand without having been taken at the start of every action; and it puts a state of the undo history
// back into the collection.
//
// A game's content is taken again only after it changed: a game still as the held file text has it
// costs no text at all, and any other game one write of its text per change.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/undo_history.h"
#include "model/collection.h"
#include "sgf/sgf_reader.h"

namespace meridax {

class UndoTracker {
 public:
  // Forgets the collection: the next sync takes it as it is then, as a state no step leads back from.
  void reset();
  // Before an action: which game is current and where its current node lies.
  void beforeAction(const Collection& collection);
  // After an action (and before one, for changes made outside any action): the state before the games
  // changed, when any game or the order of the games changed since the last sync; else nullopt.
  // Takes the content of every changed game.
  std::optional<CollectionState> sync(const Collection& collection, bool heldTextKept);
  // The state now of the games `like` holds: the same places, or the whole collection.
  CollectionState stateLike(const Collection& collection, const CollectionState& like) const;

  struct Restored {
    bool ok = false;
    std::uint32_t selectedSerial = 0;  // a game read again from the held text with the "XS" mark; 0 for none
  };
  // Puts the collection into the state. Games whose content is already in place stay as they are; the
  // others are read again. When a game cannot be read the collection is left as it was and ok is false.
  Restored restore(Collection& collection, const CollectionState& state, const std::string* heldText,
                   const ReaderSettings& heldSettings);

 private:
  struct Known {
    std::uint32_t serial = 0;
    std::uint64_t tree = 0;
    std::uint64_t details = 0;
    std::uint64_t lines = 0;
    bool treeLoaded = false;
    std::uint8_t flags = 0;
    GameRecord record;
  };
  static Known stamp(const SGridFrame& game, GameRecord record);
  static Known take(const SGridFrame& game, bool heldTextKept);
  static bool contentChanged(const Known& known, const SGridFrame& game);
  static bool stampChanged(const Known& known, const SGridFrame& game);
  bool orderChanged(const Collection& collection) const;
  std::optional<CollectionState> syncOrder(const Collection& collection, bool heldTextKept);
  void takeAll(const Collection& collection, bool heldTextKept);

  std::vector<Known> known_;  // one per game, in collection order
  bool synced_ = false;
  std::size_t currentBefore_ = 0;
};

}  // namespace meridax
