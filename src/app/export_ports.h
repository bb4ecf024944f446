#pragma once
// The ports of the export commands: the two option dialogs and the clipboard's picture. The board
// painter itself is BoardImagePort, given by the Qt layer.

#include <optional>

#include "export/board_image_files.h"
#include "export/rtf_options.h"

namespace meridax {

// The choices of " Copying to Clipboard".
struct ClipboardImageChoice {
  bool blackAndWhite = false;
  bool lineMode = false;    // hexagonal-cell boards only
  bool lineBorder = false;  // hexagonal-cell boards only
  bool useBoardSquare = true;
  int otherSquare = 16;     // "Other": refused by the dialog outside kMinDiagramSquareSize ... kMaxDiagramSquareSize
  friend bool operator==(const ClipboardImageChoice&, const ClipboardImageChoice&) = default;
};

class ExportDialogPort {
 public:
  virtual ~ExportDialogPort() = default;
  // " RTF Format Options" on a copy of the options and texts; nullopt when cancelled. The board square
  // size field refuses values outside kMinDiagramSquareSize ... kMaxDiagramSquareSize.
  virtual std::optional<RtfExportOptions> rtfFormatOptions(const RtfExportOptions& options) = 0;
  // " Copying to Clipboard"; nullopt when cancelled. Line mode and border are offered for hexagonal-cell
  // boards, black and white unless `offerBlackAndWhite` is false.
  virtual std::optional<ClipboardImageChoice> copyingToClipboard(const ClipboardImageChoice& initial, bool hexagonal,
                                                                 bool offerBlackAndWhite) = 0;
};

class ImageClipboardPort {
 public:
  virtual ~ImageClipboardPort() = default;
  // Puts the picture on the clipboard as a bitmap.
  virtual void setImage(const RgbImage& image) = 0;
};

}  // namespace meridax
