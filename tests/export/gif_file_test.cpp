#include "export/gif_file.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace meridax {
namespace {

struct ReadCursor {
  const std::string* bytes;
  std::size_t at = 0;
};

int readFromString(GifFileType* gif, GifByteType* out, int length) {
  auto* cursor = static_cast<ReadCursor*>(gif->UserData);
  const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(length), cursor->bytes->size() - cursor->at);
  std::memcpy(out, cursor->bytes->data() + cursor->at, n);
  cursor->at += n;
  return static_cast<int>(n);
}

// Decodes a GIF file into a picture (the decoder undoes the interlacing itself).
RgbImage decodeGif(const std::string& bytes) {
  ReadCursor cursor{&bytes};
  int error = 0;
  GifFileType* gif = DGifOpen(&cursor, readFromString, &error);
  EXPECT_NE(gif, nullptr);
  if (gif == nullptr) return {};
  EXPECT_EQ(DGifSlurp(gif), GIF_OK);
  RgbImage image(gif->SWidth, gif->SHeight, 0);
  const SavedImage& frame = gif->SavedImages[0];
  const ColorMapObject* map = gif->SColorMap;
  EXPECT_TRUE(frame.ImageDesc.Interlace);
  for (int y = 0; y < gif->SHeight; ++y)
    for (int x = 0; x < gif->SWidth; ++x) {
      const GifColorType c = map->Colors[frame.RasterBits[y * gif->SWidth + x]];
      image.set(x, y, static_cast<std::uint32_t>(c.Red) << 16 | c.Green << 8 | c.Blue);
    }
  DGifCloseFile(gif, &error);
  return image;
}

RgbImage stripes(int width, int height, std::initializer_list<std::uint32_t> colours) {
  RgbImage image(width, height);
  const std::vector<std::uint32_t> list(colours);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.set(x, y, list[static_cast<std::size_t>((x + 3 * y) % static_cast<int>(list.size()))]);
  return image;
}

// A picture of `count` distinct colours, colour i drawn on count - i pixels so that the order is known.
RgbImage manyColours(int count) {
  std::vector<std::uint32_t> pixels;
  for (int i = 0; i < count; ++i)
    for (int k = 0; k < count - i; ++k) pixels.push_back(static_cast<std::uint32_t>(i * 0x010203 + 0x101010));
  const int width = 97;
  const int height = static_cast<int>((pixels.size() + width - 1) / width);
  RgbImage image(width, height, pixels.back());
  for (std::size_t i = 0; i < pixels.size(); ++i) image.set(static_cast<int>(i % width), static_cast<int>(i / width), pixels[i]);
  return image;
}

std::string encode(const RgbImage& image) {
  std::string bytes;
  EXPECT_FALSE(encodeGif(image, bytes).has_value());
  return bytes;
}

struct SizeCase {
  int width;
  int height;
  std::vector<std::uint32_t> colours;
  int tableBits;
};

class GifRoundTrip : public ::testing::TestWithParam<SizeCase> {};

TEST_P(GifRoundTrip, DecodesToTheSamePixels_TableOfTheRightSize) {
  const SizeCase& c = GetParam();
  RgbImage image(c.width, c.height);
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) image.set(x, y, c.colours[static_cast<std::size_t>(x * 7 + y) % c.colours.size()]);
  const std::string bytes = encode(image);
  EXPECT_EQ(firstDifference(decodeGif(bytes), image), "");
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[10]), 0xF0 | (c.tableBits - 1));
}

INSTANTIATE_TEST_SUITE_P(
    Gif, GifRoundTrip,
    ::testing::Values(SizeCase{1, 1, {0x000000}, 2}, SizeCase{319, 319, {0xFFFFFF, 0x000000}, 2},
                      SizeCase{17, 9, {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xABCDEF}, 3},
                      SizeCase{8, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}, 5},
                      SizeCase{3, 40, {0xDFDFDF, 0x800000, 0xB3D7DF, 0xFF0000}, 2}));

