// The texts of the progress shown for long work, and a scope that begins and ends it once.

#include <gtest/gtest.h>

#include "app/progress_port.h"

namespace meridax {
namespace {

struct DetailsCase {
  WorkKind kind;
  WorkProgress progress;
  std::string details;
  int permille;
};

class ProgressDetails : public ::testing::TestWithParam<DetailsCase> {};

TEST_P(ProgressDetails, TextAndShare) {
  EXPECT_EQ(progressDetails(GetParam().kind, GetParam().progress), GetParam().details);
  EXPECT_EQ(GetParam().progress.permille(), GetParam().permille);
}

INSTANTIATE_TEST_SUITE_P(
    Works, ProgressDetails,
    ::testing::Values(DetailsCase{WorkKind::Loading, {1, 0, 300, 1000}, "1 game read, 300 bytes of 1000 bytes", 300},
                      DetailsCase{WorkKind::Importing, {1234, 0, 3565158, 12582912},
                                  "1,234 games read, 3.4 MB of 12.0 MB", 283},
                      DetailsCase{WorkKind::Checking, {120, 400, 41472, 102400}, "120 of 400 games checked, 40.5 KB of 100.0 KB",
                                  300},
                      // A save does not know its size before the end: its share goes by games.
                      DetailsCase{WorkKind::Saving, {1, 1, 90, 0}, "1 of 1 games written, 90 bytes", 1000},
                      DetailsCase{WorkKind::Saving, {0, 0, 0, 0}, "0 games written, 0 bytes", 0},
                      DetailsCase{WorkKind::Analysing, {12, 250, 0, 0}, "12 of 250 moves analysed", 48},
                      // Counts beyond the total (a text that grew) stay at the whole.
                      DetailsCase{WorkKind::Loading, {7, 0, 2000, 1000}, "7 games read, 2.0 KB of 1000 bytes", 1000}));

class CountingProgress : public ProgressPort {
 public:
  void begin(WorkKind, const std::string&) override { ++begun; }
  bool advance(const WorkProgress&) override { return ++advanced < 2; }
  void end() override { ++ended; }
  int begun = 0, advanced = 0, ended = 0;
};

TEST(ProgressScope, StoppedOnce_StaysStoppedWithoutAskingAgain) {
  CountingProgress port;
  {
    ProgressScope scope(&port, WorkKind::Loading, "x.sgf");
    const ProgressCallback callback = scope.callback();
    EXPECT_TRUE(callback({}));
    EXPECT_FALSE(callback({}));
    EXPECT_FALSE(callback({}));
    EXPECT_TRUE(scope.cancelled());
    EXPECT_EQ(port.ended, 0);
  }
  EXPECT_EQ(port.begun, 1);
  EXPECT_EQ(port.advanced, 2);
  EXPECT_EQ(port.ended, 1);
}

TEST(ProgressScope, WithoutPort_NoCallbackAndWorkGoesOn) {
  ProgressScope scope(nullptr, WorkKind::Saving, "x.sgf");
  EXPECT_FALSE(scope.callback());
  EXPECT_TRUE(goOn(scope.callback(), {}));
}

}  // namespace
}  // namespace meridax
