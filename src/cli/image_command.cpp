// meridax-cli image FILE [--game N] [--move M] [--square S] [--bw] [--no-markup] -o OUT: the picture of a
// position as the board pane draws it, as GIF, BMP, PNG or SVG by OUT's extension.

#include "app/diagram_style.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "cli/position_choice.h"
#include "export/board_image_files.h"
#include "rules/position_at.h"

namespace meridax::cli {
namespace {

constexpr char kUsage[] =
    "usage: meridax-cli image FILE [--game N] [--move M] [--square S] [--bw] [--no-markup] -o OUT.{gif,bmp,png,svg}\n";
constexpr int kDefaultSquare = 24;

struct ImageRequest {
  std::string path;
  std::string output;
  std::optional<int> game;
  std::optional<int> move;
  int square = kDefaultSquare;
  bool blackAndWhite = false;
  bool markup = true;
};

std::optional<ImageRequest> parse(const Arguments& args) {
  ImageRequest r;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--bw") {
      r.blackAndWhite = true;
    } else if (a == "--no-markup") {
      r.markup = false;
    } else if (a == "-o") {
      if (i + 1 == args.size() || !r.output.empty()) return std::nullopt;
      r.output = args[++i];
    } else if (a == "--game" || a == "--move" || a == "--square") {
      if (i + 1 == args.size()) return std::nullopt;
      const std::optional<int> value = wholeNumber(args[++i]);
      if (!value) return std::nullopt;
      if (a == "--game") r.game = value;
      else if (a == "--move") r.move = value;
      else r.square = *value;
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

int runImage(const Arguments& args, const CommandStreams& io, BoardImagePort* images) {
  const std::optional<ImageRequest> request = parse(args);
  if (!request || !imageFileKindOf(request->output)) {
    io.err << kUsage;
    return kExitTrouble;
  }
  if (auto refusal = squareSizeRefusal(request->square)) {
    io.err << "meridax-cli image: --square: " << refusal->text << '\n';
    return kExitTrouble;
  }
  if (images == nullptr) {
    io.err << "meridax-cli image: this program was built without the Qt layer that draws boards\n";
    return kExitTrouble;
  }
  std::optional<LoadedFile> file = loadFile(request->path, io.err);
  if (!file) return kExitTrouble;
  const std::optional<ChosenPosition> chosen = choosePosition(*file, request->game, request->move, io.err);
  if (!chosen) return kExitTrouble;
  DiagramStyle style = boardImageStyle(AttributeColours{}, evenSquareSize(request->square), request->blackAndWhite,
                                       request->markup);
  style.hexLineMode = false;  // hexagonal cells as the pane draws them
  style.hexLineBorder = false;
  const BoardPosition position = PositionAt(*chosen->game, chosen->node);
  if (auto failure = writeBoardImageFile(request->output, *images, *chosen->game, chosen->node, position, style)) {
    io.err << "meridax-cli image: " << escapeField(failure->text) << '\n';
    return kExitTrouble;
  }
  return kExitOk;
}

}  // namespace meridax::cli
