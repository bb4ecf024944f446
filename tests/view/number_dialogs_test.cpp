#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>

#include "view/qt_ports.h"
#include "view_test_support.h"

namespace meridax {
namespace {

// Fills the number dialog's fields in turn with `tries` (one text per field, a row per OK) and reports
// each validation box that answered.
void answerNumberDialog(std::vector<std::vector<QString>> tries, std::vector<QString>& told) {
  QTimer::singleShot(0, [tries = std::move(tries), &told]() mutable {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    const QList<QLineEdit*> fields = dialog->findChildren<QLineEdit*>();
    for (const std::vector<QString>& texts : tries) {
      ASSERT_EQ(static_cast<std::size_t>(fields.size()), texts.size());
      for (std::size_t i = 0; i < texts.size(); ++i) fields[static_cast<qsizetype>(i)]->setText(texts[i]);
      QTimer::singleShot(0, dialog, [&told] {  // dropped with the dialog when no box came
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
          told.push_back(box->windowTitle() + "|" + box->text());
          box->accept();
        }
      });
      QMetaObject::invokeMethod(dialog->findChild<QDialogButtonBox*>(), "accepted");
      if (!dialog->isVisible()) return;
    }
    dialog->reject();
  });
}

struct PairCase {
  const char* name;
  std::vector<std::vector<QString>> tries;
  std::optional<std::pair<int, int>> result;
  std::vector<QString> told;
};

class NumberPairTest : public ::testing::TestWithParam<PairCase> {
 protected:
  void SetUp() override { view_testing::application(); }
};

TEST_P(NumberPairTest, BothFieldsInOneDialogEachRefusedOutOfRange) {
  const PairCase& c = GetParam();
  QtDialogs dialogs(nullptr);
  std::vector<QString> told;
  answerNumberDialog(c.tries, told);
  const auto result = dialogs.askNumberPair(" Kropki Board Size", "Select board size.\r\nBetween 17 and 45.", 17,
                                            45, {39, 32});
  EXPECT_EQ(result, c.result);
  EXPECT_EQ(told, c.told);
}

const QString kRefused = QStringLiteral("Integer Number Validation|Please enter a value between 17 and 45");

INSTANTIATE_TEST_SUITE_P(
    Answers, NumberPairTest,
    ::testing::Values(PairCase{"Defaults", {{"39", "32"}}, std::pair{39, 32}, {}},
                      PairCase{"Bounds", {{"17", "45"}}, std::pair{17, 45}, {}},
                      PairCase{"FirstTooSmallThenMended", {{"16", "20"}, {"18", "20"}}, std::pair{18, 20}, {kRefused}},
                      PairCase{"SecondTooLargeThenCancelled", {{"20", "46"}}, std::nullopt, {kRefused}},
                      PairCase{"NotANumber", {{"20", "x"}}, std::nullopt, {kRefused}}),
    [](const auto& info) { return std::string(info.param.name); });

class NewKropkiGameTest : public view_testing::WindowTest {};

TEST_F(NewKropkiGameTest, SizeDialogGivesTheBoardOfTheTwoValues) {
  auto window = makeWindow(profile);
  QtDialogs desktop(window.get());
  window->useDesktopDialogs(desktop);
  std::vector<QString> told;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), " Game Selection");
    auto* list = dialog->findChild<QListWidget*>();
    list->setCurrentItem(list->findItems(QStringLiteral("Kropki"), Qt::MatchExactly).front());
    answerNumberDialog({{"20", "30"}}, told);
    dialog->accept();
  });
  window->runCommand("CmNewGameOfType");
  const SGridFrame& game = window->frame().game();
  EXPECT_EQ(game.kind(), GameKind::Kropki);
  EXPECT_EQ(game.width(), 30);
  EXPECT_EQ(game.height(), 20);
  EXPECT_TRUE(told.empty());
}

}  // namespace
}  // namespace meridax
