#include "view/preferences_sheet.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "view/comment_pane.h"
#include "view/tree_pane.h"
#include "view_test_support.h"

namespace meridax {
namespace {

// Runs `act` on the modal dialog of type D once it is open.
template <class D>
void whenOpen(std::function<void(D&)> act) {
  QTimer::singleShot(0, [act] {
    if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) act(*dialog);
    else ADD_FAILURE() << "no dialog of the expected kind is open";
  });
}

QPushButton* button(QWidget& parent, const QString& text) {
  for (QPushButton* b : parent.findChildren<QPushButton*>())
    if (b->text() == text && b->isVisibleTo(&parent)) return b;
  ADD_FAILURE() << "no button " << text.toStdString();
  return nullptr;
}

QTabWidget& tabs(QDialog& sheet) { return *sheet.findChild<QTabWidget*>(); }

class PreferencesSheetTest : public view_testing::WindowTest {};

struct OpenCase {
  const char* how;  // a command's handler name or keys
  int page;
};

class PreferencesOpenTest : public PreferencesSheetTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(PreferencesOpenTest, OpensTheSheetOnItsPage) {
  auto window = makeWindow(profile);
  const OpenCase c = GetParam();
  bool seen = false;
  whenOpen<PreferencesSheet>([&](PreferencesSheet& sheet) {
    seen = true;
    EXPECT_EQ(sheet.windowTitle(), "Meridax Preferences");
    EXPECT_EQ(sheet.parentWidget(), window.get());
    QTabWidget& pages = tabs(sheet);
    ASSERT_EQ(pages.count(), 4);
    EXPECT_EQ(pages.tabText(0), " Colours");
    EXPECT_EQ(pages.tabText(1), " Game Tree Window Colours and Fonts");
    EXPECT_EQ(pages.tabText(2), " Other Options");
    EXPECT_EQ(pages.tabText(3), " Engines");
    EXPECT_EQ(pages.currentIndex(), c.page);
    sheet.reject();
  });
  const std::string how = c.how;
  if (how.starts_with("Cm")) window->runCommand(how);
  else QTest::keySequence(window.get(), QKeySequence(QString::fromStdString(how)));
  EXPECT_TRUE(seen);
}

INSTANTIATE_TEST_SUITE_P(Ways, PreferencesOpenTest,
                         ::testing::Values(OpenCase{"CmCustomise", 0}, OpenCase{"CmOtherOptions", 2}, OpenCase{"CmEngines", 3},
                                           OpenCase{"Ctrl+Alt+O", 0}, OpenCase{"Ctrl+Shift+O", 2}));

// Chooses a new grid colour and a bigger comment font, and gives the sheet's answer.
void editColourAndFont(PreferencesSheet& sheet, bool accept) {
  whenOpen<QColorDialog>([](QColorDialog& chooser) {
    EXPECT_EQ(chooser.windowTitle(), "Grid Colour");
    chooser.setCurrentColor(QColor(0, 0, 255));
    chooser.accept();
  });
  button(sheet, "Grid")->click();
  tabs(sheet).setCurrentIndex(1);
  whenOpen<QFontDialog>([](QFontDialog& chooser) {
    QFont font = chooser.currentFont();
    font.setPixelSize(23);
    chooser.setCurrentFont(font);
    chooser.accept();
  });
  sheet.findChild<QPushButton*>(QStringLiteral("commentFontButton"))->click();
  if (accept) sheet.accept();
  else sheet.reject();
}

struct AnswerCase {
  const char* name;
  bool accept;
};

class PreferencesAnswerTest : public PreferencesSheetTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(PreferencesAnswerTest, ColourAndFontReachThePanesAndTheProfileOnlyOnOk) {
  auto window = makeWindow(profile);
  const bool accept = GetParam().accept;
  const QImage boardBefore = window->boardPane().grab().toImage();
  const QFont commentBefore = window->commentPane().font();
  const AppSettings settingsBefore = window->frame().appSettings();
  whenOpen<PreferencesSheet>([accept](PreferencesSheet& sheet) { editColourAndFont(sheet, accept); });
  window->runCommand("CmCustomise");
  QApplication::processEvents();

  const AppSettings& s = window->frame().appSettings();
  const QImage boardAfter = window->boardPane().grab().toImage();
  if (accept) {
    EXPECT_EQ(s.colours.grid, 0xFF0000u) << "blue, lowest byte red";
    EXPECT_EQ(s.commentFont.height, -23);
    EXPECT_NE(boardAfter, boardBefore);
    EXPECT_EQ(window->commentPane().font().pixelSize(), 23);
    EXPECT_EQ(readAppSettings(profile).colours.grid, 0xFF0000u);
    EXPECT_EQ(readAppSettings(profile).commentFont, s.commentFont);
  } else {
    EXPECT_EQ(s, settingsBefore);
    EXPECT_EQ(boardAfter, boardBefore);
    EXPECT_EQ(window->commentPane().font(), commentBefore);
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, PreferencesAnswerTest,
                         ::testing::Values(AnswerCase{"Ok", true}, AnswerCase{"Cancel", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PreferencesSheetTest, BackupFilesOutOfRange_RefusedOnItsPageWithTheValidationText) {
  PreferencesSheet sheet(PreferenceValues{}, PreferencePage::Colours, nullptr);
  sheet.show();
  QLineEdit* backups = nullptr;
  for (QLineEdit* edit : sheet.findChildren<QLineEdit*>())
    if (edit->text() == QString::number(kDefaultBackupFiles)) backups = edit;
  ASSERT_NE(backups, nullptr);
  for (const char* refused : {"-1", "10000", "many"}) {
    backups->setText(QString::fromLatin1(refused));
    QString told;
    whenOpen<QMessageBox>([&](QMessageBox& box) {
      told = box.windowTitle() + "|" + box.text();
      box.accept();
    });
    sheet.accept();
    EXPECT_EQ(told, "Integer Number Validation|Please enter a value between 0 and 9999") << refused;
    EXPECT_TRUE(sheet.isVisible()) << refused;
    EXPECT_EQ(sheet.currentPage(), PreferencePage::OtherOptions);
  }
  backups->setText(QStringLiteral("7"));
  sheet.accept();
  EXPECT_EQ(sheet.result(), QDialog::Accepted);
  EXPECT_EQ(sheet.values().app.backupFiles, 7);
}

}  // namespace
}  // namespace meridax
