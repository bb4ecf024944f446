#pragma once
// The drawing style of board pictures, from the settings: the board's colours, and for RTF diagrams
// the square size, black and white, hex line mode and border and markup of the RTF options.

#include "app/settings_values.h"
#include "export/diagram_files.h"

namespace meridax {

// A picture of the board as the pane shows it, at `square`, or in black and white.
DiagramStyle boardImageStyle(const AttributeColours& colours, int square, bool blackAndWhite, bool markup);

// The diagrams of an RTF document under the options.
DiagramStyle rtfDiagramStyle(const AttributeColours& colours, const RtfOptionsRecord& options);

}  // namespace meridax
