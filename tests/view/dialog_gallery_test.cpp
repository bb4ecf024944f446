#include "view/dialog_gallery.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QTimer>

#include "view/qt_ports.h"
#include "view_test_support.h"

namespace meridax {
namespace {

struct GalleryCase {
  const char* name;
  const char* title;  // of the dialog grabbed; nullptr when the name gives an error
  const char* error;  // a part of the error text
};

class DialogGalleryTest : public view_testing::WindowTest, public ::testing::WithParamInterface<GalleryCase> {};

// Dialogs still open when the shot is taken would block the next modal one.
int visibleDialogs() {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<QDialog*>(w) != nullptr && w->isVisible()) ++count;
  return count;
}

TEST_P(DialogGalleryTest, OpensGrabsAndCancels) {
  const GalleryCase& c = GetParam();
  auto window = makeWindow(profile);
  QtDialogs desktop(window.get());
  window->useDesktopDialogs(desktop);
  const AppSettings before = window->frame().appSettings();

  const auto shot = shootDialog(*window, c.name);

  if (c.title != nullptr) {
    ASSERT_TRUE(std::holds_alternative<DialogShot>(shot)) << std::get<std::string>(shot);
    EXPECT_EQ(std::get<DialogShot>(shot).title.toStdString(), c.title);
    EXPECT_FALSE(std::get<DialogShot>(shot).image.isNull());
  } else {
    ASSERT_TRUE(std::holds_alternative<std::string>(shot));
    EXPECT_NE(std::get<std::string>(shot).find(c.error), std::string::npos) << std::get<std::string>(shot);
  }
  EXPECT_EQ(visibleDialogs(), 0);
  EXPECT_EQ(window->frame().appSettings(), before) << "cancelled: nothing taken over";
  EXPECT_EQ(window->frame().collection().size(), 1u) << "cancelled: no game made";
}

INSTANTIATE_TEST_SUITE_P(
    Names, DialogGalleryTest,
    ::testing::Values(GalleryCase{"CmSaveRTF", " RTF Format Options", nullptr},
                      GalleryCase{"CmCopyBMP", " Copying to Clipboard", nullptr},
                      GalleryCase{"CmCustomise", "Meridax Preferences", nullptr},
                      GalleryCase{"PreferencesFonts", "Meridax Preferences", nullptr},
                      GalleryCase{"CmAbout", "About Meridax", nullptr},
                      GalleryCase{"CmMoveTo", " Move To", nullptr},
                      GalleryCase{"CmNewGameOfType", " Game Selection", nullptr},
                      GalleryCase{"KropkiBoardSize", " Kropki Board Size", nullptr},
                      GalleryCase{"MostRecentNumbering", " Most Recent Numbering", nullptr},
                      GalleryCase{"IntegerValidation", "Integer Number Validation", nullptr},
                      GalleryCase{"FloatingValidation", "Floating Number Validation", nullptr},
                      GalleryCase{"CmPreviousMove", nullptr, "no dialog opened"},
                      GalleryCase{"NoSuchThing", nullptr, "no dialog 'NoSuchThing'"}),
    [](const ::testing::TestParamInfo<GalleryCase>& info) { return std::string(info.param.name); });

class MoveCorrectionShotTest : public view_testing::WindowTest {};

TEST_F(MoveCorrectionShotTest, ShowsThePointsAndCancelLeavesTheCollection) {
  auto window = makeWindow(profile);
  QtDialogs desktop(window.get());
  window->useDesktopDialogs(desktop);
  const std::string path = writeFile("two.sgf", "(;GM[1]SZ[9];B[cc];W[ee])");
  window->run([&] { window->frame().files().ReLoad(path); });
  window->runCommand("CmEndPosition");
  QStringList fields;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
      for (QLineEdit* e : d->findChildren<QLineEdit*>()) fields << e->text();
  });
  const auto shot = shootDialog(*window, "MoveCorrection");
  ASSERT_TRUE(std::holds_alternative<DialogShot>(shot)) << std::get<std::string>(shot);
  EXPECT_EQ(std::get<DialogShot>(shot).title, "Move Correction");
  EXPECT_EQ(fields, (QStringList{"E5", "A9"})) << "the move's point, then the first empty point";
  EXPECT_EQ(window->frame().collection().size(), 1u);
}

TEST(DialogGallery, EntriesAreSortedAndUnique) {
  const auto entries = galleryEntries();
  for (std::size_t i = 1; i < entries.size(); ++i)
    EXPECT_LT(std::string(entries[i - 1].name), std::string(entries[i].name));
}

}  // namespace
}  // namespace meridax
