// Round trips through the reader and the writer: what the writer writes reads back into the same
// game, and writing that game again gives the same bytes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "model/node_texts.h"
#include "rules/kropki_fields.h"
#include "rules/handicap.h"
#include "rules/kropki_tree.h"
#include "rules/position_at.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/sgf_markup_writer.h"
#include "sgf/sgf_writer.h"
#include "sgf/text_decoding.h"
#include "writer_test_games.h"

namespace meridax {
namespace {

using writer_test::TestGame;

// Everything the writer keeps of a game, drawn as text so that a failure shows both games.
class GameDrawing {
 public:
  explicit GameDrawing(const SGridFrame& game) : game_(game) {}

  std::string draw() {
    out_ = "kind " + std::to_string(code(game_.kind())) + " size " + std::to_string(game_.width()) + "x" +
           std::to_string(game_.height()) + "\n";
    for (int f = 0; f < kDetailFieldCount; ++f) {
      const auto field = static_cast<DetailField>(f);
      if (field == DetailField::FileFormat || field == DetailField::Handicap) continue;  // not written back
      out_ += game_.details[field] + "|";
    }
    out_ += "\n";
    drawLine(game_.firstNode);
    return out_;
  }

 private:
  void drawNode(const GameNode* n) {
    const bool first = n->prev() == nullptr;
    if (!first) out_ += std::to_string(static_cast<int>(n->kind())) + (n->blackMove() ? "B" : "W") + std::to_string(n->point());
    out_ += n->blackNext() ? ">b" : ">w";
    if (first || n->kind() == SpecialMoveKind::Compose) out_ += "\n" + toDiagram(PositionAt(game_, n));
    if (n->hasComment()) out_ += " C[" + commentOf(game_, n) + "]";
    if (n->hasName()) out_ += " N[" + nameOf(game_, n) + "]";
    if (n->hasMarkup()) out_ += " " + writeMarkupText(pointGeometry(game_), markupOf(game_, n));
    if (const auto s = scoreOf(game_, n)) out_ += " V" + std::to_string(*s);
    if (n->printDiagram()) out_ += " FG";
    // A game read without a primary mark takes its current node as primary.
    if (game_.primaryNode == n && n != game_.currentNode) out_ += " XP";
    if (game_.currentNode == n) out_ += " XV";
    for (const Bookmark& b : game_.bookmarks)
      if (b.node == n) out_ += " XB" + std::to_string(b.number) + ":" + b.name;
    if (auto it = game_.kropkiFields.find(n); it != game_.kropkiFields.end())
      out_ += "\n" + toDiagram(FieldOfTerritory(game_.width(), it->second));
    out_ += ";\n";
  }

  void drawLine(const GameNode* n) {
    for (; n != nullptr; n = n->next()) {
      drawNode(n);
      if (!n->branching()) continue;
      out_ += "(\n";
      drawLine(n->next());
      out_ += ")\n";
      for (const SBranchDetails* line : game_.variations.linesBelow(n)) {
        out_ += "(\n";
        drawLine(line->head);
        out_ += ")\n";
      }
      return;
    }
  }

