#include "view/selection_contrast.h"

#include <gtest/gtest.h>

#include <QTreeView>

#include "layout/colour_contrast.h"
#include "view/view_test_support.h"

namespace meridax {
namespace {

ContrastColour refOf(const QColor& c) { return static_cast<ContrastColour>(c.red() | c.green() << 8 | c.blue() << 16); }

struct PaletteCase {
  const char* name;
  QColor base, highlight, inactiveHighlight, highlightedText;
  bool highlightKept;  // the style's highlight already stands out and stays
};
class SelectionContrast : public ::testing::TestWithParam<PaletteCase> {
 protected:
  void SetUp() override { view_testing::application(); }
};

TEST_P(SelectionContrast, CurrentRowStandsOutActiveOrNotAndItsTextReads) {
  const PaletteCase& c = GetParam();
  QTreeView view;
  QPalette palette = view.palette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Base, c.base);
    palette.setColor(group, QPalette::HighlightedText, c.highlightedText);
  }
  palette.setColor(QPalette::Active, QPalette::Highlight, c.highlight);
  palette.setColor(QPalette::Inactive, QPalette::Highlight, c.inactiveHighlight);
  view.setPalette(palette);
  giveSelectionContrast(view);
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    const QColor highlight = view.palette().color(group, QPalette::Highlight);
    EXPECT_GE(contrastRatio(refOf(highlight), refOf(c.base)), kLeastMarkContrast) << c.name << " " << group;
    EXPECT_GE(contrastRatio(refOf(view.palette().color(group, QPalette::HighlightedText)), refOf(highlight)), 4.5)
        << c.name << " " << group;
    if (c.highlightKept) {
      EXPECT_EQ(highlight, c.highlight) << c.name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Palettes, SelectionContrast,
    ::testing::Values(PaletteCase{"DarkBlueOnWhite", Qt::white, QColor(0, 0, 128), QColor(220, 220, 220), Qt::white, true},
                      PaletteCase{"PaleBlueOnWhite", Qt::white, QColor(200, 220, 255), QColor(240, 240, 240),
                                  Qt::black, false},
                      PaletteCase{"WhiteTextOnYellow", Qt::white, QColor(255, 255, 0), QColor(255, 255, 0), Qt::white,
                                  false},
                      PaletteCase{"DarkBase", QColor(30, 30, 30), QColor(40, 40, 60), QColor(40, 40, 60), Qt::white,
                                  false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace meridax
