#include "sgf/sgf_reader.h"

#include <gtest/gtest.h>

#include "model/node_texts.h"
#include "sgf_test_support.h"

namespace meridax {
namespace {

using testing_support::LoadedText;
using testing_support::treeText;

TEST(SgfReader, OneMoveGameHoldsTheFirstNodeAndTheMove) {
  LoadedText t("(;GM[1]SZ[19];B[pd])");
  ASSERT_EQ(t.games(), 1u);
  SGridFrame& g = t.game();
  EXPECT_EQ(g.kind(), GameKind::Go);
  EXPECT_EQ(g.width(), 19);
  EXPECT_EQ(treeText(g), ";B[pd]");
  EXPECT_EQ(g.firstNode->kind(), SpecialMoveKind::Pass);
  EXPECT_EQ(g.currentNode, g.firstNode->next());  // the end of the main line
  EXPECT_EQ(g.primaryNode, g.currentNode);
  EXPECT_EQ(g.cursorX, 15);
  EXPECT_EQ(g.cursorY, 3);
  EXPECT_TRUE(g.treeLoaded);
  EXPECT_TRUE(t.errors.empty());
  EXPECT_EQ(validateTree(g), "");
}

TEST(SgfReader, LaterChildrenBecomeSideLinesInFileOrder) {
  LoadedText t("(;GM[1]SZ[9](;B[aa];W[ba])(;B[bb])(;B[cc];W[dd]))");
  SGridFrame& g = t.game();
  EXPECT_EQ(treeText(g), "(;B[aa];W[ba])(;B[bb])(;B[cc];W[dd])");
  const auto sides = g.variations.linesBelow(g.firstNode);
  ASSERT_EQ(sides.size(), 2u);
  EXPECT_EQ(sides[0]->head, sides[0]->tail);
  EXPECT_EQ(sides[1]->tail->moveNumber(), 2u);
  EXPECT_EQ(g.endNode->moveNumber(), 2u);  // the line of the first child is the current line
  EXPECT_EQ(validateTree(g), "");
}

TEST(SgfReader, NestedVariationsHangBelowTheirOwnNodes) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb](;B[cc])(;B[dd]))(;W[ee];B[ff](;W[gg])(;W[hh])))");
  EXPECT_EQ(treeText(t.game()), ";B[aa](;W[bb](;B[cc])(;B[dd]))(;W[ee];B[ff](;W[gg])(;W[hh]))");
  EXPECT_EQ(validateTree(t.game()), "");
}

TEST(SgfReader, RepeatedVariationFollowsTheExistingNodes) {
  // The third variation starts with the first one's move: it is continued, not duplicated.
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb])(;W[cc])(;W[bb];B[dd]))");
  EXPECT_EQ(treeText(t.game()), ";B[aa](;W[bb];B[dd])(;W[cc])");
  EXPECT_EQ(validateTree(t.game()), "");
}

TEST(SgfReader, RefusedMoveTruncatesOnlyItsVariation) {
  const std::string text =
      "(;GM[1]SZ[9]\n"
      ";B[cc]\n"
      "(;W[cc];B[dd](;W[ee])(;W[ff]))\n"
      "(;W[gg];B[hh]))";
  LoadedText t(text);
  SGridFrame& g = t.game();
  EXPECT_EQ(treeText(g), ";B[cc];W[gg];B[hh]");
  EXPECT_EQ(validateTree(g), "");
  ASSERT_EQ(t.errors.size(), 1u);
  EXPECT_EQ(t.errors.texts()[0],
            "Error, in game number 1, on line number 3.  The following move caused the error.\r\n\r\n"
            "( Bc7 )   at move number 1\r\n\r\n"
            "The square for the intended move is already occupied.\r\n\r\n"
            "The error occurred within the following extract from the file.\r\n\r\n" +
                text.substr(0, 96) + "\r\n\r\nThe game branch was truncated at this point.");
}

TEST(SgfReader, RefusalInTheMainLineKeepsLaterVariationsOfEarlierNodes) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb];B[bb];W[cc])(;W[dd]))");
  EXPECT_EQ(treeText(t.game()), ";B[aa](;W[bb])(;W[dd])");
  EXPECT_EQ(t.game().currentNode->moveNumber(), 2u);  // the main line ends where it was cut
}

