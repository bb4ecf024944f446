#include "app/engine_commands.h"

#include <algorithm>

#include "app/progress_port.h"
#include "model/collection.h"
#include "engine/gtp_protocol.h"
#include "model/app_error.h"
#include "model/node_texts.h"
#include "rules/move_acceptance.h"
#include "rules/position_at.h"

namespace meridax {

namespace {

constexpr char kCaption[] = "Engine";
// A move may take an engine long; the commands that set up its board may not.
constexpr std::chrono::milliseconds kMoveTimeout{120000};
constexpr std::size_t kMostLogLines = 5000;

std::string colourWord(Colour c) { return c == Colour::Black ? "B" : "W"; }
Colour sideToMove(const SGridFrame& g) { return g.currentNode->blackNext() ? Colour::Black : Colour::White; }

// The moves of the current line below the first node, as the engine reads them.
std::vector<GameNode*> movesOfLine(const SGridFrame& g) {
  std::vector<GameNode*> moves;
  for (GameNode* n = g.firstNode->next(); n != nullptr; n = n->next())
    if (n->isPlacement() || n->kind() == SpecialMoveKind::Pass) moves.push_back(n);
  return moves;
}

bool gameOver(const GameNode* n) {
  return n->kind() == SpecialMoveKind::Resign || n->kind() == SpecialMoveKind::Forfeit;
}

}  // namespace

std::string engineChoiceComment(const std::string& vertex) { return "Engine: " + vertex; }

struct EngineCommands::Analysis {
  GameEngine* engine = nullptr;  // the engine of the game analysed
  std::vector<GameNode*> moves;
  std::size_t next = 0;
  std::uint32_t game = 0;
  std::uint64_t revision = 0;  // the tree as it was when the analysis began
  GameNode* returnTo = nullptr;
  struct Choice {
    GameNode* node;    // the move played
    GtpMove move;      // what the engine would have played instead
    std::string text;  // as the engine wrote it
  };
  std::vector<Choice> choices;
  int variations = 0;
  int comments = 0;
};

EngineCommands::EngineCommands(FrameServices& frame) : frame_(frame) {}

EngineCommands::~EngineCommands() {
  analysis_.reset();
  engines_.clear();
}

// ---- The engines of the games ----

EngineCommands::GameEngine* EngineCommands::engineOf(std::uint32_t game) const {
  for (const std::unique_ptr<GameEngine>& e : engines_)
    if (e->game == game) return e.get();
  return nullptr;
}

EngineCommands::GameEngine* EngineCommands::current() const { return engineOf(frame_.game().serial()); }

bool EngineCommands::attached() const {
  const GameEngine* e = current();
  return e != nullptr && e->session->attached();
}

bool EngineCommands::playingAgainst() const {
  const GameEngine* e = current();
  return e != nullptr && e->colour.has_value();
}

bool EngineCommands::busy() const {
  const GameEngine* e = current();
  return e != nullptr && e->session->busy();
}

bool EngineCommands::anyBusy() const {
  return std::any_of(engines_.begin(), engines_.end(), [](const auto& e) { return e->session->busy(); });
}

std::size_t EngineCommands::runningEngines() const {
  return static_cast<std::size_t>(
      std::count_if(engines_.begin(), engines_.end(), [](const auto& e) { return e->session->attached(); }));
}

EngineProcess* EngineCommands::process() const {
  const GameEngine* e = current();
  return e != nullptr && e->session->attached() ? e->process.get() : nullptr;
}

EngineCommands::GameEngine& EngineCommands::makeEngine() {
  auto e = std::make_unique<GameEngine>();
  e->game = frame_.game().serial();
  e->process = makeProcess_();
  e->session = std::make_unique<EngineSession>(*e->process);
  GameEngine* raw = e.get();
  e->session->setLog([this](GtpClient::LogKind kind, const std::string& text) {
    addLog((kind == GtpClient::LogKind::Sent ? ">> " : kind == GtpClient::LogKind::Fault ? "!! " : "") + text);
  });
  e->session->setFaultSink([this, raw](const std::string& why) { engineFault(*raw, why); });
  engines_.push_back(std::move(e));
  return *raw;
}

void EngineCommands::endEnginesOfGamesGone() {
  Collection& games = frame_.collection();
  std::vector<std::uint32_t> open;
  for (std::size_t i = 0; i < games.size(); ++i) open.push_back(games.game(i).serial());
  // Taken out of the list first: ending an analysis is an action, which comes back here.
  std::vector<std::unique_ptr<GameEngine>> gone;
  for (auto it = engines_.begin(); it != engines_.end();) {
    if (std::find(open.begin(), open.end(), (*it)->game) == open.end()) {
      gone.push_back(std::move(*it));
      it = engines_.erase(it);
    } else {
      ++it;
    }
  }
  for (std::unique_ptr<GameEngine>& e : gone) {
    if (analysis_ && analysis_->engine == e.get()) endAnalysis("");
    if (e->session->attached()) addLog("-- " + engineTitle(*e) + " ended with its game");
    e->session->detach();
  }
}

std::string EngineCommands::gameLabel(std::uint32_t game) {
  Collection& games = frame_.collection();
  for (std::size_t i = 0; i < games.size(); ++i) {
    const SGridFrame& g = games.game(i);
    if (g.serial() != game) continue;
    const std::string& name = g.details[DetailField::GameName];
    return "game " + std::to_string(i + 1) + (name.empty() ? "" : " (" + name + ")");
  }
  return "a game no longer open";
}

std::string EngineCommands::engineTitle(const GameEngine& e) {
  return !e.session->entry().name.empty() ? e.session->entry().name : std::string("The engine");
}

void EngineCommands::addLog(const std::string& line) {
  if (log_.size() >= kMostLogLines) log_.erase(log_.begin(), log_.begin() + kMostLogLines / 10);
  log_.push_back(line);
  if (logListener_) logListener_(line);
}

void EngineCommands::showNotice(const std::string& text) {
  frame_.notice(text);
  frame_.refreshStatus();
}

EngineCommands::Stamp EngineCommands::stampNow() {
  SGridFrame& g = frame_.game();
  return Stamp{g.serial(), g.currentNode, g.treeRevision()};
}

bool EngineCommands::stillAt(const Stamp& stamp) {
  const SGridFrame& g = frame_.game();
  return g.serial() == stamp.game && g.currentNode == stamp.node && g.treeRevision() == stamp.revision;
}

bool EngineCommands::canAsk() {
  return attached() && !analysing() && !engineGameFault(frame_.game());
}

// ---- Attaching ----

void EngineCommands::CmAttachEngine() {
  const EngineEntry* entry = settings_.current();
  if (entry == nullptr) {
    frame_.tell(kCaption, "No engine is set up. Add one on the Engines page of the preferences.");
    return;
  }
  if (!makeProcess_) {
    frame_.tell(kCaption, "Engines cannot be run here.", MessageIcon::Error);
    return;
  }
  // A game whose engine stopped starts it again in the same place.
  GameEngine& e = current() != nullptr ? *current() : makeEngine();
  e.followed = nullptr;
  e.colour.reset();
  e.moveAsked = false;
  addLog("-- " + entry->name + " for " + gameLabel(e.game) + ": " + entry->commandLine);
  if (std::optional<std::string> error = e.session->attach(*entry, [this, &e = e](const GtpReply& r) {
        if (r.ok()) showNotice(engineTitle(e) + " is attached to " + gameLabel(e.game));
      })) {
    frame_.tell(kCaption, "The engine \"" + entry->name + "\" could not be started: " + *error + ".",
                MessageIcon::Error);
    return;
  }
  afterAction();
}

void EngineCommands::CmDetachEngine() {
  GameEngine* e = current();
  if (e == nullptr) return;
  if (analysis_ && analysis_->engine == e) endAnalysis("");
  const std::string title = engineTitle(*e);
  // Only this game's engine goes; the others run on.
  std::unique_ptr<GameEngine> gone;
  for (auto it = engines_.begin(); it != engines_.end(); ++it)
    if (it->get() == e) {
      gone = std::move(*it);
      engines_.erase(it);
      break;
    }
  gone->session->detach();
  setMarks({});
  showNotice(title + " is detached");
}

void EngineCommands::engineFault(GameEngine& e, const std::string& why) {
  // The session stays (it is the one reporting); attaching again restarts it.
  e.moveAsked = false;
  e.colour.reset();
  e.followed = nullptr;
  if (analysis_ && analysis_->engine == &e) endAnalysis("");
  const std::string game = gameLabel(e.game);
  showNotice(engineTitle(e) + " of " + game + " stopped");
  frame_.tell(kCaption,
              "The engine \"" + engineTitle(e) + "\" of " + game + " stopped: " + why +
                  ".\nThe game is as it was. Attach the engine again to go on.",
              MessageIcon::Error);
}

void EngineCommands::refused(const GameEngine& e, const std::string& command, const GtpReply& reply) {
  if (reply.outcome == GtpOutcome::Fault) return;  // the fault sink has told it
  frame_.tell(kCaption, engineTitle(e) + " refused \"" + command + "\": " + reply.text, MessageIcon::Warning);
}

// ---- Following the current node ----

void EngineCommands::afterAction() {
  endEnginesOfGamesGone();
  if (!canAsk()) return;
  GameEngine& e = *current();
  SGridFrame& g = frame_.game();
  if (e.followed != g.currentNode) {
    e.followed = g.currentNode;
    e.session->syncTo(g, g.currentNode, [this, &e = e](const GtpReply& r) {
      if (!r.ok() && r.outcome != GtpOutcome::Fault) showNotice(engineTitle(e) + " cannot follow: " + r.text);
    });
  }
  if (e.colour && !e.moveAsked && sideToMove(g) == *e.colour && !gameOver(g.currentNode)) requestMove(e);
}

void EngineCommands::gameReplaced(std::uint32_t from, std::uint32_t to) {
  if (from == to) return;
  if (GameEngine* e = engineOf(from); e != nullptr && engineOf(to) == nullptr) {
    e->game = to;
    e->followed = nullptr;  // the nodes are new; the board itself is sent only where it differs
  }
}

void EngineCommands::settle() {
  // An answer may ask the engine more (or ask another game's engine), so the round goes on until all rest.
  for (bool waited = true; waited;) {
    waited = false;
    for (std::size_t i = 0; i < engines_.size(); ++i)
      if (engines_[i]->session->busy()) {
        engines_[i]->session->settle();
        waited = true;
      }
  }
}

void EngineCommands::tick() {
  for (std::size_t i = 0; i < engines_.size(); ++i) engines_[i]->session->tick();
}

// ---- The engine's move ----

void EngineCommands::CmEngineMove() {
  if (!canAsk() || current()->moveAsked) return;
  requestMove(*current());
}

void EngineCommands::requestMove(GameEngine& e) {
  SGridFrame& g = frame_.game();
  const std::string colour = colourWord(sideToMove(g));
  const Stamp stamp = stampNow();
  e.moveAsked = true;
  e.followed = g.currentNode;
  e.session->syncTo(g, g.currentNode, [this, &e = e, stamp, colour](const GtpReply& synced) {
    if (!synced.ok()) {
      e.moveAsked = false;
      refused(e, "play", synced);
      return;
    }
    if (frame_.game().serial() == e.game) showNotice(engineTitle(e) + " is thinking...");
    e.session->send("genmove " + colour,
                    [this, &e = e, stamp, colour](const GtpReply& r) { playAnswer(e, stamp, colour, r); }, kMoveTimeout);
  });
}

void EngineCommands::playAnswer(GameEngine& e, const Stamp& stamp, const std::string& colour,
                                const GtpReply& reply) {
  e.moveAsked = false;
  if (!reply.ok()) {
    refused(e, "genmove " + colour, reply);
    return;
  }
  SGridFrame& g = frame_.game();
  const std::optional<GtpMove> move = parseGtpMove(reply.text, g.width());
  if (!stillAt(stamp) || !move) {
    // The move is not played, so it can never land in another game or at another node. The engine's board
    // holds it: it is set up again before the next request, and in a game against the engine the move is
    // asked again when its game and node are current.
    e.session->forgetBoard();
    e.followed = nullptr;
    if (!move)
      frame_.tell(kCaption, engineTitle(e) + " answered \"" + reply.text + "\", which is no move here.",
                  MessageIcon::Warning);
    else if (frame_.game().serial() != e.game)
      showNotice(engineTitle(e) + "'s move for " + gameLabel(e.game) + " came while another game was shown; it was not played");
    else
      showNotice(engineTitle(e) + "'s move came after the game had changed; it was not played");
    return;
  }
  const Colour side = colour == "B" ? Colour::Black : Colour::White;
  const ActionScope action(frame_);
  frame_.nameAction("Engine Move");
  PlayContext ctx{g, move->x, move->y, false, frame_.playOptions(), &frame_};
  BoardPosition pos = currentPosition(g);
  try {
    if (move->kind == GtpMove::Kind::Point) {
      if (Accept_Move(ctx, side, pos) != MoveResult::Accepted) {
        e.session->forgetBoard();
        frame_.tell(kCaption, engineTitle(e) + " played " + reply.text + ", which the rules here refuse.",
                    MessageIcon::Warning);
        return;
      }
      e.session->noteMovePlayed("play " + colour + " " + gtpVertex(move->x, move->y, g.width()));
    } else if (move->kind == GtpMove::Kind::Pass) {
      addSpecialMove(ctx, SpecialMoveKind::Pass, side, pos);
      e.session->noteMovePlayed("play " + colour + " pass");
    } else {
      addSpecialMove(ctx, SpecialMoveKind::Resign, side, pos);
      e.colour.reset();
    }
  } catch (const AppError& error) {
    e.session->forgetBoard();
    frame_.tell(error.caption(), error.text(), MessageIcon::Error);
    return;
  }
  e.followed = g.currentNode;
  frame_.redraw(static_cast<Redraw>(static_cast<int>(Redraw::Board) | static_cast<int>(Redraw::Tree)));
  frame_.notice(move->kind == GtpMove::Kind::Resign ? engineTitle(e) + " resigns"
                                                    : engineTitle(e) + " plays " + reply.text);
}

// ---- Questions about the position ----

void EngineCommands::setMarks(EngineMarks marks) {
  marksStamp_ = stampNow();
  marks_ = std::move(marks);
  frame_.redraw(Redraw::Board);
}

const EngineMarks* EngineCommands::marks() {
  if (marks_.dead.empty() && !marks_.suggestion) return nullptr;
  return stillAt(marksStamp_) ? &marks_ : nullptr;
}

void EngineCommands::CmSuggestMove() {
  if (!canAsk()) return;
  GameEngine& e = *current();
  if (!e.session->offers("reg_genmove")) {
    frame_.tell(kCaption, engineTitle(e) + " offers no way to suggest a move without playing it (reg_genmove).");
    return;
  }
  SGridFrame& g = frame_.game();
  const std::string command = "reg_genmove " + colourWord(sideToMove(g));
  const Stamp stamp = stampNow();
  e.session->syncTo(g, g.currentNode, [this, &e = e, stamp, command](const GtpReply& synced) {
    if (!synced.ok()) return refused(e, "play", synced);
    e.session->send(command, [this, &e = e, stamp, command](const GtpReply& r) {
      if (!r.ok()) return refused(e, command, r);
      if (!stillAt(stamp)) return;
      const std::optional<GtpMove> move = parseGtpMove(r.text, frame_.game().width());
      EngineMarks marks;
      if (move && move->kind == GtpMove::Kind::Point) marks.suggestion = std::pair{move->x, move->y};
      setMarks(std::move(marks));
      showNotice(engineTitle(e) + " suggests " + r.text);
    }, kMoveTimeout);
  });
}

void EngineCommands::CmEstimateScore() {
  if (!canAsk()) return;
  GameEngine& e = *current();
  const std::string command = e.session->offers("final_score") || !e.session->offers("estimate_score")
                                  ? "final_score" : "estimate_score";
  SGridFrame& g = frame_.game();
  e.session->syncTo(g, g.currentNode, [this, &e = e, command](const GtpReply& synced) {
    if (!synced.ok()) return refused(e, "play", synced);
    e.session->send(command, [this, &e = e, command](const GtpReply& r) {
      if (!r.ok()) return refused(e, command, r);
      // Asked in another game: said with the game it belongs to.
      const bool here = frame_.game().serial() == e.game;
      showNotice((here ? std::string("Score estimate: ") : "Score estimate of " + gameLabel(e.game) + ": ") + r.text);
    }, kMoveTimeout);
  });
}

void EngineCommands::CmShowDeadStones() {
  if (!canAsk()) return;
  GameEngine& e = *current();
  SGridFrame& g = frame_.game();
  const Stamp stamp = stampNow();
  e.session->syncTo(g, g.currentNode, [this, &e = e, stamp](const GtpReply& synced) {
    if (!synced.ok()) return refused(e, "play", synced);
    e.session->send("final_status_list dead", [this, &e = e, stamp](const GtpReply& r) {
      if (!r.ok()) return refused(e, "final_status_list dead", r);
      if (!stillAt(stamp)) return;
      const std::optional<std::vector<GtpMove>> stones = parseGtpVertexList(r.text, frame_.game().width());
      if (!stones) {
        frame_.tell(kCaption, engineTitle(e) + " answered \"" + r.text + "\", which names no stones here.",
                    MessageIcon::Warning);
        return;
      }
      EngineMarks marks;
      for (const GtpMove& s : *stones) marks.dead.emplace_back(s.x, s.y);
      const std::size_t count = marks.dead.size();
      setMarks(std::move(marks));
      showNotice(count == 0 ? std::string("No dead stones") : std::to_string(count) + " dead stone" +
                                                                 (count == 1 ? "" : "s"));
    }, kMoveTimeout);
  });
}

// ---- Playing against the engine ----

void EngineCommands::CmPlayAgainstEngine() {
  if (GameEngine* on = current(); on != nullptr && on->colour) {
    on->colour.reset();
    showNotice("The game against " + engineTitle(*on) + " is over");
    return;
  }
  if (!canAsk()) return;
  GameEngine& e = *current();
  DialogPort* dialogs = frame_.ports().dialogs;
  if (dialogs == nullptr) return;
  const std::optional<int> colour =
      dialogs->chooseFromList("Play Against the Engine", {"Black", "White"}, sideToMove(frame_.game()) == Colour::Black ? 0 : 1);
  if (!colour) return;
  const std::optional<std::pair<int, int>> time = dialogs->askTimeSettings({0, 0});
  if (!time) return;
  e.colour = *colour == 0 ? Colour::White : Colour::Black;
  if (e.session->offers("time_settings")) {
    const int main = time->first * 60;
    const int byoYomi = time->second;
    e.session->send("time_settings " + std::to_string(main) + " " + std::to_string(byoYomi) + " " +
                       std::to_string(byoYomi > 0 ? 1 : 0),
                   [this, &e = e](const GtpReply& r) { if (!r.ok()) refused(e, "time_settings", r); });
  }
  showNotice("You play " + std::string(*colour == 0 ? "Black" : "White") + " against " + engineTitle(e));
  afterAction();
}

// ---- Analysis ----

void EngineCommands::CmAnalyseGame() {
  if (!canAsk()) return;
  SGridFrame& g = frame_.game();
  auto analysis = std::make_unique<Analysis>();
  analysis->engine = current();
  analysis->moves = movesOfLine(g);
  analysis->game = g.serial();
  analysis->revision = g.treeRevision();
  analysis->returnTo = g.currentNode;
  if (analysis->moves.empty()) {
    frame_.tell(kCaption, "The current line has no moves to analyse.");
    return;
  }
  analysis_ = std::move(analysis);
  analysis_->engine->colour.reset();
  if (ProgressPort* progress = frame_.ports().progress) {
    const std::string& name = g.details[DetailField::GameName];
    progress->begin(WorkKind::Analysing, name.empty() ? frame_.currentFile() : name);
  }
  analyseNext();
}

void EngineCommands::analyseNext() {
  Analysis& a = *analysis_;
  SGridFrame& g = frame_.game();
  if (g.serial() != a.game || g.treeRevision() != a.revision) {
    endAnalysis("");
    return;
  }
  if (a.next == a.moves.size()) {
    endAnalysis("");
    return;
  }
  GameNode* move = a.moves[a.next];
  GameEngine& e = *a.engine;
  const bool regOffered = e.session->offers("reg_genmove");
  const std::string command = std::string(regOffered ? "reg_genmove " : "genmove ") + (move->blackMove() ? "B" : "W");
  e.session->syncTo(g, move->prev(), [this, &e = e, move, command, regOffered](const GtpReply& synced) {
    if (!analysis_) return;
    if (!synced.ok()) {
      refused(e, "play", synced);
      if (analysis_) endAnalysis("");
      return;
    }
    e.session->send(command, [this, &e = e, move, command, regOffered](const GtpReply& r) {
      if (!analysis_) return;
      if (!regOffered) e.session->forgetBoard();  // genmove played the move on the engine's board
      if (!r.ok()) {
        refused(e, command, r);
        if (analysis_) endAnalysis("");
        return;
      }
      writeAnalysisAnswer(move, r);
      Analysis& a = *analysis_;
      ++a.next;
      WorkProgress progress;
      progress.games = a.next;
      progress.gamesTotal = a.moves.size();
      if (ProgressPort* port = frame_.ports().progress; port != nullptr && !port->advance(progress)) {
        endAnalysis("");
        return;
      }
      analyseNext();
    }, kMoveTimeout);
  });
}

void EngineCommands::writeAnalysisAnswer(GameNode* move, const GtpReply& reply) {
  const SGridFrame& g = frame_.game();
  const std::optional<GtpMove> choice = parseGtpMove(reply.text, g.width());
  if (!choice) return;
  const int x = static_cast<int>(move->point()) % g.width();
  const int y = static_cast<int>(move->point()) / g.width();
  const bool same = choice->kind == GtpMove::Kind::Point ? move->isPlacement() && choice->x == x && choice->y == y
                                                         : choice->kind == GtpMove::Kind::Pass && !move->isPlacement();
  if (!same) analysis_->choices.push_back({move, *choice, reply.text});
}

void EngineCommands::writeAnalysis(Analysis& a) {
  SGridFrame& g = frame_.game();
  for (const Analysis::Choice& c : a.choices) {
    if (c.move.kind != GtpMove::Kind::Point) {
      const std::string& old = commentOf(g, c.node);
      setComment(g, c.node, old.empty() ? engineChoiceComment(c.text) : old + "\r\n" + engineChoiceComment(c.text));
      ++a.comments;
      continue;
    }
    // The engine's choice becomes a side line below the move before; the current line stays as it was.
    frame_.jumpToLineOf(c.node->prev());
    PlayContext ctx{g, c.move.x, c.move.y, false, frame_.playOptions(), &frame_};
    BoardPosition pos = currentPosition(g);
    if (Accept_Move(ctx, c.node->blackMove() ? Colour::Black : Colour::White, pos) == MoveResult::Accepted &&
        g.currentNode != c.node) {
      if (commentOf(g, g.currentNode).empty())
        setComment(g, g.currentNode, engineChoiceComment(gtpVertex(c.move.x, c.move.y, g.width())));
      ++a.variations;
    }
  }
  frame_.jumpToLineOf(a.returnTo);
  if (!a.choices.empty()) {
    g.markTreeChanged();
    frame_.markFileModified();
  }
}

void EngineCommands::endAnalysis(const std::string& why) {
  std::unique_ptr<Analysis> a = std::move(analysis_);
  if (ProgressPort* progress = frame_.ports().progress) progress->end();
  const bool unchanged = frame_.game().serial() == a->game && frame_.game().treeRevision() == a->revision;
  // What the analysis found is written at its end, as one step to undo.
  const ActionScope action(frame_);
  frame_.nameAction("Analyse the Game");
  if (!unchanged) {
    frame_.tell(kCaption, "The game changed during the analysis, which stopped there; nothing was written.");
    return;
  }
  try {
    writeAnalysis(*a);
  } catch (const AppError& e) {
    frame_.tell(e.caption(), e.text(), MessageIcon::Error);
  }
  if (!why.empty()) frame_.tell(kCaption, why);
  frame_.notice(std::to_string(a->next) + " of " + std::to_string(a->moves.size()) + " moves analysed: " +
                std::to_string(a->variations) + " variation" + (a->variations == 1 ? "" : "s") + ", " +
                std::to_string(a->comments) + " comment" + (a->comments == 1 ? "" : "s") + " written");
}

}  // namespace meridax
