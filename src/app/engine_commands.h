#pragma once
// The Engine menu: a GTP engine attached beside the board, one process for each game it is attached to.
// The engine of the current game follows the current node; the engines of the other games keep their
// boards where they were until their game is current again, and go with their game when it is deleted,
// another file is opened or the window closes. An engine plays its move
// into the game through the same road as a click on the board (one undo step), suggests a move without
// playing it, answers each move in a game against it, estimates the score, marks dead stones, and analyses
// the current line move by move. Every request is asynchronous: the window goes on while the engine
// thinks, and the command line lets time pass after each script line (settle). A fault of the engine gives
// one message, leaves the game as it was, and the engine can be attached again.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/engine_settings.h"
#include "app/frame_services.h"
#include "engine/engine_session.h"

namespace meridax {

class ProgressPort;

// What the board draws for the engine: a suggested move and dead stones, each for the node it was asked at.
struct EngineMarks {
  std::optional<std::pair<int, int>> suggestion;
  std::vector<std::pair<int, int>> dead;
};

class EngineCommands {
 public:
  explicit EngineCommands(FrameServices& frame);
  ~EngineCommands();
  EngineCommands(const EngineCommands&) = delete;
  EngineCommands& operator=(const EngineCommands&) = delete;

  EngineSettings& settings() { return settings_; }
  // Makes the process of each engine attached (the window's or the command line's); empty: none can run.
  void setProcessMaker(EngineProcessMaker maker) { makeProcess_ = std::move(maker); }

  // ---- The commands ----
  void CmAttachEngine();
  void CmDetachEngine();
  void CmEngineMove();
  void CmSuggestMove();
  // On: asks the person's colour and the time, and the engine answers each move; on again: off.
  void CmPlayAgainstEngine();
  void CmEstimateScore();
  void CmShowDeadStones();
  void CmAnalyseGame();

  // ---- Menu states: those of the current game's engine ----
  bool attached() const;
  // Attached, the current game one an engine plays, and no analysis under way.
  bool canAsk();
  bool playingAgainst() const;
  bool analysing() const { return analysis_ != nullptr; }
  // True while the current game's engine has a command to answer.
  bool busy() const;
  // True while the engine of any game has a command to answer.
  bool anyBusy() const;
  // How many games have an engine running.
  std::size_t runningEngines() const;
  // The process of the current game's engine; nullptr when it has none.
  EngineProcess* process() const;

  // ---- The frame's hooks ----
  // After every action: the engines of games that are gone are ended, the current game's engine board
  // follows the current node, and in a game against it the engine answers when it is its turn.
  void afterAction();
  // The game `from` was read back as `to` in its place (undo, redo): its engine goes on with it.
  void gameReplaced(std::uint32_t from, std::uint32_t to);
  // The command line and tests: lets time pass until every engine has answered everything asked.
  void settle();
  // The window's timer: checks the time-out of each engine's command under way.
  void tick();

  // The marks to draw on the current node; nullptr when there are none.
  const EngineMarks* marks();
  // The GTP log: commands sent (">> "), answers (""), faults ("!! "), oldest first.
  const std::vector<std::string>& log() const { return log_; }
  void setLogListener(std::function<void(const std::string&)> listener) { logListener_ = std::move(listener); }

 private:
  struct Analysis;
  // Where a request was made: its answer is used only while the game is still there.
  struct Stamp {
    std::uint32_t game = 0;
    const GameNode* node = nullptr;
    std::uint64_t revision = 0;
  };

  // The engine of one game: its process, its session and its game against the person.
  struct GameEngine {
    std::uint32_t game = 0;  // the serial of its game
    std::unique_ptr<EngineProcess> process;
    std::unique_ptr<EngineSession> session;  // declared after the process it uses, so it goes first
    std::optional<Colour> colour;            // playing against the engine: the colour it plays
    bool moveAsked = false;
    const GameNode* followed = nullptr;  // the node the engine's board was last brought to
  };

  GameEngine* engineOf(std::uint32_t game) const;
  GameEngine* current() const;
  GameEngine& makeEngine();
  void endEnginesOfGamesGone();
  // "game 2" or "game 2 (Kisei)": the game an engine belongs to, for its messages.
  std::string gameLabel(std::uint32_t game);
  Stamp stampNow();
  bool stillAt(const Stamp& stamp);
  void requestMove(GameEngine& e);
  void playAnswer(GameEngine& e, const Stamp& stamp, const std::string& colour, const GtpReply& reply);
  void engineFault(GameEngine& e, const std::string& why);
  void refused(const GameEngine& e, const std::string& command, const GtpReply& reply);
  void addLog(const std::string& line);
  static std::string engineTitle(const GameEngine& e);
  void analyseNext();
  void writeAnalysisAnswer(GameNode* move, const GtpReply& reply);
  void writeAnalysis(Analysis& analysis);
  void endAnalysis(const std::string& why);
  void setMarks(EngineMarks marks);
  void showNotice(const std::string& text);

  FrameServices& frame_;
  EngineSettings settings_;
  EngineProcessMaker makeProcess_;
  std::vector<std::unique_ptr<GameEngine>> engines_;
  Stamp marksStamp_;
  EngineMarks marks_;
  std::unique_ptr<Analysis> analysis_;
  std::vector<std::string> log_;
  std::function<void(const std::string&)> logListener_;
};

// "Engine: Q16": the comment analysis writes.
std::string engineChoiceComment(const std::string& vertex);

}  // namespace meridax
