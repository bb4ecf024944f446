#include "view/board_images.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QSvgRenderer>
#include <fstream>
#include <set>
#include <sstream>

#include "view_test_support.h"
#include "layout/board_geometry.h"
#include "export/bmp_file.h"
#include "export/gif_file.h"
#include "rules/position_at.h"
#include "sgf/sgf_test_support.h"

namespace meridax {
namespace {

using testing_support::LoadedText;

QImage readBack(const std::string& bytes, const char* format) {
  return QImage::fromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), format);
}

struct KindCase {
  const char* name;
  const char* sgf;
  int square;
  int width;
  int height;
};

class BoardImageKinds : public ::testing::TestWithParam<KindCase> {
 protected:
  void SetUp() override { view_testing::application(); }
};

// Each kind at its image size; its GIF and BMP read back by Qt's own readers show the picture's pixels
// (the GIF those of its colour table when the picture holds more than 254 colours).
TEST_P(BoardImageKinds, SizeOfTheKind_GifAndBmpReadBackToThePicture) {
  const KindCase& c = GetParam();
  LoadedText loaded(c.sgf);
  const SGridFrame& game = loaded.game();
  DiagramStyle style;
  style.squareSize = c.square;
  const QImage image = CreateGridImage(game, game.currentNode, PositionAt(game, game.currentNode), style, AppSettings{});
  if (c.width > 0) {
    ASSERT_EQ(image.width(), c.width);
    ASSERT_EQ(image.height(), c.height);
  } else {  // a hexagon of hexagons: w * c + 1 square, less the rows' overlap
    const int w = game.width();
    const int overlap = imageGeometry(BoardDimensions{game.kind(), w, game.height()}, c.square).overlap;
    ASSERT_GT(overlap, 0);
    ASSERT_EQ(image.width(), w * c.square + 1);
    ASSERT_EQ(image.height(), w * c.square + 1 - (w - 1) * overlap);
  }
  const RgbImage picture = toRgbImage(image);

  std::string gif;
  ASSERT_FALSE(encodeGif(picture, gif).has_value());
  const GifPalette palette = buildGifPalette(picture);
  RgbImage expected = picture;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      expected.set(x, y, palette.colours[palette.indices[static_cast<std::size_t>(y) * picture.width + x]]);
  EXPECT_EQ(firstDifference(toRgbImage(readBack(gif, "GIF")), expected), "");
  if (palette.colours.size() <= kKeptColours) {
    EXPECT_EQ(expected, picture);
  }
  EXPECT_EQ(firstDifference(toRgbImage(readBack(encodeBmp(picture), "BMP")), picture), "");
}

