#include "view/find_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "view/qt_ports.h"
#include "view_test_support.h"

namespace meridax {
namespace {

// Comments on moves 1 ("Opening idea"), 3 ("opening again") and 4 ("Endgame").
constexpr char kCommented[] =
    "(;GM[1]SZ[9];B[aa]C[Opening idea];W[bb];B[cc]C[opening again];W[dd]C[Endgame])";

struct FindCase {
  const char* name;
  const char* text;
  bool matchCase;
  bool up;
  int expectedMove;        // where the search lands, from the start
  const char* toldPrefix;  // a message instead of a jump; nullptr for none
};

class FindDialogTest : public view_testing::WindowTest, public ::testing::WithParamInterface<FindCase> {
 protected:
  void SetUp() override {
    window = makeWindow(profile);
    desktop = std::make_unique<QtDialogs>(window.get());
    window->useDesktopDialogs(*desktop);
    const std::string path = writeFile("commented.sgf", kCommented);
    window->run([&] { window->frame().files().ReLoad(path); });
    window->runCommand("CmStartPosition");  // the cases count moves from the start
  }

  int moveNumber() { return static_cast<int>(window->frame().game().currentNode->moveNumber()); }

  std::unique_ptr<MainWindow> window;
  std::unique_ptr<QtDialogs> desktop;
};

TEST_P(FindDialogTest, FindNextSearchesWithTheDialogsOptions) {
  const FindCase& c = GetParam();
  window->runCommand("CmFindComment");
  FindDialog* find = window->findDialog();
  ASSERT_NE(find, nullptr);
  EXPECT_TRUE(find->isVisible());
  EXPECT_FALSE(find->isModal());
  EXPECT_EQ(find->parentWidget(), window.get());
  EXPECT_TRUE(find->findChild<QRadioButton*>(QString(), Qt::FindChildrenRecursively) != nullptr);
  EXPECT_EQ(find->request().direction, SearchDirection::Down) << "preset";

  find->findChild<QLineEdit*>()->setText(QString::fromLatin1(c.text));
  find->findChild<QCheckBox*>()->setChecked(c.matchCase);
  for (QRadioButton* r : find->findChildren<QRadioButton*>())
    if (r->text() == (c.up ? "&Up" : "&Down")) r->setChecked(true);
  QString told;
  QWidget* owner = nullptr;
  QTimer::singleShot(0, find, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    told = box->text();
    owner = box->parentWidget();
    box->accept();
  });
  for (QPushButton* b : find->findChildren<QPushButton*>())
    if (b->text() == "&Find Next") b->click();

  EXPECT_EQ(moveNumber(), c.expectedMove);
  if (c.toldPrefix == nullptr) EXPECT_EQ(told, QString());
  else {
    EXPECT_TRUE(told.startsWith(QString::fromLatin1(c.toldPrefix))) << told.toStdString();
    EXPECT_EQ(owner, find) << "the box belongs to the find dialog";
  }
  EXPECT_TRUE(find->isVisible()) << "stays open for the next search";

  // Opened again: the last text and match-case choice, searching down.
  find->reject();
  window->runCommand("CmFindComment");
  EXPECT_EQ(window->findDialog(), find);
  EXPECT_EQ(find->request().text, c.text);
  EXPECT_EQ(find->request().matchCase, c.matchCase);
  EXPECT_EQ(find->request().direction, SearchDirection::Down);
}

INSTANTIATE_TEST_SUITE_P(
    Options, FindDialogTest,
    // A fresh search starts on the first comment and looks at the next one first.
    ::testing::Values(FindCase{"AnyCaseDown", "Opening", false, false, 3, nullptr},
                      FindCase{"MatchCaseSkipsOtherCase", "Opening", true, false, 1, nullptr},
                      FindCase{"UpWrapsToTheLast", "game", false, true, 4, nullptr},
                      FindCase{"MatchCaseNotFound", "ENDGAME", true, false, 0, "'ENDGAME'"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace meridax
