#pragma once
// The Engine menu: a GTP engine attached beside the board. It follows the current node, plays its move
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
  // The process the engine runs in (the window's or the command line's); nullptr: no engine can run.
  void setProcess(EngineProcess* process);

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

  // ---- Menu states ----
  bool attached() const { return session_ != nullptr && session_->attached(); }
  // Attached, the current game one an engine plays, and no analysis under way.
  bool canAsk();
  bool playingAgainst() const { return engineColour_.has_value(); }
  bool analysing() const { return analysis_ != nullptr; }
  // True while the engine has a command to answer.
  bool busy() const { return session_ != nullptr && session_->busy(); }

  // ---- The frame's hooks ----
  // After every action: the engine's board follows the current node, and in a game against it the
  // engine answers when it is its turn.
  void afterAction();
  // The command line and tests: lets time pass until the engine has answered everything asked.
  void settle();
  // The window's timer: checks the time-out of the command under way.
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

  Stamp stampNow();
  bool stillAt(const Stamp& stamp);
  void requestMove();
  void playAnswer(const Stamp& stamp, const std::string& colour, const GtpReply& reply);
  void engineFault(const std::string& why);
  void refused(const std::string& command, const GtpReply& reply);
  void addLog(const std::string& line);
  std::string engineTitle() const;
  void analyseNext();
  void writeAnalysisAnswer(GameNode* move, const GtpReply& reply);
  void writeAnalysis(Analysis& analysis);
  void endAnalysis(const std::string& why);
  void setMarks(EngineMarks marks);
  void showNotice(const std::string& text);

  FrameServices& frame_;
  EngineSettings settings_;
  EngineProcess* process_ = nullptr;
  std::unique_ptr<EngineSession> session_;
  std::optional<Colour> engineColour_;  // playing against the engine: the colour it plays
  bool moveAsked_ = false;
  const GameNode* followed_ = nullptr;  // the node the engine's board was last brought to
  std::uint32_t followedGame_ = 0;
  Stamp marksStamp_;
  EngineMarks marks_;
  std::unique_ptr<Analysis> analysis_;
  std::vector<std::string> log_;
  std::function<void(const std::string&)> logListener_;
};

// "Engine: Q16": the comment analysis writes.
std::string engineChoiceComment(const std::string& vertex);

}  // namespace meridax
