#pragma once
// The GIF writer: GIF89a, 8 bits per pixel, one global colour table sorted by pixel count and padded
// with white, a graphic control extension with the frame delay, interlaced rows, a comment naming the
// program, and the trailer. giflib does the LZW coding and the block structure.

#include <memory>
#include <optional>
#include <string>

#include "export/export_file.h"
#include "export/gif_palette.h"
#include "export/rgb_image.h"
#include "model/program_version.h"

namespace meridax {

inline constexpr char kImageApplicationName[] = "Meridax";
// The delay of the single frame, in hundredths of a second.
inline constexpr int kGifFrameDelay = 20;

// "Image created using version %s of the %s application".
std::string gifCommentText(const std::string& version, const std::string& application);

class SGIFFile {
 public:
  SGIFFile(int width, int height, std::string application, std::string version);
  ~SGIFFile();
  SGIFFile(const SGIFFile&) = delete;
  SGIFFile& operator=(const SGIFFile&) = delete;

  // Starts the file: signature, screen descriptor and the colour table of the pixels, which must have
  // the size given at construction.
  std::optional<ExportFailure> Initialise(const RgbImage& pixels);
  // The control extension with the delay, the image descriptor and the rows in interlaced order.
  std::optional<ExportFailure> writeImage(int delay);
  // The comment and the trailer; after it, bytes() holds the whole file.
  std::optional<ExportFailure> Terminate();

  const std::string& bytes() const { return bytes_; }
  const GifPalette& palette() const { return palette_; }

 private:
  int width_;
  int height_;
  std::string application_;
  std::string version_;
  GifPalette palette_;
  std::string bytes_;
  struct Encoder;
  std::unique_ptr<Encoder> encoder_;
};

// The whole GIF file of a picture, or the reason it could not be made.
std::optional<ExportFailure> encodeGif(const RgbImage& image, std::string& bytes);

// Writes the GIF file of a picture whole. The failure to write names the path
// ("'%s'\r\n\r\nFile could not be opened", caption "SGIFFile::Initialise()").
std::optional<ExportFailure> writeGifFile(const std::string& path, const RgbImage& image);

// "'%s'\n\nFile created" (caption "SGIFFile::Terminate()"), shown when the user chose the file.
ExportMessage gifCreatedNotice(const std::string& path);

}  // namespace meridax
