#include "export/rtf_document.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "export/diagram_files.h"
#include "export/rtf_escape.h"
#include "rules/position_at.h"
#include "sgf/sgf_test_support.h"

namespace meridax {
namespace {

using testing_support::LoadedText;

struct EscapeCase {
  std::string text;
  std::string expected;
};

class RtfEscape : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(RtfEscape, GameTextBecomesPlainRtf) { EXPECT_EQ(rtfEscape(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfEscape,
    ::testing::Values(EscapeCase{"plain text", "plain text"}, EscapeCase{"a{b}c\\d", "a\\{b\\}c\\\\d"},
                      EscapeCase{"}{\\par", "\\}\\{\\\\par"}, EscapeCase{"Jos\xC3\xA9", "Jos\\u233?"},
                      EscapeCase{"\xE2\x82\xAC 5", "\\u8364? 5"}, EscapeCase{"\xE6\x9C\xAC\xE5\x9B\xA0\xE5\x9D\x8A", "\\u26412?\\u22240?\\u22346?"},
                      EscapeCase{"\xEF\xBF\xBD", "\\u-3?"}, EscapeCase{"\xF0\x9D\x84\x9E", "\\u-10188?\\u-8930?"},
                      EscapeCase{"caf\xE9", "caf\\u233?"}, EscapeCase{"a\tb\r\nc", "a\\tab bc"},
                      EscapeCase{"\xC3", "\\u195?"}));

TEST(RtfEscape, FieldPath_BackslashesFourfoldQuotesEscaped) {
  EXPECT_EQ(rtfFieldPath("C:\\img\\GO_1.gif"), "C:\\\\\\\\img\\\\\\\\GO_1.gif");
  EXPECT_EQ(rtfFieldPath("/tmp/a \"b\"/{c}.gif"), "/tmp/a \\\\\"b\\\\\"/\\{c\\}.gif");
  EXPECT_EQ(rtfFieldPath("/home/J\xC3\xB6rg/x.gif"), "/home/J\\u246?rg/x.gif");
}

// Checks that the braces of an RTF text balance, ignoring escaped ones.
std::string braceProblem(const std::string& rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
      continue;
    }
    if (rtf[i] == '{') ++depth;
    if (rtf[i] == '}' && --depth < 0) return "closing brace without opening at " + std::to_string(i);
    if (depth == 0 && i + 1 < rtf.size()) return "document closed early at " + std::to_string(i);
  }
  return depth == 0 ? "" : "unclosed groups: " + std::to_string(depth);
}

int count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

constexpr char kAwkwardGame[] =
    "(;GM[1]SZ[9]PB[Bl{a}ck]PW[Wh\\\\ite \xC3\xA9]BR[3d]EV[Cup }{]DT[2024-01-02]GN[name \\\\par]GC[first\nsecond]"
    "C[root {comment}];B[aa]C[a } brace];W[ba](;B[ca]C[x\\\\y])(;B[cb]))";

std::string awkwardDocument(RtfExportOptions options = {}, RtfDocumentContext context = {}) {
  LoadedText loaded(kAwkwardGame);
  return writeRtfDocument(loaded.game(), options, context);
}

TEST(RtfDocument, BracesBackslashesAndNonAscii_EscapedSoGroupsBalance) {
  RtfExportOptions options;
  options.headerText = "Head {1}";
  options.footerText = "Foot \\ 2";
  RtfDocumentContext context;
  context.filePath = "/games/{odd}\\name.sgf";
  context.diagramImage = [](const GameNode*) { return std::string("/img/GO_0000000a.gif"); };
  const std::string rtf = awkwardDocument(options, context);
  EXPECT_EQ(braceProblem(rtf), "");
  for (const char* part : {"Bl\\{a\\}ck", "Wh\\\\ite \\u233?", "Cup \\}\\{", "name \\\\par", "root \\{comment\\}",
                           "a \\} brace", "x\\\\y", "Head \\{1\\}", "Foot \\\\ 2", "/games/\\{odd\\}\\\\name.sgf"})
    EXPECT_NE(rtf.find(part), std::string::npos) << part;
}

TEST(RtfDocument, HeadPageAndClosing_AsFixed) {
  const std::string rtf = awkwardDocument();
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Microsoft Sans Serif;}", 0), 0u);
  EXPECT_NE(rtf.find("\\red0\\green0\\blue140;}\\deflang2057\\pard\\cf0"), std::string::npos) << "variations colour";
  EXPECT_NE(rtf.find("\r\n\\paperw11904\\paperh16836\\margl1152\\margr1152\\margt1152\\margb1152"), std::string::npos);
  EXPECT_NE(rtf.find("{\\info{\\author Meridax v18.5}}"), std::string::npos);
  EXPECT_NE(rtf.find("\\cellx9708"), std::string::npos);
  EXPECT_NE(rtf.find("\\sect\\sectd\\sbknone\\cols2\\colno1\\colw4560\\colsr480\\colno2\\colw4560"), std::string::npos);
  EXPECT_EQ(rtf.substr(rtf.size() - 3), "\r\n}");
}

struct OptionCase {
  const char* name;
  std::size_t field;
  int value;
  std::string present;  // empty: nothing required
  std::string absent;
};

class RtfDocumentOptions : public ::testing::TestWithParam<OptionCase> {};

TEST_P(RtfDocumentOptions, FieldShapesTheDocument) {
  const OptionCase& c = GetParam();
  RtfExportOptions options;
  options.record.fields[c.field] = c.value;
  RtfDocumentContext context;
  context.filePath = "/games/a.sgf";
  const std::string rtf = awkwardDocument(options, context);
  if (!c.present.empty()) {
    EXPECT_NE(rtf.find(c.present), std::string::npos) << c.present;
  }
  if (!c.absent.empty()) {
    EXPECT_EQ(rtf.find(c.absent), std::string::npos) << c.absent;
  }
  EXPECT_EQ(braceProblem(rtf), "");
}

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfDocumentOptions,
    ::testing::Values(OptionCase{"InformationOff", rtf_field::kGameInformation, 0, "\\f4", "\\trowd"},
                      OptionCase{"InformationOn", rtf_field::kGameInformation, 1, " {\\b File:} \\tab /games/a.sgf\r\n", "[ 1/1 ]"},
                      OptionCase{"PlayersOff", rtf_field::kInfoPlayers, 0, "{\\b Event:}", "Players:"},
                      OptionCase{"PageNumbersOff", rtf_field::kPageNumbers, 0, "", "{\\footer"},
                      OptionCase{"OneColumn", rtf_field::kTwoColumns, 0, "\\tx1440\\tx2440\\tx3440\\tx4440", "\\cols2"},
                      OptionCase{"BoldOff", rtf_field::kMainLineBold, 0, "\r\n\\par \\tab BA9", "{\\b \\tab"},
                      OptionCase{"ItalicOff", rtf_field::kVariationsItalic, 0, "{\\f4\\cf2  [BC8 ]}", "\\cf2\\i"},
                      OptionCase{"TextSize", rtf_field::kTextSize, 12, "\\fs24\\f2", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RtfDocument, PlayersWithRanksAndDescriptionLines) {
  RtfExportOptions options;
  const std::string rtf = awkwardDocument(options);
  EXPECT_NE(rtf.find(" {\\b Players:} \\tab Bl\\{a\\}ck  ( 3d ), Wh\\\\ite \\u233?"), std::string::npos);
  EXPECT_NE(rtf.find(" {\\b Comment:} \\tab first\\par \\tab second"), std::string::npos);
  EXPECT_NE(rtf.find("\\par\\pard\\intbl\\cell\\row\\pard"), std::string::npos);
}

TEST(RtfDocument, TextsInTheGamesCharacterSet_AreWrittenAsTheirCharacters) {
  // GB2312 "\u53E4\u529B" (a player), "\u56F4\u68CB" (a comment) and a node name.
  LoadedText loaded("(;GM[1]SZ[9]CA[GB2312]PB[\xB9\xC5\xC1\xA6];B[aa]C[\xCE\xA7\xC6\xE5 is fun]N[\xB9\xC5])");
  const std::string rtf = writeRtfDocument(loaded.game(), RtfExportOptions{}, RtfDocumentContext{});
  for (const char* part : {"\\tab \\u21476?\\u21147?, (null)", "\\u22260?\\u26827? is fun", "[ \\u21476? ]"})
    EXPECT_NE(rtf.find(part), std::string::npos) << part << "\n" << rtf;
}

TEST(RtfDocument, HandicapGo19_PlayersChangePlaces) {
  LoadedText loaded("(;GM[1]SZ[19]HA[2]PB[Weaker]PW[Stronger]WR[7d]AB[dd][pp];W[qd])");
  const std::string rtf = writeRtfDocument(loaded.game(), RtfExportOptions{}, RtfDocumentContext{});
  EXPECT_NE(rtf.find(" {\\b Players:} \\tab Stronger  ( 7d ), Weaker"), std::string::npos);
  EXPECT_NE(rtf.find("[ Handicap: 2 ]"), std::string::npos);
}

TEST(RtfDocument, SeveralGames_PositionAfterTheFileName) {
  RtfDocumentContext context;
  context.filePath = "C:\\games\\pro\\a.sgf";
  context.gamePosition = 2;
  context.gameCount = 3;
  const std::string rtf = awkwardDocument({}, context);
  EXPECT_NE(rtf.find(" {\\b File:} \\tab C:\\\\games\\\\pro\\\\a.sgf  [ 2/3 ]"), std::string::npos);
}

// Draws each cell as one pixel: black, white or the grid colour.
class CellRenderer : public DiagramRenderer {
 public:
  std::optional<RgbImage> drawDiagram(const SGridFrame& game, const GameNode*, const BoardPosition& position,
                                      const DiagramStyle& style) override {
    ++calls;
    RgbImage image(game.width(), game.width(), style.gridColour);
    for (int y = 0; y < game.width(); ++y)
      for (int x = 0; x < game.width(); ++x)
        if (isPiece(position.at(x, y))) image.set(x, y, position.at(x, y) == cell::kBlack ? 0x000000 : 0xFFFFFF);
    return image;
  }
  std::optional<ExportFailure> writePng(const std::string& path, const RgbImage&) override {
    if (writeFileWhole(path, "png")) return ExportFailure{"png", path};
    return std::nullopt;
  }
  int calls = 0;
};

class RtfDiagrams : public ::testing::Test {
 protected:
  void SetUp() override {
    directory = ::testing::TempDir() + "rtf_diagrams_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(directory);
  }
  std::size_t filesInDirectory() const {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory)) ++n;
    return n;
  }
  std::string directory;
  CellRenderer renderer;
};

