// Names of files and texts of games reach the dialogs as they stand: a name that looks like markup is
// shown literally, never drawn as rich text.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <functional>

#include "view/qt_ports.h"
#include "view_test_support.h"

namespace meridax {
namespace {

const std::string kName = "<h1><font color=red>Licence expired - reinstall<img src=x>.sgf";

struct PlainCase {
  const char* name;
  std::function<void(QtDialogs&)> ask;
};

class PlainTextDialogTest : public ::testing::TestWithParam<PlainCase> {
 protected:
  void SetUp() override { view_testing::application(); }
};

// The labels of the dialog that carry the name, each with how it is drawn; the dialog is then closed.
void inspectNextDialog(std::vector<std::pair<QString, Qt::TextFormat>>& shown) {
  QTimer::singleShot(0, [&shown] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    for (QLabel* label : dialog->findChildren<QLabel*>())
      if (label->text().contains(QStringLiteral("<h1>"))) shown.emplace_back(label->text(), label->textFormat());
    dialog->close();
  });
}

TEST_P(PlainTextDialogTest, NameLookingLikeMarkupIsShownLiterally) {
  QtDialogs dialogs(nullptr);
  std::vector<std::pair<QString, Qt::TextFormat>> shown;
  inspectNextDialog(shown);
  GetParam().ask(dialogs);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].first.contains(QString::fromStdString(kName)));
  EXPECT_EQ(shown[0].second, Qt::PlainText);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, PlainTextDialogTest,
    ::testing::Values(
        PlainCase{"Tell", [](QtDialogs& d) { d.tell({"No games were loaded", "\r\n" + kName + "\r\n"}); }},
        PlainCase{"YesNo", [](QtDialogs& d) { d.askYesNo("Meridax", "Save the changes to " + kName + "?"); }},
        PlainCase{"YesNoCancel", [](QtDialogs& d) { d.askYesNoCancel("Meridax", kName); }},
        PlainCase{"TextPrompt", [](QtDialogs& d) { d.askText("Rename", kName, "name"); }},
        PlainCase{"NumberPrompt", [](QtDialogs& d) { d.askNumber("Size", kName, 1, 9, 3); }},
        PlainCase{"MoveCorrection", [](QtDialogs& d) { d.confirmMoveCorrection({"D4", "E5", kName}); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace meridax
