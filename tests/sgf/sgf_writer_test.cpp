#include "sgf/sgf_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "writer_test_games.h"

namespace meridax {
namespace {

using writer_test::plainHeader;
using writer_test::TestGame;

const std::string kGoHeader = plainHeader("1", "19");

// ---- Lines of moves ----

TEST(SgfWriter, ThreeMovesFirstNodeCurrent_HeaderMarksCurrentAndMovesShareALine) {
  TestGame g(GameKind::Go);
  g.black(15, 3);
  g.white(3, 15);
  g.black(15, 15);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), kGoHeader + "XV[]\r\n\r\n;B[pd];W[dp];B[pp]\r\n)\r\n\r\n");
}

TEST(SgfWriter, LastMoveCurrent_MarkFollowsTheMoveOnItsOwnLine) {
  TestGame g(GameKind::Go);
  g.black(15, 3);
  g.white(3, 15);
  g.black(15, 15);

  EXPECT_EQ(g.text(), kGoHeader + "\r\n;B[pd];W[dp];B[pp]\r\nXV[]\r\n)\r\n\r\n");
}

TEST(SgfWriter, SeventeenthMove_StartsANewLine) {
  TestGame g(GameKind::Go);
  std::string moves;
  for (int i = 0; i < 17; ++i) {
    g.play(i, i % 2, i % 2 == 0 ? Colour::Black : Colour::White);
    if (i == 16) moves += "\r\n";
    moves += std::string(";") + (i % 2 == 0 ? "B" : "W") + "[" + static_cast<char>('a' + i) +
             static_cast<char>('a' + i % 2) + "]";
  }
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), kGoHeader + "XV[]\r\n\r\n" + moves + "\r\n)\r\n\r\n");
}

TEST(SgfWriter, MoveAfterCommentedNode_StartsAfterAnEmptyLine) {
  TestGame g(GameKind::Go, 9);
  GameNode* a = g.black(0, 0);
  g.white(1, 1);
  setComment(g.game, a, "Good move");
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("1", "9") + "XV[]\r\n\r\n;B[aa]\r\nC[Good move]\r\n\r\n;W[bb]\r\n)\r\n\r\n");
}

TEST(SgfWriter, EmptyGame_HeaderAndClosingOnly) {
  TestGame g(GameKind::Go, 9);
  EXPECT_EQ(g.text(), plainHeader("1", "9") + "XV[]\r\n\r\n)\r\n\r\n");
}

TEST(SgfWriter, SpecialMoves_WordsEndTheLineAndPassesKeepIt) {
  TestGame g(GameKind::Go, 9);
  g.black(2, 2);
  g.special(SpecialMoveKind::Pass, Colour::White);
  g.black(3, 3);
  g.special(SpecialMoveKind::Forfeit, Colour::White);
  g.black(4, 4);
  g.special(SpecialMoveKind::Resign, Colour::White);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("1", "9") + "XV[]\r\n\r\n;B[cc];W[]  ;B[dd];W[forfeit]\r\n;B[ee];W[resign]\r\n)\r\n\r\n");
}

TEST(SgfWriter, HexMoves_NumberedRowsWithABlankAfterOneDigit) {
  TestGame g(GameKind::Hex, 11);
  g.black(2, 3);
  g.special(SpecialMoveKind::SwapSides, Colour::White);
  g.white(2, 9);
  g.black(10, 10);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("11", "11") + "XV[]\r\n\r\n;B[c4] ;W[swap-sides]\r\n;W[c10];B[k11]\r\n)\r\n\r\n");
}

TEST(SgfWriter, HavannahMoves_RowLetterFirstAndPassesWithThreeBlanks) {
  TestGame g(GameKind::Havannah, 19);
  g.white(4, 12);
  g.black(12, 12);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("4100", "10") + "XV[]\r\n\r\n;W[m5] ;B[m13]\r\n)\r\n\r\n");
}

TEST(SgfWriter, LittleGolemHavannah_MovesNumberedFromTheRowsFirstCell) {
  TestGame g(GameKind::Havannah, 19, 0, "LG");
  g.white(7, 12);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), "(;\r\nFF[4]\r\nGM[4100]\r\nRU[LG]\r\nSZ[10]\r\nAP[Meridax:18.5]\r\nXV[]\r\n\r\n;W[m5] \r\n)\r\n\r\n");
}

TEST(SgfWriter, UnlurAcceptance_PassWithThreeBlanks) {
  TestGame g(GameKind::Unlur, 13);
  g.special(SpecialMoveKind::Pass, Colour::Black);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("4000", "13") + "XV[]\r\n\r\n;B[]   \r\n)\r\n\r\n");
}

