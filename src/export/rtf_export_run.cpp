#include "export/rtf_export_run.h"

#include <unordered_map>

namespace meridax {

RtfExportRun runRtfExport(const SGridFrame& game, const RtfExportOptions& options, RtfDocumentContext context,
                          DiagramFiles& diagrams, const ProgressCallback& progress) {
  RtfExportRun run;
  const std::vector<PrintLine> lines = buildPrintLines(game, options);
  for (const PrintLine& line : lines) run.diagrams += line.kind == PrintLineKind::Diagram;

  std::unordered_map<const GameNode*, std::string> pictures;
  WorkProgress now;
  now.gamesTotal = static_cast<std::size_t>(run.diagrams);
  if (!goOn(progress, now)) run.cancelled = true;
  for (const PrintLine& line : lines) {
    if (run.cancelled) break;
    if (line.kind != PrintLineKind::Diagram || pictures.count(line.node) != 0) {
      if (line.kind == PrintLineKind::Diagram) ++now.games;
      continue;
    }
    pictures.emplace(line.node, diagrams.imageFor(game, line.node));
    ++now.games;
    if (!goOn(progress, now)) run.cancelled = true;
  }
  if (run.cancelled) {
    diagrams.removeWritten();
    return run;
  }
  context.diagramImage = [&pictures](const GameNode* node) { return pictures.at(node); };
  run.document = writeRtfDocument(game, options, context, lines);
  return run;
}

}  // namespace meridax
