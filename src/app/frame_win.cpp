#include "app/frame_win.h"

#include "app/default_game.h"

#include <cstdlib>
#include "app/settings_io.h"
#include "model/game_tree.h"
#include "model/move_annotations.h"
#include "rules/handicap.h"
#include "rules/move_acceptance.h"
#include "rules/navigation_step.h"
#include "rules/othello_rules.h"
#include "rules/position_at.h"
#include "app/status_texts.h"

namespace meridax {

FrameWin::FrameWin(const FramePorts& ports, ProfilePort& profile, FileSystem& files, AppSettings appSettings,
                   FrameEnvironment environment)
    : ports_(ports),
      profile_(profile),
      files_(files),
      environment_(std::move(environment)),
      frameSettings_(readFrameSettings(profile)),
      appSettings_(std::move(appSettings)),
      recentFiles_(readRecentFiles(profile)) {
  const DefaultGame d = resolveDefaultGame(frameSettings_);
  insertNewGame(d.kind, d.width, d.height, d.rules, 0);
  const char* path = std::getenv("PATH");
  engine_.settings() = readEngineSettings(profile_, path != nullptr ? path : "");
  engine_.setProcessMaker(ports_.engines);
}

FrameWin::~FrameWin() = default;

void FrameWin::notice(const std::string& text) {
  notice_ = text;
  if (ports_.window != nullptr) ports_.window->setStatus(StatusField::SideToMove, text);
}

Redraw changedPanes(const PaneStamp& drawn, const PaneStamp& now) {
  if (drawn.game != now.game) return Redraw::All;
  if (drawn.treeRevision != now.treeRevision || drawn.node != now.node)
    return static_cast<Redraw>(static_cast<int>(Redraw::Board) | static_cast<int>(Redraw::Tree) |
                               static_cast<int>(Redraw::Comment));
  return static_cast<Redraw>(0);
}

PaneStamp FrameWin::paneStamp() {
  const SGridFrame& g = game();
  return PaneStamp{g.serial(), g.treeRevision(), g.currentNode};
}

void FrameWin::beginAction() {
  if (actionDepth_++ > 0) return;
  notice_.reset();
  drawn_ = paneStamp();
  actionLabel_.clear();
  syncUndo("");  // a change made outside any action is a step of its own
  undoTracker_.beforeAction(collection_);
}

void FrameWin::endAction() {
  if (--actionDepth_ > 0) return;
  syncUndo(actionLabel_);
  const PaneStamp now = paneStamp();
  const Redraw changed = changedPanes(drawn_, now);
  drawn_ = now;
  if (ports_.window != nullptr && changed != static_cast<Redraw>(0)) ports_.window->redraw(changed);
  refreshTitle();
  refreshStatus();
  engine_.afterAction();
}

void FrameWin::writeSettings() {
  SGridFrame& g = game();
  rememberCurrentGame(frameSettings_, g.kind(), g.width(), g.height(), g.details[DetailField::Rules]);
  writeFrameSettings(profile_, frameSettings_, *ports_.messages);
  writeEngineSettings(profile_, engine_.settings());
}

std::string FrameWin::title() const {
  const SGridFrame& g = *const_cast<Collection&>(collection_).current();
  return windowTitle(g, workflow_.currentFile(), collection_.currentIndex() + 1, collection_.size());
}

void FrameWin::refreshTitle() {
  if (ports_.window != nullptr) ports_.window->setTitle(title());
}

void FrameWin::markOthelloAvailability() {
  SGridFrame& g = game();
  if (g.kind() != GameKind::Othello) return;
  goToNode(g, g.currentNode);
}

void FrameWin::refreshStatus() {
  if (ports_.window == nullptr) return;
  SGridFrame& g = game();
  std::string side = sideToMoveField(g);
  if (g.kind() == GameKind::Othello && !anyAvailable(currentPosition(g)))
    side = othelloGameOverText(g.blackCounter, g.whiteCounter);
  // The position's annotations follow the side to move, where there is room for them.
  if (const std::string marks = positionAnnotationsText(annotationsOf(g, g.currentNode)); !marks.empty())
    side += "   " + marks;
  ports_.window->setStatus(StatusField::SideToMove, notice_ ? *notice_ : side);
  ports_.window->setStatus(StatusField::Kind, kindField(g));
  ports_.window->setStatus(StatusField::Cursor, cursorField(g, cursorShown()));
  ports_.window->setStatus(StatusField::Move, moveField(g));
}

ReaderSettings FrameWin::readerSettings() {
  ReaderSettings settings;
  settings.convertAWAB = appSettings_.convertAwAb;
  settings.play = playOptions();
  return settings;
}

void FrameWin::refreshAfterGameChange(bool layout) {
  markOthelloAvailability();
  if (ports_.window != nullptr) ports_.window->redraw(layout ? Redraw::All : Redraw::Board);
  refreshTitle();
  refreshStatus();
}

std::size_t FrameWin::insertNewGame(GameKind kind, int width, int height, const std::string& rules, int handicap) {
  const std::size_t at = collection_.createGame(kind, width, height, collection_.empty() ? Collection::npos
                                                                                        : collection_.currentIndex());
  SGridFrame& g = collection_.game(at);
  if (!rules.empty() && g.details[DetailField::Rules].empty()) g.details[DetailField::Rules] = rules;
  if (handicap > 0) placeHandicapStones(g, handicap);
  collection_.setCurrent(at);
  // Every caller gets a playable game, also the start-up game that no command refreshes.
  markOthelloAvailability();
  return at;
}

void FrameWin::clickBoard(int x, int y) {
  const ActionScope action(*this);
  nameAction("Move");
  // The click puts the cursor on its point first, so that the cursor field and the cursor drawn follow play.
  if (cursorShown()) {
    game().cursorX = x;
    game().cursorY = y;
  }
  clickBoardPoint(x, y);
}

void FrameWin::clickBoardPoint(int x, int y) {
  cancelLabelEntry();  // a click disarms the keyboard label entry
  if (engine_.playingAgainst() && engine_.busy()) {
    notice("The engine is thinking");  // in a game against the engine its move comes first
    return;
  }
  SGridFrame& g = game();
  if (g.kind() == GameKind::Othello && !anyAvailable(currentPosition(g))) return;
  PlayContext ctx{g, x, y, false, playOptions(), this};
  BoardPosition pos = currentPosition(g);
  const Colour side = g.currentNode->blackNext() ? Colour::Black : Colour::White;
  try {
    if (Accept_Move(ctx, side, pos) == MoveResult::Accepted && ports_.window != nullptr)
      ports_.window->redraw(static_cast<Redraw>(static_cast<int>(Redraw::Board) | static_cast<int>(Redraw::Tree)));
  } catch (const AppError& e) {
    ports_.messages->tell({e.caption(), e.text(), MessageIcon::Error});
  } catch (...) {
    ports_.messages->tell({"OnLButtonDown()", "Accept_Move().  Unhandled exception - processing aborted",
                           MessageIcon::Error});
  }
}

}  // namespace meridax
