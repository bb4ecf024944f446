#include "export/board_image_files.h"

#include <algorithm>
#include <cctype>

#include "export/bmp_file.h"
#include "export/gif_file.h"

namespace meridax {

std::optional<ImageFileKind> imageFileKindOf(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return std::nullopt;
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == "gif") return ImageFileKind::Gif;
  if (extension == "bmp") return ImageFileKind::Bmp;
  if (extension == "png") return ImageFileKind::Png;
  if (extension == "svg") return ImageFileKind::Svg;
  return std::nullopt;
}

std::optional<ExportMessage> squareSizeRefusal(int square) {
  if (square >= kMinDiagramSquareSize && square <= kMaxDiagramSquareSize) return std::nullopt;
  return ExportMessage{"Integer Number Validation", "Please enter a value between " +
                                                        std::to_string(kMinDiagramSquareSize) + " and " +
                                                        std::to_string(kMaxDiagramSquareSize)};
}

std::optional<ExportFailure> writeBoardImageFile(const std::string& path, BoardImagePort& port, const SGridFrame& game,
                                                 const GameNode* node, const BoardPosition& position,
                                                 const DiagramStyle& style) {
  if (auto refusal = squareSizeRefusal(style.squareSize)) return refusal;
  const ImageFileKind kind = imageFileKindOf(path).value_or(ImageFileKind::Gif);
  if (kind == ImageFileKind::Svg) return port.writeSvg(path, game, node, position, style);
  const std::optional<RgbImage> image = port.drawDiagram(game, node, position, style);
  if (!image || !image->valid()) return ExportFailure{"CreateGridImage()", "'" + path + "'\r\n\r\nThe board could not be drawn"};
  switch (kind) {
    case ImageFileKind::Bmp: return writeBmpFile(path, *image);
    case ImageFileKind::Png: return port.writePng(path, *image);
    default: return writeGifFile(path, *image);
  }
}

}  // namespace meridax
