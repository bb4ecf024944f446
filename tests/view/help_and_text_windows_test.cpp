// The program's own windows for the manual and the error list, on the offscreen platform.

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "view/help_window.h"
#include "view/qt_viewer.h"
#include "view/text_window.h"
#include "view_test_support.h"

namespace meridax {
namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// A manual of two pages, the first with a picture and a link to the second.
class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    view_testing::application();
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QDir(dir.path()).mkpath(QStringLiteral("pictures"));
    ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("pictures/board.png"))));
    writeBytes(dir.filePath(QStringLiteral("meridax.html")),
               "<html><head><title>Contents</title></head><body><p>The board</p>"
               "<img src=\"pictures/board.png\"><p><a href=\"keys.html\">Keys</a></p></body></html>");
    writeBytes(dir.filePath(QStringLiteral("keys.html")),
               "<html><head><title>Keys</title></head><body><p>F1 opens this manual.</p>"
               "<p>Ctrl+R exports the game. Ctrl+S saves it.</p></body></html>");
  }
  QString page(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  QTemporaryDir dir;
};

TEST_F(HelpWindowTest, ShowsThePageWithItsPicturesAndGoesBackAndForward) {
  HelpWindow help;
  help.showPage(page("meridax.html"));
  QTextDocument* document = help.browser()->document();
  const QVariant picture = document->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("pictures/board.png")));
  ASSERT_TRUE(picture.isValid()) << "the picture beside the page is loaded";
  EXPECT_EQ(qvariant_cast<QImage>(picture).size(), QSize(8, 6));
  EXPECT_FALSE(help.backButton()->isEnabled());

  help.browser()->setSource(QUrl::fromLocalFile(page("keys.html")));
  EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("F1 opens this manual.")));
  EXPECT_TRUE(help.windowTitle().startsWith(QStringLiteral("Keys")));
  ASSERT_TRUE(help.backButton()->isEnabled());
  help.backButton()->click();
  EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("The board")));
  ASSERT_TRUE(help.forwardButton()->isEnabled());
  help.forwardButton()->click();
  EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("Ctrl+R")));
}

TEST_F(HelpWindowTest, FindGoesFromMatchToMatchAndRoundFromTheTop) {
  HelpWindow help;
  help.showPage(page("keys.html"));
  struct Step {
    const char* text;
    bool found;
    int line;  // the block of the selection found
  };
  const Step steps[] = {{"Ctrl+", true, 1}, {"Ctrl+", true, 1}, {"Ctrl+", true, 1}, {"F1", true, 0}, {"Alt+Q", false, -1}};
  int found = 0;
  for (const Step& s : steps) {
    help.searchField()->setText(QString::fromLatin1(s.text));
    QTest::keyClick(help.searchField(), Qt::Key_Return);
    const QTextCursor at = help.browser()->textCursor();
    EXPECT_EQ(at.hasSelection(), s.found) << s.text << " " << found;
    if (s.found) {
      EXPECT_EQ(at.selectedText(), QString::fromLatin1(s.text));
      EXPECT_EQ(at.block().blockNumber(), s.line) << s.text;
    }
    ++found;
  }
}

TEST_F(HelpWindowTest, ViewerUsesItsWindowOnlyWhereNoBrowserAnswers) {
  for (const bool answers : {true, false}) {
    std::vector<QUrl> asked;
    QtViewer viewer(nullptr, [&](const QUrl& url) {
      asked.push_back(url);
      return answers;
    });
    const std::string manual = page("meridax.html").toStdString();
    if (!viewer.openInBrowser(manual)) viewer.showHelpPage(manual);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], QUrl::fromLocalFile(page("meridax.html")));
    ASSERT_EQ(viewer.helpWindow() != nullptr, !answers);
    if (!answers) {
      EXPECT_TRUE(viewer.helpWindow()->isVisible());
      EXPECT_EQ(viewer.helpWindow()->browser()->source(), QUrl::fromLocalFile(page("meridax.html")));
    }
  }
}

constexpr char kErrors[] =
    "\r\n/games/broken.sgf\r\n\r\n--------------------------------------------------\r\n"
    "Error, in game number 1, on line number 1.  The following move caused the error.";

class TextWindowTest : public ::testing::Test {
 protected:
  TextWindowTest() { view_testing::application(); }
  QTemporaryDir dir;
};

TEST_F(TextWindowTest, ReadOnlySelectableAndCopiesTheSelectionOrEverything) {
  TextWindow window(QStringLiteral("Errors in broken.sgf"), QByteArray(kErrors), QStringLiteral("broken_errors.txt"));
  QPlainTextEdit* view = window.textView();
  EXPECT_TRUE(view->isReadOnly());
  EXPECT_TRUE(view->textInteractionFlags() & Qt::TextSelectableByMouse);
  EXPECT_FALSE(view->toPlainText().contains(QLatin1Char('\r')));

  window.copyButton()->click();
  EXPECT_EQ(QApplication::clipboard()->text(), view->toPlainText()) << "nothing selected: everything";

  QTextCursor cursor = view->document()->find(QStringLiteral("/games/broken.sgf"));
  cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, 2);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  view->setTextCursor(cursor);
  window.copyButton()->click();
  EXPECT_EQ(QApplication::clipboard()->text(),
            QStringLiteral("/games/broken.sgf\n\n--------------------------------------------------"));

  QTest::keyClicks(view, "typed");
  EXPECT_FALSE(view->toPlainText().contains(QStringLiteral("typed")));
}

TEST_F(TextWindowTest, SaveAsWritesTheBytesOrSaysWhichFileFailedAndWhy) {
  struct Case {
    QString name;  // empty: the chooser is cancelled
    bool written;
    const char* told;  // part of the failure told, or nullptr
  };
  const Case cases[] = {
      {dir.filePath(QStringLiteral("saved.txt")), true, nullptr},
      {QString(), false, nullptr},
      {dir.filePath(QStringLiteral("missing/saved.txt")), false, "missing/saved.txt'"},
  };
  for (const Case& c : cases) {
    TextWindow window(QStringLiteral("Errors"), QByteArray(kErrors), QStringLiteral("broken_errors.txt"));
    QString suggested;
    QStringList failures;
    window.setSaveNameChooser([&](QWidget*, const QString& offered) -> std::optional<QString> {
      suggested = offered;
      if (c.name.isEmpty()) return std::nullopt;
      return c.name;
    });
    window.setFailureTeller([&](QWidget*, const QString& text) { failures.push_back(text); });
    EXPECT_EQ(window.saveAs(), c.written) << c.name.toStdString();
    EXPECT_EQ(suggested, QStringLiteral("broken_errors.txt"));
    if (c.written) {
      QFile saved(c.name);
      ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
      EXPECT_EQ(saved.readAll(), QByteArray(kErrors)) << "line ends as the list has them";
    }
    if (c.told == nullptr) {
      EXPECT_TRUE(failures.isEmpty()) << c.name.toStdString();
    } else {
      ASSERT_EQ(failures.size(), 1);
      EXPECT_TRUE(failures[0].contains(QString::fromLatin1(c.told))) << failures[0].toStdString();
      EXPECT_TRUE(failures[0].contains(QStringLiteral("could not be written: "))) << failures[0].toStdString();
    }
  }
}

}  // namespace
}  // namespace meridax
