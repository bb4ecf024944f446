// The file workflow alone over a fake frame and a real temporary directory: pasted text adds games after
// the current one or changes nothing; a save as takes the new name and tells the frame the saved state,
// an export or a failed save leaves the unsaved changes marked; a reload brings back what was saved.

#include <cerrno>
#include <filesystem>

#include "app/app_test_support.h"
#include "app/file_workflow.h"
#include "app/groups/fake_frame_services.h"

namespace meridax::testing {
namespace {

constexpr char kTwoGames[] = "(;GM[1]FF[4]SZ[9]GN[One];B[ee])(;GM[1]FF[4]SZ[9]GN[Two];B[cc])";

class FileWorkflowGroupTest : public ::testing::Test {
 protected:
  std::vector<std::string> names() {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < host.collection().size(); ++i)
      out.push_back(host.collection().game(i).details[DetailField::GameName]);
    return out;
  }
  void paste(const std::string& text) {
    host.ports_.queueInput(text);
    workflow.CmCollAddSGF();
  }
  std::size_t filesIn(const std::string& directory) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(directory), {}));
  }

  TempDir dir;
  FailingFileSystem fileSystem;
  RecentFileList recent;
  FakeFrameServices host{"(;GM[1]FF[4]SZ[9]GN[Current])"};
  FileWorkflow workflow{host, fileSystem, recent};
};

struct Paste {
  const char* name;
  const char* text;
  std::vector<std::string> games;  // the collection's game names afterwards
  bool added;
};

class PastedText : public FileWorkflowGroupTest, public ::testing::WithParamInterface<Paste> {};

TEST_P(PastedText, AddsItsGamesAfterTheCurrentOneOrChangesNothing) {
  const Paste& p = GetParam();
  paste(p.text);

  EXPECT_EQ(names(), p.games);
  EXPECT_EQ(host.game().details[DetailField::GameName], "Current");
  EXPECT_EQ(workflow.modified(), p.added);
  EXPECT_EQ(host.gameChangeRefreshes.size(), p.added ? 1u : 0u);
}

const Paste kPastes[] = {
    {"TwoGames", kTwoGames, {"Current", "One", "Two"}, true},
    {"OneGame", "(;GM[1]SZ[9]GN[One])", {"Current", "One"}, true},
    {"NoGame", "no SGF here", {"Current"}, false},
    {"Nothing", "", {"Current"}, false},
};

INSTANTIATE_TEST_SUITE_P(Texts, PastedText, ::testing::ValuesIn(kPastes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileWorkflowGroupTest, SavedAsThenReloaded_TheSameGamesUnderTheNewName) {
  paste(kTwoGames);
  const std::string path = dir.file("saved.sgf");
  host.ports_.queueChoice(path);

  ASSERT_TRUE(workflow.SaveAs(SaveScope::WholeCollection));
  EXPECT_EQ(workflow.currentFile(), path);
  EXPECT_FALSE(workflow.modified());
  EXPECT_EQ(host.savedStates, 1);
  EXPECT_EQ(host.titleRefreshes, 1);

  paste("(;GM[1]SZ[9]GN[Lost])");
  host.ports_.queueAnswer(Answer::Yes);  // unsaved changes will be lost
  ASSERT_TRUE(workflow.ReLoad(path));
  EXPECT_EQ(names(), (std::vector<std::string>{"Current", "One", "Two"}));
  EXPECT_EQ(host.undoResets, 1) << "the steps belonged to the collection that went";
  EXPECT_EQ(recent.entries().front(), path);
  EXPECT_TRUE(workflow.OnClose());  // nothing unsaved: no question
  EXPECT_EQ(host.ports_.unusedAnswers(), 0u);
}

TEST_F(FileWorkflowGroupTest, ExportOfTheCurrentGame_KeepsTheCollectionsChangesAndName) {
  paste(kTwoGames);
  host.ports_.queueChoice(dir.file("export.sgf"));

  workflow.CmExportCurrentGame();

  EXPECT_TRUE(std::filesystem::exists(dir.file("export.sgf")));
  EXPECT_TRUE(workflow.modified());
  EXPECT_EQ(workflow.currentFile(), "");
  EXPECT_EQ(host.savedStates, 0);
}

TEST_F(FileWorkflowGroupTest, SaveAsWhoseRenameFails_ToldNothingLeftBehindChangesKept) {
  paste(kTwoGames);
  fileSystem.failAt(FsOp::Rename, ENOSPC);
  host.ports_.queueChoice(dir.file("full.sgf"));

  EXPECT_FALSE(workflow.SaveAs(SaveScope::WholeCollection));

  EXPECT_EQ(filesIn(dir.path()), 0u) << "neither the target nor the temporary file";
  EXPECT_NE(host.ports_.lines().back().find("SaveAs(): CreateFile()"), std::string::npos) << host.ports_.lines().back();
  EXPECT_TRUE(workflow.modified());
  EXPECT_EQ(workflow.currentFile(), "");
  EXPECT_EQ(host.savedStates, 0);
}

TEST_F(FileWorkflowGroupTest, ReloadOfAMissingFile_RefusedAndTheCollectionKept) {
  paste(kTwoGames);
  host.ports_.queueAnswer(Answer::Yes);
  EXPECT_FALSE(workflow.ReLoad(dir.file("missing.sgf")));
  EXPECT_EQ(names(), (std::vector<std::string>{"Current", "One", "Two"}));
  EXPECT_TRUE(workflow.modified());
  EXPECT_EQ(host.undoResets, 0);
}

}  // namespace
}  // namespace meridax::testing
