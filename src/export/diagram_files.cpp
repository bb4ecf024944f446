#include "export/diagram_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "export/board_image_files.h"
#include "export/bmp_file.h"
#include "export/gif_file.h"
#include "export/lookup3.h"
#include "model/text_format.h"
#include "rules/position_at.h"

namespace meridax {
namespace {

constexpr std::uint32_t kDiagramHashSeed = 14;
constexpr char kDiagramCaption[] = "SPreview::PrintRTF()";

std::string hex6(std::uint32_t colour) {
  return formatText("%06X", colour & 0xFFFFFF);
}

// The bytes of a regular file (never following a link); nullopt for anything else or a failed read.
std::optional<std::string> regularFileBytes(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(path, error))) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::string checkNameFor(const std::string& path) {
  std::random_device device;
  return path + formatText(".%08x.new", static_cast<unsigned>(device()));
}

}  // namespace

const char* diagramExtension(DiagramFormat format) {
  switch (format) {
    case DiagramFormat::Bmp: return "bmp";
    case DiagramFormat::Png: return "png";
    default: return "gif";
  }
}

std::string diagramPrefix(GameKind kind) {
  switch (kind) {
    case GameKind::Othello: return "RV";
    case GameKind::Kropki: return "KR";
    case GameKind::Unlur: return "UL";
    case GameKind::Havannah: return "HV";
    case GameKind::SideStitch: return "SS";
    case GameKind::Hex: return "HX";
    default: return "GO";
  }
}

std::string diagramDrawingKey(GameKind kind, const DiagramStyle& style) {
  const std::string size = std::to_string(style.squareSize);
  const bool hexagonal = hasHexagonalCells(kind);
  if (style.blackAndWhite && kind != GameKind::Kropki)
    return hexagonal ? size + (style.hexLineBorder ? 'B' : '1') : size;
  std::string key = size + hex6(style.borderColour) + hex6(style.gridColour) + hex6(style.borderColour) + hex6(0xFFFFFF);
  if (kind == GameKind::Kropki) return key + hex6(style.kropkiWhiteCapture) + hex6(style.kropkiBlueCapture);
  if (hexagonal) {
    key += style.hexLineMode ? 'L' : '2';
    key += style.hexLineMode && style.hexLineBorder ? 'C' : '3';
  }
  return key;
}

std::uint32_t diagramHash(const SGridFrame& game, const GameNode* node, const BoardPosition& position,
                          const DiagramStyle& style) {
  const int rows = game.kind() == GameKind::Kropki ? game.height() : game.width();
  const std::size_t cellCount =
      std::min(position.cells().size(), static_cast<std::size_t>(game.width()) * static_cast<std::size_t>(rows));
  std::string key(position.cells().begin(), position.cells().begin() + static_cast<std::ptrdiff_t>(cellCount));
  key += diagramDrawingKey(game.kind(), style);
  if (style.markup && node != nullptr && node->hasMarkup())
    if (auto markup = game.markup.find(node); markup != game.markup.end()) key += markup->second;
  return hashlittle(key, kDiagramHashSeed);
}

DiagramFiles::DiagramFiles(std::string directory, DiagramRenderer& renderer, DiagramStyle style, DiagramFormat format)
    : directory_(std::move(directory)), renderer_(renderer), style_(style), format_(format) {}

std::optional<ExportFailure> DiagramFiles::writeDiagram(const std::string& path, const RgbImage& image) {
  switch (format_) {
    case DiagramFormat::Bmp: return writeBmpFile(path, image);
    case DiagramFormat::Png: return renderer_.writePng(path, image);
    default: return writeGifFile(path, image);
  }
}

bool DiagramFiles::ensureDirectory() {
  if (directoryReady_) return *directoryReady_;
  std::error_code error;
  std::filesystem::create_directories(directory_, error);
  directoryReady_ = !directory_.empty() && std::filesystem::is_directory(directory_, error);
  if (!*directoryReady_) messages_.push_back({kDiagramCaption, "Unable to create directory\n'" + directory_ + "'"});
  return *directoryReady_;
}

std::string DiagramFiles::imageFor(const SGridFrame& game, const GameNode* node) {
  const BoardPosition position = PositionAt(game, node);
  const std::string name = formatText("_%08x.%s", diagramHash(game, node, position, style_), diagramExtension(format_));
  const std::string path = directory_ + "/" + diagramPrefix(game.kind()) + name;
  if (auto refusal = squareSizeRefusal(style_.squareSize)) {
    if (messages_.empty()) messages_.push_back(*refusal);
    return path;
  }
  if (!ensureDirectory()) return path;
  const std::optional<RgbImage> image = renderer_.drawDiagram(game, node, position, style_);
  if (!image || !image->valid()) {
    messages_.push_back({kDiagramCaption, "'" + path + "'\r\n\r\nThe diagram could not be drawn"});
    return path;
  }
  std::error_code error;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
    if (auto failure = writeDiagram(path, *image)) {
      messages_.push_back(*failure);
    } else {
      ++written_;
      writtenPaths_.push_back(path);
    }
    return path;
  }
  // A file of that name is reused only when it holds this very picture: the name is a 32-bit hash, which
  // two pictures may share, and the file may have been changed or replaced since it was written.
  const std::string candidate = checkNameFor(path);
  if (auto failure = writeDiagram(candidate, *image)) {
    messages_.push_back(*failure);
    std::filesystem::remove(candidate, error);
    return path;
  }
  const std::optional<std::string> existing = regularFileBytes(path);
  if (existing && existing == regularFileBytes(candidate)) {
    std::filesystem::remove(candidate, error);
    ++reused_;
    return path;
  }
  std::filesystem::rename(candidate, path, error);
  if (error) {
    std::filesystem::remove(candidate, error);
    messages_.push_back({kDiagramCaption, "'" + path + "'\r\n\r\nThe diagram could not be written"});
  } else {
    ++written_;
  }
  return path;
}

void DiagramFiles::removeWritten() {
  for (const std::string& path : writtenPaths_) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
  writtenPaths_.clear();
}

}  // namespace meridax
