#include "view/launch_options.h"

#include <gtest/gtest.h>

namespace meridax {
namespace {

struct LaunchCase {
  std::vector<std::string> args;
  std::optional<std::string> dialog;  // when the line is taken
  std::string error;                  // when it is refused
  LaunchInfo info = LaunchInfo::None;
};

class LaunchOptionsTest : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchOptionsTest, LineIsTakenOrRefused) {
  const LaunchCase& c = GetParam();
  const auto parsed = parseLaunchOptions(c.args);
  if (c.error.empty()) {
    ASSERT_TRUE(std::holds_alternative<LaunchOptions>(parsed)) << std::get<LaunchError>(parsed).text;
    EXPECT_EQ(std::get<LaunchOptions>(parsed).dialog, c.dialog);
    EXPECT_EQ(std::get<LaunchOptions>(parsed).info, c.info);
  } else {
    ASSERT_TRUE(std::holds_alternative<LaunchError>(parsed));
    EXPECT_EQ(std::get<LaunchError>(parsed).text, c.error);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LaunchOptionsTest,
    ::testing::Values(LaunchCase{{"--screenshot", "a.png", "--dialog", "CmCustomise", "g.sgf"}, "CmCustomise", ""},
                      LaunchCase{{"--screenshot", "a.png", "g.sgf"}, std::nullopt, ""},
                      LaunchCase{{"--dialog", "CmAbout", "g.sgf"}, std::nullopt,
                                 "--size, --script and --dialog belong to --screenshot"},
                      LaunchCase{{"--screenshot", "a.png", "--dialog"}, std::nullopt, "--dialog needs a value"},
                      // --help and --version answer whatever else the line holds, even what would be refused.
                      LaunchCase{{"--help"}, std::nullopt, "", LaunchInfo::Help},
                      LaunchCase{{"-h"}, std::nullopt, "", LaunchInfo::Help},
                      LaunchCase{{"--version"}, std::nullopt, "", LaunchInfo::Version},
                      LaunchCase{{"g.sgf", "--bogus", "--version"}, std::nullopt, "", LaunchInfo::Version},
                      LaunchCase{{"--dialog", "X", "--help"}, std::nullopt, "", LaunchInfo::Help},
                      LaunchCase{{"--versions"}, std::nullopt, "unknown option --versions"}));

}  // namespace
}  // namespace meridax
