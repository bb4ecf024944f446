#pragma once
// The BMP writer: a 54-byte header (file header and 40-byte information header) and 24-bit rows from
// the bottom up, three bytes per pixel in the order blue, green, red, each row padded to 4 bytes.

#include <optional>
#include <string>

#include "export/export_file.h"
#include "export/rgb_image.h"

namespace meridax {

inline constexpr std::size_t kBmpHeaderSize = 54;

// The bytes of the BMP file of a valid picture.
std::string encodeBmp(const RgbImage& image);

// Writes the BMP file whole ("'%s'\r\n\r\nUnable to open file for writing", caption "SaveAsBMP()", on failure).
std::optional<ExportFailure> writeBmpFile(const std::string& path, const RgbImage& image);

// "'%s'\r\n\r\nFile created.  Bytes = %d", shown when the write was not silent.
ExportMessage bmpCreatedNotice(const std::string& path, std::size_t bytes);

}  // namespace meridax
