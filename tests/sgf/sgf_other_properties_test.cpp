// Properties the reader does not take are kept raw with their node and written back there.

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "model/node_texts.h"
#include "sgf/sgf_writer.h"
#include "sgf_test_support.h"

namespace meridax {
namespace {

using testing_support::LoadedText;
using testing_support::nodeText;
using testing_support::treeText;

// Every node that keeps properties, as "<node>{<kept>}" in the order of the tree; the first node is "root".
std::string keptProperties(const SGridFrame& game, const GameNode* from) {
  std::string out;
  for (const GameNode* n = from; n != nullptr; n = n->next()) {
    const std::string& kept = otherPropertiesOf(game, n);
    if (!kept.empty()) out += (n == game.firstNode ? std::string("root") : nodeText(game, n)) + "{" + kept + "}";
    if (!n->branching()) continue;
    out += keptProperties(game, n->next());
    for (const SBranchDetails* line : game.variations.linesBelow(n)) out += keptProperties(game, line->head);
    break;
  }
  return out;
}

struct KeptCase {
  const char* what;
  const char* sgf;
  const char* tree;  // the tree as treeText draws it
  const char* kept;
};

class OtherPropertiesTest : public ::testing::TestWithParam<KeptCase> {};

TEST_P(OtherPropertiesTest, KeptWithTheirNodeAndWrittenBackThere) {
  const KeptCase& c = GetParam();
  LoadedText t(c.sgf);
  SGridFrame& g = t.game();
  EXPECT_EQ(treeText(g), c.tree);
  EXPECT_EQ(keptProperties(g, g.firstNode), c.kept);
  EXPECT_EQ(validateTree(g), "");

  std::string written;
  ASSERT_TRUE(WriteGameText(g, written));
  LoadedText back(written);
  EXPECT_EQ(treeText(back.game()), c.tree) << written;
  EXPECT_EQ(keptProperties(back.game(), back.game().firstNode), c.kept) << written;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OtherPropertiesTest,
    ::testing::Values(
        KeptCase{"root and move", "(;FF[4]GM[1]SZ[19]TM[300]OT[3x30 byo-yomi];B[pd]BL[299.5];W[dd]WL[280])",
                 ";B[pd];W[dd]", "root{TM[300]OT[3x30 byo-yomi]};B[pd]{BL[299.5]};W[dd]{WL[280]}"},
        KeptCase{"before the move", "(;GM[1]SZ[9];BL[10]B[cc]C[x])", ";B[cc]", ";B[cc]{BL[10]}"},
        KeptCase{"several values", "(;GM[1]SZ[9];B[cc]AR[aa:bb][cc:dd] LN[ab:cd])", ";B[cc]",
                 ";B[cc]{AR[aa:bb][cc:dd]LN[ab:cd]}"},
        KeptCase{"escaped bracket stays raw", "(;GM[1]SZ[9];B[cc]XY[a\\]b\\\\])", ";B[cc]", ";B[cc]{XY[a\\]b\\\\]}"},
        KeptCase{"long private name", "(;GM[1]SZ[9]MULTIGOGM[1];B[cc])", ";B[cc]", "root{MULTIGOGM[1]}"},
        KeptCase{"old long name by its capitals", "(;GM[1]SZ[9];B[cc]CoPyright[me])", ";B[cc]", ";B[cc]{CP[me]}"},
        KeptCase{"game information below the root", "(;GM[1]SZ[9];B[cc]PB[Ann]GN[g2])", ";B[cc]",
                 ";B[cc]{PB[Ann]GN[g2]}"},
        KeptCase{"node of its own joins the node above", "(;GM[1]SZ[9];B[cc];GB[1];W[dd])", ";B[cc];W[dd]",
                 ";B[cc]{GB[1]}"},
        KeptCase{"below the root it makes a node", "(;GM[1]SZ[9];GB[1];B[cc])", ";compose;B[cc]",
                 ";compose{GB[1]}"},
        KeptCase{"beside an empty Othello move below the root it makes a node", "(;GM[2]SZ[8];GM[2]SZ[8]B[])",
                 ";compose", ";compose{GM[2]SZ[8]}"},
        KeptCase{"beside an empty Othello move further down it joins the node above",
                 "(;GM[2]SZ[8];B[d3];W[]GB[1];W[c3])", ";B[dc];W[cc]", ";B[dc]{GB[1]}"},
        KeptCase{"in variations", "(;GM[1]SZ[9];B[cc](;W[dd]TE[1])(;W[ee]BM[2]))", ";B[cc](;W[dd])(;W[ee])",
                 ";W[dd]{TE[1]};W[ee]{BM[2]}"},
        KeptCase{"after a move in the root", "(;GM[1]SZ[9]TM[5]B[cc]BL[3];W[dd])", ";B[cc];W[dd]",
                 "root{TM[5]};B[cc]{BL[3]}"},
        KeptCase{"a value opening a node names the identifier before it", "(;GM[1]SZ[9];B[cc]TM[5];[6]W[dd])",
                 ";B[cc];W[dd]", ";B[cc]{TM[5]};W[dd]{TM[6]}"},
        KeptCase{"the selected-game mark below the root is dropped", "(;GM[1]SZ[9];B[cc]XS[])", ";B[cc]", ""},
        KeptCase{"the program's own root marks are not kept", "(;FF[4]AP[Other:1]CA[UTF-8]GM[1]SZ[9];B[cc])",
                 ";B[cc]", ""}),
    [](const ::testing::TestParamInfo<KeptCase>& info) {
      std::string name;
      for (const char* p = info.param.what; *p != '\0'; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
      return name;
    });

TEST(OtherProperties, HeaderAndNodesCarryThemOnTheirOwnPlaces) {
  LoadedText t("(;GM[1]SZ[9]CA[ISO-8859-1]TM[300];B[cc]BL[10];W[dd])");
  std::string written;
  ASSERT_TRUE(WriteGameText(t.game(), written));
  EXPECT_NE(written.find("AP[Meridax:18.5]\r\nCA[ISO-8859-1]\r\n"), std::string::npos) << written;
  EXPECT_NE(written.find("TM[300]\r\n"), std::string::npos) << written;
  EXPECT_NE(written.find(";B[cc]BL[10];W[dd]"), std::string::npos) << written;
  EXPECT_EQ(t.game().characterSet, "ISO-8859-1");
}

TEST(OtherProperties, GameReadToItsRootKeepsThemOnceWhenItsTreeIsBuilt) {
  LoadedText t("(;GM[1]SZ[9];B[aa])(;GM[1]SZ[9]TM[5]C[c]B[cc]BL[3];GB[1];W[dd]WL[2](;B[ee]TE[1])(;B[ff]))");
  ASSERT_EQ(t.games(), 2u);
  SGridFrame& lazy = t.game(1);
  EXPECT_EQ(otherPropertiesOf(lazy, lazy.firstNode), "TM[5]");
  ASSERT_FALSE(buildHeldTree(t.collection, lazy, t.held, "", {}, t.errors));
  EXPECT_EQ(keptProperties(lazy, lazy.firstNode), "root{TM[5]};B[cc]{BL[3]GB[1]};W[dd]{WL[2]};B[ee]{TE[1]}");
  EXPECT_EQ(validateTree(lazy), "");
}

TEST(OtherProperties, FreedNodesTakeTheirPropertiesWithThem) {
  LoadedText t("(;GM[1]SZ[9];B[cc]BL[3];W[dd]WL[2])");
  SGridFrame& g = t.game();
  deleteChain(g, g.firstNode->next()->next());
  g.firstNode->next()->setNext(nullptr);
  EXPECT_EQ(g.otherProperties.size(), 1u);
  freeAllNodes(g);
  EXPECT_TRUE(g.otherProperties.empty());
}

}  // namespace
}  // namespace meridax