TEST(SgfReader, UnreadableMoveValueTruncatesItsBranch) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[a?];B[bb])");
  EXPECT_EQ(treeText(t.game()), ";B[aa]");
  ASSERT_EQ(t.errors.size(), 1u);
  EXPECT_NE(t.errors.texts()[0].find("( W[a?] )   at move number 1\r\n\r\n"
                                     "The move value cannot be read as a point of this game."),
            std::string::npos);
}

TEST(SgfReader, UnrecognisedGmSkipsTheGameAndReadsTheNext) {
  const std::string text = "(;GM[7]SZ[19];B[aa](;W[bb]))\n(;GM[1]SZ[9]PB[Next];B[bb])";
  SErrorList errors;
  Collection c;
  SgfReadRequest r;
  r.filePath = "/games/mixed.sgf";
  const SgfReadResult first = Do_FileSGF(c, text, r, errors);
  EXPECT_TRUE(first.goOn);
  EXPECT_EQ(first.game, nullptr);
  EXPECT_EQ(first.cursor, text.find('\n'));  // just after the skipped game's ")"
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors.texts()[0], "\r\n/games/mixed.sgf");
  EXPECT_EQ(errors.texts()[1],
            "Error, in game number 1, on line number 1.  That game has not been loaded.\r\n\r\n"
            "Unrecognised GM parameter was detected ( GM = '7' ).\r\n\r\n"
            "The error occurred within the following extract from the file.\r\n\r\n" +
                text.substr(0, 96));

  LoadedText t(text);
  ASSERT_EQ(t.games(), 2u);  // the refused game stays, kept unread
  ASSERT_EQ(t.collection.readableCount(), 1u);
  EXPECT_EQ(t.collection.game(1).details[DetailField::Player1], "Next");
  EXPECT_EQ(t.collection.game(1).fileOrdinal, 2u);
  EXPECT_TRUE(t.collection.game(1).treeLoaded);  // the first game made is read whole
  EXPECT_EQ(treeText(t.collection.game(1)), ";B[bb]");
}

TEST(SgfReader, BoardSizeErrorsNameTheLineOfTheGame) {
  const std::string text = "(;GM[1]SZ[9];B[aa])\n\n(;GM[1]SZ[26])\n(;GM[1]SZ[4])";
  LoadedText t(text);
  EXPECT_EQ(t.games(), 3u);
  EXPECT_EQ(t.collection.readableCount(), 1u);
  const std::string extractNote = "\r\n\r\nThe error occurred within the following extract from the file.\r\n\r\n";
  ASSERT_EQ(t.errors.size(), 2u);
  EXPECT_EQ(t.errors.texts()[0],
            "Error, in game number 2, on line number 3.  That game has not been loaded.\r\n\r\n"
            "Board width = 26.  Maximum allowed = 25." +
                extractNote + "(;GM[1]SZ[26])\n(;GM[1]SZ[4])");
  EXPECT_EQ(t.errors.texts()[1],
            "Error, in game number 3, on line number 4.  That game has not been loaded.\r\n\r\n"
            "Board width = 4.  Minimum allowed = 5." +
                extractNote + "(;GM[1]SZ[4])");
}

TEST(SgfReader, GamesAfterTheFirstAreReadOnlyToTheirRoot) {
  const std::string text =
      "(;GM[1]SZ[9]PB[One];B[aa];W[bb])\n"
      "(;GM[1]SZ[13]PB[Two];B[cc](;W[dd])(;W[ee]))\n"
      "(;GM[2]PB[Three];B[d3])";
  LoadedText t(text);
  ASSERT_EQ(t.games(), 3u);
  EXPECT_EQ(t.result.firstGame, &t.game(0));
  EXPECT_EQ(t.result.selectedGame, nullptr);
  for (std::size_t i = 1; i < 3; ++i) {
    EXPECT_FALSE(t.game(i).treeLoaded);
    EXPECT_EQ(t.game(i).firstNode->next(), nullptr);
    EXPECT_EQ(t.game(i).flags, game_flag::kUnchanged);
  }
  EXPECT_EQ(t.game(1).details[DetailField::Player1], "Two");
  EXPECT_EQ(t.game(2).kind(), GameKind::Othello);
  EXPECT_EQ(t.game(1).textOffset, text.find("(;GM[1]SZ[13]"));
  EXPECT_EQ(t.game(1).textLength, text.find('\n', 40) - text.find("(;GM[1]SZ[13]"));
  EXPECT_EQ(t.game(1).headerLength, 20u);  // the ";" before B[cc]

  const auto message = buildHeldTree(t.collection, t.game(1), t.held, "", {}, t.errors);
  EXPECT_FALSE(message.has_value());
  EXPECT_TRUE(t.game(1).treeLoaded);
  EXPECT_EQ(t.game(1).flags, game_flag::kUnchanged);
  EXPECT_EQ(treeText(t.game(1)), ";B[cc](;W[dd])(;W[ee])");
  EXPECT_EQ(t.game(1).details[DetailField::Player1], "Two");
  EXPECT_EQ(validateTree(t.game(1)), "");
  EXPECT_FALSE(t.game(2).treeLoaded);  // only the game opened is built
}

