#include "view/qt_text.h"

#include <QFontInfo>

#include "view_test_support.h"

namespace meridax {
namespace {

class QtTextTest : public view_testing::WindowTest {};

TEST_F(QtTextTest, WindowsFacesAreDrawnWithTheLiberationFamilies) {
  const struct {
    const char* windows;
    const char* family;
  } cases[] = {
      {"Courier New", "Liberation Mono"},
      {"courier new", "Liberation Mono"},
      {"Arial", "Liberation Sans"},
      {"Microsoft Sans Serif", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(mappedFace(c.windows), QString::fromLatin1(c.family)) << c.windows;
    const QFontInfo drawn(toQFont(defaultFont(c.windows)));
    EXPECT_EQ(drawn.family(), QString::fromLatin1(c.family)) << c.windows << " (is fonts-liberation2 installed?)";
  }
  EXPECT_EQ(mappedFace("Liberation Mono"), QStringLiteral("Liberation Mono"));
}

TEST_F(QtTextTest, FontRecordsGiveTheirSizeWeightAndSlant) {
  LogFont record = defaultFont("Arial");
  record.height = -20;
  setBold(record, true);
  setItalic(record, true);
  const QFont font = toQFont(record);
  EXPECT_EQ(font.pixelSize(), 20);
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.italic());
  record.height = 25;  // a cell height: the character height is smaller
  EXPECT_EQ(toQFont(record).pixelSize(), 20);
  record.height = 0;
  EXPECT_EQ(toQFont(record).pixelSize(), 12);
}

TEST_F(QtTextTest, CoreTextsAreShownAsUtf8ElseLatin1) {
  EXPECT_EQ(toQt("Caf\xc3\xa9"), QString::fromUtf8("Caf\xc3\xa9"));
  EXPECT_EQ(toQt("Caf\xe9"), QString::fromUtf8("Caf\xc3\xa9"));
  EXPECT_EQ(fromQt(QString::fromUtf8("\xe6\x97\xa5")), "\xe6\x97\xa5");
}

}  // namespace
}  // namespace meridax
