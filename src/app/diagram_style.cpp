#include "app/diagram_style.h"

namespace meridax {

DiagramStyle boardImageStyle(const AttributeColours& colours, int square, bool blackAndWhite, bool markup) {
  DiagramStyle style;
  style.squareSize = square;
  style.blackAndWhite = blackAndWhite;
  style.markup = markup;
  style.borderColour = colours.border;
  style.gridColour = colours.grid;
  style.kropkiWhiteCapture = colours.kropkiWhiteCapture;
  style.kropkiBlueCapture = colours.kropkiBlueCapture;
  return style;
}

DiagramStyle rtfDiagramStyle(const AttributeColours& colours, const RtfOptionsRecord& options) {
  const auto& f = options.fields;
  DiagramStyle style = boardImageStyle(colours, f[rtf_field::kBoardSquareSize], f[rtf_field::kBlackAndWhite] != 0,
                                       f[rtf_field::kIncludeMarkup] != 0);
  style.hexLineMode = f[rtf_field::kHexLineMode] != 0;
  style.hexLineBorder = f[rtf_field::kHexLineBorder] != 0;
  return style;
}

}  // namespace meridax
