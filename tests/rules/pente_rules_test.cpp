#include "rules/pente_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace meridax {
namespace {

std::string board(const std::string& rows) { return toDiagram(fromDiagram(rows)); }

struct PenteCase {
  const char* name;
  const char* before;
  int x;
  int y;
  Colour colour;
  const char* after;
  int captured;
};

class PenteCaptureTest : public ::testing::TestWithParam<PenteCase> {};

TEST_P(PenteCaptureTest, Move_CapturesExactlyTheClosedPairs) {
  const PenteCase& c = GetParam();
  BoardPosition pos = fromDiagram(c.before);

  const PenteMoveOutcome out = PlayPenteMove(pos, c.x, c.y, c.colour);

  EXPECT_TRUE(out.accepted());
  EXPECT_EQ(toDiagram(pos), board(c.after));
  EXPECT_EQ(out.captured(), c.captured);
  EXPECT_EQ(out.gainFor(c.colour), c.captured);
  EXPECT_EQ(out.gainFor(opponent(c.colour)), 0);
}

const PenteCase kPenteCases[] = {
    {"PairAlongARow",
     R"(. . . . . .
        . X O O . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .)",
     4, 1, Colour::Black,
     R"(. . . . . .
        . X . . X .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .)",
     2},
    {"PairAlongAColumnUpwards",
     R"(. . . . . .
        . . O . . .
        . . X . . .
        . . X . . .
        . . . . . .
        . . . . . .)",
     2, 4, Colour::White,
     R"(. . . . . .
        . . O . . .
        . . . . . .
        . . . . . .
        . . O . . .
        . . . . . .)",
     2},
    {"PairAlongADiagonal",
     R"(X . . . . .
        . O . . . .
        . . O . . .
        . . . . . .
        . . . . . .
        . . . . . .)",
     3, 3, Colour::Black,
     R"(X . . . . .
        . . . . . .
        . . . . . .
        . . . X . .
        . . . . . .
        . . . . . .)",
     2},
    {"PairAlongTheOtherDiagonal",
     R"(. . . . . .
        . . . . . .
        . . . . . X
        . . . . O .
        . . . O . .
        . . . . . .)",
     2, 5, Colour::Black,
     R"(. . . . . .
        . . . . . .
        . . . . . X
        . . . . . .
        . . . . . .
        . . X . . .)",
     2},
    {"ThreeInARowAreNotAPair",
     R"(X O O O . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .)",
     4, 0, Colour::Black,
     R"(X O O O X .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .)",
     0},
    {"SingleStoneIsNotAPair",
     R"(X O . . . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .)",
     2, 0, Colour::Black,
     R"(X O X . . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .)",
     0},
    {"PairAgainstTheEdgeIsNotClosed",
     R"(. . . . . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . O O)",
     3, 5, Colour::Black,
     R"(. . . . . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . X O O)",
     0},
    {"MovingIntoAClosedPairIsSafe",
     R"(O X . O . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .)",
     2, 0, Colour::Black,
     R"(O X X O . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .
        . . . . . .)",
     0},
    {"OnlyTheClosedOneOfTwoLines",
     R"(. . . . . .
        . . . . . .
        X O O . . .
        . . . . . .
        . . . O . .
        . . . X . .)",
     3, 2, Colour::Black,
     R"(. . . . . .
        . . . . . .
        X . . X . .
        . . . . . .
        . . . O . .
        . . . X . .)",
     2},
};

INSTANTIATE_TEST_SUITE_P(Cases, PenteCaptureTest, ::testing::ValuesIn(kPenteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PenteRules, PairsClosedInTwoDirections_AreBothCapturedInDirectionOrder) {
  BoardPosition pos = fromDiagram(R"(. . . . . .
                                     . . . . . .
                                     X O O . . .
                                     . . . O . .
                                     . . . O . .
                                     . . . X . .)");

  const PenteMoveOutcome out = PlayPenteMove(pos, 3, 2, Colour::Black);

  EXPECT_EQ(out.captured(), 4);
  // (-1, 0) comes before (0, 1).
  EXPECT_EQ(out.capturedCells, (std::vector<int>{pos.index(2, 2), pos.index(1, 2), pos.index(3, 3), pos.index(3, 4)}));
  EXPECT_EQ(toDiagram(pos), board(R"(. . . . . .
                                     . . . . . .
                                     X . . X . .
                                     . . . . . .
                                     . . . . . .
                                     . . . X . .)"));
}

TEST(PenteRules, PenteCapture_TestsOneDirectionForTheGivenSide) {
  BoardPosition pos = fromDiagram(R"(X O O X
                                     . . . .
                                     . . . .
                                     . . . .)");

  EXPECT_EQ(penteCapture(pos, 0, 0, 1, 0, Colour::White), 0) << "the pair is the side's own colour";
  EXPECT_EQ(penteCapture(pos, 0, 0, 0, 1, Colour::Black), 0);
  EXPECT_EQ(penteCapture(pos, 0, 0, 0, 0, Colour::Black), 0) << "no direction";
  EXPECT_EQ(penteCapture(pos, 3, 0, -1, 0, Colour::Black), 2);
  EXPECT_EQ(toDiagram(pos), board(R"(X . . X
                                     . . . .
                                     . . . .
                                     . . . .)"));
}

TEST(PenteRules, PointThatIsNotAnEmptyBoardSquare_IsRefusedWithoutChange) {
  const char* rows = R"(X O O .
                        . . . .
                        . . . .
                        . . . .)";
  BoardPosition pos = fromDiagram(rows);

  EXPECT_EQ(PlayPenteMove(pos, 0, 0, Colour::White).result, MoveResult::Occupied);
  EXPECT_EQ(PlayPenteMove(pos, 4, 0, Colour::Black).result, MoveResult::OutOfRange);
  EXPECT_EQ(PlayPenteMove(pos, 0, -1, Colour::Black).result, MoveResult::OutOfRange);
  EXPECT_EQ(toDiagram(pos), board(rows));
}

}  // namespace
}  // namespace meridax
