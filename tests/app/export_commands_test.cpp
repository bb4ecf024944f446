#include "app/export_commands.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <sstream>

#include "app/export_ports.h"
#include "app/frame_keys.h"
#include "app/private_files.h"
#include "export/ascii_diagram.h"
#include "frame_test_support.h"
#include "rules/position_at.h"

namespace meridax::testing {
namespace {

// Draws each cell as one pixel and records the styles it was asked for.
class FakeImages : public BoardImagePort {
 public:
  std::optional<RgbImage> drawDiagram(const SGridFrame& game, const GameNode*, const BoardPosition& position,
                                      const DiagramStyle& style) override {
    styles.push_back(style);
    RgbImage image(game.width(), game.width(), 0xDFDFDF);
    for (int y = 0; y < game.width(); ++y)
      for (int x = 0; x < game.width(); ++x)
        if (isPiece(position.at(x, y))) image.set(x, y, position.at(x, y) == cell::kBlack ? 0x000000 : 0xFFFFFF);
    return image;
  }
  std::optional<ExportFailure> writePng(const std::string& path, const RgbImage&) override {
    written.push_back("png " + path);
    return std::nullopt;
  }
  std::optional<ExportFailure> writeSvg(const std::string& path, const SGridFrame&, const GameNode*, const BoardPosition&,
                                        const DiagramStyle&) override {
    written.push_back("svg " + path);
    return std::nullopt;
  }
  std::vector<DiagramStyle> styles;
  std::vector<std::string> written;
};

class FakeExportDialogs : public ExportDialogPort, public ImageClipboardPort {
 public:
  std::optional<RtfExportOptions> rtfFormatOptions(const RtfExportOptions& options) override {
    shownOptions = options;
    if (rtfAnswers.empty()) return std::nullopt;
    auto answer = rtfAnswers.front();
    rtfAnswers.pop_front();
    return answer;
  }
  std::optional<ClipboardImageChoice> copyingToClipboard(const ClipboardImageChoice& initial, bool hexagonal,
                                                         bool offerBlackAndWhite) override {
    shownChoice = initial;
    shownHexagonal = hexagonal;
    shownBlackAndWhite = offerBlackAndWhite;
    return copyAnswer;
  }
  void setImage(const RgbImage& image) override { clipboardImage = image; }