// ---- Side lines ----

TEST(SgfWriter, SideLines_ContinuationFirstThenLinesInIndexOrder) {
  TestGame g(GameKind::Go, 9);
  GameNode* a = g.black(0, 0);
  g.white(1, 1);
  g.goTo(a);
  g.white(2, 2);  // becomes the continuation; b2 becomes a side line
  g.goTo(a);
  g.white(3, 3);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("1", "9") +
                          "XV[]\r\n\r\n;B[aa]\r\n(\r\n;W[dd]\r\n)\r\n(\r\n;W[bb]\r\n)\r\n(\r\n;W[cc]\r\n)\r\n)\r\n\r\n");
}

TEST(SgfWriter, WithoutSideLines_OnlyTheCurrentLineAndNoParentheses) {
  TestGame g(GameKind::Go, 9);
  GameNode* a = g.black(0, 0);
  g.white(1, 1);
  g.goTo(a);
  g.white(2, 2);
  g.black(3, 3);
  g.goTo(g.game.firstNode);
  WriteGameOptions options;
  options.withSideLines = false;

  EXPECT_EQ(g.text(options), plainHeader("1", "9") + "XV[]\r\n\r\n;B[aa];W[cc];B[dd]\r\n)\r\n\r\n");
}

TEST(SgfWriter, NestedSideLines_EachClosedOnItsOwnLine) {
  TestGame g(GameKind::Go, 9);
  GameNode* a = g.black(0, 0);
  GameNode* b = g.white(1, 1);
  g.black(2, 2);
  g.goTo(b);
  g.black(3, 3);  // side line below W[bb]: B[cc]
  g.goTo(a);
  g.white(4, 4);  // side line below B[aa]: W[bb] with its own branch
  setComment(g.game, g.game.currentNode, "x");
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("1", "9") +
                          "XV[]\r\n\r\n;B[aa]\r\n"
                          "(\r\n;W[ee]\r\nC[x]\r\n)\r\n"
                          "(\r\n;W[bb]\r\n(\r\n;B[dd]\r\n)\r\n(\r\n;B[cc]\r\n)\r\n)\r\n"
                          ")\r\n\r\n");
}

TEST(SgfWriter, BranchAtTheFirstNode_OpensRightAfterTheHeader) {
  TestGame g(GameKind::Go, 9);
  g.black(0, 0);
  g.goTo(g.game.firstNode);
  g.black(1, 1);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("1", "9") + "XV[]\r\n\r\n(\r\n;B[bb]\r\n)\r\n(\r\n;B[aa]\r\n)\r\n)\r\n\r\n");
}

// ---- Annotations of a node ----

TEST(SgfWriter, NodeAnnotations_EachOnItsOwnLineInFixedOrder) {
  TestGame g(GameKind::Go, 9);
  GameNode* a = g.black(2, 2);
  g.game.bookmarks.push_back({4, "Key", a});
  g.game.primaryNode = a;
  g.game.quickSlots[3] = a;
  a->setInQuickSlot(true);
  setScore(g.game, a, -12);
  setName(g.game, a, "Start");
  addMarkup(g.game, a, "TR[##]");
  a->setPrintDiagram(true);
  setComment(g.game, a, "Note");
  g.white(3, 3);
  g.goTo(a);

  EXPECT_EQ(g.text(), plainHeader("1", "9") +
                          "\r\n;B[cc]\r\nXB[4:Key]\r\nXP[]\r\nXN[3]\r\nV[-12]\r\nN[Start]\r\nTR[cc]\r\nFG[]\r\nXV[]"
                          "\r\nC[Note]\r\n\r\n;W[dd]\r\n)\r\n\r\n");
}

TEST(SgfWriter, TextValues_BackslashAndClosingBracketEscaped) {
  TestGame g(GameKind::Go, 9);
  GameNode* a = g.black(2, 2);
  setComment(g.game, a, "a]b\\c");
  setName(g.game, a, "[x]");
  g.game.bookmarks.push_back({1, "end]", a});
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("1", "9") +
                          "XV[]\r\n\r\n;B[cc]\r\nXB[1:end\\]]\r\nN[[x\\]]\r\nC[a\\]b\\\\c]\r\n)\r\n\r\n");
}

