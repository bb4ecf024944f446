// The SGF writer on games of each kind played through move acceptance.

#include <gtest/gtest.h>

#include <string>

#include "rules/kropki_fields.h"
#include "rules/kropki_tree.h"
#include "sgf/sgf_writer.h"
#include "writer_test_games.h"

namespace meridax {
namespace {

using writer_test::plainHeader;
using writer_test::TestGame;

void attachDrawnField(SGridFrame& game, GameNode* node, const std::string& diagram) {
  attachField(game, node, fieldFromDiagram(diagram));
}

// A black field around the white dot at cc, on a 5 x 5 board.
const char kBlackDiamond[] = R"(. . . . .
                                . . X . .
                                . X X X .
                                . . X . .
                                . . . . .)";

TEST(SgfWriterKinds, Othello_TwoLetterMoves) {
  TestGame g(GameKind::Othello, 8);
  g.black(3, 2);
  g.white(2, 2);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("2", "8") + "XV[]\r\n\r\n;B[dc];W[cc]\r\n)\r\n\r\n");
}

TEST(SgfWriterKinds, Connect6_RulesTextAndTwoLetterMoves) {
  TestGame g(GameKind::Connect6AtCreation, 19);
  g.black(9, 9);
  g.white(10, 10);
  g.white(10, 11);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), "(;\r\nFF[4]\r\nGM[1]\r\nRU[Connect6]\r\nSZ[19]\r\nAP[Meridax:18.5]\r\nXV[]\r\n\r\n"
                      ";B[jj];W[kk];W[kl]\r\n)\r\n\r\n");
}

TEST(SgfWriterKinds, Pente_CapturesLeaveOnlyTheMoves) {
  TestGame g(GameKind::PenteAtCreation, 19);
  g.black(0, 0);
  g.white(1, 0);
  g.black(5, 5);
  g.white(2, 0);
  g.black(3, 0);  // captures the white pair
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), "(;\r\nFF[4]\r\nGM[1]\r\nRU[Pente]\r\nSZ[19]\r\nAP[Meridax:18.5]\r\nXV[]\r\n\r\n"
                      ";B[aa];W[ba];B[ff];W[ca];B[da]\r\n)\r\n\r\n");
}

TEST(SgfWriterKinds, KropkiMoveClosingAField_FieldsInItsValueOnANewLine) {
  TestGame g(GameKind::Kropki, 5);
  g.black(2, 1);
  g.white(2, 2);
  g.black(1, 2);
  g.white(0, 0);
  g.black(3, 2);
  g.white(4, 4);
  GameNode* closing = g.black(2, 3);
  attachDrawnField(g.game, closing, kBlackDiamond);
  g.white(4, 0);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("40", "5") +
                          "XV[]\r\n\r\n;B[cb];W[cc];B[bc];W[aa];B[dc];W[ee]\r\n;B[cd.dccbbccddc]\r\n;W[ea]\r\n)\r\n\r\n");
}

TEST(SgfWriterKinds, KropkiFieldOfTheOtherColourAtAMove_FollowsAsTerritory) {
  TestGame g(GameKind::Kropki, 5);
  g.black(0, 0);
  GameNode* w = g.white(4, 4);
  attachDrawnField(g.game, w, kBlackDiamond);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("40", "5") + "XV[]\r\n\r\n;B[aa];W[ee]\r\nTB[.dccbbccddc]\r\n)\r\n\r\n");
}

TEST(SgfWriterKinds, KropkiComposeNodeWithFields_TerritoryOfBothColoursInTheSetup) {
  TestGame g(GameKind::Kropki, 7);
  g.black(0, 0);
  GameNode* composed = g.compose(fromDiagram(R"(X . . . . . .
                                                . . X . . . .
                                                . X O X . . .
                                                . . X . . . .
                                                . . . . . . .
                                                . . . . . . .
                                                . . . . . . .)"),
                                 Colour::White);
  attachDrawnField(g.game, composed, R"(. . . . . . .
                                   . . X . . . .
                                   . X X X . . .
                                   . . X . . . .
                                   . . . . . O .
                                   . . . . O O O
                                   . . . . . O .)");
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("40", "7") +
                          "XV[]\r\n\r\n;B[aa]\r\n\r\n;AB[cb][bc][dc][cd]\r\nAW[cc]\r\nTB[.dccbbccddc]\r\n"
                          "TW[.gffeeffggf]\r\nPL[W]\r\n)\r\n\r\n");
}

TEST(SgfWriterKinds, KropkiRectangle_SizeWidthFirst) {
  TestGame g(GameKind::Kropki, 6, 4);
  g.black(5, 3);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("40", "6:4") + "XV[]\r\n\r\n;B[fd]\r\n)\r\n\r\n");
}

TEST(SgfWriterKinds, HexSwapPieces_WrittenAsItsWord) {
  TestGame g(GameKind::Hex, 11);
  g.black(1, 4);
  g.special(SpecialMoveKind::SwapPieces, Colour::White);
  g.black(5, 5);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("11", "11") + "XV[]\r\n\r\n;B[b5] ;W[swap-pieces]\r\n;B[f6] \r\n)\r\n\r\n");
}

TEST(SgfWriterKinds, HavannahComposeNode_SetupPointsRowLetterFirst) {
  TestGame g(GameKind::Havannah, 5);
  g.compose(fromDiagram(R"(. . . # #
                           . . . . #
                           . . O . .
                           # . . X .
                           # # . . .)"),
            Colour::Black);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("4100", "3") + "XV[]\r\n\r\n\r\n\r\n;AB[d4]\r\nAW[c3]\r\nPL[B]\r\n)\r\n\r\n");
}

}  // namespace
}  // namespace meridax
