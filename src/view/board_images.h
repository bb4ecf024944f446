#pragma once
// Board pictures for the exports, painted by the board pane's own renderer: a position of any node at
// any square size, with the board's colours or in black and white, hexagonal boards in line mode with
// or without a border, markup on or off. They reach the core as RgbImage through BoardImagePort; PNG
// goes through QImage, SVG through QSvgGenerator, and the clipboard takes the QImage itself.

#include <QImage>

#include "app/export_ports.h"
#include "app/settings_values.h"

namespace meridax {

// The picture of `position` (the position of `node`, which may be null) in a 24-bit image of the size
// the exports give each kind of board. `settings` supplies the board's colours and line style.
QImage CreateGridImage(const SGridFrame& game, const GameNode* node, const BoardPosition& position,
                       const DiagramStyle& style, const AppSettings& settings);

// The pixels of a QImage as an RgbImage (any format is converted first).
RgbImage toRgbImage(const QImage& image);
QImage toQImage(const RgbImage& image);

class QtBoardImages : public BoardImagePort, public ImageClipboardPort {
 public:
  // The settings are read at every picture, so the board's current colours are used; they must outlive this.
  explicit QtBoardImages(const AppSettings& settings) : settings_(&settings) {}
  // Without settings until setSettings: the default colours.
  QtBoardImages() : settings_(&defaults_) {}
  void setSettings(const AppSettings& settings) { settings_ = &settings; }

  std::optional<RgbImage> drawDiagram(const SGridFrame& game, const GameNode* node, const BoardPosition& position,
                                      const DiagramStyle& style) override;
  std::optional<ExportFailure> writePng(const std::string& path, const RgbImage& image) override;
  std::optional<ExportFailure> writeSvg(const std::string& path, const SGridFrame& game, const GameNode* node,
                                        const BoardPosition& position, const DiagramStyle& style) override;
  // QClipboard::setImage; on X11 the picture stays on the clipboard only while the program runs.
  void setImage(const RgbImage& image) override;

 private:
  AppSettings defaults_;
  const AppSettings* settings_;
};

}  // namespace meridax
