// A few moves against GNU Go itself, where it is installed.

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/engine_session.h"
#include "engine/posix_engine_process.h"
#include "sgf/sgf_test_support.h"

namespace meridax {
namespace {

TEST(GnuGo, AnswersMovesOnTheBoardItWasBroughtTo) {
  const char* program = "/usr/games/gnugo";
  if (!std::filesystem::exists(program)) GTEST_SKIP() << "GNU Go is not installed (" << program << ")";
  PosixEngineProcess process;
  EngineSession session(process);
  std::vector<std::string> faults;
  session.setFaultSink([&](const std::string& why) { faults.push_back(why); });
  ASSERT_EQ(session.attach(EngineEntry{"GNU Go", std::string(program) + " --mode gtp --level 1", ""}, {}),
            std::nullopt);
  session.settle();
  EXPECT_TRUE(session.offers("reg_genmove"));
  EXPECT_TRUE(session.offers("final_status_list"));
  EXPECT_NE(session.engineName().find("GNU Go"), std::string::npos) << session.engineName();

  // White's stone in the corner is in atari; Black takes it.
  testing_support::LoadedText loaded("(;GM[1]SZ[9]KM[5.5];B[ba];W[aa];B[ee])");
  const SGridFrame& g = loaded.game();
  GtpReply synced;
  session.syncTo(g, g.firstNode->next()->next(), [&](const GtpReply& r) { synced = r; });
  std::vector<std::string> answers;
  for (const char* command : {"reg_genmove B", "color A9", "play B A8", "color A9", "genmove W", "final_score"})
    session.send(command, [&](const GtpReply& r) { answers.push_back(r.ok() ? r.text : "?" + r.text); });
  session.settle();
  EXPECT_TRUE(synced.ok()) << synced.text;
  ASSERT_EQ(answers.size(), 6u);
  EXPECT_TRUE(parseGtpMove(answers[0], 9)) << answers[0];
  EXPECT_EQ(answers[1], "white") << "the engine's board is the game's";
  EXPECT_EQ(answers[2], "");
  EXPECT_EQ(answers[3], "empty") << "the capture";
  EXPECT_TRUE(parseGtpMove(answers[4], 9)) << answers[4];
  EXPECT_TRUE(answers[5] == "0" || answers[5].starts_with("B+") || answers[5].starts_with("W+")) << answers[5];
  EXPECT_TRUE(faults.empty());
}

}  // namespace
}  // namespace meridax