TEST_F(RtfDiagrams, OneImagePerDiagram_SamePositionTwiceWrittenOnce) {
  LoadedText loaded(kAwkwardGame);
  DiagramFiles files(directory + "/made/here", renderer, DiagramStyle{}, DiagramFormat::Gif);
  RtfDocumentContext context;
  context.diagramImage = [&](const GameNode* node) { return files.imageFor(loaded.game(), node); };
  const std::string rtf = writeRtfDocument(loaded.game(), RtfExportOptions{}, context);
  const std::vector<PrintLine> lines = buildPrintLines(loaded.game(), RtfExportOptions{});
  const auto diagrams = std::count_if(lines.begin(), lines.end(), [](const PrintLine& l) { return l.kind == PrintLineKind::Diagram; });
  EXPECT_EQ(count(rtf, "INCLUDEPICTURE \""), diagrams);
  EXPECT_EQ(files.written(), diagrams);
  EXPECT_TRUE(files.messages().empty());

  DiagramFiles again(directory + "/made/here", renderer, DiagramStyle{}, DiagramFormat::Gif);
  const int callsBefore = renderer.calls;
  context.diagramImage = [&](const GameNode* node) { return again.imageFor(loaded.game(), node); };
  EXPECT_EQ(writeRtfDocument(loaded.game(), RtfExportOptions{}, context), rtf);
  EXPECT_EQ(again.written(), 0);
  EXPECT_EQ(again.reused(), diagrams);
  EXPECT_EQ(renderer.calls, callsBefore + diagrams) << "each picture is drawn again to check the file it reuses";
}

