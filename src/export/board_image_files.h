#pragma once
// Board pictures as files: GIF and BMP written here, PNG and SVG through the drawing library behind
// BoardImagePort; the format is chosen by the file's extension. Square sizes are checked as the
// copy dialog checks them.

#include <optional>
#include <string>

#include "export/diagram_files.h"
#include "export/export_file.h"

namespace meridax {

enum class ImageFileKind { Gif, Bmp, Png, Svg };

// By the extension, in any case: ".gif", ".bmp", ".png", ".svg"; nullopt for anything else.
std::optional<ImageFileKind> imageFileKindOf(const std::string& path);

// The smallest square size a board image is drawn at; with kMaxDiagramSquareSize, the range the
// number fields accept.
inline constexpr int kMinDiagramSquareSize = 12;

// "Please enter a value between 12 and 70" (caption "Integer Number Validation") for a square size
// outside the range; nullopt when it is inside.
std::optional<ExportMessage> squareSizeRefusal(int square);
// An accepted square size made even (an odd size goes down by one).
constexpr int evenSquareSize(int square) { return square - square % 2; }

class BoardImagePort : public DiagramRenderer {
 public:
  // The SVG file of a position, drawn by the same painter as the pictures.
  virtual std::optional<ExportFailure> writeSvg(const std::string& path, const SGridFrame& game, const GameNode* node,
                                                const BoardPosition& position, const DiagramStyle& style) = 0;
};

// Draws the position and writes it in the format of the path's extension (GIF when it names none).
std::optional<ExportFailure> writeBoardImageFile(const std::string& path, BoardImagePort& port, const SGridFrame& game,
                                                 const GameNode* node, const BoardPosition& position,
                                                 const DiagramStyle& style);

}  // namespace meridax
