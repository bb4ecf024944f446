#include "rules/display_coords.h"

#include <gtest/gtest.h>

#include <string>

#include "model/node_store.h"

namespace meridax {
namespace {

struct CoordCase {
  const char* name;
  GameKind kind;
  int width;
  int height;
  int x;
  int y;
  char letter;
  int number;
  const char* point;  // as the status bar and the error texts write it
};

class DisplayCoordTest : public ::testing::TestWithParam<CoordCase> {};

TEST_P(DisplayCoordTest, Point_GivesItsLetterAndNumber) {
  const CoordCase& c = GetParam();
  NodeStore store;
  SGridFrame g(store, c.kind, c.width, c.height, 1);
  const DisplayCoordinate d = displayCoordinate(g, c.x, c.y);
  EXPECT_EQ(d.letter, c.letter);
  EXPECT_EQ(d.number, c.number);
  EXPECT_EQ(displayPoint(g, c.x, c.y), c.point);
}

const CoordCase kCoordCases[] = {
    {"GoTopLeft", GameKind::Go, 19, 19, 0, 0, 'a', 19, "A19"},
    {"GoBottomLeft", GameKind::Go, 19, 19, 0, 18, 'a', 1, "A1"},
    {"GoColumn7IsH", GameKind::Go, 19, 19, 7, 3, 'h', 16, "H16"},
    {"GoColumn8SkipsI", GameKind::Go, 19, 19, 8, 3, 'j', 16, "J16"},
    {"GoLastColumn", GameKind::Go, 19, 19, 18, 18, 't', 1, "T1"},
    {"Go9", GameKind::Go, 9, 9, 4, 4, 'e', 5, "E5"},
    {"PenteLikeGo", GameKind::PenteAtCreation, 19, 19, 8, 0, 'j', 19, "J19"},
    {"Connect6LikeGo", GameKind::Connect6AtCreation, 19, 19, 18, 0, 't', 19, "T19"},
    {"OthelloFromTheTop", GameKind::Othello, 8, 8, 2, 0, 'c', 1, "C1"},
    {"OthelloKeepsI", GameKind::Othello, 10, 10, 8, 9, 'i', 10, "I10"},
    {"HexFromTheTop", GameKind::Hex, 11, 0, 8, 10, 'i', 11, "I11"},
    {"HavannahExchangesXAndY", GameKind::Havannah, 19, 0, 3, 7, 'h', 4, "H4"},
    {"UnlurExchangesXAndY", GameKind::Unlur, 13, 0, 12, 6, 'g', 13, "G13"},
    {"KropkiColumn24IsZ", GameKind::Kropki, 45, 45, 24, 0, 'z', 45, "z45"},
    {"KropkiColumn25IsCapitalA", GameKind::Kropki, 45, 45, 25, 44, 'A', 1, "A1"},
    {"KropkiColumn32IsCapitalH", GameKind::Kropki, 45, 45, 32, 0, 'H', 45, "H45"},
    {"KropkiColumn33IsCapitalJ", GameKind::Kropki, 45, 45, 33, 0, 'J', 45, "J45"},
    {"KropkiLastColumn", GameKind::Kropki, 45, 45, 44, 0, 'U', 45, "U45"},
    {"KropkiLowerKeepsItsCase", GameKind::Kropki, 39, 32, 8, 31, 'j', 1, "j1"},
    {"Kropki30By20TopRow", GameKind::Kropki, 30, 20, 0, 0, 'a', 20, "a20"},
    {"Kropki30By20BottomRow", GameKind::Kropki, 30, 20, 29, 19, 'E', 1, "E1"},
};

INSTANTIATE_TEST_SUITE_P(Kinds, DisplayCoordTest, ::testing::ValuesIn(kCoordCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace meridax
