#include "app/engine_commands.h"

#include <algorithm>

#include "app/progress_port.h"
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
  session_.reset();
}

void EngineCommands::setProcess(EngineProcess* process) {
  if (process == process_) return;
  session_.reset();
  process_ = process;
}

std::string EngineCommands::engineTitle() const {
  return session_ != nullptr && !session_->entry().name.empty() ? session_->entry().name : std::string("The engine");
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
  if (process_ == nullptr) {
    frame_.tell(kCaption, "Engines cannot be run here.", MessageIcon::Error);
    return;
  }
  if (session_ == nullptr) {
    session_ = std::make_unique<EngineSession>(*process_);
    session_->setLog([this](GtpClient::LogKind kind, const std::string& text) {
      addLog((kind == GtpClient::LogKind::Sent ? ">> " : kind == GtpClient::LogKind::Fault ? "!! " : "") + text);
    });
    session_->setFaultSink([this](const std::string& why) { engineFault(why); });
  }
  followed_ = nullptr;
  engineColour_.reset();
  moveAsked_ = false;
  addLog("-- " + entry->name + ": " + entry->commandLine);
  if (std::optional<std::string> error = session_->attach(*entry, [this](const GtpReply& r) {
        if (r.ok()) showNotice(engineTitle() + " is attached");
      })) {
    frame_.tell(kCaption, "The engine \"" + entry->name + "\" could not be started: " + *error + ".",
                MessageIcon::Error);
    return;
  }
  afterAction();
}

void EngineCommands::CmDetachEngine() {
  if (session_ == nullptr) return;
  if (analysis_) endAnalysis("");
  session_->detach();
  engineColour_.reset();
  moveAsked_ = false;
  setMarks({});
  showNotice(engineTitle() + " is detached");
}

void EngineCommands::engineFault(const std::string& why) {
  moveAsked_ = false;
  engineColour_.reset();
  followed_ = nullptr;
  if (analysis_) endAnalysis("");
  showNotice(engineTitle() + " stopped");
  frame_.tell(kCaption,
              "The engine \"" + engineTitle() + "\" stopped: " + why +
                  ".\nThe game is as it was. Attach the engine again to go on.",
              MessageIcon::Error);
}

void EngineCommands::refused(const std::string& command, const GtpReply& reply) {
  if (reply.outcome == GtpOutcome::Fault) return;  // the fault sink has told it
  frame_.tell(kCaption, engineTitle() + " refused \"" + command + "\": " + reply.text, MessageIcon::Warning);
}

// ---- Following the current node ----

void EngineCommands::afterAction() {
  if (!canAsk()) return;
  SGridFrame& g = frame_.game();
  if (followed_ != g.currentNode || followedGame_ != g.serial()) {
    followed_ = g.currentNode;
    followedGame_ = g.serial();
    session_->syncTo(g, g.currentNode, [this](const GtpReply& r) {
      if (!r.ok() && r.outcome != GtpOutcome::Fault) showNotice(engineTitle() + " cannot follow: " + r.text);
    });
  }
  if (engineColour_ && !moveAsked_ && sideToMove(g) == *engineColour_ && !gameOver(g.currentNode)) requestMove();
}

void EngineCommands::settle() {
  while (session_ != nullptr && session_->busy()) session_->settle();
}

void EngineCommands::tick() {
  if (session_ != nullptr) session_->tick();
}

// ---- The engine's move ----

void EngineCommands::CmEngineMove() {
  if (!canAsk() || moveAsked_) return;
  requestMove();
}

void EngineCommands::requestMove() {
  SGridFrame& g = frame_.game();
  const std::string colour = colourWord(sideToMove(g));
  const Stamp stamp = stampNow();
  moveAsked_ = true;
  followed_ = g.currentNode;
  followedGame_ = g.serial();
  session_->syncTo(g, g.currentNode, [this, stamp, colour](const GtpReply& synced) {
    if (!synced.ok()) {
      moveAsked_ = false;
      refused("play", synced);
      return;
    }
    showNotice(engineTitle() + " is thinking...");
    session_->send("genmove " + colour, [this, stamp, colour](const GtpReply& r) { playAnswer(stamp, colour, r); },
                   kMoveTimeout);
  });
}

