// Undo and redo through the frame's commands: every kind of change taken back and done again gives the
// same games (their text, their current node and the current game), the changed mark follows the walk
// to and from the saved state, and the steps are bounded by "Undo Steps".

#include <algorithm>
#include <filesystem>

#include "app/frame_test_support.h"
#include "edit/game_snapshot.h"
#include "model/game_tree.h"
#include "sgf/sgf_writer.h"

namespace meridax::testing {
namespace {

// Three games: the first with a side line, a comment, a node name and properties the reader keeps
// unread (a view that flips and rotate move); the others are read only as far as their roots at load time.
constexpr char kGames[] =
    "(;GM[1]FF[4]SZ[9]PB[Ann]PW[Bob]TM[300]XZ[root];B[cc]C[first]BL[290];W[gg]VW[aa:cc](;B[cg];W[gc])"
    "(;B[gc]N[side]XZ[side];W[cg]))\r\n\r\n"
    "(;GM[1]FF[4]SZ[9]GN[Second];B[ee];W[dd])\r\n\r\n"
    "(;GM[1]FF[4]SZ[9]EV[Third]OT[3x30];B[ef]WL[12])";

using Change = void (*)(FrameWin&, ScriptedPorts&);

void run(FrameWin& f, const char* name) { ASSERT_TRUE(f.runCommand(name)) << name; }
void yes(ScriptedPorts& p) { for (int i = 0; i < 3; ++i) p.queueAnswer(Answer::Yes); }

void openList(FrameWin& f, std::vector<std::size_t> rows) {
  run(f, "CmCollectionList");
  f.lists().selectListRows(std::move(rows));
}

void nothing(FrameWin&, ScriptedPorts&) {}
void toSecondMove(FrameWin& f, ScriptedPorts&) {
  run(f, "CmStartPosition");
  for (int i = 0; i < 2; ++i) run(f, "CmNextMove");
}
void toThirdMove(FrameWin& f, ScriptedPorts& p) {
  toSecondMove(f, p);
  run(f, "CmNextMove");
}
// Into the side line, whose first move becomes the continuation of its branching node.
void toSideLine(FrameWin& f, ScriptedPorts&) {
  SGridFrame& g = f.game();
  f.navigation().treeClick(g.variations.linesBelow(g.firstNode->next()->next()).front()->head->next(), TreeClick::MoveBox);
}

struct UndoCase {
  const char* name;
  Change change;
  Change setup = nothing;  // before the state the undo must give back
};

const UndoCase kCases[] = {
    {"Move", [](FrameWin& f, ScriptedPorts&) { f.clickBoard(4, 4); }},
    // B[gc] is the first move of the side line, which becomes the continuation.
    {"MoveIntoExistingSideLine", [](FrameWin& f, ScriptedPorts&) { f.clickBoard(6, 2); }, toSecondMove},
    {"MoveInSideLine", [](FrameWin& f, ScriptedPorts&) { f.clickBoard(0, 0); }, toSideLine},
    {"NeighbourBranch", [](FrameWin& f, ScriptedPorts&) { run(f, "CmNeighbourBranch"); }, toThirdMove},
    {"Pass", [](FrameWin& f, ScriptedPorts&) { run(f, "CmPass"); }},
    {"Resign", [](FrameWin& f, ScriptedPorts& p) { yes(p); run(f, "CmResign"); }},
    {"Truncate", [](FrameWin& f, ScriptedPorts& p) { yes(p); run(f, "CmTruncate"); }, toSecondMove},
    {"DeleteBranch", [](FrameWin& f, ScriptedPorts& p) { yes(p); run(f, "CmDeleteBranch"); }, toSideLine},
    {"RemoveAllComments", [](FrameWin& f, ScriptedPorts& p) { yes(p); run(f, "CmRemoveAllComments"); }},
    {"RemoveAllNames", [](FrameWin& f, ScriptedPorts& p) { yes(p); run(f, "CmRemoveAllN"); }},
    {"FlipBoard", [](FrameWin& f, ScriptedPorts& p) { yes(p); run(f, "CmFlipBoard"); }},
    {"RotateBoard", [](FrameWin& f, ScriptedPorts& p) { yes(p); run(f, "CmRotateBoard"); }},
    {"Bookmark", [](FrameWin& f, ScriptedPorts&) { run(f, "CmBookmark"); }},
    {"NodeName", [](FrameWin& f, ScriptedPorts& p) { p.queueInput("Joseki"); run(f, "CmNodeName"); }},
    {"Score", [](FrameWin& f, ScriptedPorts& p) { p.queueInput("12"); run(f, "CmScore"); }},
    {"PrintDiagram", [](FrameWin& f, ScriptedPorts&) { run(f, "CmPrintDiagram"); }},
    {"Triangles", [](FrameWin& f, ScriptedPorts&) {
       f.setMarkedArea(MarkedArea{1, 1, 2, 3});
       run(f, "CmMarkTriangle");
     }},
    {"Primary", [](FrameWin& f, ScriptedPorts&) { run(f, "CmSetPrimary"); }, toSecondMove},
    {"InjectSgf", [](FrameWin& f, ScriptedPorts& p) { p.queueInput(";B[ii];W[hh]"); run(f, "CmInjectSGF"); }},
    {"StoneCorrection", [](FrameWin& f, ScriptedPorts& p) { yes(p); f.ctrlDragOnBoard(2, 2, 3, 3); }},
    {"EventOfTwoGames", [](FrameWin& f, ScriptedPorts& p) {
       openList(f, {0, 1});
       p.queueInput("Autumn");
       run(f, "CmFoldersSetEvents");
       f.lists().closeAllLists();
     }},
    {"MoveGameUp", [](FrameWin& f, ScriptedPorts&) {
       openList(f, {2});
       run(f, "CmFoldersMoveUp");
       f.lists().closeAllLists();
     }},
    {"EraseGame", [](FrameWin& f, ScriptedPorts& p) {
       openList(f, {1});
       yes(p);
       run(f, "CmFoldersErase");
       f.lists().closeAllLists();
     }},
    {"DeleteCurrentGame", [](FrameWin& f, ScriptedPorts& p) { yes(p); run(f, "CmCollDelete"); }},
    {"NewGame", [](FrameWin& f, ScriptedPorts&) { run(f, "CmNewGame"); }},
    {"Paste", [](FrameWin& f, ScriptedPorts& p) { p.queueInput("(;GM[1]SZ[9];B[aa])(;GM[1]SZ[9];B[bb])"); run(f, "CmCollAddSGF"); }},
};

class FrameUndoTest : public FrameTest, public ::testing::WithParamInterface<UndoCase> {
 protected:
  void loadGames() { load(writeFile("games.sgf", kGames)); }

