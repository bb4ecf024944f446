#pragma once
// The RTF export as long work: every diagram of the document is drawn and written first, one at a time,
// each step reported so that the person sees how far it has come and may stop it; a stopped export takes
// back every picture it wrote. Only then is the document's text put together, from the pictures' paths.

#include <string>

#include "export/diagram_files.h"
#include "export/rtf_document.h"
#include "sgf/work_progress.h"

namespace meridax {

struct RtfExportRun {
  std::string document;   // the whole RTF text; empty when cancelled
  bool cancelled = false;
  int diagrams = 0;       // the diagram lines of the document
};

// The document of the game with its pictures made by `diagrams`. `progress` hears of each picture
// (WorkProgress::games the pictures done, gamesTotal all of them); when it asks to stop, the pictures this
// run wrote are removed, and those it found already there are left.
RtfExportRun runRtfExport(const SGridFrame& game, const RtfExportOptions& options, RtfDocumentContext context,
                          DiagramFiles& diagrams, const ProgressCallback& progress);

}  // namespace meridax
