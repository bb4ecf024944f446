// meridax-cli rtf FILE [--game N] [--options INI] [--images DIR] -o OUT.rtf: the RTF document of a game
// with its diagrams, as "Export Game as RTF" writes it.

#include <filesystem>

#include "app/app_paths.h"
#include "app/diagram_style.h"
#include "app/memory_profile.h"
#include "app/settings_io.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "cli/position_choice.h"
#include "cli/run_command.h"
#include "export/board_image_files.h"
#include "export/rtf_document.h"

namespace meridax::cli {

namespace {

constexpr char kUsage[] =
    "usage: meridax-cli rtf FILE [--game N] [--options INI] [--images DIR] [--diagrams gif|bmp|png] -o OUT.rtf\n";

struct RtfRequest {
  std::string path;
  std::string output;
  std::optional<int> game;
  std::optional<std::string> options;
  std::optional<std::string> images;
  std::optional<DiagramFormat> diagrams;
};

std::optional<DiagramFormat> diagramFormatNamed(const std::string& name) {
  for (DiagramFormat f : {DiagramFormat::Gif, DiagramFormat::Bmp, DiagramFormat::Png})
    if (name == diagramExtension(f)) return f;
  return std::nullopt;
}

std::optional<RtfRequest> parse(const Arguments& args) {
  RtfRequest r;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool valued = a == "-o" || a == "--game" || a == "--options" || a == "--images" || a == "--diagrams";
    if (valued && i + 1 == args.size()) return std::nullopt;
    if (a == "-o") {
      r.output = args[++i];
    } else if (a == "--game") {
      r.game = wholeNumber(args[++i]);
      if (!r.game) return std::nullopt;
    } else if (a == "--options") {
      r.options = args[++i];
    } else if (a == "--images") {
      r.images = args[++i];
    } else if (a == "--diagrams") {
      r.diagrams = diagramFormatNamed(args[++i]);
      if (!r.diagrams) return std::nullopt;
    } else if (r.path.empty()) {
      r.path = a;
    } else {
      return std::nullopt;
    }
  }
  if (r.path.empty() || r.output.empty()) return std::nullopt;
  return r;
}

}  // namespace

int runRtf(const Arguments& args, const CommandStreams& io, BoardImagePort* images) {
  const std::optional<RtfRequest> request = parse(args);
  if (!request) {
    io.err << kUsage;
    return kExitTrouble;
  }
  AppSettings settings;
  if (request->options) {
    std::optional<MemoryProfile> profile = readProfile(*request->options, io.err);
    if (!profile) return kExitTrouble;
    settings = readAppSettings(*profile);
  }
  if (auto refusal = squareSizeRefusal(settings.rtfOptions.fields[rtf_field::kBoardSquareSize])) {
    io.err << "meridax-cli rtf: board square size: " << refusal->text << '\n';
    return kExitTrouble;
  }
  if (images == nullptr) {
    io.err << "meridax-cli rtf: this program was built without the Qt layer that draws the diagrams\n";
    return kExitTrouble;
  }
  std::optional<LoadedFile> file = loadFile(request->path, io.err);
  if (!file) return kExitTrouble;
  const std::optional<ChosenPosition> chosen = choosePosition(*file, request->game, std::nullopt, io.err);
  if (!chosen) return kExitTrouble;

  RtfExportOptions options{settings.rtfOptions, settings.printHeaderText, settings.printFooterText,
                           settings.rtfPngDiagrams};
  options.record.fields[rtf_field::kBoardSquareSize] = evenSquareSize(options.value(rtf_field::kBoardSquareSize));
  DiagramFiles diagrams(request->images.value_or(rtfImageDirectoryIn(dataDirectory())), *images,
                        rtfDiagramStyle(settings.colours, options.record),
                        request->diagrams.value_or(diagramFormatOf(options.on(rtf_field::kImagesAsBmp), options.pngDiagrams)));
  RtfDocumentContext context;
  std::error_code ignored;
  context.filePath = std::filesystem::absolute(request->path, ignored).string();
  context.gamePosition = chosen->gameNumber;
  context.gameCount = static_cast<int>(file->games->size());
  context.diagramImage = [&](const GameNode* node) { return diagrams.imageFor(*chosen->game, node); };
  const std::string document = writeRtfDocument(*chosen->game, options, context);
  for (const ExportMessage& message : diagrams.messages()) io.err << "meridax-cli rtf: " << escapeField(message.text) << '\n';
  if (auto failure = writeFileWhole(request->output, document)) {
    io.err << "meridax-cli rtf: '" << escapeField(request->output) << "': " << escapeField(failure->message()) << '\n';
    return kExitTrouble;
  }
  io.out << document.size() << " bytes\t" << diagrams.written() << " diagrams written\t" << diagrams.reused()
         << " reused\n";
  return diagrams.messages().empty() ? kExitOk : kExitTrouble;
}

}  // namespace meridax::cli
