#include "engine/gtp_protocol.h"

#include <gtest/gtest.h>

namespace meridax {
namespace {

GtpAnswer ok(std::optional<int> id, std::string text) { return GtpAnswer{true, true, id, std::move(text)}; }
GtpAnswer refused(std::optional<int> id, std::string text) { return GtpAnswer{true, false, id, std::move(text)}; }
GtpAnswer garbled(std::string text) { return GtpAnswer{false, false, std::nullopt, std::move(text)}; }

struct StreamCase {
  const char* name;
  std::string bytes;
  std::vector<GtpAnswer> answers;
  bool partial;
};

std::vector<GtpAnswer> readAll(const std::string& bytes, std::size_t piece, bool& partial) {
  GtpAnswerReader reader;
  std::vector<GtpAnswer> answers;
  for (std::size_t i = 0; i < bytes.size(); i += piece) {
    reader.feed(std::string_view(bytes).substr(i, piece));
    while (std::optional<GtpAnswer> a = reader.next()) answers.push_back(*a);
  }
  partial = reader.partial();
  return answers;
}

TEST(GtpAnswerReader, CutsOutputIntoAnswersWhateverPiecesItComesIn) {
  const std::vector<StreamCase> cases = {
      {"success with id", "=1 Fake\n\n", {ok(1, "Fake")}, false},
      {"failure with id", "?12 illegal move\n\n", {refused(12, "illegal move")}, false},
      {"empty success without id", "=\n\n", {ok(std::nullopt, "")}, false},
      {"multi-line answer", "=3 A1\nB2 \n C3\n\n", {ok(3, "A1\nB2\nC3")}, false},
      {"CR LF and tabs", "=4\tD4\r\n\r\n", {ok(4, "D4")}, false},
      {"blank lines before an answer", "\n \n=5 x\n\n", {ok(5, "x")}, false},
      {"control characters dropped", std::string("=6 a\x01" "b\x7f\n\x1b\n"), {ok(6, "ab")}, false},
      {"two answers at once", "=7\n\n?8 no\n\n", {ok(7, ""), refused(8, "no")}, false},
      {"text that is no answer", "thinking hard\nstill\n\n", {garbled("thinking hard\nstill")}, false},
      {"answer not ended", "=9 Q16\n", {}, true},
      {"line not ended", "=9 Q1", {}, true},
      {"id too long to be one", "=1234567890 x\n\n", {ok(std::nullopt, "x")}, false},
  };
  for (const StreamCase& c : cases) {
    for (std::size_t piece : {std::size_t{1}, std::size_t{3}, c.bytes.size()}) {
      bool partial = false;
      EXPECT_EQ(readAll(c.bytes, piece, partial), c.answers) << c.name << ", pieces of " << piece;
      EXPECT_EQ(partial, c.partial) << c.name << ", pieces of " << piece;
    }
  }
}

TEST(GtpProtocol, CommandLinesStayOneLineWithTheirId) {
  EXPECT_EQ(gtpCommandLine(3, "play B D4"), "3 play B D4\n");
  EXPECT_EQ(gtpCommandLine(4, "komi 6.5\nquit\r"), "4 komi 6.5 quit\n");
}

TEST(GtpProtocol, VerticesSkipTheLetterIAndCountRowsFromTheBottom) {
  struct Case { int x, y, size; const char* vertex; };
  const Case cases[] = {
      {0, 0, 19, "A19"}, {0, 18, 19, "A1"},  {7, 18, 19, "H1"}, {8, 18, 19, "J1"}, {18, 0, 19, "T19"},
      {15, 3, 19, "Q16"}, {24, 0, 25, "Z25"}, {2, 2, 9, "C7"},  {9, 0, 9, ""},     {0, -1, 9, ""},
      {0, 0, 26, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(gtpVertex(c.x, c.y, c.size), c.vertex) << c.x << "," << c.y << " on " << c.size;
    if (*c.vertex == '\0') continue;
    const std::optional<GtpMove> back = parseGtpMove(c.vertex, c.size);
    ASSERT_TRUE(back) << c.vertex;
    EXPECT_EQ(*back, (GtpMove{GtpMove::Kind::Point, c.x, c.y})) << c.vertex;
  }
}

TEST(GtpProtocol, MovesAreReadInEitherCaseAndOffBoardOnesRefused) {
  using K = GtpMove::Kind;
  struct Case { const char* text; int size; std::optional<GtpMove> move; };
  const Case cases[] = {
      {"d4", 19, GtpMove{K::Point, 3, 15}}, {" Q16 ", 19, GtpMove{K::Point, 15, 3}},
      {"pass", 19, GtpMove{K::Pass}},       {"PASS", 9, GtpMove{K::Pass}},
      {"resign", 19, GtpMove{K::Resign}},   {"I5", 19, std::nullopt},
      {"T20", 19, std::nullopt},            {"K5", 9, std::nullopt},
      {"A0", 19, std::nullopt},             {"", 19, std::nullopt},
      {"D4x", 19, std::nullopt},            {"D", 19, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parseGtpMove(c.text, c.size), c.move) << '"' << c.text << '"';

  const auto list = parseGtpVertexList("D4 E5\nF6 ", 19);
  ASSERT_TRUE(list);
  EXPECT_EQ(list->size(), 3u);
  EXPECT_EQ(parseGtpVertexList("", 19), std::vector<GtpMove>{});
  EXPECT_FALSE(parseGtpVertexList("D4 pass", 19)) << "a pass is no stone";
  EXPECT_FALSE(parseGtpVertexList("D4 Z9", 19));
}

TEST(GtpProtocol, CommandLinesAreCutAsAShellCutsThem) {
  using Words = std::vector<std::string>;
  struct Case { const char* line; std::optional<Words> words; };
  const Case cases[] = {
      {"/usr/games/gnugo --mode gtp", Words{"/usr/games/gnugo", "--mode", "gtp"}},
      {"  gnugo\t--level  1 ", Words{"gnugo", "--level", "1"}},
      {"'/opt/my engine/run' -x", Words{"/opt/my engine/run", "-x"}},
      {"engine \"a \\\"b\\\" c\" d\\ e", Words{"engine", "a \"b\" c", "d e"}},
      {"engine ''", Words{"engine", ""}},
      {"", Words{}},
      {"engine 'open", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(splitCommandLine(c.line), c.words) << c.line;
}

}  // namespace
}  // namespace meridax
