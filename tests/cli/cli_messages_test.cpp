// How meridax-cli speaks: its own complaints as "meridax-cli: ..." lines on the error stream, help and
// version on the standard output, and no control byte of a file passed to the terminal.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "app/app_test_support.h"
#include "cli/cli_output.h"
#include "cli/command_table.h"

namespace meridax::cli {
namespace {

using meridax::testing::TempDir;
using meridax::testing::writeTextFile;

struct EscapeCase {
  std::string input;
  std::string field;     // escapeField
  std::string terminal;  // terminalText
};

class CliEscapes : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(CliEscapes, FieldAndTerminalText_NoRawControlBytes) {
  EXPECT_EQ(escapeField(GetParam().input), GetParam().field);
  EXPECT_EQ(terminalText(GetParam().input), GetParam().terminal);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CliEscapes,
    ::testing::Values(EscapeCase{"plain", "plain", "plain"},
                      EscapeCase{"a\\b\r\n\tc", "a\\\\b\\r\\n\\tc", "a\\b\r\n\tc"},
                      EscapeCase{"esc\x1b[2Jx", "esc\\x1b[2Jx", "esc\\x1b[2Jx"},
                      EscapeCase{std::string("nul\0del\x7f", 8), "nul\\x00del\\x7f", "nul\\x00del\\x7f"},
                      // Bytes that are not UTF-8 are Latin-1; its C1 controls are escaped by their code.
                      EscapeCase{"Lo\xef" "c \x9b" "1m", "Lo\xc3\xaf" "c \\x9b1m", "Lo\xc3\xaf" "c \\x9b1m"},
                      EscapeCase{"\xe5\x90\xb4 \xc2\x9b", "\xe5\x90\xb4 \\x9b", "\xe5\x90\xb4 \\x9b"}));

struct CliRun {
  int status = 0;
  std::string out;
  std::string err;
};

CliRun runCli(const Arguments& args) {
  std::ostringstream out;
  std::ostringstream err;
  CliRun run;
  run.status = dispatch(args, CommandStreams{out, err}, [] { return nullptr; });
  run.out = out.str();
  run.err = err.str();
  return run;
}

struct ComplaintCase {
  std::vector<std::string> args;  // "DIR" stands for a fresh temporary directory
  std::string err;                // the whole error stream, "DIR" as above
};

class CliComplaints : public ::testing::TestWithParam<ComplaintCase> {};

TEST_P(CliComplaints, UnixStyleLine_ExitTwo) {
  TempDir dir;
  writeTextFile(dir.file("empty.sgf"), "");
  writeTextFile(dir.file("game.sgf"), "(;GM[1]SZ[9];B[ee])");
  const auto place = [&](std::string text) {
    for (std::size_t at; (at = text.find("DIR")) != std::string::npos;) text.replace(at, 3, dir.path());
    return text;
  };
  Arguments args;
  for (const std::string& a : GetParam().args) args.push_back(place(a));
  const CliRun run = runCli(args);
  EXPECT_EQ(run.status, kExitTrouble);
  EXPECT_EQ(run.err, place(GetParam().err));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, CliComplaints,
    ::testing::Values(
        ComplaintCase{{"info", "DIR/x.sgf"}, "meridax-cli: cannot open 'DIR/x.sgf': No such file or directory\n"},
        ComplaintCase{{"moves", "DIR"}, "meridax-cli: cannot open 'DIR': Is a directory\n"},
        ComplaintCase{{"info", "DIR/empty.sgf"}, "meridax-cli: cannot read 'DIR/empty.sgf': the file is empty\n"},
        ComplaintCase{{"save", "DIR/game.sgf", "-o", "DIR/no/such/dir/out.sgf"},
                      "meridax-cli: cannot write 'DIR/no/such/dir/out.sgf': No such file or directory\n"},
        ComplaintCase{{"ascii", "DIR/game.sgf", "--game", "3"},
                      "meridax-cli: There is no game 3 in the file; it holds 1.\n"},
        ComplaintCase{{"run", "DIR/none.script"},
                      "meridax-cli: cannot open 'DIR/none.script': No such file or directory\n"}));

TEST(CliMessages, CheckOfBinaryFile_ExtractWithoutControlBytes) {
  TempDir dir;
  std::string binary = "(;GM[1]C[";
  for (int byte = 1; byte < 256; ++byte) binary += static_cast<char>(byte);
  writeTextFile(dir.file("binary.sgf"), binary);
  const CliRun run = runCli({"check", dir.file("binary.sgf")});
  EXPECT_EQ(run.status, kExitErrorsFound);
  const bool raw = std::any_of(run.out.begin(), run.out.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b < 0x20 && c != '\r' && c != '\n' && c != '\t') || b == 0x7f;
  });
  EXPECT_FALSE(raw) << run.out;
  EXPECT_NE(run.out.find("\\x1b"), std::string::npos) << run.out;
}

TEST(CliMessages, EveryCommandHelp_UsageOnStandardOutputExitZero) {
  for (const CliCommand& command : cliCommands()) {
    for (const char* form : {"--help", "-h"}) {
      const CliRun run = runCli({std::string(command.name), "FILE", form});
      EXPECT_EQ(run.status, kExitOk) << command.name;
      EXPECT_EQ(run.out.rfind("usage: meridax-cli " + std::string(command.synopsis) + "\n", 0), 0u) << run.out;
      EXPECT_EQ(run.err, "");
    }
  }
}

TEST(CliMessages, VersionAndUnknownCommand) {
  const CliRun version = runCli({"--version"});
  EXPECT_EQ(version.status, kExitOk);
  // The version the package, the About box and the AP[] of saved games carry too.
  EXPECT_EQ(version.out, "meridax-cli 18.5\n");
  const CliRun unknown = runCli({"frob\x1bnicate"});
  EXPECT_EQ(unknown.status, kExitTrouble);
  EXPECT_EQ(unknown.err.rfind("meridax-cli: unknown command 'frob\\x1bnicate'\nusage:", 0), 0u) << unknown.err;
}

}  // namespace
}  // namespace meridax::cli