// A file at a picture's name is reused only when it holds that picture: another picture with the same
// hash, a file changed since, or a link planted there is replaced by the picture itself.
TEST_F(RtfDiagrams, FileAtThePicturesName_IsReusedOnlyWhenItHoldsThePicture) {
  LoadedText loaded("(;GM[1]SZ[9];B[ee])");
  const GameNode* node = loaded.game().firstNode->next();
  std::filesystem::create_directories(directory);
  const std::string elsewhere = directory + "/elsewhere.gif";
  { std::ofstream(elsewhere) << "not to be touched"; }
  std::string path;
  std::string picture;
  {
    DiagramFiles files(directory, renderer, DiagramStyle{}, DiagramFormat::Gif);
    path = files.imageFor(loaded.game(), node);
    std::ifstream in(path, std::ios::binary);
    picture.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  const std::function<void()> plants[] = {
      [&] { std::ofstream(path, std::ios::binary) << "GIF89a another picture"; },
      [&] { std::ofstream(path, std::ios::binary) << picture.substr(0, picture.size() - 1); },
      [&] {
        std::filesystem::remove(path);
        std::filesystem::create_symlink(elsewhere, path);
      },
  };
  for (const auto& plant : plants) {
    plant();
    DiagramFiles files(directory, renderer, DiagramStyle{}, DiagramFormat::Gif);
    EXPECT_EQ(files.imageFor(loaded.game(), node), path);
    EXPECT_EQ(files.written(), 1);
    EXPECT_EQ(files.reused(), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(path));
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), picture);
  }
  std::ifstream kept(elsewhere);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), std::istreambuf_iterator<char>()), "not to be touched");
  EXPECT_EQ(filesInDirectory(), 2u) << "no check files are left";
}

