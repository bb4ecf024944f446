// The Engine menu through scripts, against the scripted GTP engine of the engine tests run as a real
// process: what goes into the game, what the engine is told, and how a fault leaves the game.

#include <algorithm>
#include <sstream>

#include "app/app_test_support.h"
#include "app/memory_profile.h"
#include "app/script_runner.h"
#include "app/settings_io.h"
#include "app/scripted_ports.h"
#include "engine/posix_engine_process.h"

namespace meridax::testing {
namespace {

class EngineCommandsTest : public ::testing::Test {
 protected:
  // The engine list of the profile holds the fake engine with these options.
  void engineOptions(const std::string& options) {
    profile.writeInt("Engines", "Count", 1);
    profile.writeString("Engines", "Name 1", "Fake");
    profile.writeString("Engines", "Command 1", std::string(MERIDAX_FAKE_GTP_ENGINE) + " " + options);
  }
  std::string run(const std::string& script) {
    FrameEnvironment environment;
    environment.dataDirectory = dir.file("appdata");
    environment.workingDirectory = dir.path();
    std::ostringstream out;
    const ScriptResult r = runScript(script, ScriptSetup{profile, files, environment, engines}, out);
    EXPECT_EQ(r.status, kScriptOk) << r.error << "\n" << out.str();
    return out.str();
  }
  // The commands the log shows written to the engine, blank-separated.
  static std::string sent(const std::string& transcript) {
    std::string commands;
    std::istringstream in(transcript);
    for (std::string line; std::getline(in, line);)
      if (line.rfind("gtp: >> ", 0) == 0) commands += (commands.empty() ? "" : " | ") + line.substr(8);
    return commands;
  }

  // The game text printed at `at`.
  static std::string sgfAt(const std::string& out, std::size_t at) {
    return out.substr(at, out.find(")\r\n\r\n", at) + 5 - at);
  }

