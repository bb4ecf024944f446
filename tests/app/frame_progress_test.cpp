// Long loads, imports and saves shown through the progress port, and stopped by the person: a cancelled
// load or import leaves the collection and its changes as they were, a cancelled save leaves the file.

#include "app/frame_test_support.h"
#include "sgf/sgf_writer.h"

namespace meridax::testing {
namespace {

// Asks to stop after `allowed` reports (never when negative) of work of the kind `only` (of any kind
// when none is given), and keeps what it was shown.
class StoppingProgress : public ProgressPort {
 public:
  explicit StoppingProgress(int allowed, std::optional<WorkKind> only = std::nullopt) : allowed(allowed), only_(only) {}
  void begin(WorkKind kind, const std::string& file) override {
    kind_ = kind;
    headings.push_back(progressHeading(kind, file));
  }
  bool advance(const WorkProgress& p) override {
    reports.push_back(p);
    if (only_ && kind_ != *only_) return true;
    return allowed < 0 || static_cast<int>(reports.size()) <= allowed;
  }
  void end() override { ++ended; }

  std::vector<std::string> headings;
  std::vector<WorkProgress> reports;
  int ended = 0;
  int allowed;

 private:
  std::optional<WorkKind> only_;
  WorkKind kind_ = WorkKind::Loading;
};

// A collection of `count` small games.
std::string manyGames(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "(;GM[1]FF[4]SZ[9]GN[Game " + std::to_string(i + 1) + "];B[ee];W[cc])\r\n\r\n";
  return text;
}

class FrameProgressTest : public FrameTest {
 protected:
  std::vector<std::string> gameNames() {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < frame().collection().size(); ++i)
      names.push_back(frame().collection().game(i).details[DetailField::GameName]);
    return names;
  }
};

TEST_F(FrameProgressTest, CancelledLoad_LeavesTheChangedCollectionWhichStillSaves) {
  const std::string first = writeFile("games.sgf", kThreeGames);
  const std::string second = writeFile("many.sgf", manyGames(40));
  StoppingProgress stopAfterTwo(-1);
  progress = &stopAfterTwo;
  load(first);
  frame().CmNextGame();
  play(2, 2);
  stopAfterTwo.reports.clear();
  stopAfterTwo.allowed = 2;
  const std::vector<std::string> before = gameNames();

  ports.queueAnswer(Answer::Yes);  // unsaved changes will be lost
  EXPECT_FALSE(frame().files().ReLoad(second));

  EXPECT_EQ(stopAfterTwo.headings.back(), "Loading '" + second + "'");
  EXPECT_EQ(stopAfterTwo.ended, static_cast<int>(stopAfterTwo.headings.size()));
  EXPECT_EQ(gameNames(), before);
  EXPECT_EQ(frame().collection().currentIndex(), 1u);
  EXPECT_EQ(frame().currentFile(), first);
  EXPECT_TRUE(frame().modified());
  // The held text of the first file is intact: its unchanged games are still copied from it.
  stopAfterTwo.allowed = -1;
  ASSERT_TRUE(frame().files().CmSave());
  const std::string saved = readTextFile(first);
  EXPECT_EQ(saved.rfind("(;GM[1]FF[4]SZ[19]EV[Spring cup]PB[Ann]PW[Bob];B[pd];W[dp];B[pp])\r\n\r\n", 0), 0u) << saved;
  EXPECT_NE(saved.find(";B[cc]"), std::string::npos) << saved;
  EXPECT_EQ(saved.find("Game 1"), std::string::npos);
}

TEST_F(FrameProgressTest, CompletedLoad_ReportsEveryGameUpToTheLastByte) {
  const std::string path = writeFile("many.sgf", manyGames(25));
  StoppingProgress never(-1);
  progress = &never;
  load(path);
  EXPECT_EQ(frame().collection().size(), 25u);
  ASSERT_EQ(never.reports.size(), 25u);
  for (std::size_t i = 1; i < never.reports.size(); ++i)
    EXPECT_GT(never.reports[i].bytesDone, never.reports[i - 1].bytesDone);
  EXPECT_EQ(never.reports.back().games, 25u);
  EXPECT_EQ(never.reports.back().bytesTotal, never.reports.back().bytesDone + 4) << "all but the last blank line";
}

TEST_F(FrameProgressTest, CancelledImport_TakesOutEveryGameItBrought) {
  const std::string path = writeFile("games.sgf", kThreeGames);
  const std::string more = writeFile("many.sgf", manyGames(30));
  StoppingProgress stopAfterFive(-1);
  progress = &stopAfterFive;
  load(path);
  stopAfterFive.allowed = 5;
  const std::vector<std::string> before = gameNames();
  ports.queueChoice(more);

  frame().files().CollImport();

  EXPECT_EQ(gameNames(), before);
  EXPECT_EQ(frame().collection().currentIndex(), 0u);
  EXPECT_FALSE(frame().modified());
  EXPECT_EQ(frame().collection().store().validate(), "");
}

TEST_F(FrameProgressTest, CancelledSave_LeavesTheFileAndNoTemporaryFile) {
  const std::string path = writeFile("games.sgf", kThreeGames);
  StoppingProgress stopSaving(0, WorkKind::Saving);
  progress = &stopSaving;
  load(path);
  play(2, 2);

  EXPECT_FALSE(frame().files().CmSave());

  EXPECT_EQ(readTextFile(path), kThreeGames);
  EXPECT_TRUE(frame().modified());
  EXPECT_TRUE(backups().empty());
  EXPECT_EQ(fileNames(dir.path()), (std::vector<std::string>{"appdata", "games.sgf"}));
  EXPECT_EQ(stopSaving.headings.back(), "Saving '" + path + "'");
}

}  // namespace
}  // namespace meridax::testing