TEST_F(RtfDiagrams, NameFromKindAndHash_OneFilePerFormat) {
  LoadedText loaded("(;GM[2]SZ[8];B[dc])");
  const GameNode* node = loaded.game().firstNode->next();
  char hash[16];
  std::snprintf(hash, sizeof hash, "%08x", diagramHash(loaded.game(), node, PositionAt(loaded.game(), node), DiagramStyle{}));
  const struct {
    bool asBmp, asPng;
    const char* extension;
    std::string_view magic;
  } formats[] = {{false, false, ".gif", "GIF89a"}, {true, false, ".bmp", "BM"}, {false, true, ".png", "png"},
                 {true, true, ".png", "png"}};
  for (const auto& f : formats) {
    DiagramFiles files(directory, renderer, DiagramStyle{}, diagramFormatOf(f.asBmp, f.asPng));
    const std::string path = files.imageFor(loaded.game(), node);
    EXPECT_EQ(path, directory + "/RV_" + hash + f.extension);
    std::ifstream in(path, std::ios::binary);
    std::string head(f.magic.size(), '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    EXPECT_EQ(head, f.magic) << path;
  }
  EXPECT_EQ(filesInDirectory(), 3u);
}

TEST(RtfDiagramKey, DrawingKeyByKindAndStyle) {
  DiagramStyle colour;
  DiagramStyle bw;
  bw.blackAndWhite = true;
  EXPECT_EQ(diagramDrawingKey(GameKind::Go, colour), "16800000DFDFDF800000FFFFFF");
  EXPECT_EQ(diagramDrawingKey(GameKind::Go, bw), "16");
  EXPECT_EQ(diagramDrawingKey(GameKind::Hex, bw), "16B");
  EXPECT_EQ(diagramDrawingKey(GameKind::Havannah, colour), "16800000DFDFDF800000FFFFFFLC");
  colour.hexLineBorder = false;
  EXPECT_EQ(diagramDrawingKey(GameKind::Havannah, colour), "16800000DFDFDF800000FFFFFFL3");
  colour.hexLineMode = false;
  EXPECT_EQ(diagramDrawingKey(GameKind::Unlur, colour), "16800000DFDFDF800000FFFFFF23");
  EXPECT_EQ(diagramDrawingKey(GameKind::Kropki, bw), "16800000DFDFDF800000FFFFFF887CD84032A3");
}

TEST_F(RtfDiagrams, DirectoryCannotBeMade_ToldOnceAndNoImage) {
  std::filesystem::create_directories(directory);
  { std::ofstream(directory + "/file") << "x"; }
  LoadedText loaded("(;GM[1]SZ[9];B[aa]C[one];W[bb]C[two])");
  DiagramFiles files(directory + "/file/sub", renderer, DiagramStyle{}, DiagramFormat::Gif);
  const GameNode* first = loaded.game().firstNode->next();
  files.imageFor(loaded.game(), first);
  files.imageFor(loaded.game(), first->next());
  ASSERT_EQ(files.messages().size(), 1u);
  EXPECT_EQ(files.messages()[0].caption, "SPreview::PrintRTF()");
  EXPECT_EQ(files.messages()[0].text, "Unable to create directory\n'" + directory + "/file/sub'");
  EXPECT_EQ(renderer.calls, 0);
}

}  // namespace
}  // namespace meridax
