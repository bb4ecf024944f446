#include "view/selection_contrast.h"

#include <QAbstractItemView>
#include <QPalette>

#include "layout/colour_contrast.h"

namespace meridax {

namespace {

ContrastColour colourRefOf(const QColor& c) {
  return static_cast<ContrastColour>(c.red()) | static_cast<ContrastColour>(c.green()) << 8 |
         static_cast<ContrastColour>(c.blue()) << 16;
}

QColor qColourOf(ContrastColour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Text on the highlight: the style's own when it reads well (4.5:1), else black or white.
constexpr double kReadableText = 4.5;

}  // namespace

void giveSelectionContrast(QAbstractItemView& view) {
  QPalette palette = view.palette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    const ContrastColour base = colourRefOf(palette.color(group, QPalette::Base));
    // An inactive list takes the active highlight: styles often grey it out until it hardly shows.
    const ContrastColour wanted = colourRefOf(palette.color(QPalette::Active, QPalette::Highlight));
    const ContrastColour highlight = markColourAgainst(base, wanted);
    ContrastColour text = colourRefOf(palette.color(QPalette::Active, QPalette::HighlightedText));
    if (contrastRatio(text, highlight) < kReadableText)
      text = contrastRatio(0x000000, highlight) >= contrastRatio(0xFFFFFF, highlight) ? 0x000000 : 0xFFFFFF;
    palette.setColor(group, QPalette::Highlight, qColourOf(highlight));
    palette.setColor(group, QPalette::HighlightedText, qColourOf(text));
  }
  view.setPalette(palette);
}

}  // namespace meridax
