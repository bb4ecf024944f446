// The progress line of meridax-cli on a terminal: nothing for short work, one line rewritten in place
// for long work, and nothing left of it when the work ends.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/terminal_progress.h"

namespace meridax::cli {
namespace {

using namespace std::chrono_literals;

class TerminalProgressTest : public ::testing::Test {
 protected:
  TerminalProgress::Clock::time_point now{};
  std::ostringstream out;
  TerminalProgress progress{out, [this] { return now; }};
};

TEST_F(TerminalProgressTest, ShortWork_WritesNothing) {
  progress.begin(WorkKind::Checking, "a.sgf");
  now += 400ms;
  EXPECT_TRUE(progress.advance({3, 0, 10, 100}));
  progress.end();
  EXPECT_EQ(out.str(), "");
}

TEST_F(TerminalProgressTest, LongWork_OneLineRewrittenAtMostEveryTenthAndWipedAtTheEnd) {
  progress.begin(WorkKind::Checking, "a\tb.sgf");
  now += 600ms;
  progress.advance({12, 0, 1000, 2000});
  now += 50ms;
  progress.advance({13, 0, 1100, 2000});  // too soon: not shown
  now += 100ms;
  progress.advance({9999, 0, 2000, 2000});
  progress.end();
  const std::string first = "Checking 'a\\tb.sgf': 12 games checked, 1000 bytes of 2.0 KB";
  const std::string second = "Checking 'a\\tb.sgf': 9,999 games checked, 2.0 KB of 2.0 KB";
  ASSERT_EQ(first.size(), second.size() + 1);
  EXPECT_EQ(out.str(), "\r" + first + "\r" + second + " \r" + std::string(first.size(), ' ') + "\r");
}

TEST_F(TerminalProgressTest, ShorterLine_BlanksWhatTheLongerOneLeft) {
  progress.begin(WorkKind::Saving, "s.sgf");
  now += 1s;
  progress.advance({0, 20000, 1000, 0});
  now += 1s;
  progress.advance({1, 2, 20, 0});
  const std::string first = "Saving 's.sgf': 0 of 20,000 games written, 1000 bytes";
  const std::string second = "Saving 's.sgf': 1 of 2 games written, 20 bytes";
  EXPECT_EQ(out.str(), "\r" + first + "\r" + second + std::string(first.size() - second.size(), ' '));
}

}  // namespace
}  // namespace meridax::cli
