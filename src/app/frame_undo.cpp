// Undo and redo: the frame records a step after every action that changed games or their order, and
// walks the steps back and forth. The changed mark follows the walk: it goes when the walk reaches the
// state last saved, and comes back when it leaves it.

#include "app/frame_win.h"

namespace meridax {

namespace {

constexpr char kUnnamedChange[] = "Change";

std::string menuText(const char* verb, const std::string& label, const char* keys) {
  return label.empty() ? std::string(verb) + "\t" + keys : std::string(verb) + " " + label + "\t" + keys;
}

}  // namespace

void FrameWin::nameAction(const std::string& label) {
  if (actionDepth_ > 0 && actionLabel_.empty()) actionLabel_ = label;
}

void FrameWin::syncUndo(const std::string& label) {
  std::optional<CollectionState> before = undoTracker_.sync(collection_, workflow_.heldText().has_value());
  if (before) {
    undoHistory_.setLimits(UndoLimits{static_cast<std::size_t>(appSettings_.undoSteps), UndoLimits{}.bytes});
    undoHistory_.record(label.empty() ? kUnnamedChange : label, std::move(*before));
  }
  // A change that no step holds (the file marked changed without a game changing) cannot be walked
  // back: the saved state is out of reach.
  if (workflow_.modified() && undoHistory_.atSavedState()) undoHistory_.forgetSaved();
}

void FrameWin::forgetUndoSteps() {
  undoTracker_.reset();
  undoHistory_.clear();
}

void FrameWin::recordSavedState() {
  syncUndo("");
  undoHistory_.markSaved();
}

std::string FrameWin::undoMenuText() const { return menuText("&Undo", undoHistory_.undoLabel(), "Ctrl+Z"); }
std::string FrameWin::redoMenuText() const { return menuText("&Redo", undoHistory_.redoLabel(), "Ctrl+Y"); }

bool FrameWin::restoreUndoState(const CollectionState& state, const char* caption) {
  std::vector<std::uint32_t> serials;  // of the games before: a game read back in its own place keeps its engine
  for (std::size_t i = 0; i < collection_.size(); ++i) serials.push_back(collection_.game(i).serial());
  const UndoTracker::Restored restored =
      undoTracker_.restore(collection_, state, workflow_.heldText() ? &*workflow_.heldText() : nullptr, readerSettings());
  if (restored.ok && serials.size() == collection_.size())
    for (std::size_t i = 0; i < serials.size(); ++i) engine_.gameReplaced(serials[i], collection_.game(i).serial());
  if (!restored.ok) {
    ports_.messages->tell({caption, "A game of this step could not be read back.\nThe games are left as they are.",
                           MessageIcon::Error});
    return false;
  }
  if (restored.selectedSerial != 0) workflow_.setMarkedGame(restored.selectedSerial);
  // Nodes named by the mouse, the search lists and a label being typed belong to games that are gone.
  setContextNode(nullptr);
  discardSearchLists();
  cancelLabelEntry();
  workflow_.openCurrentGame(true);
  return true;
}

void FrameWin::CmUndo() {
  syncUndo("");
  undoTracker_.beforeAction(collection_);
  const CollectionState* target = undoHistory_.undoState();
  if (target == nullptr) return;
  CollectionState now = undoTracker_.stateLike(collection_, *target);
  if (!restoreUndoState(*target, "CmUndo()")) return;
  undoHistory_.steppedBack(std::move(now));
  workflow_.setModified(!undoHistory_.atSavedState());
}

void FrameWin::CmRedo() {
  syncUndo("");
  undoTracker_.beforeAction(collection_);
  const CollectionState* target = undoHistory_.redoState();
  if (target == nullptr) return;
  CollectionState now = undoTracker_.stateLike(collection_, *target);
  if (!restoreUndoState(*target, "CmRedo()")) return;
  undoHistory_.steppedForward(std::move(now));
  workflow_.setModified(!undoHistory_.atSavedState());
}

}  // namespace meridax