TEST(SgfReader, ErrorsOfALazyGameAppearWhenItIsOpened) {
  const std::string text = "(;GM[1]SZ[9];B[aa])\n(;GM[1]SZ[9];B[aa]\n;W[aa])";
  LoadedText t(text);
  EXPECT_TRUE(t.errors.empty());
  buildHeldTree(t.collection, t.game(1), t.held, "/f.sgf", {}, t.errors);
  ASSERT_EQ(t.errors.size(), 2u);
  EXPECT_EQ(t.errors.texts()[1].substr(0, 80),
            "Error, in game number 2, on line number 3.  The following move caused the error.");
  EXPECT_EQ(treeText(t.game(1)), ";B[aa]");
}

TEST(SgfReader, SelectedGameIsBuiltAtLoadAndReported) {
  LoadedText t("(;GM[1]SZ[9];B[aa])(;GM[1]SZ[9]AB[cc]C[Hi]XS[];B[dd])(;GM[1]SZ[9];B[ee])");
  ASSERT_EQ(t.games(), 3u);
  EXPECT_EQ(t.result.selectedGame, &t.game(1));
  SGridFrame& g = t.game(1);
  EXPECT_TRUE(g.treeLoaded);
  // Setup and comment written before the mark are not lost.
  EXPECT_EQ(g.firstNode->kind(), SpecialMoveKind::Compose);
  EXPECT_EQ(commentOf(g, g.firstNode), "Hi");
  EXPECT_EQ(treeText(g), ";B[dd]");
  EXPECT_FALSE(t.game(2).treeLoaded);
}

TEST(SgfReader, HeaderLengthEndsAtTheRootsEndOrBeforeARootMove) {
  LoadedText t("(;GM[1]SZ[9]C[x];B[aa])(;GM[1]SZ[9]  B[bb];W[cc])(;GM[1]SZ[9](;B[dd]))");
  EXPECT_EQ(t.game(0).headerLength, 16u);  // the ";"
  EXPECT_EQ(t.game(1).headerLength, 14u);  // the "B" of the root's move, also in a lazy game
  EXPECT_EQ(t.game(2).headerLength, 12u);  // the "("
}

TEST(SgfReader, UnterminatedGameKeepsWhatWasRead) {
  const std::string text = "(;GM[1]SZ[9];B[aa](;W[bb];B[cc]";
  LoadedText t(text);
  ASSERT_EQ(t.games(), 1u);
  EXPECT_EQ(treeText(t.game()), ";B[aa];W[bb];B[cc]");
  EXPECT_EQ(validateTree(t.game()), "");
  ASSERT_EQ(t.errors.size(), 1u);
  EXPECT_EQ(t.errors.texts()[0],
            "Error, in game number 1, on line number 1.  The text ends before the game is closed by ')'.\r\n\r\n"
            "The game was loaded up to this point.\r\n\r\n"
            "The error occurred within the following extract from the file.\r\n\r\n" +
                text);
  EXPECT_EQ(t.game().textLength, text.size());
}

TEST(SgfReader, UnclosedValueIsDroppedAndTheRestKept) {
  LoadedText t("(;GM[1]SZ[9];B[aa]C[kept];W[bb]C[never closed ;B[cc)");
  EXPECT_EQ(treeText(t.game()), ";B[aa];W[bb]");
  EXPECT_EQ(commentOf(t.game(), t.game().firstNode->next()), "kept");
  EXPECT_FALSE(t.game().endNode->hasComment());
  ASSERT_EQ(t.errors.size(), 1u);
  EXPECT_NE(t.errors.texts()[0].find("The text ends inside a property value: its closing ']' is missing."),
            std::string::npos);
}

