#include "sgf/sgf_markup_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "sgf/sgf_escape.h"
#include "sgf/text_decoding.h"

namespace meridax {
namespace {

PointGeometry go9() { return pointGeometry(GameKind::Go, 9, 9, ""); }

struct MarkupCase {
  const char* name;
  PointGeometry geometry;
  const char* stored;
  const char* written;
};

class MarkupWriterTest : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(MarkupWriterTest, WritesIdentifiersInFixedOrderWithTheKindsPoints) {
  const MarkupCase& c = GetParam();
  EXPECT_EQ(writeMarkupText(c.geometry, c.stored), c.written);
}

const MarkupCase kMarkupCases[] = {
    {"OneTriangle", go9(), "TR[!!]", "TR[aa]"},
    {"FixedOrder", go9(), "LB[!!:x]TR[\"\"]SQ[##]MA[$$]CR[%%]L[&&]M['']TW[((]TB[))]",
     "M[gg]\r\nL[ff]\r\nSQ[cc]\r\nCR[ee]\r\nMA[dd]\r\nTR[bb]\r\nLB[aa:x]\r\nTB[ii]\r\nTW[hh]"},
    {"SameIdentifierTwiceIsJoined", go9(), "TR[!!]SQ[\"\"]TR[##]", "SQ[bb]\r\nTR[aa][cc]"},
    {"SeveralValuesKeepTheirOrder", go9(), "MA[##][!!][\"\"]", "MA[cc][aa][bb]"},
    {"OldSelectionIsWrittenAsSquare", go9(), "SL[!!]", "SQ[aa]"},
    {"BlankedValuesDropped", go9(), "TR[  ][!!]CR[  ]", "TR[aa]"},
    {"OnlyBlankedValues", go9(), "TR[  ]LB[     ]", ""},
    {"PointsOutsideTheSquareDropped", go9(), "TR[)!][*!][!*]", "TR[ia]"},
    {"LabelEscapesRewritten", go9(), "LB[!!:a\\]b\\:c\\\\d]", "LB[aa:a\\]b\\:c\\\\d]"},
    {"LabelColonEscaped", go9(), "LB[!!:a:b]", "LB[aa:a\\:b]"},
    {"LabelWithoutText", go9(), "LB[!!]LB[\"\":]", "LB[aa:][bb:]"},
    {"HexPoints", pointGeometry(GameKind::Hex, 11, 11, ""), "TR[#$]LB[#*:x]", "TR[c4]\r\nLB[c10:x]"},
    {"HavannahRowLetterFirst", pointGeometry(GameKind::Havannah, 19, 0, "LG"), "TR[%-]", "TR[m5]"},
    {"KropkiCapitalLetters", pointGeometry(GameKind::Kropki, 45, 30, ""), "CR[?!][:!]", "CR[Ea][za]"},
    {"KropkiTerritoryMarkupLeftOut", pointGeometry(GameKind::Kropki, 20, 20, ""), "TB[!!]TR[!!]TW[!!]", "TR[aa]"},
    {"UnknownIdentifierDropped", go9(), "XX[!!]TR[\"\"]", "TR[bb]"},
    {"UnterminatedValue", go9(), "TR[!!][\"\"", "TR[aa][bb]"},
    {"Empty", go9(), "", ""},
    // Markup merged into a node a second time: each point once, so a reader keeps it all.
    {"RepeatedPointWrittenOnce", go9(), "CR[!!][\"\"]CR[!!]TR[!!]", "CR[aa][bb]\r\nTR[aa]"},
    {"RepeatedLabelWrittenOnce", go9(), "LB[!!:x]LB[!!:x][!!:y]", "LB[aa:x][aa:y]"},
};

INSTANTIATE_TEST_SUITE_P(SgfMarkupWriter, MarkupWriterTest, ::testing::ValuesIn(kMarkupCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SgfMarkupWriter, Parse_EscapedBracketStaysInsideItsValue) {
  const auto values = parseStoredMarkup("LB[!!:a\\]b][\"\"]TR[##]");
  ASSERT_EQ(values.size(), 3u);
  EXPECT_EQ(values[0].identifier, "LB");
  EXPECT_EQ(values[0].value, "!!:a\\]b");
  EXPECT_EQ(values[1].identifier, "LB");
  EXPECT_EQ(values[1].value, "\"\"");
  EXPECT_EQ(values[2].identifier, "TR");
}

TEST(SgfMarkupWriter, Parse_TrailingBackslashDoesNotReadPastTheEnd) {
  const auto values = parseStoredMarkup("LB[!!:a\\");
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0].value, "!!:a\\");
}

TEST(SgfEscape, TextAndLabelEscapes) {
  EXPECT_EQ(escapeText("a]b\\c:d"), "a\\]b\\\\c:d");
  EXPECT_EQ(escapeLabel("a]b\\c:d"), "a\\]b\\\\c\\:d");
  EXPECT_EQ(escapeText(""), "");
  EXPECT_EQ(unescapeStored("a\\]b\\\\c\\:d"), "a]b\\c:d");
  EXPECT_EQ(unescapeStored("end\\"), "end");
}

// A text typed with line breaks of any kind is written as the reader will give it back, so that the
// game read back writes the same bytes again.
TEST(SgfEscape, LineBreaksOfAnyKind_ReadBackAsWritten) {
  for (const std::string typed : {"a\rb", "a\nb", "a\r\nb", "\r", "a\n\rb", "a\r\r\nb", "a]\\\rb"}) {
    const std::string written = escapeText(typed);
    EXPECT_EQ(escapeText(decodeSgfText(written)), written) << testing::PrintToString(typed);
    EXPECT_EQ(decodeSgfText(written).find('\r'), decodeSgfText(written).find("\r\n")) << written;
  }
}

}  // namespace
}  // namespace meridax