  std::deque<std::optional<RtfExportOptions>> rtfAnswers;
  std::optional<RtfExportOptions> shownOptions;
  std::optional<ClipboardImageChoice> copyAnswer;
  ClipboardImageChoice shownChoice;
  bool shownHexagonal = false;
  bool shownBlackAndWhite = false;
  std::optional<RgbImage> clipboardImage;
};

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class ExportCommandsTest : public FrameTest {
 protected:
  FrameWin& exportFrame(bool withImages = true) {
    if (!frame_) {
      FrameEnvironment environment;
      environment.dataDirectory = dataDirectory();
      environment.temporaryDirectory = dir.path();
      environment.workingDirectory = dir.path();
      FramePorts framePorts = ports.framePorts();
      framePorts.progress = progress;
      if (withImages) {
        framePorts.images = &images;
        framePorts.exportDialogs = &dialogs;
        framePorts.imageClipboard = &dialogs;
      }
      frame_ = std::make_unique<FrameWin>(framePorts, profile, files, readAppSettings(profile), environment);
    }
    return *frame_;
  }
  void loadText(const std::string& text) {
    ASSERT_TRUE(exportFrame().files().ReLoad(writeFile("game.sgf", text))) << ::testing::PrintToString(ports.lines());
    ports.takeLines();
  }
  RtfExportOptions optionsWithSquare(int square) {
    RtfExportOptions options;
    options.record.fields[rtf_field::kBoardSquareSize] = square;
    options.headerText = "My {header}";
    return options;
  }
  std::string imageDirectory() const { return dataDirectory() + "/Meridax/RTFImages"; }

  FakeImages images;
  FakeExportDialogs dialogs;
  std::unique_ptr<FrameWin> frame_;
};

constexpr char kCommentedGame[] = "(;GM[1]FF[4]SZ[9]PB[Ann];B[ee]C[centre {point}];W[cc];B[gg]C[last])";

TEST_F(ExportCommandsTest, SaveRtf_DocumentSavedDiagramsWrittenOptionsKept) {
  loadText(kCommentedGame);
  dialogs.rtfAnswers.push_back(optionsWithSquare(17));
  const std::string target = dir.file("out.rtf");
  ports.queueChoice(target);
  ASSERT_TRUE(exportFrame().runCommand(*commandForKey("Ctrl+R")));

  const std::string rtf = fileText(target);
  EXPECT_NE(rtf.find("My \\{header\\}"), std::string::npos);
  EXPECT_NE(rtf.find("centre \\{point\\}"), std::string::npos);
  EXPECT_EQ(ports.lines().back(), "[FrameWin::CmSaveRTF()] File '" + target + "' saved\\r\\n\\r\\n( " +
                                      std::to_string(rtf.size()) + "  bytes )");
  EXPECT_EQ(exportFrame().appSettings().rtfOptions.fields[rtf_field::kBoardSquareSize], 16) << "made even";
  EXPECT_EQ(exportFrame().appSettings().printHeaderText, "My {header}");
  // Two commented positions, the second also the end of the main line: two pictures at square 16.
  EXPECT_EQ(fileNames(imageDirectory()).size(), 2u);
  ASSERT_EQ(images.styles.size(), 2u);
  EXPECT_EQ(images.styles[0].squareSize, 16);
}

TEST_F(ExportCommandsTest, SaveRtf_TemporaryFileOpenedWithTheRtfEditor) {
  loadText(kCommentedGame);
  exportFrame().appSettings().rtfEditor = "/usr/bin/lowriter";
  RtfExportOptions options = optionsWithSquare(16);
  options.record.fields[rtf_field::kTemporaryFile] = 1;
  dialogs.rtfAnswers.push_back(options);
  exportFrame().exports().CmSaveRTF();
  ASSERT_FALSE(ports.lines().empty());
  const std::string& started = ports.lines().back();
  EXPECT_EQ(started.rfind("(process) /usr/bin/lowriter " + dir.path() + "/PG", 0), 0u) << started;
  EXPECT_EQ(started.substr(started.size() - 4), ".rtf");
  // The document is the person's alone in the shared folder, and goes when the program ends.
  const std::string path = started.substr(std::string("(process) /usr/bin/lowriter ").size());
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_EQ(filesRemovedAtExit().paths().back(), path);
}

class SquareRefused : public ExportCommandsTest, public ::testing::WithParamInterface<int> {};

TEST_P(SquareRefused, SaveRtf_ValidationShownNothingWrittenNothingKept) {
  loadText(kCommentedGame);
  dialogs.rtfAnswers.push_back(optionsWithSquare(GetParam()));
  exportFrame().exports().CmSaveRTF();
  EXPECT_EQ(ports.lines(), std::vector<std::string>{"[Integer Number Validation] Please enter a value between 12 and 70"});
  EXPECT_EQ(exportFrame().appSettings().rtfOptions, RtfOptionsRecord{});
  EXPECT_TRUE(images.styles.empty());
}

INSTANTIATE_TEST_SUITE_P(Export, SquareRefused, ::testing::Values(0, -4, 11, 71, 1000));

TEST_F(ExportCommandsTest, SaveRtf_CancelledDialogOrChooser_NothingWritten) {
  loadText(kCommentedGame);
  exportFrame().exports().CmSaveRTF();  // no answer: the dialog is cancelled
  dialogs.rtfAnswers.push_back(optionsWithSquare(16));
  ports.queueChoice(std::nullopt);
  exportFrame().exports().CmSaveRTF();
  EXPECT_EQ(ports.lines(), std::vector<std::string>{"{Export as an RTF File} ? (cancel)"});
  EXPECT_TRUE(images.styles.empty()) << "the name is asked before any diagram is drawn";
  EXPECT_FALSE(std::filesystem::exists(imageDirectory()));
}

// Stops an export after `allowed` reports (never when negative) and keeps what it was told of exports.
class StoppingExport : public ProgressPort {
 public:
  void begin(WorkKind kind, const std::string& file) override {
    kind_ = kind;
    if (kind == WorkKind::Exporting) headings.push_back(progressHeading(kind, file));
  }
  bool advance(const WorkProgress& p) override {
    if (kind_ != WorkKind::Exporting) return true;
    reports.push_back(p);
    return allowed < 0 || static_cast<int>(reports.size()) <= allowed;
  }
  void end() override {}
  std::vector<std::string> headings;
  std::vector<WorkProgress> reports;
  int allowed = -1;