TEST(SgfWriter, TwoBookmarksOnOneNode_BothKeptAsValues) {
  TestGame g(GameKind::Go, 9);
  GameNode* a = g.black(2, 2);
  g.game.bookmarks.push_back({2, "", a});
  g.game.bookmarks.push_back({1, "b:c", a});
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("1", "9") + "XV[]\r\n\r\n;B[cc]\r\nXB[2][1:b:c]\r\n)\r\n\r\n");
}

// ---- Composition ----

TEST(SgfWriter, ComposeNode_WritesTheChangedCellsAsSetup) {
  TestGame g(GameKind::Go, 5);
  g.black(0, 0);
  g.compose(fromDiagram(R"(. . . . .
                           . . . . .
                           . . X . .
                           . . . O .
                           . . . . .)"),
            Colour::White);
  g.white(4, 4);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("1", "5") +
                          "XV[]\r\n\r\n;B[aa]\r\n\r\n;AB[cc]\r\nAW[dd]\r\nAE[aa]\r\nPL[W]\r\n;W[ee]\r\n)\r\n\r\n");
}

TEST(SgfWriter, ComposeNodeWithNoChange_OnlySideToMove) {
  TestGame g(GameKind::Go, 5);
  g.black(0, 0);
  g.compose(PositionAt(g.game, g.game.currentNode), Colour::Black);
  g.goTo(g.game.firstNode);

  EXPECT_EQ(g.text(), plainHeader("1", "5") + "XV[]\r\n\r\n;B[aa]\r\n\r\n;PL[B]\r\n)\r\n\r\n");
}

TEST(SgfWriter, ComposedFirstNode_SetupInTheHeader) {
  TestGame g(GameKind::Go, 5);
  g.setFirstPosition(fromDiagram(R"(. . . . .
                                    . X . . .
                                    . . . O .
                                    . X . . .
                                    . . . . .)"),
                     true);
  setComment(g.game, g.game.firstNode, "Problem");

  EXPECT_EQ(g.text(), plainHeader("1", "5") +
                          "XV[]\r\n\r\nAB[bb][bd]\r\nAW[dc]\r\nPL[B]C[Problem]\r\n\r\n\r\n)\r\n\r\n");
}

// The side to move is what makes a reader take a first node without stones for a composition.
TEST(SgfWriter, ComposedEmptyFirstNode_SideToMoveWrittenSoItStaysAComposition) {
  TestGame g(GameKind::Go, 5);
  g.setFirstPosition(PositionAt(g.game, g.game.firstNode), true);
  EXPECT_EQ(g.text(), plainHeader("1", "5") + "XV[]\r\n\r\nPL[B]\r\n)\r\n\r\n");

  g.game.firstNode->setBlackNext(false);
  EXPECT_EQ(g.text(), plainHeader("1", "5") + "XV[]\r\n\r\nPL[W]\r\n)\r\n\r\n");
}

TEST(SgfWriter, HandicapTextWithoutStonesOffNineteen_KeepsWhiteToMove) {
  TestGame g(GameKind::Go, 13);
  g.game.details[DetailField::Handicap] = "3";
  g.game.firstNode->setBlackNext(false);
  EXPECT_EQ(g.text(), plainHeader("1", "13") + "XV[]\r\n\r\nPL[W]\r\n)\r\n\r\n");
}

TEST(SgfWriter, OthelloComposedFirstNode_EmptyCentreCellsCleared) {
  TestGame g(GameKind::Othello, 8);
  g.setFirstPosition(fromDiagram(R"(. . . . . . . .
                                    . . . . . . . .
                                    . . . . . . . .
                                    . . . O . . . .
                                    . . . X X . . .
                                    . . . . . . . .
                                    . . . . . . . .
                                    . . . . . . . .)"),
                     true);

  EXPECT_EQ(g.text(), plainHeader("2", "8") + "XV[]\r\n\r\nAB[de][ee]\r\nAW[dd]\r\nAE[ed]\r\nPL[B]\r\n)\r\n\r\n");
}

// ---- Header ----

TEST(SgfWriter, Handicap_WrittenOnlyOnNineteenByNineteen) {
  for (int width : {19, 13}) {
    TestGame g(GameKind::Go, width);
    BoardPosition pos = PositionAt(g.game, g.game.firstNode);
    pos.set(3, 3, cell::kBlack);
    pos.set(width - 4, width - 4, cell::kBlack);
    g.setFirstPosition(pos, false);
    g.game.firstNode->setBlackNext(false);
    g.game.details[DetailField::Handicap] = "2";
    const std::string far(1, static_cast<char>('a' + width - 4));

    const std::string ha = width == 19 ? "HA[2]\r\n" : "";
    EXPECT_EQ(g.text(), plainHeader("1", std::to_string(width).c_str()) + ha + "XV[]\r\n\r\nAB[dd][" + far + far +
                            "]\r\nPL[W]\r\n)\r\n\r\n");
  }
}