void EngineCommands::playAnswer(const Stamp& stamp, const std::string& colour, const GtpReply& reply) {
  moveAsked_ = false;
  if (!reply.ok()) {
    refused("genmove " + colour, reply);
    return;
  }
  SGridFrame& g = frame_.game();
  const std::optional<GtpMove> move = parseGtpMove(reply.text, g.width());
  if (!stillAt(stamp) || !move) {
    // The engine's board holds a move the game does not: it is set up again before the next request.
    session_->forgetBoard();
    followed_ = nullptr;
    if (!move) frame_.tell(kCaption, engineTitle() + " answered \"" + reply.text + "\", which is no move here.",
                           MessageIcon::Warning);
    else showNotice(engineTitle() + "'s move came after the game had changed; it was not played");
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
        session_->forgetBoard();
        frame_.tell(kCaption, engineTitle() + " played " + reply.text + ", which the rules here refuse.",
                    MessageIcon::Warning);
        return;
      }
      session_->noteMovePlayed("play " + colour + " " + gtpVertex(move->x, move->y, g.width()));
    } else if (move->kind == GtpMove::Kind::Pass) {
      addSpecialMove(ctx, SpecialMoveKind::Pass, side, pos);
      session_->noteMovePlayed("play " + colour + " pass");
    } else {
      addSpecialMove(ctx, SpecialMoveKind::Resign, side, pos);
      engineColour_.reset();
    }
  } catch (const AppError& e) {
    session_->forgetBoard();
    frame_.tell(e.caption(), e.text(), MessageIcon::Error);
    return;
  }
  followed_ = g.currentNode;
  followedGame_ = g.serial();
  frame_.redraw(static_cast<Redraw>(static_cast<int>(Redraw::Board) | static_cast<int>(Redraw::Tree)));
  frame_.notice(move->kind == GtpMove::Kind::Resign ? engineTitle() + " resigns"
                                                    : engineTitle() + " plays " + reply.text);
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
  if (!session_->offers("reg_genmove")) {
    frame_.tell(kCaption, engineTitle() + " offers no way to suggest a move without playing it (reg_genmove).");
    return;
  }
  SGridFrame& g = frame_.game();
  const std::string command = "reg_genmove " + colourWord(sideToMove(g));
  const Stamp stamp = stampNow();
  session_->syncTo(g, g.currentNode, [this, stamp, command](const GtpReply& synced) {
    if (!synced.ok()) return refused("play", synced);
    session_->send(command, [this, stamp, command](const GtpReply& r) {
      if (!r.ok()) return refused(command, r);
      if (!stillAt(stamp)) return;
      const std::optional<GtpMove> move = parseGtpMove(r.text, frame_.game().width());
      EngineMarks marks;
      if (move && move->kind == GtpMove::Kind::Point) marks.suggestion = std::pair{move->x, move->y};
      setMarks(std::move(marks));
      showNotice(engineTitle() + " suggests " + r.text);
    }, kMoveTimeout);
  });
}

void EngineCommands::CmEstimateScore() {
  if (!canAsk()) return;
  const std::string command = session_->offers("final_score") || !session_->offers("estimate_score")
                                  ? "final_score" : "estimate_score";
  SGridFrame& g = frame_.game();
  session_->syncTo(g, g.currentNode, [this, command](const GtpReply& synced) {
    if (!synced.ok()) return refused("play", synced);
    session_->send(command, [this, command](const GtpReply& r) {
      if (!r.ok()) return refused(command, r);
      showNotice("Score estimate: " + r.text);
    }, kMoveTimeout);
  });
}

void EngineCommands::CmShowDeadStones() {
  if (!canAsk()) return;
  SGridFrame& g = frame_.game();
  const Stamp stamp = stampNow();
  session_->syncTo(g, g.currentNode, [this, stamp](const GtpReply& synced) {
    if (!synced.ok()) return refused("play", synced);
    session_->send("final_status_list dead", [this, stamp](const GtpReply& r) {
      if (!r.ok()) return refused("final_status_list dead", r);
      if (!stillAt(stamp)) return;
      const std::optional<std::vector<GtpMove>> stones = parseGtpVertexList(r.text, frame_.game().width());
      if (!stones) {
        frame_.tell(kCaption, engineTitle() + " answered \"" + r.text + "\", which names no stones here.",
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
  if (engineColour_) {
    engineColour_.reset();
    showNotice("The game against " + engineTitle() + " is over");
    return;
  }
  if (!canAsk()) return;
  DialogPort* dialogs = frame_.ports().dialogs;
  if (dialogs == nullptr) return;
  const std::optional<int> colour =
      dialogs->chooseFromList("Play Against the Engine", {"Black", "White"}, sideToMove(frame_.game()) == Colour::Black ? 0 : 1);
  if (!colour) return;
  const std::optional<std::pair<int, int>> time = dialogs->askTimeSettings({0, 0});
  if (!time) return;
  engineColour_ = *colour == 0 ? Colour::White : Colour::Black;
  if (session_->offers("time_settings")) {
    const int main = time->first * 60;
    const int byoYomi = time->second;
    session_->send("time_settings " + std::to_string(main) + " " + std::to_string(byoYomi) + " " +
                       std::to_string(byoYomi > 0 ? 1 : 0),
                   [this](const GtpReply& r) { if (!r.ok()) refused("time_settings", r); });
  }
  showNotice("You play " + std::string(*colour == 0 ? "Black" : "White") + " against " + engineTitle());
  afterAction();
}

// ---- Analysis ----

void EngineCommands::CmAnalyseGame() {
  if (!canAsk()) return;
  SGridFrame& g = frame_.game();
  auto analysis = std::make_unique<Analysis>();
  analysis->moves = movesOfLine(g);
  analysis->game = g.serial();
  analysis->revision = g.treeRevision();
  analysis->returnTo = g.currentNode;
  if (analysis->moves.empty()) {
    frame_.tell(kCaption, "The current line has no moves to analyse.");
    return;
  }
  analysis_ = std::move(analysis);
  engineColour_.reset();
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
  const bool regOffered = session_->offers("reg_genmove");
  const std::string command = std::string(regOffered ? "reg_genmove " : "genmove ") + (move->blackMove() ? "B" : "W");
  session_->syncTo(g, move->prev(), [this, move, command, regOffered](const GtpReply& synced) {
    if (!analysis_) return;
    if (!synced.ok()) {
      refused("play", synced);
      if (analysis_) endAnalysis("");
      return;
    }
    session_->send(command, [this, move, command, regOffered](const GtpReply& r) {
      if (!analysis_) return;
      if (!regOffered) session_->forgetBoard();  // genmove played the move on the engine's board
      if (!r.ok()) {
        refused(command, r);
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