INSTANTIATE_TEST_SUITE_P(
    View, BoardImageKinds,
    ::testing::Values(KindCase{"Go19Square16", "(;GM[1]SZ[19];B[pd];W[dp]C[x])", 16, 319, 319},
                      KindCase{"Go9Square24", "(;GM[1]SZ[9];B[ee]LB[cc:A]TR[gg])", 24, 239, 239},
                      KindCase{"Othello", "(;GM[2]SZ[8];B[fe];W[fd])", 24, 193, 193},
                      KindCase{"Pente", "(;GM[1]SZ[19]RU[Pente];B[jj];W[kk])", 12, 239, 239},
                      KindCase{"Connect6", "(;GM[1]SZ[19]RU[Connect6];B[jj];W[kk];W[kl])", 14, 279, 279},
                      KindCase{"Hex", "(;GM[11]SZ[11];B[c4];W[f6])", 20, 11 * 20 + (20 * 10) / 2 + 1, 221},
                      KindCase{"Kropki", "(;GM[40]SZ[20:10];B[jf];W[kf])", 16, 16 * 21 - 1, 16 * 11 - 1},
                      KindCase{"UnlurEmpty", "(;GM[Unlur]SZ[9])", 16, 0, 0},
                      KindCase{"Havannah", "(;GM[4100]SZ[4];W[d4];B[c3])", 24, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

class BoardImages : public ::testing::Test {
 protected:
  void SetUp() override { view_testing::application(); }
  RgbImage draw(const char* sgf, const DiagramStyle& style) {
    LoadedText loaded(sgf);
    const SGridFrame& game = loaded.game();
    return toRgbImage(CreateGridImage(game, game.currentNode, PositionAt(game, game.currentNode), style, AppSettings{}));
  }
  static int colourCount(const RgbImage& image) {
    std::set<std::uint32_t> colours;
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x) colours.insert(image.at(x, y));
    return static_cast<int>(colours.size());
  }
};

TEST_F(BoardImages, MarkupOnOff_ThePictureDiffersOnlyWithMarkup) {
  const char* marked = "(;GM[1]SZ[9];B[ee]TR[cc]LB[gg:A])";
  const char* bare = "(;GM[1]SZ[9];B[ee])";
  DiagramStyle style;
  style.markup = true;
  EXPECT_NE(draw(marked, style), draw(bare, style));
  style.markup = false;
  EXPECT_EQ(firstDifference(draw(marked, style), draw(bare, style)), "");
}

TEST_F(BoardImages, BlackAndWhite_OnlyGreysAndTheSurfaceWhite) {
  DiagramStyle style;
  style.blackAndWhite = true;
  const RgbImage image = draw("(;GM[1]SZ[9];B[ee];W[cc])", style);
  EXPECT_EQ(image.at(0, 0), 0xFFFFFFu);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t c = image.at(x, y);
      ASSERT_TRUE(((c >> 16) & 0xFF) == ((c >> 8) & 0xFF) && ((c >> 8) & 0xFF) == (c & 0xFF)) << x << "," << y;
    }
}

TEST_F(BoardImages, HexLineMode_WhiteInBlackAndWhiteAndTheBorderDrawsMore) {
  DiagramStyle style;
  style.blackAndWhite = true;
  style.hexLineMode = true;
  style.hexLineBorder = false;
  const RgbImage plain = draw("(;GM[4100]SZ[5];W[c3])", style);
  style.hexLineBorder = true;
  const RgbImage bordered = draw("(;GM[4100]SZ[5];W[c3])", style);
  EXPECT_EQ(plain.at(0, 0), 0xFFFFFFu);
  EXPECT_NE(plain, bordered);
  style.hexLineMode = false;
  EXPECT_NE(draw("(;GM[4100]SZ[5];W[c3])", style), bordered) << "cells drawn as hexagons, not lines";
}

TEST_F(BoardImages, EvenSquares_TheImageGrowsWithTheSquare) {
  DiagramStyle style;
  for (const int square : {12, 14, 36, 70}) {
    style.squareSize = square;
    const RgbImage image = draw("(;GM[1]SZ[13];B[gg])", style);
    EXPECT_EQ(image.width, square * 14 - 1) << square;
  }
}

TEST_F(BoardImages, SvgAndPng_ReadBackByQt) {
  LoadedText loaded("(;GM[2]SZ[8];B[fe];W[fd])");
  const SGridFrame& game = loaded.game();
  AppSettings settings;
  QtBoardImages images(settings);
  const std::string dir = ::testing::TempDir();
  DiagramStyle style;
  ASSERT_FALSE(images.writeSvg(dir + "board.svg", game, game.currentNode, PositionAt(game, game.currentNode), style));
  QSvgRenderer svg(QString::fromStdString(dir + "board.svg"));
  EXPECT_TRUE(svg.isValid());
  EXPECT_EQ(svg.viewBox(), QRect(0, 0, 8 * 16 + 1, 8 * 16 + 1));
  const RgbImage picture = *images.drawDiagram(game, game.currentNode, PositionAt(game, game.currentNode), style);
  ASSERT_FALSE(images.writePng(dir + "board.png", picture));
  EXPECT_EQ(firstDifference(toRgbImage(QImage(QString::fromStdString(dir + "board.png"))), picture), "");
}

}  // namespace
}  // namespace meridax
