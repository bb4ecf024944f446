// Move and position annotations: read from the kept properties of a node, changed there without
// disturbing the others, and carried through a save and load, a rotation and a flip.

#include <gtest/gtest.h>

#include "edit/flip_rotate.h"
#include "model/move_annotations.h"
#include "model/node_texts.h"
#include "sgf/sgf_test_support.h"
#include "sgf/sgf_writer.h"

namespace meridax {
namespace {

using testing_support::LoadedText;

struct TextCase {
  const char* kept;
  NodeAnnotations read;
};

TEST(MoveAnnotations, ReadFromKeptProperties) {
  using M = MoveAnnotation;
  using P = PositionAnnotation;
  const TextCase cases[] = {
      {"", {}},
      {"TE[1]", {M::Good, P::None, false}},
      {"TE[2]", {M::VeryGood, P::None, false}},
      {"TE[]", {M::Good, P::None, false}},  // a missing emphasis is the plain one
      {"BM[1]", {M::Bad, P::None, false}},
      {"BM[2]", {M::VeryBad, P::None, false}},
      {"DO[]", {M::Doubtful, P::None, false}},
      {"IT[]", {M::Interesting, P::None, false}},
      {"TM[30]GB[1]", {M::None, P::GoodForBlack, false}},
      {"GW[2]HO[1]", {M::None, P::GoodForWhite, true}},
      {"DM[1]UC[1]", {M::None, P::Even, false}},  // mixed against the rules: the first counts
      {"BL[29.5]\r\nUC[1]IT[]OB[3]", {M::Interesting, P::Unclear, false}},
      {"XTE[1]", {}},                         // another program's identifier that ends like one
      {"C2[TE[1]]", {}},                      // a value that holds one
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.kept);
    EXPECT_EQ(readAnnotations(c.kept), c.read);
  }
}

struct ChangeCase {
  const char* kept;
  MoveAnnotation move;
  PositionAnnotation position;
  bool hotspot;
  const char* after;
};

TEST(MoveAnnotations, ChangedWithoutDisturbingOtherProperties) {
  using M = MoveAnnotation;
  using P = PositionAnnotation;
  const ChangeCase cases[] = {
      {"", M::Good, P::None, false, "TE[1]"},
      {"TE[1]", M::VeryBad, P::None, false, "BM[2]"},
      {"BL[30]TE[1]OB[2]", M::Doubtful, P::None, false, "BL[30]OB[2]DO[]"},
      {"BL[30]TE[1]OB[2]", M::None, P::None, false, "BL[30]OB[2]"},
      {"AN[x]GB[1]", M::None, P::Unclear, true, "AN[x]UC[1]HO[1]"},
      {"HO[2]", M::Interesting, P::Even, false, "IT[]DM[1]"},
      {"TR[aa][bb]", M::Bad, P::GoodForWhite, false, "TR[aa][bb]BM[1]GW[1]"},
  };
  for (const ChangeCase& c : cases) {
    SCOPED_TRACE(c.kept);
    const std::string after =
        withHotspot(withPositionAnnotation(withMoveAnnotation(c.kept, c.move), c.position), c.hotspot);
    EXPECT_EQ(after, c.after);
    EXPECT_EQ(readAnnotations(after), (NodeAnnotations{c.move, c.position, c.hotspot}));
  }
}

TEST(MoveAnnotations, EveryAnnotationSurvivesSaveLoadAndTransforms) {
  using M = MoveAnnotation;
  using P = PositionAnnotation;
  const NodeAnnotations cases[] = {
      {M::Good, P::None, false},        {M::VeryGood, P::None, false},    {M::Bad, P::None, false},
      {M::VeryBad, P::None, false},     {M::Doubtful, P::None, false},    {M::Interesting, P::None, false},
      {M::None, P::GoodForBlack, false}, {M::None, P::GoodForWhite, false}, {M::None, P::Even, false},
      {M::None, P::Unclear, false},     {M::None, P::None, true},         {M::VeryGood, P::Unclear, true},
  };
  for (const NodeAnnotations& a : cases) {
    SCOPED_TRACE(annotationSuffix(a));
    LoadedText t("(;FF[4]GM[1]SZ[19];B[pd]BL[299];W[dd])");
    SGridFrame& g = t.game();
    const GameNode* move = g.firstNode->next();
    setMoveAnnotation(g, move, a.move);
    setPositionAnnotation(g, move, a.position);
    setHotspot(g, move, a.hotspot);
    EXPECT_EQ(annotationsOf(g, move), a);
    std::string written;
    ASSERT_TRUE(WriteGameText(g, written));
    LoadedText back(written);
    const GameNode* readBack = back.game().firstNode->next();
    EXPECT_EQ(annotationsOf(back.game(), readBack), a) << written;
    EXPECT_NE(otherPropertiesOf(back.game(), readBack).find("BL[299]"), std::string::npos) << written;
    // Written again unchanged, the text is the same.
    std::string again;
    ASSERT_TRUE(WriteGameText(back.game(), again));
    EXPECT_EQ(again, written);
    ASSERT_TRUE(transformGame(back.game(), BoardTransform::Rotate));
    ASSERT_TRUE(transformGame(back.game(), BoardTransform::Flip));
    EXPECT_EQ(annotationsOf(back.game(), back.game().firstNode->next()), a);
  }
}

TEST(MoveAnnotations, SuffixShowsTheMoveSymbolThenThePosition) {
  using M = MoveAnnotation;
  using P = PositionAnnotation;
  EXPECT_EQ(annotationSuffix({M::Good, P::None, false}), "!");
  EXPECT_EQ(annotationSuffix({M::VeryBad, P::None, false}), "??");
  EXPECT_EQ(annotationSuffix({M::Doubtful, P::Even, false}), "?! [Even]");
  EXPECT_EQ(annotationSuffix({M::None, P::None, true}), "[Hotspot]");
  EXPECT_EQ(annotationSuffix({M::Interesting, P::GoodForWhite, true}), "!? [Good for White, hotspot]");
}

}  // namespace
}  // namespace meridax
