// The GTP session against a scripted engine run as a real process: what is written to the engine, line for
// line, and how each kind of engine fault ends the session.

#include "engine/engine_session.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "engine/posix_engine_process.h"
#include "sgf/sgf_test_support.h"

namespace meridax {
namespace {

std::vector<std::string> linesOf(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class EngineSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    log_ = (std::filesystem::temp_directory_path() / ("fake_gtp_" + std::to_string(::getpid()) + ".log")).string();
    session_.setFaultSink([this](const std::string& why) { faults_.push_back(why); });
  }
  void TearDown() override { std::filesystem::remove(log_); }

  EngineEntry fake(const std::string& options) {
    return EngineEntry{"Fake", std::string(MERIDAX_FAKE_GTP_ENGINE) + " --log " + log_ + " " + options, ""};
  }
  // Attaches and waits for the engine's list of commands.
  void attach(const std::string& options) {
    std::optional<GtpReply> ready;
    ASSERT_EQ(session_.attach(fake(options), [&](const GtpReply& r) { ready = r; }), std::nullopt);
    session_.settle();
    ASSERT_TRUE(ready && ready->ok()) << options;
  }
  GtpReply ask(const std::string& command, std::chrono::milliseconds timeout = kGtpDefaultTimeout) {
    GtpReply reply;
    session_.send(command, [&](const GtpReply& r) { reply = r; }, timeout);
    session_.settle();
    return reply;
  }
  GtpReply sync(const SGridFrame& g, const GameNode* node) {
    GtpReply reply;
    session_.syncTo(g, node, [&](const GtpReply& r) { reply = r; });
    session_.settle();
    return reply;
  }

  std::string log_;
  PosixEngineProcess process_;
  EngineSession session_{process_};
  std::vector<std::string> faults_;
};

TEST_F(EngineSessionTest, WritesEachCommandOnceWithItsOwnIdAndSendsOnlyNewMovesWhenTheLineGoesOn) {
  attach("--moves Q3");
  EXPECT_EQ(session_.engineName(), "Fake Engine 1.0") << "a tab in an answer reads as a blank";
  EXPECT_TRUE(session_.offers("reg_genmove"));
  EXPECT_FALSE(session_.offers("undo"));

  testing_support::LoadedText loaded("(;GM[1]SZ[19]KM[6.5]HA[2]AB[dp][pd];W[qp];B[pq])");
  const SGridFrame& g = loaded.game();
  EXPECT_TRUE(sync(g, g.firstNode->next()).ok());
  EXPECT_TRUE(sync(g, g.firstNode->next()->next()).ok());
  EXPECT_TRUE(sync(g, g.firstNode->next()->next()).ok()) << "nothing new to send";
  EXPECT_TRUE(sync(g, g.firstNode).ok()) << "going back sends the line again";
  const GtpReply move = ask("genmove W");
  EXPECT_TRUE(move.ok());
  EXPECT_EQ(move.text, "Q3");
  session_.detach();
  EXPECT_FALSE(session_.attached());
  std::vector<std::string> lines = linesOf(log_);
  if (lines.size() == 15 && lines.back() == "15 quit") lines.pop_back();  // read or not before the engine ended
  EXPECT_EQ(lines, (std::vector<std::string>{
                               "1 name", "2 version", "3 list_commands",
                               "4 boardsize 19", "5 clear_board", "6 komi 6.5", "7 set_free_handicap Q16 D4",
                               "8 play W R4",
                               "9 play B Q3",
                               "10 boardsize 19", "11 clear_board", "12 komi 6.5", "13 set_free_handicap Q16 D4",
                               "14 genmove W"}));
  EXPECT_TRUE(faults_.empty());
}

TEST_F(EngineSessionTest, ReadsAnswersWithoutIdsWithCarriageReturnsAndInPieces) {
  attach("--no-ids --crlf --bytewise --moves D4 --no-free-handicap");
  EXPECT_FALSE(session_.offers("set_free_handicap"));
  const GtpReply move = ask("genmove B");
  EXPECT_TRUE(move.ok());
  EXPECT_EQ(move.text, "D4");
}

TEST_F(EngineSessionTest, ARefusalIsTheCommandsOwnAndTheSessionGoesOn) {
  attach("--refuse play");
  testing_support::LoadedText loaded("(;GM[1]SZ[9];B[cc];W[dd])");
  const GtpReply reply = sync(loaded.game(), loaded.game().firstNode->next()->next());
  EXPECT_EQ(reply.outcome, GtpOutcome::Failure);
  EXPECT_EQ(reply.text, "illegal move");
  EXPECT_TRUE(session_.attached());
  EXPECT_TRUE(ask("name").ok());
  EXPECT_TRUE(faults_.empty());
}

TEST_F(EngineSessionTest, EveryEngineFaultEndsTheSessionOnceAndTheEngineCanBeAttachedAgain) {
  struct Case {
    const char* options;
    const char* fault;
  };
  const Case cases[] = {
      {"--crash-on genmove", "the engine was killed by signal 6 (Aborted)"},
      {"--exit-on genmove", "the engine exited with status 3"},
      {"--hang-on genmove", "the engine gave no answer to \"genmove B\" within 0.3 seconds"},
      {"--garbage-on genmove", "the engine's answer to \"genmove B\" is not a GTP answer: \"thinking very hard\""},
  };
  for (const Case& c : cases) {
    faults_.clear();
    attach(c.options);
    std::vector<GtpReply> replies;
    session_.send("genmove B", [&](const GtpReply& r) { replies.push_back(r); }, std::chrono::milliseconds(300));
    session_.send("name", [&](const GtpReply& r) { replies.push_back(r); });
    session_.settle();
    ASSERT_EQ(replies.size(), 2u) << c.options;
    for (const GtpReply& r : replies) {
      EXPECT_EQ(r.outcome, GtpOutcome::Fault) << c.options;
      EXPECT_EQ(r.text, c.fault) << c.options;
    }
    EXPECT_EQ(faults_, std::vector<std::string>{c.fault}) << c.options;
    EXPECT_FALSE(session_.attached()) << c.options;
    EXPECT_FALSE(process_.running()) << c.options << ": the engine is not left behind";
    const GtpReply late = ask("name");
    EXPECT_EQ(late.outcome, GtpOutcome::Fault) << c.options << ": nothing is written after the fault";
  }
  attach("");
  EXPECT_TRUE(ask("name").ok());
}

TEST_F(EngineSessionTest, AnEngineThatCannotBeStartedSaysWhy) {
  const std::optional<std::string> missing =
      session_.attach(EngineEntry{"Gone", "/nonexistent/engine --mode gtp", ""}, {});
  EXPECT_EQ(missing, "No such file or directory");
  EXPECT_EQ(session_.attach(EngineEntry{"Folder", MERIDAX_FAKE_GTP_ENGINE, "/nonexistent"}, {}),
            "No such file or directory");
  EXPECT_EQ(session_.attach(EngineEntry{"Quote", "engine 'open", ""}, {}), "its command line names no program");
  EXPECT_FALSE(session_.attached());
  EXPECT_TRUE(faults_.empty());
}

}  // namespace
}  // namespace meridax
