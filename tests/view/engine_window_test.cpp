// The Engine menu in the window: the engine runs in a QProcess, its answers come through the event loop,
// and the menu follows the state; an engine killed while it thinks leaves the game as it was.

#include <QAction>
#include <QApplication>
#include <QTest>
#include <csignal>

#include "view/command_menus.h"
#include "view/engine_log_window.h"
#include "view/qt_engine_process.h"
#include "view_test_support.h"

namespace meridax {
namespace {

class EngineWindowTest : public view_testing::WindowTest {
 protected:
  void SetUp() override {
    profile.writeInt("Engines", "Count", 1);
    profile.writeString("Engines", "Name 1", "Fake");
    profile.writeString("Engines", "Command 1", std::string(MERIDAX_FAKE_GTP_ENGINE) + " --moves G3 --hang-on final_score");
    window = makeWindow(profile);
    scripted.queueInput("Go   9x9");
    window->runCommand("CmNewGameOfType");
    (void)scripted.takeLines();
  }
  std::string states() {
    std::string s;
    for (const char* name : {"CmAttachEngine", "CmDetachEngine", "CmEngineMove", "CmAnalyseGame"})
      s += window->menus().action(name)->isEnabled() ? '1' : '0';
    return s;
  }
  bool idle() { return !window->frame().engine().busy(); }

  std::unique_ptr<MainWindow> window;
};

TEST_F(EngineWindowTest, TheEngineAnswersThroughTheEventLoopAndAKillLeavesTheGameAsItWas) {
  EXPECT_EQ(states(), "1000");
  window->runCommand("CmAttachEngine");
  ASSERT_TRUE(QTest::qWaitFor([&] { return idle(); }, 5000));
  EXPECT_EQ(states(), "0111");

  window->runCommand("CmEngineMove");
  EXPECT_EQ(window->frame().game().currentNode, window->frame().game().firstNode) << "the window does not wait";
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->frame().game().currentNode->moveNumber() == 1; }, 5000));
  EXPECT_EQ(window->statusText(StatusField::SideToMove).trimmed(), "Fake plays G3");

  window->runCommand("CmEngineLog");
  ASSERT_NE(window->engineLog(), nullptr);
  EXPECT_TRUE(window->engineLog()->text().contains(">> genmove B\n= G3")) << window->engineLog()->text().toStdString();

  // The engine hangs on final_score; killed from outside, it is reported once and the game stays.
  const std::uint64_t revision = window->frame().game().treeRevision();
  window->runCommand("CmEstimateScore");
  auto* process = dynamic_cast<QtEngineProcess*>(window->frame().engine().process());
  ASSERT_NE(process, nullptr);
  ASSERT_GT(process->processId(), 0);
  ::kill(static_cast<pid_t>(process->processId()), SIGKILL);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->frame().engine().attached(); }, 5000));
  EXPECT_EQ(scripted.takeLines(),
            std::vector<std::string>{"[Engine] The engine \"Fake\" of game 2 stopped: the engine was killed by signal 9 (Killed).\\n"
                                     "The game is as it was. Attach the engine again to go on."});
  EXPECT_EQ(window->frame().game().treeRevision(), revision);
  EXPECT_EQ(states(), "1000");
}

}  // namespace
}  // namespace meridax
