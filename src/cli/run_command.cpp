#include "cli/run_command.h"

#include <filesystem>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <variant>

#include "app/app_paths.h"
#include "app/memory_profile.h"
#include "app/posix_file_system.h"
#include "app/script_runner.h"
#include "cli/cli_files.h"
#include "cli/cli_output.h"
#include "engine/posix_engine_process.h"

namespace meridax::cli {
namespace {

constexpr char kUsage[] = "usage: meridax-cli run SCRIPT [--profile FILE]   (SCRIPT - reads the standard input)\n";

struct RunArguments {
  std::string script;
  std::optional<std::string> profile;
};

std::optional<RunArguments> parseArguments(const Arguments& args) {
  RunArguments parsed;
  bool haveScript = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--profile") {
      if (i + 1 >= args.size() || parsed.profile) return std::nullopt;
      parsed.profile = args[++i];
    } else if (!haveScript) {
      parsed.script = args[i];
      haveScript = true;
    } else {
      return std::nullopt;
    }
  }
  if (!haveScript) return std::nullopt;
  return parsed;
}

std::optional<std::string> readText(const std::string& path, std::ostream& err) {
  std::ostringstream text;
  if (path == "-") {
    text << std::cin.rdbuf();
    return text.str();
  }
  return readInputFile(path, err);
}

FrameEnvironment scriptEnvironment() {
  FrameEnvironment environment;
  environment.dataDirectory = dataDirectory();
  std::error_code ignored;
  environment.workingDirectory = std::filesystem::current_path(ignored).string();
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ignored);
  if (!program.empty()) environment.programDirectory = programDirectoryOf(program.string());
  return environment;
}

}  // namespace

std::optional<MemoryProfile> readProfile(const std::string& path, std::ostream& err) {
  const std::optional<std::string> text = readText(path, err);
  if (!text) return std::nullopt;
  std::variant<MemoryProfile, ProfileParseError> parsed = parseIniProfile(*text);
  if (const auto* error = std::get_if<ProfileParseError>(&parsed)) {
    err << "meridax-cli: " << escapeField(path) << ':' << error->line << ": " << escapeField(error->text) << '\n';
    return std::nullopt;
  }
  return std::get<MemoryProfile>(std::move(parsed));
}

int runScriptCommand(const Arguments& args, const CommandStreams& io) {
  const std::optional<RunArguments> parsed = parseArguments(args);
  if (!parsed) {
    io.err << kUsage;
    return kExitTrouble;
  }
  MemoryProfile profile;
  if (parsed->profile) {
    std::optional<MemoryProfile> read = readProfile(*parsed->profile, io.err);
    if (!read) return kExitTrouble;
    profile = std::move(*read);
  }
  const std::optional<std::string> script = readText(parsed->script, io.err);
  if (!script) return kExitTrouble;
  PosixFileSystem files;
  const EngineProcessMaker engines = [] { return std::make_unique<PosixEngineProcess>(); };
  const ScriptResult result = runScript(*script, ScriptSetup{profile, files, scriptEnvironment(), engines}, io.out);
  if (result.status == kScriptOk) return kExitOk;
  io.err << "meridax-cli run: " << escapeField(result.error) << '\n';
  return kExitScriptStopped;
}

}  // namespace meridax::cli