TEST(SgfReader, ResignBeforeTheFirstCloseEndsTheMainLine) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[resign](;B[bb])(;B[cc]))");
  const SGridFrame& g = t.game();
  EXPECT_EQ(g.currentNode->kind(), SpecialMoveKind::Resign);
}

TEST(SgfReader, CurrentNodeMarkOnTheMainLineWins) {
  LoadedText onLine("(;GM[1]SZ[9];B[aa];W[bb]XV[];B[cc])");
  EXPECT_EQ(onLine.game().currentNode->moveNumber(), 2u);
  EXPECT_EQ(onLine.game().cursorX, 2);  // the next placement below the current node
  LoadedText offLine("(;GM[1]SZ[9];B[aa](;W[bb])(;W[cc]XV[]))");
  EXPECT_EQ(offLine.game().currentNode, offLine.game().endNode);
  EXPECT_EQ(offLine.game().currentNode->point(), 1u + 1u * 9u);
}

TEST(SgfReader, GameOfSetupNodesEndsOnItsMainLine) {
  LoadedText t("(;GM[1]SZ[5](;AB[aa])(;AB[bb];AW[cc]))");
  SGridFrame& g = t.game();
  EXPECT_EQ(treeText(g), "(;compose)(;compose;compose)");
  EXPECT_EQ(g.currentNode, g.firstNode->next());
  EXPECT_EQ(g.endNode, g.firstNode->next());
  EXPECT_EQ(validateTree(g), "");
}

TEST(SgfReader, EmptyGameIsStillAGame) {
  LoadedText t("(;)(;GM[1]SZ[9];B[aa])");
  ASSERT_EQ(t.games(), 2u);
  EXPECT_EQ(t.game(0).width(), 19);
  EXPECT_EQ(treeText(t.game(0)), "");
  EXPECT_TRUE(t.errors.empty());
}

TEST(SgfReader, TextWithoutGameReadsNothing) {
  for (const char* text : {"", "   \r\n", "no game here", "(no semicolon)", ")"}) {
    LoadedText t(text);
    EXPECT_EQ(t.games(), 0u) << text;
    EXPECT_TRUE(t.errors.empty()) << text;
  }
}

TEST(SgfReader, InjectedNodesHangBelowTheCurrentNode) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])");
  SGridFrame& g = t.game();
  GameNode* aa = g.firstNode->next();
  SBranchDetails* line = g.currentLine;
  g.currentNode = aa;

  const std::string text = injectedText("AB[ee];W[cc]C[new];B[dd]");
  SgfReadRequest r;
  r.mode = ReadMode::Inject;
  r.target = &g;
  const SgfReadResult read = Do_FileSGF(t.collection, text, r, t.errors);
  EXPECT_TRUE(read.goOn);
  EXPECT_EQ(t.collection.size(), 1u);
  // The node read below is left as it was: the injected setup becomes a node of its own.
  EXPECT_EQ(aa->kind(), SpecialMoveKind::Placement);
  EXPECT_FALSE(aa->printDiagram());
  g.currentLine = line;  // as the inject command puts the former line back
  g.endNode = line->tail;
  EXPECT_EQ(treeText(g), ";B[aa](;W[bb])(;compose;W[cc];B[dd])");
  EXPECT_EQ(validateTree(g), "");
  EXPECT_TRUE(t.errors.empty());
}

TEST(SgfReader, InjectedTextMayAlsoExtendTheLineItStartsFrom) {
  LoadedText t("(;GM[1]SZ[9];B[aa])");
  SGridFrame& g = t.game();
  SBranchDetails* line = g.currentLine;
  g.currentNode = g.firstNode;
  SgfReadRequest r;
  r.mode = ReadMode::Inject;
  r.target = &g;
  Do_FileSGF(t.collection, injectedText("(;C[x])(;B[aa];W[bb])"), r, t.errors);
  // The reader leaves the line of the first variation current; the command takes its own line back,
  // whose tail has moved on.
  EXPECT_NE(g.currentLine, line);
  g.currentLine = line;
  g.endNode = line->tail;
  EXPECT_EQ(treeText(g), "(;B[aa];W[bb])(;compose)");
  EXPECT_EQ(validateTree(g), "");
}

TEST(SgfReader, AutoLabelMovesAppliesWhileLoading) {
  ReaderSettings settings;
  settings.play.autoLabelMoves = true;
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])", GameTrees::FirstOnly, settings);
  EXPECT_EQ(markupOf(t.game(), t.game().firstNode->next()), "LB[\"\":a]");
}

}  // namespace
}  // namespace meridax

