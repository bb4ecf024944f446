#include "view/board_palette.h"

namespace meridax {

namespace {

QFont serifItalic(int pixels) {
  QFont f(QStringLiteral("Liberation Serif"));
  f.setStyleHint(QFont::Serif);
  f.setItalic(true);
  f.setWeight(QFont::Normal);
  f.setPixelSize(std::max(1, pixels));
  return f;
}

AreaShading shadingOf(int gradedOption) {
  switch (gradedOption) {
    case 1: return AreaShading::ByLuminescence;
    case 2: return AreaShading::LinearLow;
    case 3: return AreaShading::LinearHigh;
    default: return AreaShading::Flat;
  }
}

}  // namespace

QColor colourOf(ColourRef c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

BoardPalette paletteFromSettings(const AttributeColours& colours, int gradedOption) {
  BoardPalette p;
  p.area = colourOf(colours.background);
  p.shading = shadingOf(gradedOption);
  p.surface = colourOf(colours.grid);
  p.dark = colourOf(colours.border);
  p.blackPiece = QColor(16, 16, 16);
  p.whitePiece = QColor(250, 250, 250);
  p.blackField = colourOf(colours.kropkiBlueCapture);
  p.whiteField = colourOf(colours.kropkiWhiteCapture);
  p.bevelLight = p.surface.lighter(125);
  p.bevelDark = p.surface.darker(160);
  return p;
}

BoardPalette blackAndWhitePalette() {
  BoardPalette p;
  p.area = p.surface = p.whitePiece = p.bevelLight = Qt::white;
  p.dark = p.blackPiece = p.bevelDark = Qt::black;
  p.blackField = QColor(96, 96, 96);
  p.whiteField = QColor(192, 192, 192);
  p.shadedPieces = false;
  return p;
}

BoardFonts boardFonts(int square) {
  BoardFonts f{serifItalic(square * 32 / 36), serifItalic(square * 26 / 36), serifItalic(square * 18 / 36), {}};
  f.coordinate = QFont(QStringLiteral("Liberation Sans"));
  f.coordinate.setStyleHint(QFont::SansSerif);
  f.coordinate.setPixelSize(std::max(1, square * 24 / 36));
  return f;
}

}  // namespace meridax