TEST(SgfWriter, HandicapZero_NoHandicapLine) {
  TestGame g(GameKind::Go, 19);
  g.game.details[DetailField::Handicap] = "0";
  EXPECT_EQ(g.text(), kGoHeader + "XV[]\r\n\r\n)\r\n\r\n");
}

TEST(SgfWriter, GameInformation_InFixedOrderEscaped) {
  TestGame g(GameKind::Go, 19, 0, "Japanese");
  SSGFDetails& d = g.game.details;
  d[DetailField::Player1] = "Black]Player";
  d[DetailField::Player2] = "White\\Player";
  d[DetailField::Player1Rank] = "3d";
  d[DetailField::Player2Rank] = "2d";
  d[DetailField::Komi] = "6.5";
  d[DetailField::Place] = "Tokyo";
  d[DetailField::Source] = "Book";
  d[DetailField::Event] = "Cup";
  d[DetailField::Round] = "1";
  d[DetailField::Date] = "2001-02-03";
  d[DetailField::GameName] = "Final";
  d[DetailField::Result] = "B+R";
  d[DetailField::Annotator] = "Me";
  d[DetailField::GameComment] = "Fine]game";
  d[DetailField::FileFormat] = "3";

  std::string out;
  writeRootHeader(g.game, out, true);

  EXPECT_EQ(out,
            "(;\r\nFF[4]\r\nGM[1]\r\nRU[Japanese]\r\nSZ[19]\r\nAP[Meridax:18.5]\r\nPB[Black\\]Player]\r\n"
            "PW[White\\\\Player]\r\nBR[3d]\r\nWR[2d]\r\nKM[6.5]\r\nPC[Tokyo]\r\nSO[Book]\r\nEV[Cup]\r\nRO[1]\r\n"
            "DT[2001-02-03]\r\nGN[Final]\r\nRE[B+R]\r\nAN[Me]\r\nGC[Fine\\]game]\r\nXS[]\r\nXV[]\r\n\r\n");
}

TEST(SgfWriter, WhiteFirstKind_PlayerOneWrittenAsWhite) {
  TestGame g(GameKind::Havannah, 19);
  g.game.details[DetailField::Player1] = "Bob";
  g.game.details[DetailField::Player2] = "Ann";
  g.game.details[DetailField::Player1Rank] = "1k";

  EXPECT_EQ(g.text(), plainHeader("4100", "10") + "PW[Bob]\r\nPB[Ann]\r\nWR[1k]\r\nXV[]\r\n\r\n)\r\n\r\n");
}

struct SizeCase {
  const char* name;
  GameKind kind;
  int width;
  int height;
  const char* rules;
  const char* gm;
  const char* size;
};

class HeaderSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(HeaderSizeTest, GameIdentifierAndSize) {
  const SizeCase& c = GetParam();
  TestGame g(c.kind, c.width, c.height, c.rules);
  std::string out;
  writeRootHeader(g.game, out, false);
  const std::string ru = *c.rules ? std::string("RU[") + c.rules + "]\r\n" : "";
  EXPECT_EQ(out, std::string("(;\r\nFF[4]\r\nGM[") + c.gm + "]\r\n" + ru + "SZ[" + c.size +
                     "]\r\nAP[Meridax:18.5]\r\nXV[]\r\n\r\n");
}

const SizeCase kSizeCases[] = {
    {"Go", GameKind::Go, 13, 13, "", "1", "13"},
    {"Pente", GameKind::Go, 19, 19, "Pente", "1", "19"},
    {"Connect6", GameKind::Go, 19, 19, "Connect6", "1", "19"},
    {"Othello", GameKind::Othello, 8, 8, "", "2", "8"},
    {"Hex", GameKind::Hex, 11, 0, "", "11", "11"},
    {"HavannahSide", GameKind::Havannah, 19, 0, "", "4100", "10"},
    {"UnlurWidth", GameKind::Unlur, 13, 0, "", "4000", "13"},
    {"KropkiRectangle", GameKind::Kropki, 30, 20, "", "40", "30:20"},
    {"KropkiSquare", GameKind::Kropki, 20, 20, "", "40", "20"},
    {"MargoHasNoIdentifier", GameKind::Margo, 9, 9, "", "", "9"},
};

