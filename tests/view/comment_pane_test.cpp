#include "view/comment_pane.h"

#include <QAction>
#include <QClipboard>
#include <functional>
#include <QTest>
#include <QToolBar>

#include "model/node_texts.h"
#include "view/command_menus.h"
#include "view/tree_pane.h"
#include "view_test_support.h"

namespace meridax {
namespace {

constexpr char kGame[] = "(;GM[1]FF[4]SZ[9];B[aa]C[first];W[bb];B[cc])";

class CommentPaneTest : public view_testing::WindowTest {
 protected:
  void SetUp() override {
    path = writeFile("game.sgf", kGame);
    window = makeWindow(profile);
    window->run([&] { window->frame().files().ReLoad(path); });
    window->run([&] { window->frame().navigation().CmStartPosition(); });
    window->runCommand("CmNextMove");  // on move 1, which has a comment
    ASSERT_EQ(window->commentPane().toPlainText(), "first");
  }

  SGridFrame& game() { return window->frame().game(); }
  GameNode* move(int n) {
    GameNode* node = game().firstNode;
    for (int i = 0; i < n; ++i) node = node->next();
    return node;
  }
  // Types at the end of the comment field, which keeps the focus.
  void type(const QString& text) {
    CommentPane& pane = window->commentPane();
    pane.setFocus();
    pane.moveCursor(QTextCursor::End);
    QTest::keyClicks(&pane, text);
  }

