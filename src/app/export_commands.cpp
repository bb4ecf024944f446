#include "app/export_commands.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <random>

#include "app/app_paths.h"
#include "app/chooser_paths.h"
#include "app/diagram_style.h"
#include "app/export_ports.h"
#include "app/file_services.h"
#include "app/outside_programs.h"
#include "app/private_files.h"
#include "app/progress_port.h"
#include "app/size_tables.h"
#include "model/text_format.h"
#include "export/ascii_diagram.h"
#include "export/gif_file.h"
#include "export/rtf_document.h"
#include "export/rtf_export_run.h"
#include "rules/position_at.h"

namespace meridax {
namespace {

constexpr char kGifChooserTitle[] = "Export Image as a GIF File";
constexpr char kGifFilter[] =
    "GIF Files  ( *.gif )|*.gif|PNG Files  ( *.png )|*.png|SVG Files  ( *.svg )|*.svg|All Files  ( *.* )|*.*||";
constexpr char kRtfChooserTitle[] = "Export as an RTF File";
constexpr char kRtfFilter[] = "RTF Files  ( *.rtf )|*.rtf|All Files  ( *.* )|*.*||";
constexpr char kTemporaryRtfPrefix[] = "PG";
constexpr int kTemporaryNameAttempts = 100;
constexpr char kNotAvailable[] = "Board images are not available: the program was started without its drawing layer.";

// Margo, Onyx and Sursum are drawn in their own colours only.
bool offersBlackAndWhite(GameKind kind) {
  return kind != GameKind::Margo && kind != GameKind::Onyx && kind != GameKind::Sursum;
}

std::string temporaryDirectoryOf(const FrameEnvironment& environment) {
  return environment.temporaryDirectory.empty() ? systemTemporaryDirectory() : environment.temporaryDirectory;
}

std::string createdNotice(const std::string& path) { return "'" + path + "'\n\nFile created"; }

}  // namespace

int boardPaneSquare(const FrameSettings& settings, const SGridFrame& game) {
  const int square = evenSquareSize(squareSizeFor(settings.sizes(sizeFamilyOf(game.kind())), game.width()));
  return std::clamp(square, kMinDiagramSquareSize, kMaxDiagramSquareSize);
}

void ExportCommands::tell(const std::string& caption, const std::string& text) {
  frame_.ports().messages->tell(UserMessage{caption, text, MessageIcon::Information});
}

bool ExportCommands::portsPresent(bool images, bool dialogs, bool imageClipboard) {
  const FramePorts& p = frame_.ports();
  if ((images && p.images == nullptr) || (dialogs && p.exportDialogs == nullptr) ||
      (imageClipboard && p.imageClipboard == nullptr)) {
    tell(kGridImageCaption, kNotAvailable);
    return false;
  }
  return true;
}

void ExportCommands::CmCreateGIF() {
  SGridFrame& game = frame_.game();
  createImageFile(game.currentNode, PositionAt(game, game.currentNode));
}

void ExportCommands::CmCopyBMP() {
  SGridFrame& game = frame_.game();
  copyImage(game.currentNode, PositionAt(game, game.currentNode));
}

void ExportCommands::composeExportGif(const ComposeModel& model) { createImageFile(nullptr, model.board()); }
void ExportCommands::composeCopyImage(const ComposeModel& model) { copyImage(nullptr, model.board()); }

void ExportCommands::createImageFile(const GameNode* node, const BoardPosition& position) {
  if (!portsPresent(true, false, false)) return;
  const FileDialogRequest request{kGifChooserTitle, kGifFilter, "gif", besideCurrentFile(frame_.currentFile(), "", "gif")};
  const std::optional<std::string> path = frame_.ports().files->chooseFileToSave(request);
  if (!path) return;
  SGridFrame& game = frame_.game();
  const DiagramStyle style = boardImageStyle(frame_.appSettings().colours, boardPaneSquare(frame_.frameSettings(), game),
                                             false, frame_.frameSettings().viewMarkup != 0);
  DiagramStyle paneStyle = style;
  paneStyle.hexLineMode = false;  // the pane draws hexagonal cells, not lines
  paneStyle.hexLineBorder = false;
  const auto failure = writeBoardImageFile(*path, *frame_.ports().images, game, node, position, paneStyle);
  if (failure) {
    frame_.ports().messages->tell(UserMessage{failure->caption, failure->text, MessageIcon::Error});
    return;
  }
  tell(imageFileKindOf(*path).value_or(ImageFileKind::Gif) == ImageFileKind::Gif ? gifCreatedNotice(*path).caption
                                                                                  : std::string(kGridImageCaption),
       createdNotice(*path));
}

void ExportCommands::copyImage(const GameNode* node, const BoardPosition& position) {
  if (!portsPresent(true, true, true)) return;
  SGridFrame& game = frame_.game();
  const bool hexagonal = hasHexagonalCells(game.kind());
  const int boardSquare = boardPaneSquare(frame_.frameSettings(), game);
  ClipboardImageChoice initial;
  initial.otherSquare = boardSquare;
  const std::optional<ClipboardImageChoice> choice =
      frame_.ports().exportDialogs->copyingToClipboard(initial, hexagonal, offersBlackAndWhite(game.kind()));
  if (!choice) return;
  const int asked = choice->useBoardSquare ? boardSquare : choice->otherSquare;
  if (auto refusal = squareSizeRefusal(asked)) {
    frame_.ports().messages->tell(UserMessage{refusal->caption, refusal->text, MessageIcon::Warning});
    return;
  }
  DiagramStyle style = boardImageStyle(frame_.appSettings().colours, evenSquareSize(asked),
                                       choice->blackAndWhite && offersBlackAndWhite(game.kind()),
                                       frame_.frameSettings().viewMarkup != 0);
  style.hexLineMode = hexagonal && choice->lineMode;
  style.hexLineBorder = hexagonal && choice->lineBorder;
  const std::optional<RgbImage> image = frame_.ports().images->drawDiagram(game, node, position, style);
  if (!image || !image->valid()) {
    frame_.ports().messages->tell(UserMessage{kGridImageCaption, "The board could not be drawn", MessageIcon::Error});
    return;
  }
  frame_.ports().imageClipboard->setImage(*image);
  tell(kGridImageCaption, formatText(kBitmapCopiedText, style.squareSize));
}

std::string ExportCommands::rtfTarget(bool temporary) {
  if (!temporary) {
    const FileDialogRequest request{kRtfChooserTitle, kRtfFilter, "rtf",
                                    besideCurrentFile(frame_.currentFile(), "", "rtf")};
    return frame_.ports().files->chooseFileToSave(request).value_or("");
  }
  return temporaryDirectoryOf(frame_.environment()) + "/" + kTemporaryRtfPrefix;
}

void ExportCommands::CmSaveRTF() {
  if (!portsPresent(true, true, false)) return;
  AppSettings& settings = frame_.appSettings();
  const RtfExportOptions current{settings.rtfOptions, settings.printHeaderText, settings.printFooterText,
                               settings.rtfPngDiagrams};
  std::optional<RtfExportOptions> chosen = frame_.ports().exportDialogs->rtfFormatOptions(current);
  if (!chosen) return;
  auto& square = chosen->record.fields[rtf_field::kBoardSquareSize];
  if (auto refusal = squareSizeRefusal(square)) {
    frame_.ports().messages->tell(UserMessage{refusal->caption, refusal->text, MessageIcon::Warning});
    return;
  }
  square = evenSquareSize(square);
  settings.rtfOptions = chosen->record;
  settings.printHeaderText = chosen->headerText;
  settings.printFooterText = chosen->footerText;
  settings.rtfPngDiagrams = chosen->pngDiagrams;

  // The name comes first: nothing is drawn or written for an export the person gives up at the chooser.
  const bool temporary = chosen->on(rtf_field::kTemporaryFile);
  const std::string target = rtfTarget(temporary);
  if (target.empty()) return;

  SGridFrame& game = frame_.game();
  Collection& games = frame_.collection();
  DiagramFiles diagrams(rtfImageDirectoryIn(frame_.environment().dataDirectory), *frame_.ports().images,
                        rtfDiagramStyle(settings.colours, chosen->record),
                        diagramFormatOf(chosen->on(rtf_field::kImagesAsBmp), chosen->pngDiagrams));
  RtfDocumentContext context;
  context.filePath = frame_.currentFile();
  context.gamePosition = static_cast<int>(games.currentIndex()) + 1;
  context.gameCount = static_cast<int>(games.size());
  RtfExportRun run;
  {
    ProgressScope progress(frame_.ports().progress, WorkKind::Exporting, temporary ? "RTF" : target);
    run = runRtfExport(game, *chosen, context, diagrams, progress.callback());
  }
  if (run.cancelled) return;  // the pictures it drew are gone again, and no document was written
  for (const ExportMessage& message : diagrams.messages())
    frame_.ports().messages->tell(UserMessage{message.caption, message.text, MessageIcon::Warning});

  const std::string path = temporary ? writeTemporaryRtf(target, run.document) : writeRtf(target, run.document);
  if (path.empty()) return;
  if (temporary) {
    ViewFile(*frame_.ports().processes, *frame_.ports().messages, ViewKind::Rtf, settings.rtfEditor, path);
    return;
  }
  tell(kSaveRtfCaption, formatText("File '%s' saved\r\n\r\n( %d  bytes )", path.c_str(), static_cast<int>(run.document.size())));
}

std::string ExportCommands::writeRtf(const std::string& path, const std::string& document) {
  if (auto error = writeFileWhole(path, document)) {
    frame_.ports().messages->tell(UserMessage{
        "CreateFile()", formatText("'%s'\n%s\nError Code is %d", path.c_str(), error->message().c_str(), error->value()),
        MessageIcon::Error});
    return {};
  }
  return path;
}

std::string ExportCommands::writeTemporaryRtf(const std::string& prefix, const std::string& document) {
  // A new name of the person's alone in the shared folder, removed when the program ends.
  std::random_device device;
  std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
  std::string path;
  std::optional<SystemError> error;
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    path = prefix + formatText("%06x.rtf", digits(device));
    error = writeNewPrivateFile(path, document);
    if (!error || error->code != EEXIST) break;
  }
  if (error) {
    frame_.ports().messages->tell(UserMessage{"CreateFile()", systemCallFailureText(path, *error), MessageIcon::Error});
    return {};
  }
  filesRemovedAtExit().add(path);
  return path;
}

void ExportCommands::CmCopySGF(CopyScope scope) {
  MessagePort& messages = *frame_.ports().messages;
  const SgfCopy copy = GetSGF(frame_.game(), scope, [&](const std::string& question) -> std::optional<bool> {
    const Answer answer = messages.askYesNoCancel(kGetSgfCaption, question);
    if (answer == Answer::Cancel) return std::nullopt;
    return answer == Answer::Yes;
  });
  if (copy.outcome == CopyOutcome::Cancelled) return;
  if (copy.outcome == CopyOutcome::Failed) {
    messages.tell(UserMessage{kGetSgfCaption, kUnableToGetSgfText, MessageIcon::Error});
    return;
  }
  frame_.ports().clipboard->setText(copy.text);
  tell(kGetSgfCaption, copiedMessage(copy.text.size()));
}

void ExportCommands::GetASCII() {
  SGridFrame& game = frame_.game();
  frame_.ports().clipboard->setText(asciiDiagramOfNode(game, game.currentNode));
  tell(kAsciiCopiedCaptionMain, kAsciiCopiedText);
}

}  // namespace meridax