INSTANTIATE_TEST_SUITE_P(SgfWriter, HeaderSizeTest, ::testing::ValuesIn(kSizeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SgfWriter, FirstNodeMarks_InTheHeaderInFixedOrder) {
  TestGame g(GameKind::Go, 9);
  GameNode* first = g.game.firstNode;
  g.game.bookmarks.push_back({7, "Start]", first});
  first->setPrintDiagram(true);
  setName(g.game, first, "Root");
  addMarkup(g.game, first, "SQ[!!]CR[\"\"]");
  setComment(g.game, first, "Hello");
  g.black(2, 2);

  EXPECT_EQ(g.text(), plainHeader("1", "9") +
                          "XB[7:Start\\]]\r\nFG[]\r\nN[Root]\r\nSQ[aa]\r\nCR[bb]\r\nC[Hello]\r\n\r\n"
                          "\r\n;B[cc]\r\nXV[]\r\n)\r\n\r\n");
}

TEST(SgfWriter, FirstNodeScoreAndQuickSlot_KeptInTheHeader) {
  TestGame g(GameKind::Go, 9);
  setScore(g.game, g.game.firstNode, 5);
  g.game.quickSlots[0] = g.game.firstNode;
  g.game.firstNode->setInQuickSlot(true);

  EXPECT_EQ(g.text(), plainHeader("1", "9") + "XV[]\r\nV[5]\r\nXN[0]\r\n\r\n)\r\n\r\n");
}

// ---- Start node and failure ----

TEST(SgfWriter, FromAMiddleNodeWithoutHeader_StartsWithItsOwnMove) {
  TestGame g(GameKind::Go, 9);
  g.black(0, 0);
  GameNode* b = g.white(1, 1);
  g.black(2, 2);
  g.goTo(g.game.firstNode);
  WriteGameOptions options;
  options.start = b;
  options.withHeader = false;

  EXPECT_EQ(g.text(options), ";W[bb];B[cc]\r\n");
}

TEST(SgfWriter, LoopInTheLinks_FailsAndLeavesTheBufferAsItWas) {
  TestGame g(GameKind::Go, 9);
  GameNode* a = g.black(0, 0);
  GameNode* b = g.white(1, 1);
  b->setNext(a);
  std::string out = "kept";

  EXPECT_FALSE(WriteGameText(g.game, out));
  EXPECT_EQ(out, "kept");
  b->setNext(nullptr);
}

TEST(SgfWriter, AppendsToTheBuffer) {
  TestGame g(GameKind::Go, 9);
  std::string out = "previous)\r\n\r\n";
  ASSERT_TRUE(WriteGameText(g.game, out));
  EXPECT_EQ(out, "previous)\r\n\r\n" + plainHeader("1", "9") + "XV[]\r\n\r\n)\r\n\r\n");
}

// ---- Stone correction ----

TEST(SgfWriter, CorrectedMove_WrittenAtTheNewPointWithEverythingElseKept) {
  TestGame g(GameKind::Go, 9);
  GameNode* a = g.black(0, 0);
  GameNode* b = g.white(1, 1);
  g.goTo(a);
  g.white(2, 2);
  g.goTo(g.game.firstNode);

  const auto text = writeGameWithCorrectedMove(g.game, b, {4, 5});

  ASSERT_TRUE(text);
  EXPECT_EQ(*text, plainHeader("1", "9") + "XV[]\r\n\r\n;B[aa]\r\n(\r\n;W[cc]\r\n)\r\n(\r\n;W[ef]\r\n)\r\n)\r\n\r\n");
  EXPECT_EQ(b->point(), 1u + 1u * 9u);
}

TEST(SgfWriter, CorrectedMove_RefusedForTheFirstNodeSpecialMovesAndPointsOffTheSquare) {
  TestGame g(GameKind::Go, 9);
  GameNode* a = g.black(0, 0);
  GameNode* pass = g.special(SpecialMoveKind::Pass, Colour::White);

  EXPECT_FALSE(writeGameWithCorrectedMove(g.game, g.game.firstNode, {1, 1}));
  EXPECT_FALSE(writeGameWithCorrectedMove(g.game, pass, {1, 1}));
  EXPECT_FALSE(writeGameWithCorrectedMove(g.game, a, {9, 0}));
  EXPECT_FALSE(writeGameWithCorrectedMove(g.game, a, {0, -1}));
  EXPECT_TRUE(writeGameWithCorrectedMove(g.game, a, {8, 8}));
}

}  // namespace
}  // namespace meridax
