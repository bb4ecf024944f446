#include "export/bmp_file.h"

#include <cstdint>

namespace meridax {
namespace {

constexpr char kCaption[] = "SaveAsBMP()";

void put16(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

std::uint32_t rowBytes(int width) { return ((24u * static_cast<std::uint32_t>(width) + 31) / 32) * 4; }

}  // namespace

std::string encodeBmp(const RgbImage& image) {
  const std::uint32_t stride = rowBytes(image.width);
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(image.height);
  std::string out;
  out.reserve(kBmpHeaderSize + imageSize);
  out += "BM";
  put32(out, static_cast<std::uint32_t>(kBmpHeaderSize) + imageSize);
  put32(out, 0);  // two reserved words
  put32(out, kBmpHeaderSize);
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(image.width));
  put32(out, static_cast<std::uint32_t>(image.height));  // positive: rows stored bottom-up
  put16(out, 1);                                          // planes
  put16(out, 24);                                         // bits per pixel
  put32(out, 0);                                          // no compression
  put32(out, imageSize);
  put32(out, 0);  // horizontal and vertical resolution: not given
  put32(out, 0);
  put32(out, 0);  // colours used and important: all
  put32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t rgb = image.at(x, y);
      out += static_cast<char>(rgb & 0xFF);
      out += static_cast<char>((rgb >> 8) & 0xFF);
      out += static_cast<char>((rgb >> 16) & 0xFF);
    }
    out.append(stride - 3u * static_cast<std::uint32_t>(image.width), '\0');
  }
  return out;
}

std::optional<ExportFailure> writeBmpFile(const std::string& path, const RgbImage& image) {
  if (!image.valid()) return ExportFailure{kCaption, "'" + path + "'\r\n\r\nThe image has no pixels"};
  if (writeFileWhole(path, encodeBmp(image)))
    return ExportFailure{kCaption, "'" + path + "'\r\n\r\nUnable to open file for writing"};
  return std::nullopt;
}

ExportMessage bmpCreatedNotice(const std::string& path, std::size_t bytes) {
  return ExportMessage{kCaption, "'" + path + "'\r\n\r\nFile created.  Bytes = " + std::to_string(bytes)};
}

}  // namespace meridax
