#include "sgf/game_body_skip.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace meridax {
namespace {

struct SkipCase {
  const char* name;
  std::string text;
  std::size_t depth;
  BodyEnd end;
  std::size_t at;  // npos: the text's size
};

class GameBodySkip : public ::testing::TestWithParam<SkipCase> {};

TEST_P(GameBodySkip, StopsWhereTheBracketsSay) {
  const SkipCase& c = GetParam();
  const BodyStop stop = skipGameBody(c.text, 0, c.depth);
  EXPECT_EQ(stop.end, c.end);
  EXPECT_EQ(stop.at, c.at == std::string::npos ? c.text.size() : c.at);
}

const std::string kLong(40, 'x');  // carries a case across the sixteen-byte blocks

INSTANTIATE_TEST_SUITE_P(
    Sgf, GameBodySkip,
    ::testing::Values(
        SkipCase{"OpenVariationsOfTheReader", ");B[aa]))", 2, BodyEnd::GameClose, 8},
        SkipCase{"EscapedBracketAcrossABlock", ";C[" + std::string(12, 'x') + "\\]" + kLong + "])", 0,
                 BodyEnd::GameClose, 3 + 12 + 2 + 40 + 1},
        SkipCase{"EscapedBackslashThenClose", ";C[" + kLong + "\\\\])", 0, BodyEnd::GameClose, 3 + 40 + 3},
        SkipCase{"UnclosedValue", ";B[aa];C[" + kLong + ")", 0, BodyEnd::UnclosedValue, 8},
        SkipCase{"EndOfText", ";B[aa](;W[" + kLong + "])", 0, BodyEnd::EndOfText, std::string::npos}),
    [](const auto& info) { return std::string(info.param.name); });

// The same walk one byte at a time, as the reader once made it, counting nodes and side lines on the way.
BodyStop byteByByte(const std::string& text, std::size_t depth) {
  BodyStop counts;
  char last = 0;  // the last of "[", ";", "(" and ")" outside values
  const auto stop = [&](std::size_t at, BodyEnd end) { return BodyStop{at, end, counts.nodes, counts.sideLines}; };
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '[') {
      std::size_t close = i + 1;
      while (close < text.size() && text[close] != ']') close += text[close] == '\\' ? 2 : 1;
      if (close >= text.size()) return stop(i, BodyEnd::UnclosedValue);
      i = close;
      last = '[';
    } else if (text[i] == ';') {
      ++counts.nodes;
      last = ';';
    } else if (text[i] == '(') {
      ++depth;
      if (last == ')') ++counts.sideLines;
      last = '(';
    } else if (text[i] == ')') {
      if (depth == 0) return stop(i, BodyEnd::GameClose);
      --depth;
      last = ')';
    }
  }
  return stop(text.size(), BodyEnd::EndOfText);
}

TEST(GameBodySkip, RandomTextsStopAndCountAsAByteByByteWalk) {
  std::mt19937 random(20261208);
  const std::string alphabet = "[]()\\;ab";
  for (int round = 0; round < 20000; ++round) {
    std::string text(random() % 70, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    const std::size_t depth = random() % 3;
    const BodyStop expected = byteByByte(text, depth);
    const BodyStop stop = skipGameBody(text, 0, depth);
    ASSERT_EQ(stop.end, expected.end) << text;
    ASSERT_EQ(stop.at, expected.at) << text;
    ASSERT_EQ(stop.nodes, expected.nodes) << text;
    ASSERT_EQ(stop.sideLines, expected.sideLines) << text;
  }
}

}  // namespace
}  // namespace meridax
