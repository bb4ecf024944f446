#include "script_input_check.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/memory_profile.h"
#include "app/script_runner.h"
#include "app/scripted_ports.h"
#include "app/settings_io.h"
#include "game_checks.h"
#include "memory_file_system.h"

namespace meridax::fuzzing {
namespace {

// Long scripts add little but time; the fuzzer's inputs stay below this many lines.
constexpr int kMaxLines = 400;

std::string lastPart(std::string_view name, const std::string& directory) {
  const std::size_t slash = name.find_last_of('/');
  std::string part(slash == std::string_view::npos ? name : name.substr(slash + 1));
  if (part.empty() || part == "." || part == "..") part = "unnamed";
  return directory + "/" + part;
}

// A line's first word and the rest, as the script runner splits them.
bool startsWithWord(std::string_view line, std::string_view word) {
  const std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return false;
  line.remove_prefix(start);
  return line.substr(0, word.size()) == word &&
         (line.size() == word.size() || line[word.size()] == ' ' || line[word.size()] == '\t');
}

std::string confinedLine(std::string_view line, const std::string& directory) {
  const bool load = startsWithWord(line, "load");
  if (!load && !startsWithWord(line, "choose")) return std::string(line);
  const std::size_t start = line.find_first_not_of(" \t");
  const std::string_view word = line.substr(start, load ? 4 : 6);
  std::string_view rest = line.substr(start + word.size());
  while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
  while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t' || rest.back() == '\r')) rest.remove_suffix(1);
  if (rest.empty() || rest == "--cancel") return std::string(line);
  // A choice may name several files, separated by tab escapes; a real tab ends nothing.
  std::string out = std::string(word) + " ";
  std::size_t from = 0;
  while (true) {
    const std::size_t tab = rest.find("\\t", from);
    out += lastPart(rest.substr(from, tab == std::string_view::npos ? std::string_view::npos : tab - from), directory);
    if (tab == std::string_view::npos) break;
    out += "\\t";
    from = tab + 2;
  }
  return out;
}

void emptyDirectory(const std::string& directory) {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(directory, ignored))
    std::filesystem::remove_all(entry.path(), ignored);
}

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

}  // namespace

SeedFiles readSeedFiles(const std::string& directory) {
  SeedFiles seeds;
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(directory, ignored)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    seeds[entry.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
  }
  return seeds;
}

std::string confinedScript(std::string_view script, const std::string& directory) {
  std::string out;
  while (!script.empty()) {
    const std::size_t end = script.find('\n');
    out += confinedLine(script.substr(0, end), directory);
    if (end == std::string_view::npos) break;
    out += '\n';
    script.remove_prefix(end + 1);
  }
  return out;
}

std::optional<std::string> checkScriptInput(std::string_view script, const SeedFiles& seeds,
                                            const std::string& scratchDirectory, std::ostream* transcript) {
  const std::string confined = confinedScript(script, scratchDirectory);
  MemoryFileSystem files(scratchDirectory);
  for (const auto& [name, contents] : seeds) files.putFile(name, contents);
  MemoryProfile profile;
  FrameEnvironment environment;
  environment.dataDirectory = scratchDirectory + "/appdata";
  environment.temporaryDirectory = scratchDirectory;
  environment.workingDirectory = scratchDirectory;

  NullBuffer discard;
  std::ostream nowhere(&discard);
  std::ostream& out = transcript != nullptr ? *transcript : nowhere;
  ScriptedPorts ports([&out](const std::string& line) { out << line << '\n'; });
  std::optional<std::string> fault;
  {
    FrameWin frame(ports.framePorts(), profile, files, readAppSettings(profile), environment);
    frame.refreshTitle();
    frame.refreshStatus();
    frame.files().firstPaint();
    std::string_view rest = confined;
    for (int number = 1; !rest.empty() && number <= kMaxLines && !fault; ++number) {
      const std::size_t end = rest.find('\n');
      const std::string_view line = rest.substr(0, end);
      rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
      const ScriptResult result = runScriptOn(frame, ports, line, out);
      if (result.error.find("cannot be written") != std::string::npos) fault = "the current game cannot be written";
      if (!fault) fault = brokenStore(frame.collection());
      if (fault) fault = "line " + std::to_string(number) + " '" + std::string(line) + "': " + *fault;
    }
    if (!fault) fault = roundTripFault(frame.collection());
  }
  emptyDirectory(scratchDirectory);
  return fault;
}

}  // namespace meridax::fuzzing
