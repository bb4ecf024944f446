#include "view/board_images.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstring>

#include "export/export_file.h"
#include "layout/board_scene.h"
#include "layout/frame_board.h"
#include "view/board_hex_lines.h"
#include "view/board_renderer.h"

namespace meridax {
namespace {

constexpr char kCaption[] = "CreateGridImage()";

// What a diagram shows of the scene: the pieces, and the marks when markup is wanted; no cursor,
// move markers or Othello highlights.
SceneOptions diagramSceneOptions(const DiagramStyle& style) {
  SceneOptions o;
  o.markup = style.markup;
  o.cursor = false;
  o.captures = false;
  o.available = false;
  o.lastMove = false;
  o.nextMove = false;
  o.numbering = Numbering::None;
  return o;
}

// The board's palette with the colours the style names (so a diagram's name, made from those colours,
// always matches what it shows).
BoardPalette diagramPalette(const DiagramStyle& style, const AppSettings& settings) {
  if (style.blackAndWhite) return blackAndWhitePalette();
  AttributeColours colours = settings.colours;
  colours.grid = style.gridColour;
  colours.border = style.borderColour;
  colours.kropkiWhiteCapture = style.kropkiWhiteCapture;
  colours.kropkiBlueCapture = style.kropkiBlueCapture;
  return paletteFromSettings(colours, settings.gradedOption);
}

bool drawsHexLines(const SGridFrame& game, const DiagramStyle& style) {
  return hasHexagonalCells(game.kind()) && style.hexLineMode;
}

// Paints the picture onto any device of the image's size.
void paintDiagram(QPainter& painter, const BoardGeometry& geometry, const SGridFrame& game, const GameNode* node,
                  const BoardPosition& position, const DiagramStyle& style, const AppSettings& settings) {
  const BoardPalette palette = diagramPalette(style, settings);
  const BoardScene scene = buildScene(game, node, position, diagramSceneOptions(style), BoardPoint{-1, -1});
  const bool lines = drawsHexLines(game, style);
  painter.fillRect(QRect(0, 0, geometry.area.width, geometry.area.height),
                   lines && style.blackAndWhite ? QColor(Qt::white) : palette.surface);
  if (lines) {
    paintHexLines(painter, geometry, scene, palette, style.hexLineBorder, style.markup);
    return;
  }
  BoardPaintOptions options;
  options.markup = style.markup;
  options.thickGoLines = settings.doThickGoLines;
  options.bevel = false;
  options.fillArea = false;
  BoardRenderer(palette, options).paint(painter, geometry, scene);
}

ExportFailure notWritten(const std::string& path) {
  return ExportFailure{kCaption, "'" + path + "'\r\n\r\nFile could not be opened"};
}

}  // namespace

QImage CreateGridImage(const SGridFrame& game, const GameNode* node, const BoardPosition& position,
                       const DiagramStyle& style, const AppSettings& settings) {
  const BoardGeometry geometry = imageGeometry(boardDimensionsOf(game), style.squareSize);
  QImage image(geometry.area.width, geometry.area.height, QImage::Format_RGB888);
  if (image.isNull()) return image;
  QPainter painter(&image);
  paintDiagram(painter, geometry, game, node, position, style, settings);
  painter.end();
  return image;
}

RgbImage toRgbImage(const QImage& source) {
  const QImage image = source.format() == QImage::Format_RGB888 ? source : source.convertToFormat(QImage::Format_RGB888);
  RgbImage out(image.width(), image.height(), 0);
  const std::size_t rowBytes = static_cast<std::size_t>(image.width()) * 3;
  for (int y = 0; y < image.height(); ++y)
    std::memcpy(&out.pixels[static_cast<std::size_t>(y) * rowBytes], image.constScanLine(y), rowBytes);
  return out;
}

QImage toQImage(const RgbImage& image) {
  QImage out(image.width, image.height, QImage::Format_RGB888);
  const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 3;
  for (int y = 0; y < image.height; ++y)
    std::memcpy(out.scanLine(y), &image.pixels[static_cast<std::size_t>(y) * rowBytes], rowBytes);
  return out;
}

std::optional<RgbImage> QtBoardImages::drawDiagram(const SGridFrame& game, const GameNode* node,
                                                   const BoardPosition& position, const DiagramStyle& style) {
  const QImage image = CreateGridImage(game, node, position, style, *settings_);
  if (image.isNull()) return std::nullopt;
  return toRgbImage(image);
}

std::optional<ExportFailure> QtBoardImages::writePng(const std::string& path, const RgbImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!toQImage(image).save(&buffer, "PNG")) return ExportFailure{kCaption, "'" + path + "'\r\n\r\nThe PNG coding failed"};
  if (writeFileWhole(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
    return notWritten(path);
  return std::nullopt;
}

std::optional<ExportFailure> QtBoardImages::writeSvg(const std::string& path, const SGridFrame& game,
                                                     const GameNode* node, const BoardPosition& position,
                                                     const DiagramStyle& style) {
  const BoardGeometry geometry = imageGeometry(boardDimensionsOf(game), style.squareSize);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(geometry.area.width, geometry.area.height));
  generator.setViewBox(QRect(0, 0, geometry.area.width, geometry.area.height));
  generator.setTitle(QStringLiteral("Meridax board"));
  QPainter painter(&generator);
  paintDiagram(painter, geometry, game, node, position, style, *settings_);
  painter.end();
  if (writeFileWhole(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
    return notWritten(path);
  return std::nullopt;
}

void QtBoardImages::setImage(const RgbImage& image) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setImage(toQImage(image));
}

}  // namespace meridax