  // Every game written whole, with the place of its current node, and which game is current.
  std::string state() {
    Collection& c = frame().collection();
    std::string out = "current " + std::to_string(c.currentIndex()) + "\n";
    for (std::size_t i = 0; i < c.size(); ++i) {
      SGridFrame& g = c.game(i);
      frame().buildTree(g);
      WriteGameText(g, out);
      for (const std::uint32_t step : pathTo(g, g.currentNode)) out += std::to_string(step) + ",";
      out += g.currentNode == nullptr ? "-" : std::to_string(g.currentNode->moveNumber());
      out += " flags " + std::to_string(g.flags) + "\n";
      const std::string problems = validateTree(g);
      EXPECT_EQ(problems, "") << "game " << i;
    }
    EXPECT_EQ(c.store().validate(), "");
    return out;
  }
};

TEST_P(FrameUndoTest, UndoThenRedo_GiveBackTheGamesBeforeAndAfter) {
  loadGames();
  GetParam().setup(frame(), ports);
  ASSERT_FALSE(frame().canUndo()) << "the setup changed a game";
  const std::string before = state();
  GetParam().change(frame(), ports);
  const std::string after = state();
  ASSERT_NE(before, after) << "the change did nothing: " << ::testing::PrintToString(ports.lines());
  ASSERT_TRUE(frame().canUndo());

  run(frame(), "CmUndo");
  EXPECT_EQ(state(), before);
  EXPECT_FALSE(frame().modified());
  ASSERT_TRUE(frame().canRedo());

  run(frame(), "CmRedo");
  EXPECT_EQ(state(), after);
  EXPECT_TRUE(frame().modified());
  run(frame(), "CmUndo");
  EXPECT_EQ(state(), before) << "a second undo of the same step";
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfChange, FrameUndoTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<UndoCase>& info) { return info.param.name; });

class FrameUndoWalkTest : public FrameTest {
 protected:
  std::string menu(const char* name) { return frame().commandMenuText(*frame().findCommand(name)); }
  bool enabled(const char* name) { return frame().commandEnabled(*frame().findCommand(name)); }
  std::string moves() {
    std::string text;
    WriteGameOptions options;
    options.withHeader = false;
    WriteGameText(frame().game(), text, options);
    return text;
  }
};

TEST_F(FrameUndoWalkTest, MenuEntries_NameTheStepAndAreEnabledOnlyWithOne) {
  load(writeFile("games.sgf", kGames));
  EXPECT_EQ(menu("CmUndo"), "&Undo\tCtrl+Z");
  EXPECT_FALSE(enabled("CmUndo"));
  EXPECT_FALSE(enabled("CmRedo"));
  frame().clickBoard(4, 4);
  run(frame(), "CmPrintDiagram");
  EXPECT_EQ(menu("CmUndo"), "&Undo Add a Print Diagram\tCtrl+Z");
  run(frame(), "CmUndo");
  EXPECT_EQ(menu("CmUndo"), "&Undo Move\tCtrl+Z");
  EXPECT_EQ(menu("CmRedo"), "&Redo Add a Print Diagram\tCtrl+Y");
  EXPECT_TRUE(enabled("CmRedo"));
  frame().clickBoard(5, 5);
  EXPECT_FALSE(enabled("CmRedo")) << "a new change drops the steps that could be redone";
}

TEST_F(FrameUndoWalkTest, OpenList_DisablesUndoAndRedo) {
  load(writeFile("games.sgf", kGames));
  frame().clickBoard(4, 4);
  run(frame(), "CmCollectionList");
  EXPECT_FALSE(enabled("CmUndo")) << "the list names games an undo may replace";
  frame().lists().closeAllLists();
  EXPECT_TRUE(enabled("CmUndo"));
}

TEST_F(FrameUndoWalkTest, NavigationAlone_IsNoStep) {
  load(writeFile("games.sgf", kGames));
  run(frame(), "CmStartPosition");
  run(frame(), "CmEndPosition");
  toSideLine(frame(), ports);
  run(frame(), "CmNextGame");
  EXPECT_FALSE(frame().canUndo());
}

TEST_F(FrameUndoWalkTest, UndoToTheSavedState_ClearsTheChangedMarkAndRedoSetsIt) {
  const std::string path = writeFile("games.sgf", kGames);
  load(path);
  frame().clickBoard(4, 4);
  ports.queueAnswer(Answer::Yes);
  ASSERT_TRUE(frame().files().CmSave());
  frame().clickBoard(5, 5);
  EXPECT_TRUE(frame().modified());

  run(frame(), "CmUndo");
  EXPECT_FALSE(frame().modified()) << "back at the saved state";
  run(frame(), "CmUndo");
  EXPECT_TRUE(frame().modified()) << "before the saved state";
  run(frame(), "CmRedo");
  EXPECT_FALSE(frame().modified());
  run(frame(), "CmRedo");
  EXPECT_TRUE(frame().modified());
}

TEST_F(FrameUndoWalkTest, ChangeAfterUndoingPastTheSave_LeavesTheSavedStateOutOfReach) {
  load(writeFile("games.sgf", kGames));
  frame().clickBoard(4, 4);
  ASSERT_TRUE(frame().files().CmSave());
  run(frame(), "CmUndo");
  frame().clickBoard(5, 5);
  run(frame(), "CmUndo");
  EXPECT_TRUE(frame().modified()) << "the saved state was dropped with the redo step";
}

TEST_F(FrameUndoWalkTest, UndoSteps_BoundTheStepsKept) {
  profile.writeInt("Settings", "Undo Steps", 2);
  load(writeFile("games.sgf", kGames));
  const std::string start = moves();
  for (int x = 0; x < 3; ++x) frame().clickBoard(x, 8);
  run(frame(), "CmUndo");
  run(frame(), "CmUndo");
  EXPECT_FALSE(frame().canUndo());
  EXPECT_NE(moves(), start) << "the first move is beyond the two steps kept";
  EXPECT_TRUE(frame().modified());
}

TEST_F(FrameUndoWalkTest, LoadingAFile_ForgetsTheSteps) {
  const std::string path = writeFile("games.sgf", kGames);
  load(path);
  frame().clickBoard(4, 4);
  ports.queueAnswer(Answer::Yes);
  ASSERT_TRUE(frame().files().ReLoad(path));
  EXPECT_FALSE(frame().canUndo());
  EXPECT_FALSE(frame().modified());
}

}  // namespace
}  // namespace meridax::testing

