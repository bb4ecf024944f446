#include "app/undo_history.h"

namespace meridax {

std::size_t GameRecord::bytes() const {
  return sizeof(GameRecord) + path.capacity() * sizeof(NodePath::value_type) + (content ? content->bytes() : 0);
}

std::size_t CollectionState::bytes() const {
  std::size_t n = sizeof(CollectionState) + indexes.capacity() * sizeof(std::size_t);
  for (const GameRecord& g : games) n += g.bytes();
  return n;
}

void UndoHistory::setLimits(const UndoLimits& limits) {
  limits_ = limits;
  trim();
}

void UndoHistory::trim() {
  while (!steps_.empty() && (steps_.size() > limits_.steps || (bytes_ > limits_.bytes && steps_.size() > 1))) {
    if (position_ > 0) {
      dropOldest();
    } else {  // only steps to redo are left: the farthest goes
      bytes_ -= steps_.back().bytes;
      steps_.pop_back();
    }
  }
}

void UndoHistory::clear() {
  steps_.clear();
  position_ = 0;
  saved_ = 0;
  bytes_ = 0;
}

void UndoHistory::record(std::string label, CollectionState before) {
  while (steps_.size() > position_) {
    bytes_ -= steps_.back().bytes;
    steps_.pop_back();
  }
  if (saved_ && *saved_ > position_) saved_.reset();
  Step step{std::move(label), std::move(before), 0};
  step.bytes = step.state.bytes() + step.label.capacity();
  bytes_ += step.bytes;
  steps_.push_back(std::move(step));
  ++position_;
  trim();
}

void UndoHistory::dropOldest() {
  bytes_ -= steps_.front().bytes;
  steps_.pop_front();
  if (position_ > 0) --position_;
  // The saved state lay before the dropped step, or after it: its place moves down with the rest.
  if (saved_) saved_ = *saved_ > 0 ? std::optional<std::size_t>(*saved_ - 1) : std::nullopt;
}

std::string UndoHistory::undoLabel() const { return canUndo() ? steps_[position_ - 1].label : std::string(); }
std::string UndoHistory::redoLabel() const { return canRedo() ? steps_[position_].label : std::string(); }

const CollectionState* UndoHistory::undoState() const { return canUndo() ? &steps_[position_ - 1].state : nullptr; }
const CollectionState* UndoHistory::redoState() const { return canRedo() ? &steps_[position_].state : nullptr; }

void UndoHistory::replaceState(Step& step, CollectionState state) {
  bytes_ -= step.bytes;
  step.state = std::move(state);
  step.bytes = step.state.bytes() + step.label.capacity();
  bytes_ += step.bytes;
}

void UndoHistory::steppedBack(CollectionState now) {
  if (!canUndo()) return;
  --position_;
  replaceState(steps_[position_], std::move(now));
}

void UndoHistory::steppedForward(CollectionState now) {
  if (!canRedo()) return;
  replaceState(steps_[position_], std::move(now));
  ++position_;
  // A redone step may have grown past the memory limit: the oldest steps give way, never this one.
  while (bytes_ > limits_.bytes && position_ > 1) dropOldest();
}

}  // namespace meridax
