#include "export/rtf_print_lines.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "sgf/sgf_test_support.h"

namespace meridax {
namespace {

using testing_support::LoadedText;

// A print line drawn as its kind letter (M main line, V variation, C comment, D diagram) and its text,
// tabs shown as "|".
std::string draw(const PrintLine& line) {
  const char kind = line.kind == PrintLineKind::MainLine    ? 'M'
                    : line.kind == PrintLineKind::Variation ? 'V'
                    : line.kind == PrintLineKind::Comment   ? 'C'
                                                            : 'D';
  std::string text(1, kind);
  text += ' ';
  for (const char c : line.text) text += c == '\t' ? '|' : c;
  return text;
}

std::vector<std::string> drawAll(const std::vector<PrintLine>& lines) {
  std::vector<std::string> out;
  for (const PrintLine& line : lines) out.push_back(draw(line));
  return out;
}

struct LinesCase {
  const char* name;
  const char* sgf;
  std::vector<std::pair<std::size_t, int>> options;  // field, value
  std::vector<std::string> expected;
};

class RtfPrintLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(RtfPrintLines, LinesOfTheGame) {
  const LinesCase& c = GetParam();
  LoadedText loaded(c.sgf);
  ASSERT_EQ(loaded.games(), 1u);
  RtfExportOptions options;
  for (const auto& [field, value] : c.options) options.record.fields[field] = value;
  EXPECT_EQ(drawAll(buildPrintLines(loaded.game(), options)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfPrintLines,
    ::testing::Values(
        LinesCase{"RowsOfFour_VariationAfterMoveSixEndsTheRow",
                  "(;GM[1]SZ[9];B[aa];W[ba];B[ca];W[da];B[ea](;W[fa];B[ga];W[ha])(;W[fb];B[gb]))",
                  {},
                  {"M |BA9|WB9|BC9|WD9", "M |BE9|WF9", "V  [WF8 BG8 ]", "M |||BG9|WH9", "D "}},
        LinesCase{"AllLinesOff_NoVariationsAndTheRowRunsOn",
                  "(;GM[1]SZ[9];B[aa];W[ba];B[ca];W[da];B[ea](;W[fa];B[ga])(;W[fb]))",
                  {{rtf_field::kAllLines, 0}, {rtf_field::kEndDiagram, 0}},
                  {"M |BA9|WB9|BC9|WD9", "M |BE9|WF9|BG9"}},
        LinesCase{"CommentsNamesAndMarks_DiagramsWhereAsked",
                  "(;GM[1]SZ[9]C[Root text]N[Opening];B[aa]C[first\nsecond];W[ba]FG[];B[ca]V[5])",
                  {{rtf_field::kEndDiagram, 0}},
                  {"C [ Opening ]", "D ", "C Root text", "M |BA9", "D ", "C first", "C second", "M ||WB9", "D ",
                   "M |||BC9", "C [ 5 ]"}},
        LinesCase{"CommentDiagramsOff_CommentsWithoutPictures",
                  "(;GM[1]SZ[9];B[aa]C[only text])",
                  {{rtf_field::kCommentDiagrams, 0}, {rtf_field::kEndDiagram, 0}},
                  {"M |BA9", "C only text"}},
        LinesCase{"NestedVariationsAndACommentInside_LineBrokenAtTheComment",
                  "(;GM[1]SZ[9];B[aa](;W[ba];B[ca])(;W[bb](;B[cc]C[look];W[dd])(;B[ee])))",
                  {{rtf_field::kEndDiagram, 0}, {rtf_field::kCommentDiagrams, 0}},
                  {"M |BA9|WB9", "V  [WB8 BC7", "C look", "V  [BE5 ] WD6 ]", "M |||BC9"}},
        LinesCase{"SpecialMoves_LettersAndSuffixes",
                  "(;GM[1]SZ[9];B[aa];W[];B[tt];W[resign])",
                  {{rtf_field::kEndDiagram, 0}},
                  {"M |BA9|W(p)|B(p)|W(r)"}},
        LinesCase{"HandicapGo19_NoteAfterTheRoot",
                  "(;GM[1]SZ[19]HA[2]AB[dd][pp];W[qd])",
                  {{rtf_field::kEndDiagram, 0}},
                  {"D ", "C [ Handicap: 2 ]", "M |WR16"}},  // set-up stones mark the root for a diagram
        LinesCase{"HexMoves_VerticalAndHorizontalLetters",
                  "(;GM[11]SZ[5];B[aa];W[bb])",
                  {{rtf_field::kEndDiagram, 0}},
                  {"M |VA1|HB2"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RtfPrintLines, CommentOfManyLines_CutAt255) {
  std::string comment;
  for (int i = 0; i < 300; ++i) comment += "line " + std::to_string(i) + "\n";
  LoadedText loaded("(;GM[1]SZ[9];B[aa]C[" + comment + "])");
  RtfExportOptions options;
  options.record.fields[rtf_field::kCommentDiagrams] = 0;
  options.record.fields[rtf_field::kEndDiagram] = 0;
  const auto lines = buildPrintLines(loaded.game(), options);
  ASSERT_EQ(lines.size(), 1u + kMaxCommentLines);
  EXPECT_EQ(lines.back().text, "line 254");
}

TEST(RtfPrintLines, DeeplyNestedVariations_EveryBracketClosed) {
  // A side line of 300 moves in which every move after the first has a one-move alternative.
  auto point = [](int p) { return std::string{static_cast<char>('a' + p % 19), static_cast<char>('a' + p / 19)}; };
  auto colour = [](int level) { return level % 2 == 0 ? "B" : "W"; };
  const int levels = 300;
  std::string chain = std::string(";") + colour(levels - 1) + "[" + point(levels) + "]";
  for (int i = levels - 2; i >= 0; --i)
    chain = std::string(";") + colour(i) + "[" + point(i + 1) + "](" + chain + ")(;" + colour(i + 1) + "[" +
            point(300 + i % 61) + "])";
  LoadedText loaded("(;GM[1]SZ[19](;B[aa])(" + chain + "))");
  ASSERT_EQ(loaded.errors.size(), 0u);
  RtfExportOptions options;
  options.record.fields[rtf_field::kEndDiagram] = 0;
  const auto lines = buildPrintLines(loaded.game(), options);
  ASSERT_EQ(lines.size(), 2u);
  const std::string& text = lines[1].text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '['), levels);
  EXPECT_EQ(std::count(text.begin(), text.end(), ']'), levels);
}

}  // namespace
}  // namespace meridax
