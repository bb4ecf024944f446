#include "export/gif_file.h"

#include <gif_lib.h>

#include <memory>
#include <utility>
#include <vector>

namespace meridax {
namespace {

constexpr char kInitialiseCaption[] = "SGIFFile::Initialise()";
constexpr char kTerminateCaption[] = "SGIFFile::Terminate()";
constexpr int kBitsPerPixel = 8;

int appendToString(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
  return length;
}

ExportFailure giflibFailure(const char* caption, int error) {
  const char* reason = GifErrorString(error);
  return ExportFailure{caption, std::string("GIF encoding failed: ") + (reason != nullptr ? reason : "unknown error")};
}

}  // namespace

struct SGIFFile::Encoder {
  GifFileType* gif = nullptr;
  ~Encoder() {
    if (gif != nullptr) EGifCloseFile(gif, nullptr);
  }
  int lastError() const { return gif != nullptr ? gif->Error : E_GIF_ERR_NOT_WRITEABLE; }
};

std::string gifCommentText(const std::string& version, const std::string& application) {
  return "Image created using version " + version + " of the " + application + " application";
}

SGIFFile::SGIFFile(int width, int height, std::string application, std::string version)
    : width_(width), height_(height), application_(std::move(application)), version_(std::move(version)) {}

SGIFFile::~SGIFFile() = default;

std::optional<ExportFailure> SGIFFile::Initialise(const RgbImage& pixels) {
  if (!pixels.valid() || pixels.width != width_ || pixels.height != height_ || width_ > 0xFFFF || height_ > 0xFFFF)
    return ExportFailure{kInitialiseCaption, "The image has no pixels or does not fit a GIF file"};
  palette_ = buildGifPalette(pixels);
  bytes_.clear();
  encoder_ = std::make_unique<Encoder>();
  int error = 0;
  encoder_->gif = EGifOpen(&bytes_, appendToString, &error);
  if (encoder_->gif == nullptr) return giflibFailure(kInitialiseCaption, error);
  EGifSetGifVersion(encoder_->gif, true);

  std::vector<GifColorType> entries;
  for (const std::uint32_t rgb : palette_.table())
    entries.push_back(GifColorType{static_cast<GifByteType>(rgb >> 16), static_cast<GifByteType>(rgb >> 8),
                                   static_cast<GifByteType>(rgb)});
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(entries.size()), entries.data());
  if (map == nullptr) return giflibFailure(kInitialiseCaption, E_GIF_ERR_NOT_ENOUGH_MEM);
  const int status = EGifPutScreenDesc(encoder_->gif, width_, height_, kBitsPerPixel, 0, map);
  GifFreeMapObject(map);
  if (status == GIF_ERROR) return giflibFailure(kInitialiseCaption, encoder_->lastError());
  return std::nullopt;
}

std::optional<ExportFailure> SGIFFile::writeImage(int delay) {
  if (!encoder_ || encoder_->gif == nullptr) return ExportFailure{kInitialiseCaption, "The GIF file was not started"};
  GifFileType* gif = encoder_->gif;
  const GifByteType control[4] = {0, static_cast<GifByteType>(delay & 0xFF), static_cast<GifByteType>(delay >> 8), 0};
  if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, sizeof control, control) == GIF_ERROR ||
      EGifPutImageDesc(gif, 0, 0, width_, height_, true, nullptr) == GIF_ERROR)
    return giflibFailure(kInitialiseCaption, encoder_->lastError());
  std::vector<GifPixelType> row(static_cast<std::size_t>(width_));
  for (const int y : interlacedRowOrder(height_)) {
    const auto first = palette_.indices.begin() + static_cast<std::ptrdiff_t>(y) * width_;
    std::copy(first, first + width_, row.begin());
    if (EGifPutLine(gif, row.data(), width_) == GIF_ERROR) return giflibFailure(kInitialiseCaption, encoder_->lastError());
  }
  return std::nullopt;
}

std::optional<ExportFailure> SGIFFile::Terminate() {
  if (!encoder_ || encoder_->gif == nullptr) return ExportFailure{kTerminateCaption, "The GIF file was not started"};
  GifFileType* gif = encoder_->gif;
  if (EGifPutComment(gif, gifCommentText(version_, application_).c_str()) == GIF_ERROR)
    return giflibFailure(kTerminateCaption, encoder_->lastError());
  int error = 0;
  encoder_->gif = nullptr;  // closing writes the trailer and frees the encoder, whatever its outcome
  if (EGifCloseFile(gif, &error) == GIF_ERROR) return giflibFailure(kTerminateCaption, error);
  return std::nullopt;
}

std::optional<ExportFailure> encodeGif(const RgbImage& image, std::string& bytes) {
  SGIFFile file(image.width, image.height, kImageApplicationName, kProgramVersion);
  if (auto failure = file.Initialise(image)) return failure;
  if (auto failure = file.writeImage(kGifFrameDelay)) return failure;
  if (auto failure = file.Terminate()) return failure;
  bytes = file.bytes();
  return std::nullopt;
}

std::optional<ExportFailure> writeGifFile(const std::string& path, const RgbImage& image) {
  std::string bytes;
  if (auto failure = encodeGif(image, bytes)) return failure;
  if (writeFileWhole(path, bytes)) return ExportFailure{kInitialiseCaption, "'" + path + "'\r\n\r\nFile could not be opened"};
  return std::nullopt;
}

ExportMessage gifCreatedNotice(const std::string& path) {
  return ExportMessage{kTerminateCaption, "'" + path + "'\n\nFile created"};
}

}  // namespace meridax