namespace meridax {
namespace {

using testing_support::LoadedText;

// The first line of each error, with the game number left out.
std::vector<std::string> errorHeads(const SErrorList& errors) {
  std::vector<std::string> heads;
  for (const std::string& text : errors.texts()) {
    std::string head = text.substr(0, text.find("\r\n"));
    const std::size_t number = head.find("game number ");
    if (number != std::string::npos) head.erase(number + 12, 1);
    heads.push_back(head);
  }
  return heads;
}

class LazyGameEndTest : public ::testing::TestWithParam<const char*> {};

// A game read only to its root ends where the same game read whole ends, with the same reading errors
// about its text, and the game after it is read as when the game is read whole.
TEST_P(LazyGameEndTest, EndsWhereTheWholeReadingEnds) {
  const std::string game = GetParam();
  const std::string after = "\n(;GM[1]SZ[9]GN[after])";
  LoadedText whole(game + after);
  LoadedText lazy("(;GM[1]SZ[9])" + game + after);
  ASSERT_EQ(lazy.games(), whole.games() + 1);
  EXPECT_FALSE(lazy.game(1).treeLoaded);
  EXPECT_EQ(lazy.game(1).textOffset, 13u);
  EXPECT_EQ(lazy.game(1).textLength, whole.game(0).textLength);
  EXPECT_EQ(lazy.game(1).headerLength, whole.game(0).headerLength);
  EXPECT_EQ(lazy.game(1).details[DetailField::GameName], whole.game(0).details[DetailField::GameName]);
  EXPECT_EQ(errorHeads(lazy.errors), errorHeads(whole.errors));
  if (whole.games() == 2) {
    EXPECT_EQ(lazy.game(2).details[DetailField::GameName], "after");
  }
  // Building the lazy game's tree afterwards reads the text the load passed over.
  buildHeldTree(lazy.collection, lazy.game(1), lazy.held, "", {}, lazy.errors);
  EXPECT_EQ(testing_support::treeText(lazy.game(1)), testing_support::treeText(whole.game(0)));
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, LazyGameEndTest,
    ::testing::Values("(;GM[1]SZ[9]GN[g];B[aa](;W[bb])(;W[cc]C[a ) ( ] b]))",  // brackets inside values
                      "(;GM[1]SZ[9]\n;B[aa]C[\\]\\\\](;W[bb]C[x\\)]))",         // escaped brackets and backslashes
                      "(;GM[1]SZ[9](;B[aa])(;B[bb](;W[cc])(;W[dd])))",          // a root ended by a variation
                      "(;GM[1]SZ[9];B[aa]\\(;W[bb]))",                          // a backslash outside values escapes nothing
                      "(;GM[1]SZ[9];B[aa]\n;W[bb]C[open",                       // a value never closed
                      "(;GM[1]SZ[9];B[aa](;W[bb]",                              // a game never closed
                      "(;GM[1]SZ[9])",                                          // a root alone
                      "(;GM[1]SZ[9];B[aa])"));                                  // the root ended by the game's end

}  // namespace
}  // namespace meridax

namespace meridax {
namespace {

// A game emptied to be built again gives back every node, those of side lines below side lines too.
TEST(SgfReader, GameFreedWholeGivesBackEveryNodeOfEveryLine) {
  LoadedText t("(;GM[1]SZ[9]C[root];B[aa](;W[bb];B[cc](;W[dd])(;W[de]N[n](;B[ee])(;B[ef])))(;W[ba]C[c];B[ca]))"
               "(;GM[1]SZ[9];B[ii])");
  Collection& c = t.collection;
  SGridFrame& g = t.game();
  const std::size_t otherGame = 1;  // the second game, read as far as its first node
  ASSERT_GT(c.store().liveNodes(), otherGame);
  g.currentNode = g.firstNode->next()->next()->next();  // off the first node, on a line with branches
  freeAllNodes(g);
  EXPECT_EQ(c.store().liveNodes(), otherGame);
  EXPECT_EQ(c.store().validate(), "");
  EXPECT_TRUE(g.variations.empty());
  EXPECT_TRUE(g.comments.empty());
  EXPECT_EQ(g.firstNode, nullptr);
}

}  // namespace
}  // namespace meridax
