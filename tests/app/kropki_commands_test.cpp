#include "app/kropki_commands.h"

#include "app/frame_test_support.h"
#include "rules/kropki_tree.h"

namespace meridax {
namespace {

// Black's ring of six dots around a white dot at (4, 4) and the empty point (5, 4).
constexpr char kRingGame[] = "(;GM[40]FF[4]SZ[10];W[ee];B[ed];B[fd];B[de];B[ge];B[ef];B[ff])";
constexpr char kEdgeText[] =
    "[Create a Field of Territory] Invalid selection.\\r\\n\\r\\nUnable to create a field for player %s.\\r\\n"
    "Area touches the edge of the board.";

class KropkiCommandsTest : public testing::FrameTest {
 protected:
  void SetUp() override { load(writeFile("ring.sgf", kRingGame)); }

  void cursorAt(int x, int y) {
    frame().game().cursorX = x;
    frame().game().cursorY = y;
  }
  GameNode* last() { return frame().game().currentNode; }
};

TEST_F(KropkiCommandsTest, BlackRing_FieldJoinsTheLastBlackDotAndIsErasedAgain) {
  ASSERT_FALSE(frame().modified());
  cursorAt(4, 4);

  ASSERT_TRUE(frame().runCommand("CmKropkiBlackTerritory"));
  EXPECT_TRUE(ports.takeLines().empty());
  EXPECT_TRUE(last()->captureRecord());
  EXPECT_TRUE(isTerritoryOf(territoryMap(frame().game(), last()).valueAt(5, 4), Colour::Black));
  EXPECT_TRUE(frame().modified());

  ASSERT_TRUE(frame().runCommand("CmKropkiRemoveTerritory"));
  EXPECT_FALSE(last()->captureRecord());
  EXPECT_TRUE(territoryMap(frame().game(), last()).isEmpty());
}

TEST_F(KropkiCommandsTest, StopOfTheNodeUnderTheMouse_IsDeletedOnlyWhereItIsOne) {
  cursorAt(4, 4);
  frame().runCommand("CmKropkiBlackTerritory");
  frame().setContextNode(last()->prev());
  EXPECT_FALSE(frame().commandEnabled(*frame().findCommand("CmKropkiDeleteStop")));

  frame().setContextNode(last());
  ASSERT_TRUE(frame().commandEnabled(*frame().findCommand("CmKropkiDeleteStop")));
  frame().runCommand("CmKropkiDeleteStop");
  EXPECT_FALSE(last()->captureRecord());
  EXPECT_TRUE(fieldsAt(frame().game(), last()).isEmpty());
}

struct Refusal {
  const char* command;
  int x, y;
  std::string line;
};

class KropkiRefusalTest : public KropkiCommandsTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(KropkiRefusalTest, RefusalIsShownAndNothingChanges) {
  const Refusal& r = GetParam();
  cursorAt(r.x, r.y);
  const std::uint64_t revision = frame().game().treeRevision();
  frame().runCommand(r.command);
  EXPECT_EQ(ports.takeLines(), std::vector<std::string>{r.line});
  EXPECT_EQ(frame().game().treeRevision(), revision);
  EXPECT_FALSE(frame().modified());
  EXPECT_FALSE(last()->captureRecord());
}

std::string withPlayer(const char* player) {
  std::string text = kEdgeText;
  return text.replace(text.find("%s"), 2, player);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KropkiRefusalTest,
    ::testing::Values(
        Refusal{"CmKropkiBlackTerritory", 0, 0, withPlayer("Black")},
        Refusal{"CmKropkiWhiteTerritory", 4, 4, withPlayer("White")},
        Refusal{"CmKropkiRemoveTerritory", 4, 4,
                "[Delete the Field of Territory] Unable to find a higher move from which the territory can be "
                "deleted."}));

TEST_F(KropkiCommandsTest, OtherKinds_OfferNoFieldCommands) {
  load(writeFile("go.sgf", "(;GM[1]FF[4]SZ[9];B[ee])"));
  for (const char* name : {"CmKropkiBlackTerritory", "CmKropkiWhiteTerritory", "CmKropkiRemoveTerritory"})
    EXPECT_FALSE(frame().commandEnabled(*frame().findCommand(name))) << name;
}

}  // namespace
}  // namespace meridax
