#pragma once
// The steps that undo and redo walk: each step keeps the state of the games it touched on the side it
// does not show (before the change while it can be undone, after it while it can be redone), with the
// action's name for the menus. Bounded by a number of steps and by the memory the states take; knows
// where the last save stands, so that walking back to it clears the changed mark.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "edit/game_snapshot.h"

namespace meridax {

// One game as a state holds it: its content, shared with every state that holds the same content, and
// where it was being looked at.
struct GameRecord {
  std::shared_ptr<const GameContent> content;
  NodePath path;  // to the current node
  int cursorX = 0;
  int cursorY = 0;
  std::uint16_t treeTopLine = 0;

  std::size_t bytes() const;
};

// The games a step touched: every game of the collection in order when it changed their number or
// order, else the games at `indexes` only.
struct CollectionState {
  bool wholeCollection = false;
  std::vector<std::size_t> indexes;  // with !wholeCollection: the place of each of `games`
  std::vector<GameRecord> games;
  std::size_t currentIndex = 0;

  std::size_t bytes() const;
};

struct UndoLimits {
  std::size_t steps = 200;                   // "Undo Steps"; 0 keeps none
  std::size_t bytes = 256u * 1024u * 1024u;  // the newest step is kept even when it alone takes more
};

class UndoHistory {
 public:
  void setLimits(const UndoLimits& limits);
  const UndoLimits& limits() const { return limits_; }

  // Forgets every step; the state now counts as the saved one.
  void clear();
  // A change was made; `before` is the state of the games it touched before it. Steps that could be
  // redone are dropped, and the oldest steps while the limits are passed.
  void record(std::string label, CollectionState before);

  bool canUndo() const { return position_ > 0; }
  bool canRedo() const { return position_ < steps_.size(); }
  // The name of the action the next undo (redo) takes back (does again); empty when there is none.
  std::string undoLabel() const;
  std::string redoLabel() const;
  // The state the next undo (redo) gives back; nullptr when there is none.
  const CollectionState* undoState() const;
  const CollectionState* redoState() const;
  // After the collection was put into undoState() (redoState()): the step keeps `now`, the state the
  // step left, so that it can be done again (taken back again).
  void steppedBack(CollectionState now);
  void steppedForward(CollectionState now);

  // The collection was saved (or loaded): the state now is the saved one.
  void markSaved() { saved_ = position_; }
  // The collection changed in a way no step holds: no walk leads back to the saved state any more.
  void forgetSaved() { saved_.reset(); }
  bool atSavedState() const { return saved_ == position_; }

  std::size_t size() const { return steps_.size(); }
  std::size_t bytes() const { return bytes_; }

 private:
  struct Step {
    std::string label;
    CollectionState state;
    std::size_t bytes = 0;
  };
  void replaceState(Step& step, CollectionState state);
  void trim();
  void dropOldest();

  UndoLimits limits_;
  std::deque<Step> steps_;  // [0, position_) can be undone, [position_, size) redone
  std::size_t position_ = 0;
  std::optional<std::size_t> saved_ = 0;
  std::size_t bytes_ = 0;
};

}  // namespace meridax