 private:
  WorkKind kind_ = WorkKind::Loading;
};

// A game with a comment at each of its `moves` moves: a diagram for each.
std::string commentedMoves(int moves) {
  std::string text = "(;GM[1]FF[4]SZ[9]";
  for (int i = 0; i < moves; ++i)
    text += std::string(";") + (i % 2 == 0 ? "B" : "W") + "[" + char('a' + i % 9) + char('a' + i / 9) + "]C[move]";
  return text + ")";
}

TEST_F(ExportCommandsTest, SaveRtf_CancelledHalfway_TakesBackEveryFileItWroteAndNoOther) {
  StoppingExport watch;
  progress = &watch;
  loadText(commentedMoves(4));
  dialogs.rtfAnswers.push_back(optionsWithSquare(16));
  ports.queueChoice(dir.file("short.rtf"));
  exportFrame().exports().CmSaveRTF();
  const std::vector<std::string> before = fileNames(imageDirectory());
  ASSERT_EQ(before.size(), 4u);
  EXPECT_EQ(watch.headings, std::vector<std::string>{"Exporting '" + dir.file("short.rtf") + "'"});

  // The same opening and six moves more: its first four pictures are there already.
  watch.reports.clear();
  watch.allowed = 6;
  ASSERT_TRUE(exportFrame().files().ReLoad(writeFile("long.sgf", commentedMoves(10))));
  dialogs.rtfAnswers.push_back(optionsWithSquare(16));
  ports.queueChoice(dir.file("long.rtf"));
  ports.takeLines();
  exportFrame().exports().CmSaveRTF();

  EXPECT_EQ(fileNames(imageDirectory()), before) << "the pictures it drew are gone, those it found are kept";
  EXPECT_FALSE(std::filesystem::exists(dir.file("long.rtf")));
  EXPECT_EQ(ports.lines(), std::vector<std::string>{"{Export as an RTF File} ? " + dir.file("long.rtf")})
      << "a cancel says nothing more";
  ASSERT_EQ(watch.reports.size(), 7u);
  EXPECT_EQ(watch.reports.back().games, 6u);
  EXPECT_EQ(watch.reports.back().gamesTotal, 10u);
  EXPECT_EQ(progressDetails(WorkKind::Exporting, watch.reports.back()), "6 of 10 diagrams drawn");
}

struct CopyCase {
  const char* name;
  ClipboardImageChoice choice;
  int expectedSquare;
  bool expectedBlackAndWhite;
};

class CopyBmp : public ExportCommandsTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyBmp, ImageOnTheClipboardAtTheChosenSquare) {
  loadText(kCommentedGame);
  dialogs.copyAnswer = GetParam().choice;
  exportFrame().exports().CmCopyBMP();
  ASSERT_EQ(images.styles.size(), 1u);
  EXPECT_EQ(images.styles[0].squareSize, GetParam().expectedSquare);
  EXPECT_EQ(images.styles[0].blackAndWhite, GetParam().expectedBlackAndWhite);
  EXPECT_FALSE(images.styles[0].hexLineMode) << "not a hexagonal board";
  ASSERT_TRUE(dialogs.clipboardImage.has_value());
  EXPECT_EQ(ports.lines().back(), "[CreateGridImage()] Bitmap has been copied to the Windows Clipboard\\r\\n\\r\\n"
                                  "Square size = " + std::to_string(GetParam().expectedSquare) +
                                      "\\r\\n\\r\\nThe image stays on the clipboard while Meridax is running.");
}

INSTANTIATE_TEST_SUITE_P(Export, CopyBmp,
                         ::testing::Values(CopyCase{"OtherOddSquareMadeEven", {false, false, false, false, 15}, 14, false},
                                           CopyCase{"BlackAndWhite", {true, false, false, false, 30}, 30, true},
                                           CopyCase{"LargestSquare", {false, false, false, false, 70}, 70, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExportCommandsTest, CopyBmp_OtherSquareOutOfRange_RefusedNothingCopied) {
  loadText(kCommentedGame);
  dialogs.copyAnswer = ClipboardImageChoice{false, false, false, false, 0};
  exportFrame().exports().CmCopyBMP();
  EXPECT_FALSE(dialogs.clipboardImage.has_value());
  EXPECT_EQ(ports.lines(), std::vector<std::string>{"[Integer Number Validation] Please enter a value between 12 and 70"});
}

TEST_F(ExportCommandsTest, CopyBmp_HexagonalBoard_LineModeOffered) {
  loadText("(;GM[11]FF[4]SZ[6];B[cc])");
  dialogs.copyAnswer = ClipboardImageChoice{true, true, true, true, 16};
  exportFrame().exports().CmCopyBMP();
  EXPECT_TRUE(dialogs.shownHexagonal);
  EXPECT_TRUE(dialogs.shownBlackAndWhite);
  ASSERT_EQ(images.styles.size(), 1u);
  EXPECT_TRUE(images.styles[0].hexLineMode);
  EXPECT_TRUE(images.styles[0].hexLineBorder);
}

TEST_F(ExportCommandsTest, CreateGif_FormatByExtension) {
  loadText(kCommentedGame);
  for (const char* name : {"board.gif", "board.bmp", "board.PNG", "board.svg"}) ports.queueChoice(dir.file(name));
  for (int i = 0; i < 4; ++i) exportFrame().exports().CmCreateGIF();
  EXPECT_EQ(fileText(dir.file("board.gif")).substr(0, 6), "GIF89a");
  EXPECT_EQ(fileText(dir.file("board.bmp")).substr(0, 2), "BM");
  EXPECT_EQ(images.written, (std::vector<std::string>{"png " + dir.file("board.PNG"), "svg " + dir.file("board.svg")}));
  EXPECT_EQ(ports.lines()[1], "[SGIFFile::Terminate()] '" + dir.file("board.gif") + "'\\n\\nFile created");
}

TEST_F(ExportCommandsTest, WithoutDrawingLayer_ToldNotAvailable) {
  exportFrame(false);
  exportFrame().exports().CmCreateGIF();
  ASSERT_EQ(ports.lines().size(), 1u);
  EXPECT_EQ(ports.lines()[0].rfind("[CreateGridImage()] Board images are not available", 0), 0u);
}

TEST_F(ExportCommandsTest, CopySgfAndAscii_TextsWithoutTerminatingZero) {
  loadText("(;GM[1]FF[4]SZ[9];B[ee];W[cc])");
  ASSERT_TRUE(exportFrame().runCommand(*commandForKey("Shift+Ctrl+W")));
  ASSERT_TRUE(ports.clipboardText().has_value());
  const std::string sgf = *ports.clipboardText();
  EXPECT_EQ(sgf.find('\0'), std::string::npos);
  EXPECT_NE(sgf.find(";B[ee]"), std::string::npos);
  EXPECT_EQ(ports.lines().back(), "[GetSGF()] SGF string has been copied to the Windows Clipboard\\r\\n\\r\\nBytes = " +
                                      std::to_string(sgf.size()) + "\\r\\n");

  ASSERT_TRUE(exportFrame().runCommand("GetASCII"));
  SGridFrame& game = exportFrame().game();
  EXPECT_EQ(*ports.clipboardText(), asciiDiagramOfNode(game, game.currentNode));
  EXPECT_EQ(ports.clipboardText()->find('\0'), std::string::npos);
  EXPECT_EQ(ports.lines().back(), "[GetASCII()] ASCII text has been copied to the Windows Clipboard");
}

TEST_F(ExportCommandsTest, CopySgf_VariationsQuestionCancelled_ClipboardUntouched) {
  loadText("(;GM[1]FF[4]SZ[9];B[ee](;W[cc])(;W[gg]))");
  ports.queueAnswer(Answer::Cancel);
  exportFrame().exports().CmCopySGF(CopyScope::WholeGame);
  EXPECT_FALSE(ports.clipboardText().has_value());
}

}  // namespace
}  // namespace meridax::testing

namespace meridax::testing {
namespace {

TEST_F(ExportCommandsTest, Composition_ThePositionBeingComposedIsDrawn) {
  loadText("(;GM[1]FF[4]SZ[9];B[ee])");
  SGridFrame& game = exportFrame().game();
  ComposeModel model(game);
  BoardPosition composed = model.board();
  composed.set(0, 0, cell::kWhite);
  model = ComposeModel(game.kind(), game.width(), game.height(), composed, Colour::Black, ComposeCell{});
  ports.queueChoice(dir.file("composed.bmp"));
  exportFrame().exports().composeExportGif(model);
  dialogs.copyAnswer = ClipboardImageChoice{};
  exportFrame().exports().composeCopyImage(model);
  ASSERT_TRUE(dialogs.clipboardImage.has_value());
  EXPECT_EQ(dialogs.clipboardImage->at(0, 0), 0xFFFFFFu) << "the composed white piece";
  EXPECT_EQ(dialogs.clipboardImage->at(4, 4), 0x000000u);
  EXPECT_EQ(fileText(dir.file("composed.bmp")).substr(0, 2), "BM");
}

}  // namespace
}  // namespace meridax::testing
