// The undo history on its own: which steps it keeps under its limits, and whether the saved state
// stays in reach as steps are dropped.

#include "app/undo_history.h"

#include <gtest/gtest.h>

namespace meridax {
namespace {

// A state whose one game holds `bytes` of text, told apart by its current index.
CollectionState stateOf(std::size_t tag, std::size_t bytes = 10) {
  auto content = std::make_shared<GameContent>();
  content->text.assign(bytes, 'x');
  CollectionState s;
  s.indexes = {0};
  s.games.push_back(GameRecord{content, {}, 0, 0, 0});
  s.currentIndex = tag;
  return s;
}

// Records changes "a", "b", ... with the states 0, 1, ...
UndoHistory historyOf(int changes, UndoLimits limits = {}) {
  UndoHistory h;
  h.setLimits(limits);
  for (int i = 0; i < changes; ++i) h.record(std::string(1, static_cast<char>('a' + i)), stateOf(static_cast<std::size_t>(i)));
  return h;
}

struct LimitCase {
  const char* name;
  int changes;
  UndoLimits limits;
  std::size_t kept;
  bool savedReachable;  // the state before the first change, saved at the start
};

class UndoHistoryLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(UndoHistoryLimitTest, KeepsTheNewestStepsWithinTheLimits) {
  const LimitCase& c = GetParam();
  UndoHistory h = historyOf(c.changes, c.limits);
  EXPECT_EQ(h.size(), c.kept);
  std::size_t undone = 0;
  while (h.canUndo()) {
    const std::size_t tag = h.undoState()->currentIndex;
    EXPECT_EQ(tag, static_cast<std::size_t>(c.changes) - 1 - undone) << "newest first";
    h.steppedBack(stateOf(99));
    ++undone;
  }
  EXPECT_EQ(undone, c.kept);
  EXPECT_EQ(h.atSavedState(), c.savedReachable);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, UndoHistoryLimitTest,
    ::testing::Values(LimitCase{"WithinBoth", 3, {}, 3, true},
                      LimitCase{"StepsPassed", 5, UndoLimits{2, UndoLimits{}.bytes}, 2, false},
                      LimitCase{"NoSteps", 3, UndoLimits{0, UndoLimits{}.bytes}, 0, false},
                      LimitCase{"MemoryPassed", 5, UndoLimits{200, 3 * historyOf(1).bytes()}, 3, false},
                      LimitCase{"OneStepOverMemory_StaysKept", 2, UndoLimits{200, 1}, 1, false}),
    [](const ::testing::TestParamInfo<LimitCase>& info) { return info.param.name; });

TEST(UndoHistoryTest, LoweringTheLimitWithOnlyRedoStepsLeft_DropsTheFarthest) {
  UndoHistory h = historyOf(3);
  while (h.canUndo()) h.steppedBack(stateOf(10 + h.size()));
  h.setLimits(UndoLimits{1, UndoLimits{}.bytes});
  EXPECT_EQ(h.size(), 1u);
  EXPECT_EQ(h.redoLabel(), "a") << "the step next to the state now stays";
}

}  // namespace
}  // namespace meridax