TEST(GifFile, Layout_SignatureControlExtensionInterlaceCommentTrailer) {
  const std::string bytes = encode(stripes(21, 13, {0xFFFFFF, 0x000000}));
  EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[6]), 21);
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[8]), 13);
  // Two colours: a table of four entries, the last two white.
  const std::string table = bytes.substr(13, 12);
  EXPECT_EQ(table.substr(6), std::string(6, '\xFF'));
  const std::string control("\x21\xF9\x04\x00\x14\x00\x00\x00", 8);
  ASSERT_EQ(bytes.substr(25, 8), control);
  EXPECT_EQ(bytes[33], '\x2C');
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[42]) & 0x40, 0x40) << "interlaced";
  const std::string comment = gifCommentText("18.5", "Meridax");
  EXPECT_EQ(comment, "Image created using version 18.5 of the Meridax application");
  const std::string tail = std::string("\x21\xFE", 2) + static_cast<char>(comment.size()) + comment + '\0' + ';';
  ASSERT_GE(bytes.size(), tail.size());
  EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
}

TEST(GifPalette, MostFrequentFirst_EqualCountsKeepTheirOrder) {
  RgbImage image(6, 1);
  const std::uint32_t row[] = {0x00000A, 0x00000B, 0x00000B, 0x00000C, 0x00000B, 0x00000C};
  for (int x = 0; x < 6; ++x) image.set(x, 0, row[x]);
  const GifPalette palette = buildGifPalette(image);
  EXPECT_EQ(palette.colours, (std::vector<std::uint32_t>{0x00000B, 0x00000C, 0x00000A}));
  EXPECT_EQ(palette.table(), (std::vector<std::uint32_t>{0x00000B, 0x00000C, 0x00000A, 0xFFFFFF}));
}

TEST(GifPalette, ThreeHundredColours_PastThe254thDrawnWithTheNearestKept) {
  const RgbImage image = manyColours(300);
  const GifPalette palette = buildGifPalette(image);
  EXPECT_EQ(palette.tableBits, 8);
  EXPECT_EQ(palette.table().size(), 256u);
  for (std::size_t i = 0; i < palette.indices.size(); ++i) ASSERT_LT(palette.indices[i], kKeptColours);
  // Colour 254 (0-based) of the ramp is nearest to colour 253, the last one kept.
  const std::uint32_t c254 = 254 * 0x010203 + 0x101010;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if (image.at(x, y) == c254) {
        EXPECT_EQ(palette.indices[static_cast<std::size_t>(y) * image.width + x], 253);
      }
  // The decoded file shows the kept colours unchanged and every other one as its nearest kept colour.
  const RgbImage decoded = decodeGif(encode(image));
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * image.width + x;
      EXPECT_EQ(decoded.at(x, y), palette.colours[palette.indices[i]]);
    }
}

TEST(GifPalette, Exactly254Colours_AllKept) {
  const RgbImage image = manyColours(254);
  EXPECT_EQ(firstDifference(decodeGif(encode(image)), image), "");
}

TEST(GifFile, InterlacedRowOrder_FourPasses) {
  EXPECT_EQ(interlacedRowOrder(10), (std::vector<int>{0, 8, 4, 2, 6, 1, 3, 5, 7, 9}));
  EXPECT_EQ(interlacedRowOrder(1), (std::vector<int>{0}));
  EXPECT_TRUE(interlacedRowOrder(0).empty());
}

TEST(GifFile, EmptyImage_RefusedWithoutBytes) {
  std::string bytes;
  EXPECT_TRUE(encodeGif(RgbImage{}, bytes).has_value());
  EXPECT_TRUE(bytes.empty());
}

TEST(GifFile, UnwritablePath_ReportsTheFileAndLeavesNothing) {
  const std::string path = ::testing::TempDir() + "missing-dir/x.gif";
  const auto failure = writeGifFile(path, stripes(4, 4, {0, 1}));
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->caption, "SGIFFile::Initialise()");
  EXPECT_EQ(failure->text, "'" + path + "'\r\n\r\nFile could not be opened");
}

}  // namespace
}  // namespace meridax
