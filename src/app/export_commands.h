#pragma once
// The export commands of the main frame: the board as a GIF (or PNG, SVG, BMP) file and as a bitmap on
// the clipboard, the current game as an RTF document with its diagrams, and the SGF text and the ASCII
// diagram on the clipboard. A part of the main frame (FrameWin::exports()) that reaches the frame only
// through FrameServices.

#include <string>

#include "app/frame_services.h"
#include "app/settings_values.h"
#include "edit/compose_model.h"
#include "export/diagram_files.h"
#include "sgf/sgf_copy.h"

namespace meridax {

inline constexpr char kSaveRtfCaption[] = "FrameWin::CmSaveRTF()";
inline constexpr char kGridImageCaption[] = "CreateGridImage()";
// The confirmation of the bitmap copy; on X11 the clipboard keeps the picture only while the program runs.
inline constexpr char kBitmapCopiedText[] =
    "Bitmap has been copied to the Windows Clipboard\r\n\r\nSquare size = %d\r\n\r\n"
    "The image stays on the clipboard while Meridax is running.";

// The board pane's square size for the game, even and within kMinDiagramSquareSize ... kMaxDiagramSquareSize.
int boardPaneSquare(const FrameSettings& settings, const SGridFrame& game);

class ExportCommands {
 public:
  explicit ExportCommands(FrameServices& frame) : frame_(frame) {}
  ExportCommands(const ExportCommands&) = delete;
  ExportCommands& operator=(const ExportCommands&) = delete;

  // "Create GIF Image": the chooser "Export Image as a GIF File"; the format follows the extension.
  void CmCreateGIF();
  // "Copy BMP Image to Clipboard": " Copying to Clipboard", then the bitmap.
  void CmCopyBMP();
  // "Export Game as RTF": " RTF Format Options", the chooser (or, with the temporary-file option, a
  // private temporary file later opened with the RTF editor and removed when the program ends), then the
  // diagrams and the document as long work that shows its progress; a cancel leaves no file behind.
  void CmSaveRTF();
  void CmCopySGF(CopyScope scope);
  void GetASCII();
  // The composition dialog's "Export Position as GIF Image" (Ctrl+F) and "Copy Position to Clipboard"
  // (Ctrl+G): the same for the position being composed.
  void composeExportGif(const ComposeModel& model);
  void composeCopyImage(const ComposeModel& model);

 private:
  void createImageFile(const GameNode* node, const BoardPosition& position);
  void copyImage(const GameNode* node, const BoardPosition& position);
  bool portsPresent(bool images, bool dialogs, bool imageClipboard);
  void tell(const std::string& caption, const std::string& text);
  // The chosen file of the RTF document, or the temporary folder's name prefix; empty when cancelled.
  std::string rtfTarget(bool temporary);
  // The document written to the chosen file, or to a new temporary one after the prefix; the path
  // written, empty after telling the person why not.
  std::string writeRtf(const std::string& path, const std::string& document);
  std::string writeTemporaryRtf(const std::string& prefix, const std::string& document);

  FrameServices& frame_;
};

}  // namespace meridax
