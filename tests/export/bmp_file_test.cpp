#include "export/bmp_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace meridax {
namespace {

std::uint32_t le32(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(b[at + static_cast<std::size_t>(i)]);
  return v;
}

// Reads a 24-bit bottom-up BMP file back, by its own header fields.
RgbImage decodeBmp(const std::string& b) {
  const int width = static_cast<int>(le32(b, 18));
  const int height = static_cast<int>(le32(b, 22));
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  RgbImage image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::size_t at = le32(b, 10) + (height - 1 - y) * stride + static_cast<std::size_t>(x) * 3;
      image.set(x, y, static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 2])) << 16 |
                          static_cast<std::uint8_t>(b[at + 1]) << 8 | static_cast<std::uint8_t>(b[at]));
    }
  return image;
}

class BmpWidths : public ::testing::TestWithParam<int> {};

TEST_P(BmpWidths, HeaderSizesAndRowsPaddedToFourBytes_DecodesToSamePixels) {
  const int width = GetParam();
  RgbImage image(width, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < width; ++x) image.set(x, y, static_cast<std::uint32_t>(x * 0x102030 + y * 0x0F0E0D));
  const std::string bytes = encodeBmp(image);
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(le32(bytes, 2), bytes.size());
  EXPECT_EQ(bytes.size(), 54 + 3 * stride);
  EXPECT_EQ(le32(bytes, 10), 54u);
  EXPECT_EQ(le32(bytes, 14), 40u);
  EXPECT_EQ(le32(bytes, 34), 3 * stride);
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[28]), 24);
  EXPECT_EQ(firstDifference(decodeBmp(bytes), image), "");
}

INSTANTIATE_TEST_SUITE_P(Bmp, BmpWidths, ::testing::Values(1, 2, 3, 4, 5, 319));

TEST(BmpFile, BottomRowFirst_BlueGreenRed) {
  RgbImage image(1, 2);
  image.set(0, 0, 0x112233);  // top
  image.set(0, 1, 0xAABBCC);  // bottom
  const std::string bytes = encodeBmp(image);
  EXPECT_EQ(bytes.substr(54, 3), "\xCC\xBB\xAA");
  EXPECT_EQ(bytes.substr(58, 3), "\x33\x22\x11");
}

TEST(BmpFile, ExistingFileReplacedWhole_FailureLeavesItAlone) {
  const std::string dir = ::testing::TempDir() + "bmp_file_test";
  std::filesystem::create_directories(dir);
  const std::string path = dir + "/board.bmp";
  ASSERT_FALSE(writeBmpFile(path, RgbImage(5, 5, 0x000000)).has_value());
  ASSERT_FALSE(writeBmpFile(path, RgbImage(2, 2, 0xFFFFFF)).has_value());
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(decodeBmp(text.str()), RgbImage(2, 2, 0xFFFFFF));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1)
      << "no temporary file is left beside it";
  const auto failure = writeBmpFile(dir + "/no/such/dir.bmp", RgbImage(2, 2));
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->text, "'" + dir + "/no/such/dir.bmp'\r\n\r\nUnable to open file for writing");
}

}  // namespace
}  // namespace meridax