  TempDir dir;
  FailingFileSystem files;
  MemoryProfile profile;
  // A process that leaves the list of those made when it is destroyed.
  struct ListedProcess : PosixEngineProcess {
    explicit ListedProcess(std::vector<PosixEngineProcess*>& list) : list_(list), at_(list.size()) { list.push_back(this); }
    ~ListedProcess() override { list_[at_] = nullptr; }
    std::vector<PosixEngineProcess*>& list_;
    std::size_t at_;
  };
  // Every process made, in order (one for each game an engine is attached to); nullptr once destroyed.
  std::vector<PosixEngineProcess*> made;
  EngineProcessMaker engines = [this]() -> std::unique_ptr<EngineProcess> {
    return std::make_unique<ListedProcess>(made);
  };
  std::string runningProcesses() const {
    std::string running;
    for (const PosixEngineProcess* p : made) running += p != nullptr && p->running() ? '1' : '0';
    return running;
  }
};

constexpr char kNewGame[] = "input Go   9x9\ncmd CmNewGameOfType\n";

TEST_F(EngineCommandsTest, TheEnginesMoveIsOneUndoableMoveAndItsBoardFollowsTheCurrentNode) {
  engineOptions("--moves G3");
  const std::string out = run(std::string(kNewGame) +
                              "cmd CmAttachEngine\n"
                              "play 2 2\n"
                              "cmd CmEngineMove\n"
                              "print node\n"
                              "print status\n"
                              "cmd CmUndo\n"
                              "print node\n"
                              "print gtp\n");
  EXPECT_NE(out.find("node: 2 Wg3\n"), std::string::npos) << out;
  EXPECT_NE(out.find("Fake plays G3\n"), std::string::npos) << out;
  EXPECT_NE(out.find("node: 1 Bc7\n"), std::string::npos) << out;
  EXPECT_EQ(sent(out),
            "name | version | list_commands | boardsize 9 | clear_board | komi 0 | play B C7 | genmove W"
            " | boardsize 9 | clear_board | komi 0 | play B C7")
      << "the engine's own move is not sent back to it; after the undo its board is set up again";
}

TEST_F(EngineCommandsTest, AnEngineThatDiesInTheMiddleOfAMoveLeavesTheGameAsItWasAndCanBeAttachedAgain) {
  engineOptions("--crash-on genmove");
  const std::string out = run(std::string(kNewGame) +
                              "cmd CmAttachEngine\n"
                              "play 2 2\n"
                              "print sgf\n"
                              "cmd CmEngineMove\n"
                              "print sgf\n"
                              "print commands\n"
                              "cmd CmAttachEngine\n"
                              "cmd CmEstimateScore\n"
                              "print status\n");
  const std::size_t first = out.find("sgf: ");
  const std::size_t second = out.find("sgf: ", first + 1);
  ASSERT_NE(second, std::string::npos) << out;
  EXPECT_LT(out.find("[Engine]", first), second) << out;
  EXPECT_EQ(sgfAt(out, first), sgfAt(out, second)) << "the game is written the same before and after";
  EXPECT_NE(out.find("[Engine] The engine \"Fake\" of game 2 stopped: the engine was killed by signal 6 (Aborted).\\n"
                     "The game is as it was. Attach the engine again to go on.\n"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("\n0 CmAttachEngine enabled - &Attach Engine\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\n0 CmEngineMove disabled - &Play the Engine's Move\n"), std::string::npos) << out;
  EXPECT_NE(out.find("Score estimate: B+3.5\n"), std::string::npos) << out;
}

TEST_F(EngineCommandsTest, SuggestionsAndDeadStonesAreMarksOfTheNodeTheyWereAskedAt) {
  engineOptions("--moves E5");
  ScriptedPorts ports;
  FramePorts framePorts = ports.framePorts();
  framePorts.engines = engines;
  FrameWin frame(framePorts, profile, files, readAppSettings(profile), FrameEnvironment{});
  std::ostringstream out;
  auto run = [&](const std::string& script) {
    const ScriptResult r = runScriptOn(frame, ports, script, out);
    EXPECT_EQ(r.status, kScriptOk) << r.error << "\n" << out.str();
  };
  using Points = std::vector<std::pair<int, int>>;
  run(std::string(kNewGame) + "cmd CmAttachEngine\nplay 2 2\ncmd CmSuggestMove\n");
  ASSERT_NE(frame.engine().marks(), nullptr);
  EXPECT_EQ(frame.engine().marks()->suggestion, (std::pair{4, 4}));
  EXPECT_EQ(frame.game().currentNode->moveNumber(), 1u) << "a suggestion is not played";
  run("cmd CmShowDeadStones\n");
  ASSERT_NE(frame.engine().marks(), nullptr);
  EXPECT_EQ(frame.engine().marks()->dead, (Points{{3, 5}, {4, 4}, {5, 3}}));
  EXPECT_FALSE(frame.engine().marks()->suggestion) << "the dead stones take the suggestion's place";
  run("play 6 6\n");
  EXPECT_EQ(frame.engine().marks(), nullptr) << "marks belong to the node they were asked at";
}

TEST_F(EngineCommandsTest, TheMenuOffersWhatTheGameAndTheEngineAllow) {
  engineOptions("");
  struct Case {
    const char* name;
    std::string script;
    const char* enabled;  // of Attach, Detach, Move, Suggest, Against, Score, Dead, Analyse
  };
  const Case cases[] = {
      {"no engine attached", kNewGame, "10000000"},
      {"attached to a Go game", std::string(kNewGame) + "cmd CmAttachEngine\n", "01111111"},
      {"detached again", std::string(kNewGame) + "cmd CmAttachEngine\ncmd CmDetachEngine\n", "10000000"},
      {"attached to an Othello game", "input Othello / Reversi\ncmd CmNewGameOfType\ncmd CmAttachEngine\n", "01000000"},
  };
  const char* names[] = {"CmAttachEngine", "CmDetachEngine",   "CmEngineMove",     "CmSuggestMove",
                         "CmPlayAgainstEngine", "CmEstimateScore", "CmShowDeadStones", "CmAnalyseGame"};
  for (const Case& c : cases) {
    const std::string out = run(c.script + "print commands\n");
    std::string states;
    for (const char* name : names) {
      const std::size_t at = out.find(std::string(" ") + name + " ");
      ASSERT_NE(at, std::string::npos) << name;
      states += out.compare(at + std::string(name).size() + 2, 7, "enabled") == 0 ? '1' : '0';
    }
    EXPECT_EQ(states, c.enabled) << c.name << "\n" << out;
  }
}

// Two games, A then B (B current), each on the frame below, after the start-up game.
constexpr char kTwoGames[] = "input Go   9x9\ncmd CmNewGameOfType\ninput Go   9x9\ncmd CmNewGameOfType\n";
constexpr char kAttachBoth[] = "cmd CmPreviousGame\ncmd CmAttachEngine\ncmd CmNextGame\ncmd CmAttachEngine\n";

TEST_F(EngineCommandsTest, EachGameHasAnEngineOfItsOwnThatGoesWithTheGame) {
  // Estimating the score crashes the engine asked: only that game's engine ends.
  engineOptions("--crash-on final_score");
  writeTextFile(dir.file("other.sgf"), "(;GM[1]FF[4]SZ[9];B[cc])");
  struct Case {
    const char* name;
    std::string script;  // run after kTwoGames
    const char* running;   // of each process made, in order: 1 running, 0 ended
    const char* menu;      // Attach, Detach enabled for the current game
    const char* message;   // a line the run prints; "" none wanted
  };
  const Case cases[] = {
      {"attached to A, B shown", "cmd CmPreviousGame\ncmd CmAttachEngine\ncmd CmNextGame\n", "1", "10", ""},
      {"attached to A and to B", kAttachBoth, "11", "01", ""},
      {"back to A: its own process again", std::string(kAttachBoth) + "cmd CmPreviousGame\n", "11", "01", ""},
      {"detaching B leaves A", std::string(kAttachBoth) + "cmd CmDetachEngine\n", "10", "10", ""},
      {"detaching B then A shown", std::string(kAttachBoth) + "cmd CmDetachEngine\ncmd CmPreviousGame\n", "10", "01",
       ""},
      {"deleting B ends its engine", std::string(kAttachBoth) + "answer yes\ncmd CmCollDelete\n", "10", "01", ""},
      {"a new collection ends both", std::string(kAttachBoth) + "answer yes\ncmd CmCollEmpty\n", "00", "10", ""},
      {"another file ends both", std::string(kAttachBoth) + "answer yes\nload " + dir.file("other.sgf") + "\n", "00", "10", ""},
      {"B's engine crashes, A's runs on", std::string(kAttachBoth) + "cmd CmEstimateScore\n", "10", "10",
       "[Engine] The engine \"Fake\" of game 3 stopped: the engine was killed by signal 6 (Aborted)."},
      {"attached again after the crash", std::string(kAttachBoth) + "cmd CmEstimateScore\ncmd CmAttachEngine\n", "11",
       "01", ""},
  };
  for (const Case& c : cases) {
    made.clear();
    ScriptedPorts ports;
    FramePorts framePorts = ports.framePorts();
    framePorts.engines = engines;
    std::ostringstream out;
    {
      FrameWin frame(framePorts, profile, files, readAppSettings(profile), FrameEnvironment{});
      const ScriptResult r = runScriptOn(frame, ports, std::string(kTwoGames) + c.script, out);
      ASSERT_EQ(r.status, kScriptOk) << c.name << ": " << r.error << "\n" << out.str();
      const std::string running = runningProcesses();
      EXPECT_EQ(running, c.running) << c.name << "\n" << out.str() << ::testing::PrintToString(ports.lines());
      EXPECT_EQ(frame.engine().runningEngines(), static_cast<std::size_t>(std::count(running.begin(), running.end(), '1')))
          << c.name;
      const std::string menu = {frame.engine().attached() ? '0' : '1', frame.engine().attached() ? '1' : '0'};
      EXPECT_EQ(menu, c.menu) << c.name;
      std::string shown = out.str();
      for (const std::string& line : ports.lines()) shown += line + "\n";
      EXPECT_NE(shown.find(c.message), std::string::npos) << c.name << "\n" << shown;
    }
    EXPECT_EQ(runningProcesses().find('1'), std::string::npos) << c.name << ": closing ends every engine";
  }
}

TEST_F(EngineCommandsTest, AMoveForAGameNotShownIsNotPlayedAndIsAskedAgainThere) {
  engineOptions("--moves G3,E5");
  ScriptedPorts ports;
  FramePorts framePorts = ports.framePorts();
  framePorts.engines = engines;
  FrameWin frame(framePorts, profile, files, readAppSettings(profile), FrameEnvironment{});
  std::ostringstream out;
  auto run = [&](const std::string& script) {
    const ScriptResult r = runScriptOn(frame, ports, script, out);
    ASSERT_EQ(r.status, kScriptOk) << r.error << "\n" << out.str();
  };
  // A: the person plays Black against the engine; B has no engine.
  run(std::string(kNewGame) + "cmd CmAttachEngine\ninput Black\ninput 0\ninput 0\ncmd CmPlayAgainstEngine\n" +
      kNewGame + "cmd CmPreviousGame\n");
  SGridFrame& a = frame.game();
  frame.clickBoard(2, 2);  // the engine is asked for its answer, and B is shown before it comes
  ASSERT_TRUE(frame.engine().busy());
  ASSERT_TRUE(frame.runCommand("CmNextGame"));
  SGridFrame& b = frame.game();
  ASSERT_NE(&a, &b);
  frame.engine().settle();
  EXPECT_EQ(a.currentNode->moveNumber(), 1u) << "the move is not played in A while B is shown";
  EXPECT_EQ(b.currentNode, b.firstNode) << "nor in B";
  EXPECT_FALSE(frame.engine().attached()) << "the menu is B's";
  ASSERT_TRUE(frame.runCommand("CmPreviousGame"));
  EXPECT_TRUE(frame.engine().playingAgainst()) << "the game against the engine is A's";
  frame.engine().settle();
  EXPECT_EQ(a.currentNode->moveNumber(), 2u) << "back in A the engine is asked again";
  EXPECT_TRUE(a.currentNode->prev() != nullptr && !a.currentNode->blackMove());
  EXPECT_EQ(made.size(), 1u) << "A keeps its one process";
}

TEST_F(EngineCommandsTest, AgainstTheEngineItAnswersEachMoveWithinTheTimeChosen) {
  engineOptions("--moves G3,pass");
  const std::string out = run(std::string(kNewGame) +
                              "cmd CmAttachEngine\n"
                              "input Black\n"
                              "input 5\n"
                              "input 10\n"
                              "cmd CmPlayAgainstEngine\n"
                              "play 2 2\n"
                              "play 3 3\n"
                              "print sgf\n"
                              "print gtp\n");
  EXPECT_NE(out.find(";B[cc];W[gg];B[dd];W[]"), std::string::npos) << out;
  EXPECT_NE(sent(out).find("komi 0 | time_settings 300 10 1 | play B C7 | genmove W | play B D6 | genmove W"),
            std::string::npos)
      << sent(out);
}

TEST_F(EngineCommandsTest, AnalysisWritesTheEnginesOtherChoicesAsVariationsAndComments) {
  // At move 1 the engine agrees, at move 2 it would play E5, at move 3 pass, at move 4 it agrees.
  engineOptions("--moves C7,E5,pass,pass");
  const std::string game = "(;GM[1]FF[4]SZ[9];B[cc];W[gg];B[ee];W[])";
  writeTextFile(dir.file("game.sgf"), game);
  const std::string out = run("load " + dir.file("game.sgf") +
                              "\n"
                              "cmd CmAttachEngine\n"
                              "cmd CmAnalyseGame\n"
                              "print status\n"
                              "print sgf\n"
                              "print node\n"
                              "cmd CmUndo\n"
                              "print sgf\n"
                              "print gtp\n");
  EXPECT_NE(out.find("4 of 4 moves analysed: 1 variation, 1 comment written\n"), std::string::npos) << out;
  EXPECT_NE(out.find("status3:  Move   4/4\n"), std::string::npos) << "the played line is the current line again";
  const std::size_t first = out.find("sgf: ");
  const std::string analysed = out.substr(first, out.find("node: ", first) - first);
  EXPECT_NE(analysed.find(";B[cc]\r\n(\r\n;W[gg];B[ee]\r\nC[Engine: pass]\r\n\r\n;W[]"), std::string::npos)
      << "the played line stays the first one\n" << analysed;
  EXPECT_NE(analysed.find(")\r\n(\r\n;W[ee]\r\nC[Engine: E5]\r\n)\r\n)"), std::string::npos) << analysed;
  EXPECT_NE(out.find("node: 4 W(p)\n"), std::string::npos) << "the current node stays where it was";
  const std::size_t undone = out.find("sgf: ", first + 1);
  EXPECT_EQ(out.find("Engine:", undone), std::string::npos) << "one undo takes the whole analysis back";
  EXPECT_NE(sent(out).find("reg_genmove B | play B C7 | reg_genmove W | play W G3 | reg_genmove B"), std::string::npos)
      << sent(out);
}

}  // namespace
}  // namespace meridax::testing