  const SGridFrame& game_;
  std::string out_;
};

std::string drawGame(const SGridFrame& game) { return GameDrawing(game).draw(); }

std::string writeGame(const SGridFrame& game) {
  std::string out;
  EXPECT_TRUE(WriteGameText(game, out));
  return out;
}

struct ReadBack {
  explicit ReadBack(const std::string& text) {
    CollectionReadRequest request;
    request.trees = GameTrees::All;
    readCollectionText(collection, text, request, errors);
  }
  Collection collection;
  SErrorList errors;
};

// A game read from a file always has a primary node (its current node unless the file marks one), so
// a built game gets one too before its first writing.
void expectRoundTrip(SGridFrame& game) {
  if (game.primaryNode == nullptr) game.primaryNode = game.currentNode;
  const std::string written = writeGame(game);
  ReadBack back(written);
  ASSERT_EQ(back.collection.size(), 1u) << written;
  EXPECT_TRUE(back.errors.empty()) << back.errors.texts().front();
  EXPECT_EQ(drawGame(back.collection.game(0)), drawGame(game));
  EXPECT_EQ(writeGame(back.collection.game(0)), written);
}

// ---- Games built through the model ----

TEST(SgfRoundTrip, GoWithSideLinesAndEveryAnnotation) {
  TestGame g(GameKind::Go, 9, 0, "Japanese");
  g.game.details[DetailField::Player1] = "Black]\\Player";
  g.game.details[DetailField::GameComment] = "Line one\r\nLine two";
  setComment(g.game, g.game.firstNode, "Root comment");
  addMarkup(g.game, g.game.firstNode, "LB[!!:a\\]b]");
  GameNode* a = g.black(2, 2);
  GameNode* b = g.white(6, 6);
  setName(g.game, b, "Main");
  setScore(g.game, b, 7);
  b->setPrintDiagram(true);
  g.game.bookmarks.push_back({3, "Mark:one]", b});
  g.game.bookmarks.push_back({2, "", b});
  g.game.primaryNode = b;
  g.goTo(a);
  GameNode* c = g.white(6, 2);
  addMarkup(g.game, c, "TR[!!][\"\"]SQ[##]");
  setComment(g.game, c, "Side ] \\ line");
  g.special(SpecialMoveKind::Pass, Colour::Black);
  g.goTo(a);
  g.white(2, 6);
  g.goTo(a);

  expectRoundTrip(g.game);
}

TEST(SgfRoundTrip, SeventeenMovesAndAResignation) {
  TestGame g(GameKind::Go, 19);
  for (int i = 0; i < 17; ++i) g.play(i, 3 + i % 2, i % 2 == 0 ? Colour::Black : Colour::White);
  g.special(SpecialMoveKind::Resign, Colour::Black);
  expectRoundTrip(g.game);
}

TEST(SgfRoundTrip, ComposeNodesBetweenMoves) {
  TestGame g(GameKind::Go, 5);
  g.black(0, 0);
  g.compose(fromDiagram(R"(. . . . .
                           . . . . .
                           . . X . .
                           . . . O .
                           . . . . .)"),
            Colour::White);
  g.white(4, 4);
  g.compose(PositionAt(g.game, g.game.currentNode), Colour::White);
  expectRoundTrip(g.game);
}

TEST(SgfRoundTrip, HandicapOnNineteen) {
  TestGame g(GameKind::Go, 19);
  placeHandicapStones(g.game, 4);
  g.game.firstNode->setPrintDiagram(true);  // the reader marks a root with set-up stones for printing
  g.white(9, 9);
  expectRoundTrip(g.game);
}

TEST(SgfRoundTrip, HexWithSwaps) {
  TestGame g(GameKind::Hex, 11);
  g.black(1, 4);
  g.special(SpecialMoveKind::SwapPieces, Colour::White);
  g.black(9, 10);
  g.special(SpecialMoveKind::SwapSides, Colour::White);
  g.white(10, 0);
  expectRoundTrip(g.game);
}

TEST(SgfRoundTrip, LittleGolemHavannahInTheLowerHalf) {
  TestGame g(GameKind::Havannah, 19, 0, "LG");
  g.white(7, 12);
  g.black(18, 18);
  g.white(9, 18);
  addMarkup(g.game, g.game.currentNode, "CR[-(]");
  expectRoundTrip(g.game);
}

TEST(SgfRoundTrip, HavannahPlayersKeepTheirColours) {
  ReadBack read("(;GM[4100]SZ[10]PB[Ann]PW[Bob];W[j10])");
  ASSERT_EQ(read.collection.size(), 1u);
  SGridFrame& game = read.collection.game(0);
  EXPECT_EQ(game.details[DetailField::Player1], "Bob");

  const std::string written = writeGame(game);
  EXPECT_NE(written.find("PW[Bob]\r\nPB[Ann]\r\n"), std::string::npos) << written;
  expectRoundTrip(game);
}

TEST(SgfRoundTrip, UnlurAcceptanceOfTheBlackPieces) {
  TestGame g(GameKind::Unlur, 13);
  g.black(6, 6);
  g.special(SpecialMoveKind::Pass, Colour::Black);
  g.white(3, 3);
  expectRoundTrip(g.game);
}

// A first node composed with nothing on it is still a composition, after which an Unlur contract
// piece may stand on the edge; read back as a plain start, that piece would be refused.
TEST(SgfRoundTrip, ComposedEmptyFirstNode_StaysAComposition) {
  TestGame g(GameKind::Unlur, 13);
  g.game.firstNode->setKind(SpecialMoveKind::Compose);
  g.game.firstNode->setPrintDiagram(true);
  g.black(0, 1);
  expectRoundTrip(g.game);
}

TEST(SgfRoundTrip, KropkiFieldsOnMovesAndComposeNodes) {
  TestGame g(GameKind::Kropki, 7);
  g.black(2, 1);
  g.white(2, 2);
  g.black(1, 2);
  g.white(6, 6);
  g.black(3, 2);
  g.white(0, 6);
  GameNode* closing = g.black(2, 3);
  attachField(g.game, closing, fieldFromDiagram(R"(. . . . . . .
                                                  . . X . . . .
                                                  . X X X . . .
                                                  . . X . . . .
                                                  . . . . . . .
                                                  . . . . . . .
                                                  . . . . . . .)"));
  g.white(5, 0);
  expectRoundTrip(g.game);
}

TEST(SgfRoundTrip, KropkiRectangleWithCapitalColumns) {
  TestGame g(GameKind::Kropki, 30, 20);
  g.black(29, 19);
  g.white(26, 0);
  expectRoundTrip(g.game);
}

TEST(SgfRoundTrip, OthelloAndConnect6AndPente) {
  TestGame othello(GameKind::Othello, 8);
  othello.black(3, 2);
  othello.white(2, 2);
  expectRoundTrip(othello.game);

  TestGame connect6(GameKind::Connect6AtCreation, 19);
  connect6.black(9, 9);
  connect6.white(10, 10);
  connect6.white(11, 10);
  expectRoundTrip(connect6.game);

  TestGame pente(GameKind::PenteAtCreation, 19);
  pente.black(0, 0);
  pente.white(1, 0);
  pente.black(5, 5);
  pente.white(2, 0);
  pente.black(3, 0);
  expectRoundTrip(pente.game);
}

// ---- Texts read, then written ----

TEST(SgfRoundTrip, OldSelectionMarkup_WrittenAsSquare) {
  ReadBack read("(;GM[1]SZ[9];B[ee]SL[aa][bb])");
  ASSERT_EQ(read.collection.size(), 1u);
  const std::string written = writeGame(read.collection.game(0));
  EXPECT_NE(written.find(";B[ee]\r\nXP[]\r\nSQ[aa][bb]\r\nXV[]\r\n"), std::string::npos) << written;
}

TEST(SgfRoundTrip, OldPassOnNineteen_WrittenAsAnEmptyValue) {
  ReadBack read("(;GM[1]SZ[19];B[tt];W[dd])");
  ASSERT_EQ(read.collection.size(), 1u);
  EXPECT_NE(writeGame(read.collection.game(0)).find(";B[]  ;W[dd]"), std::string::npos);
}

TEST(SgfRoundTrip, PointNineteenNineteenOnTwentyOne_StaysAMove) {
  TestGame g(GameKind::Go, 21);
  g.black(19, 19);
  ASSERT_NE(writeGame(g.game).find(";B[tt]"), std::string::npos);
  expectRoundTrip(g.game);
}

// The primary position stays where the file put it through two writings, the first node included.
TEST(SgfRoundTrip, PrimaryPosition_StaysOnItsNodeAndTheSecondWritingIsTheSame) {
  struct Case {
    const char* text;
    unsigned primaryMove;  // the move number of the primary node after each writing
  };
  const Case cases[] = {
      {"(;GM[1]SZ[19]XP[];B[pd];W[dp])", 0},
      {"(;GM[1]SZ[19]XP[]XV[];B[pd];W[dp])", 0},
      {"(;GM[1]SZ[19]XB[1:start]XP[]N[Root]C[Note];B[pd];W[dp])", 0},
      {"(;GM[1]SZ[19]AB[dd]XP[];B[pd])", 0},
      {"(;GM[2]SZ[8]XP[];B[fe];W[fd])", 0},
      {"(;GM[1]SZ[19]XP[])", 0},
      {"(;GM[1]SZ[19];B[pd]XP[];W[dp])", 1},
      {"(;GM[1]SZ[19];B[pd];W[dp])", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ReadBack read(c.text);
    ASSERT_EQ(read.collection.size(), 1u);
    const std::string once = writeGame(read.collection.game(0));
    const ReadBack back(once);
    ASSERT_EQ(back.collection.size(), 1u);
    const SGridFrame& game = back.collection.game(0);
    ASSERT_NE(game.primaryNode, nullptr) << once;
    EXPECT_EQ(game.primaryNode->moveNumber(), c.primaryMove) << once;
    EXPECT_EQ(writeGame(game), once);
  }
}

TEST(SgfRoundTrip, CorrectedMove_ReadsBackWithTheMovedStone) {
  TestGame g(GameKind::Go, 9);
  g.black(0, 0);
  GameNode* moved = g.white(1, 1);
  g.black(2, 2);

  const auto text = writeGameWithCorrectedMove(g.game, moved, {5, 5});
  ASSERT_TRUE(text);
  ReadBack back(*text);
  ASSERT_EQ(back.collection.size(), 1u);
  const SGridFrame& corrected = back.collection.game(0);
  EXPECT_EQ(toDiagram(PositionAt(corrected, corrected.endNode)), toDiagram(fromDiagram(R"(X . . . . . . . .
                                                                                         . . . . . . . . .
                                                                                         . . X . . . . . .
                                                                                         . . . . . . . . .
                                                                                         . . . . . . . . .
                                                                                         . . . . . O . . .
                                                                                         . . . . . . . . .
                                                                                         . . . . . . . . .
                                                                                         . . . . . . . . .)")));
}

// ---- Real files ----

std::vector<std::filesystem::path> corpusFiles() {
  std::vector<std::filesystem::path> files;
  const std::filesystem::path root(MERIDAX_CORPUS_DIR);
  if (!std::filesystem::exists(root)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || entry.path().string().find("LICENSES") != std::string::npos) continue;
    if (name.ends_with(".md") || name.ends_with(".tsv")) continue;
    files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Without any move the reader leaves the current node where reading ended, so the current-node mark of
// such a game does not come back where it was written.
bool hasMoves(const SGridFrame& game) {
  bool found = false;
  game.variations.forEach([&](const GameNode*, const SBranchDetails& line) {
    for (const GameNode* n = line.head; n != nullptr && !found; n = n->next())
      if (n->prev() != nullptr && n->kind() != SpecialMoveKind::Compose) found = true;
  });
  return found;
}

TEST(SgfRoundTrip, CorpusFiles_WrittenGamesReadBackAndWriteTheSameBytes) {
  const auto files = corpusFiles();
  if (files.empty()) GTEST_SKIP() << "no corpus at " << MERIDAX_CORPUS_DIR;
  int gamesChecked = 0;
  for (const auto& path : files) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const ReadBack original(prepareFileText(bytes.str()));
    for (std::size_t i = 0; i < original.collection.size(); ++i) {
      const SGridFrame& game = original.collection.game(i);
      if (!hasMoves(game)) continue;
      SCOPED_TRACE(path.string() + " game " + std::to_string(i + 1));
      const std::string written = writeGame(game);
      const ReadBack back(written);
      ASSERT_EQ(back.collection.size(), 1u);
      EXPECT_TRUE(back.errors.empty()) << back.errors.texts().front();
      EXPECT_EQ(writeGame(back.collection.game(0)), written);
      EXPECT_EQ(drawGame(back.collection.game(0)), drawGame(game));
      ++gamesChecked;
    }
  }
  EXPECT_GT(gamesChecked, 1000);
}

}  // namespace
}  // namespace meridax

namespace meridax {
namespace {

// The side to move at the start survives a save and a reload whatever the handicap says about it.
struct StartSide {
  const char* text;
  bool blackToMove;
};

class SgfRoundTripStartSide : public ::testing::TestWithParam<StartSide> {};

TEST_P(SgfRoundTripStartSide, FirstNodeKeepsItsSideToMove) {
  ReadBack read(GetParam().text);
  ASSERT_EQ(read.collection.size(), 1u);
  SGridFrame& game = read.collection.game(0);
  ASSERT_EQ(game.firstNode->blackNext(), GetParam().blackToMove) << "as read";
  const std::string written = writeGame(game);
  ReadBack back(written);
  ASSERT_EQ(back.collection.size(), 1u) << written;
  EXPECT_EQ(back.collection.game(0).firstNode->blackNext(), GetParam().blackToMove) << written;
  EXPECT_EQ(writeGame(back.collection.game(0)), written);
}

INSTANTIATE_TEST_SUITE_P(Handicaps, SgfRoundTripStartSide,
                         ::testing::Values(StartSide{"(;GM[1]SZ[19]HA[2]PL[B])", true},
                                           StartSide{"(;GM[1]SZ[19]HA[2]PL[B];B[pd])", true},
                                           StartSide{"(;GM[1]SZ[19]HA[2];B[pd])", false},
                                           StartSide{"(;GM[1]SZ[19]HA[1]PL[W])", false},
                                           StartSide{"(;GM[1]SZ[19];B[pd])", true},
                                           StartSide{"(;GM[1]SZ[13]HA[3]PL[B];B[pd])", true}));

}  // namespace
}  // namespace meridax
