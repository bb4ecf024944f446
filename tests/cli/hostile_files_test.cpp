// meridax-cli on inputs and outputs made at test time: every command that reads a file refuses a pipe, a
// device or a folder at once, and the commands that write keep a private file private and a link a link.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/app_test_support.h"
#include "cli/cli_files.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "cli/run_command.h"

namespace meridax::cli {
namespace {

namespace fs = std::filesystem;
using meridax::testing::readTextFile;
using meridax::testing::TempDir;
using meridax::testing::writeTextFile;

constexpr char kGame[] = "(;GM[1]FF[4]SZ[9];B[ee];W[cc])";

unsigned modeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? static_cast<unsigned>(st.st_mode & 0777) : 01000;
}

using Command = std::function<int(const Arguments&, const CommandStreams&)>;

struct ReadingCommand {
  const char* name;
  Command run;
  std::vector<std::string> extra;  // arguments after the input
};

class SpecialInputTest : public ::testing::TestWithParam<ReadingCommand> {};

TEST_P(SpecialInputTest, PipeDeviceAndFolder_AreRefusedAtOnce) {
  TempDir dir;
  const std::string fifo = dir.file("pipe.sgf");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directory(dir.file("folder.sgf"));
  for (const std::string& input : {fifo, std::string("/dev/zero"), dir.file("folder.sgf")}) {
    Arguments args = {input};
    for (const std::string& a : GetParam().extra) args.push_back(a == "OUT" ? dir.file("out.sgf") : a);
    std::ostringstream out, err;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(GetParam().run(args, CommandStreams{out, err}), kExitTrouble) << input;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << input;
    const char* reason = input.ends_with("folder.sgf") ? "Is a directory" : "not a regular file (a device, a pipe or a socket)";
    EXPECT_NE(err.str().find(reason), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(dir.file("out.sgf")));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SpecialInputTest,
    ::testing::Values(ReadingCommand{"check", runCheck, {}}, ReadingCommand{"info", runInfo, {}},
                      ReadingCommand{"moves", runMoves, {}}, ReadingCommand{"comments", runComments, {}},
                      ReadingCommand{"ascii", runAscii, {}}, ReadingCommand{"save", runSave, {"-o", "OUT"}},
                      ReadingCommand{"rewrite", runRewrite, {"-o", "OUT"}},
                      ReadingCommand{"runScript", runScriptCommand, {}},
                      ReadingCommand{"runProfile",
                                     [](const Arguments& a, const CommandStreams& io) {
                                       return runScriptCommand({"/dev/null", "--profile", a[0]}, io);
                                     },
                                     {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct WritingCase {
  const char* name;
  Command run;
  bool throughLink;
  int existing;  // mode of the file replaced
};

class WrittenOutputTest : public ::testing::TestWithParam<WritingCase> {};

TEST_P(WrittenOutputTest, Output_KeepsTheModeAndTheLink) {
  TempDir dir;
  fs::create_directory(dir.file("real"));
  const std::string input = dir.file("in.sgf");
  writeTextFile(input, kGame);
  const std::string real = dir.file("real/out.sgf");
  writeTextFile(real, "old");
  fs::permissions(real, static_cast<fs::perms>(GetParam().existing));
  std::string output = real;
  if (GetParam().throughLink) {
    output = dir.file("out.sgf");
    fs::create_symlink("real/out.sgf", output);
  }
  std::ostringstream out, err;

  ASSERT_EQ(GetParam().run({input, "-o", output}, CommandStreams{out, err}), kExitOk) << err.str();

  EXPECT_EQ(fs::is_symlink(fs::symlink_status(output)), GetParam().throughLink);
  EXPECT_NE(readTextFile(real), "old");
  EXPECT_EQ(modeOf(real), static_cast<unsigned>(GetParam().existing));
  EXPECT_EQ(meridax::testing::fileNames(dir.file("real")), std::vector<std::string>{"out.sgf"}) << "no leftovers";
}

INSTANTIATE_TEST_SUITE_P(Commands, WrittenOutputTest,
                         ::testing::Values(WritingCase{"SaveOverPrivateFile", runSave, false, 0600},
                                           WritingCase{"RewriteOverPrivateFile", runRewrite, false, 0600},
                                           WritingCase{"SaveThroughLink", runSave, true, 0640},
                                           WritingCase{"RewriteThroughLink", runRewrite, true, 0604}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace meridax::cli
