#pragma once
// The image files of RTF diagrams: each picture is named by a hash of what it shows and how it is drawn,
// kept in the RTF image directory and shared by every document that shows the same picture. The drawing
// itself comes through DiagramRenderer, so this layer needs no windowing library.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "export/export_file.h"
#include "export/rgb_image.h"
#include "model/grid_frame.h"

namespace meridax {

// How a diagram is drawn; the colours are those of the board (value with red in the lowest byte).
struct DiagramStyle {
  int squareSize = 16;
  bool blackAndWhite = false;
  bool hexLineMode = true;
  bool hexLineBorder = true;
  bool markup = false;
  std::uint32_t borderColour = 0x800000;
  std::uint32_t gridColour = 0xDFDFDF;
  std::uint32_t kropkiWhiteCapture = 0x887CD8;
  std::uint32_t kropkiBlueCapture = 0x4032A3;
};

// The largest square size of a board image.
inline constexpr int kMaxDiagramSquareSize = 70;

class DiagramRenderer {
 public:
  virtual ~DiagramRenderer() = default;
  // The picture of `position` (the position of `node`) drawn as the board pane draws it, with the node's
  // marks when style.markup is set; nullopt when it cannot be drawn.
  virtual std::optional<RgbImage> drawDiagram(const SGridFrame& game, const GameNode* node,
                                              const BoardPosition& position, const DiagramStyle& style) = 0;
  // The PNG file of a picture (PNG coding comes with the drawing library).
  virtual std::optional<ExportFailure> writePng(const std::string& path, const RgbImage& image) = 0;
};

// The file format of the diagrams. GIF and BMP are the document options' formats; PNG is for word
// processors that show linked PNG pictures but not linked GIF or BMP ones (LibreOffice is one).
enum class DiagramFormat { Gif, Bmp, Png };

// The format the options choose: PNG when asked for, else BMP or GIF by the options' BMP field.
constexpr DiagramFormat diagramFormatOf(bool asBmp, bool asPng) {
  return asPng ? DiagramFormat::Png : asBmp ? DiagramFormat::Bmp : DiagramFormat::Gif;
}
// "gif", "bmp" or "png".
const char* diagramExtension(DiagramFormat format);

// The kind prefix of the file name: "GO", "RV", "KR", "UL", "HV", "SS" or "HX".
std::string diagramPrefix(GameKind kind);
// What the picture depends on besides the cells: square size, colours, line mode and border.
std::string diagramDrawingKey(GameKind kind, const DiagramStyle& style);
// hashlittle (initial value 14) of the cells, the drawing key and, with markup wanted, the node's markup.
std::uint32_t diagramHash(const SGridFrame& game, const GameNode* node, const BoardPosition& position,
                          const DiagramStyle& style);

class DiagramFiles {
 public:
  DiagramFiles(std::string directory, DiagramRenderer& renderer, DiagramStyle style, DiagramFormat format);

  // The path of the picture of the node's position, drawn and written when no file of that name exists.
  // The path is returned even when the picture could not be written (messages() says why).
  std::string imageFor(const SGridFrame& game, const GameNode* node);

  const std::vector<ExportMessage>& messages() const { return messages_; }
  int written() const { return written_; }
  int reused() const { return reused_; }
  // The pictures this object wrote, in order; removeWritten() deletes them (a stopped export).
  const std::vector<std::string>& writtenPaths() const { return writtenPaths_; }
  void removeWritten();

 private:
  bool ensureDirectory();
  std::optional<ExportFailure> writeDiagram(const std::string& path, const RgbImage& image);

  std::string directory_;
  DiagramRenderer& renderer_;
  DiagramStyle style_;
  DiagramFormat format_;
  std::optional<bool> directoryReady_;
  std::vector<ExportMessage> messages_;
  int written_ = 0;
  int reused_ = 0;
  std::vector<std::string> writtenPaths_;
};

}  // namespace meridax
