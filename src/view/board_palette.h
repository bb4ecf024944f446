#pragma once
// The colours and fonts the board painter uses: from the settings, or black and white for diagrams.

#include <QColor>
#include <QFont>

#include "app/settings_values.h"

namespace meridax {

enum class AreaShading { Flat, ByLuminescence, LinearLow, LinearHigh };

struct BoardPalette {
  QColor area;     // around the board ("Background Colour")
  AreaShading shading = AreaShading::Flat;
  QColor surface;  // the board itself ("Grid Colour")
  QColor dark;     // lines, shadow, co-ordinates and dark texts ("Border Colour")
  QColor blackPiece;
  QColor whitePiece;
  QColor blackField;  // Kropki fields of territory
  QColor whiteField;
  QColor bevelLight;
  QColor bevelDark;
  bool shadedPieces = true;  // stones with a light gradient; flat in black and white
};

QColor colourOf(ColourRef c);
BoardPalette paletteFromSettings(const AttributeColours& colours, int gradedOption);
BoardPalette blackAndWhitePalette();

// The board's fonts at a square size: the serif italic of markup, labels and move numbers (up to 99
// and from 100), and the sans serif of the Go co-ordinates; Liberation fonts stand for the Windows ones.
struct BoardFonts {
  QFont label;
  QFont number;
  QFont smallNumber;
  QFont coordinate;
};
BoardFonts boardFonts(int square);

}  // namespace meridax