  std::string path;
  std::unique_ptr<MainWindow> window;
};

TEST_F(CommentPaneTest, TypedCommentSurvivesNavigationAndTheNewNodeIsShown) {
  type(" and more");
  window->runCommand("CmNextMove");
  EXPECT_EQ(commentOf(game(), move(1)), "first and more");
  EXPECT_EQ(game().currentNode, move(2));
  EXPECT_EQ(window->commentPane().toPlainText(), "");
  EXPECT_TRUE(window->frame().modified());
}

TEST_F(CommentPaneTest, ToolBarCommandCommitsFirst) {
  QAction* next = window->menus().action("CmNextGame");
  ASSERT_NE(next, nullptr);
  type("!");
  next->trigger();
  EXPECT_EQ(commentOf(game(), move(1)), "first!");
}

TEST_F(CommentPaneTest, TreeClickCommitsToTheShownNodeAndShowsTheClickedOne) {
  type("?");
  TreePane& tree = window->treePane();
  const QRect box = tree.boxOf(move(3));
  ASSERT_FALSE(box.isEmpty());
  QTest::mouseClick(&tree, Qt::LeftButton, Qt::NoModifier, box.center());
  EXPECT_EQ(commentOf(game(), move(1)), "first?");
  EXPECT_EQ(game().currentNode, move(3));
}

TEST_F(CommentPaneTest, LineBreaksAreStoredAsCrLf) {
  type("");
  QTest::keyClick(&window->commentPane(), Qt::Key_Return);
  QTest::keyClicks(&window->commentPane(), "second line");
  window->runCommand("CmNextMove");
  EXPECT_EQ(commentOf(game(), move(1)), "first\r\nsecond line");
}

TEST_F(CommentPaneTest, UnchangedCommentIsNotWrittenAndMarksNothing) {
  window->commentPane().setFocus();
  window->commentPane().clearFocus();
  window->runCommand("CmNextMove");
  EXPECT_FALSE(window->frame().modified());
  EXPECT_EQ(game().flags & game_flag::kTreeChanged, 0);
}

TEST_F(CommentPaneTest, EditedBackToTheSameTextMarksNothing) {
  type("x");
  QTest::keyClick(&window->commentPane(), Qt::Key_Backspace);
  window->runCommand("CmNextMove");
  EXPECT_FALSE(window->frame().modified());
}

TEST_F(CommentPaneTest, ClearedCommentIsRemoved) {
  window->commentPane().selectAll();
  QTest::keyClick(&window->commentPane(), Qt::Key_Delete);
  window->runCommand("CmNextMove");
  EXPECT_FALSE(move(1)->hasComment());
  EXPECT_TRUE(window->frame().modified());
}

TEST_F(CommentPaneTest, TypedCommentIsSavedWithTheFile) {
  type(" saved");
  window->runCommand("CmSave");
  EXPECT_NE(readFile(path).find("C[first saved]"), std::string::npos) << readFile(path);
  (void)scripted.takeLines();
}

TEST_F(CommentPaneTest, TypedCommentIsCommittedOnCloseAndCancelKeepsTheWindow) {
  type(" kept");
  scripted.queueAnswer(Answer::Cancel);
  EXPECT_FALSE(window->close());
  EXPECT_EQ(commentOf(game(), move(1)), "first kept");
  EXPECT_TRUE(window->isVisible());
  scripted.queueAnswer(Answer::Yes);  // "Save ...?": yes
  EXPECT_TRUE(window->close());
  EXPECT_NE(readFile(path).find("C[first kept]"), std::string::npos);
}

TEST_F(CommentPaneTest, TypedCommentStaysWithItsGameAcrossAGameSwitch) {
  const std::string two = writeFile("two.sgf", std::string(kGame) + "(;GM[1]FF[4]SZ[9];B[ee])");
  window->run([&] { window->frame().files().ReLoad(two); });
  (void)scripted.takeLines();
  window->run([&] { window->frame().navigation().CmStartPosition(); });
  window->runCommand("CmNextMove");
  type(" one");
  window->runCommand("CmNextGame");
  ASSERT_EQ(window->frame().collection().currentIndex(), 1u);
  EXPECT_EQ(window->commentPane().toPlainText(), "");
  SGridFrame& first = window->frame().collection().game(0);
  EXPECT_EQ(commentOf(first, first.firstNode->next()), "first one");
}

// The keys of text editing act on the comment while the pane has the focus, and on the frame elsewhere.
struct EditingKeyCase {
  const char* name;
  QKeySequence keys;
  std::function<void(CommentPane&)> before;  // the pane holds "first", the text cursor at its end
  QString text;                              // then the pane holds
  QString selected;
  QString clipboard;  // empty: not looked at
};

TEST_F(CommentPaneTest, EditingKeysActOnTheTextWhileThePaneHasTheFocus) {
  const auto selectAll = [](CommentPane& p) { p.selectAll(); };
  const auto typeAndUndo = [](CommentPane& p) {
    QTest::keyClicks(&p, "!");
    p.undo();
  };
  const EditingKeyCase cases[] = {
      {"SelectAll", QKeySequence(Qt::CTRL | Qt::Key_A), nullptr, "first", "first", ""},
      {"Copy", QKeySequence(Qt::CTRL | Qt::Key_C), selectAll, "first", "first", "first"},
      {"Cut", QKeySequence(Qt::CTRL | Qt::Key_X), selectAll, "", "", "first"},
      {"Paste", QKeySequence(Qt::CTRL | Qt::Key_V),
       [](CommentPane&) { QApplication::clipboard()->setText(QStringLiteral(" pasted")); }, "first pasted", "", ""},
      {"Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), [](CommentPane& p) { QTest::keyClicks(&p, "!"); }, "first", "",
       ""},
      {"Redo", QKeySequence(Qt::CTRL | Qt::Key_Y), typeAndUndo, "first!", "", ""},
      {"RedoShifted", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), typeAndUndo, "first!", "", ""},
  };
  window->frame().treeEdit().setComposeDialog(nullptr);  // Ctrl+C elsewhere asks the scripted ports
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  CommentPane& pane = window->commentPane();
  for (const EditingKeyCase& c : cases) {
    const QKeyCombination key = c.keys[0];
    // The frame's command of the same keys, when there is one.
    QAction* frameAction = nullptr;
    for (QAction* a : window->findChildren<QAction*>())
      if (a->shortcuts().contains(c.keys) && window->menus().action(a->objectName().toStdString()) == a)
        frameAction = a;
    int triggered = 0;
    QMetaObject::Connection counting;
    if (frameAction != nullptr)
      counting = QObject::connect(frameAction, &QAction::triggered, [&] { ++triggered; });

    pane.setPlainText(QStringLiteral("first"));
    pane.document()->setModified(false);
    pane.setFocus();
    pane.moveCursor(QTextCursor::End);
    if (c.before) c.before(pane);
    QTest::keyClick(&pane, key.key(), key.keyboardModifiers());

    EXPECT_EQ(pane.toPlainText(), c.text) << c.name;
    EXPECT_EQ(pane.textCursor().selectedText(), c.selected) << c.name;
    if (!c.clipboard.isEmpty()) {
      EXPECT_EQ(QApplication::clipboard()->text(), c.clipboard) << c.name;
    }
    EXPECT_EQ(triggered, 0) << c.name << ": the frame's " << frameAction->objectName().toStdString();
    EXPECT_TRUE(scripted.lines().empty()) << c.name << ": " << scripted.lines().front();

    // Elsewhere the keys are the frame's: Save As, Compose and Export ask the (scripted) person.
    if (frameAction != nullptr && frameAction->isEnabled()) {
      pane.setPlainText(QStringLiteral("first"));
      pane.document()->setModified(false);
      window->boardPane().setFocus();
      scripted.queueChoice(std::nullopt);
      QTest::keyClick(&window->boardPane(), key.key(), key.keyboardModifiers());
      EXPECT_EQ(triggered, 1) << c.name << ": the frame's " << frameAction->objectName().toStdString();
      (void)scripted.takeLines();
    }
    QObject::disconnect(counting);
  }
  pane.document()->setModified(false);  // what the cases typed is not for the game
}

}  // namespace
}  // namespace meridax