namespace meridax::testing {
namespace {

// Real files of every kind: a node name given at the end of the current game's main line is taken back
// and done again. Games of files without a held text are kept as the writer's text and read back, so
// this checks that writing and reading give back the same game.
class FrameUndoCorpusTest : public FrameUndoTest {};

std::vector<std::filesystem::path> corpusFiles(const char* folder, std::size_t count) {
  std::vector<std::filesystem::path> paths;
  for (const auto& e : std::filesystem::recursive_directory_iterator(std::filesystem::path(MERIDAX_CORPUS_DIR) / folder))
    if (e.is_regular_file() && (e.path().extension() == ".sgf" || e.path().extension() == ".SGF")) paths.push_back(e.path());
  std::sort(paths.begin(), paths.end());
  if (paths.size() > count) paths.resize(count);
  return paths;
}

TEST_F(FrameUndoCorpusTest, NodeNameOnRealFiles_UndoAndRedoGiveBackTheGames) {
  std::size_t checked = 0;
  for (const char* folder : {"go-annotated", "go-collections/kogo-joseki-dictionary", "hex", "havannah", "kropki", "connect6"}) {
    for (const std::filesystem::path& path : corpusFiles(folder, 4)) {
      SCOPED_TRACE(path.string());
      if (frame().modified()) ports.queueAnswer(Answer::Yes);
      if (!frame().files().ReLoad(path.string())) continue;
      ports.takeLines();
      run(frame(), "CmEndPosition");
      const std::string before = state();
      ports.queueInput("Undo me");
      run(frame(), "CmNodeName");
      const std::string after = state();
      if (before == after) continue;
      run(frame(), "CmUndo");
      EXPECT_EQ(state(), before);
      run(frame(), "CmRedo");
      EXPECT_EQ(state(), after);
      ++checked;
    }
  }
  EXPECT_GE(checked, 4u);
}

}  // namespace
}  // namespace meridax::testing
