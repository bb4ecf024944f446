// Random sessions never break anything: sequences of commands, keys, clicks and answers on real files of
// every kind keep the node store and every tree valid, and a save read back gives the same games.
//
// Seeded and bounded: the normal test run plays the same thousand sequences every time (at most a few
// seconds); MERIDAX_PROPERTY_SECONDS plays sequences for that long instead, from a fresh seed unless
// MERIDAX_PROPERTY_SEED names one. A failure prints the seed, the file and the
// shortest sequence found that still fails, as frame-script lines.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <sstream>

#include "app/random_session.h"

namespace meridax::testing {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kDefaultSequences = 1000;
constexpr double kDefaultSeconds = 10.0;  // a slow machine plays fewer of them
constexpr std::uint32_t kDefaultSeed = 20261207;
constexpr int kLongestSequence = 80;

std::optional<std::string> environmentValue(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

// Files of every kind in the corpus, small enough for many sessions a second.
std::vector<std::filesystem::path> sessionFiles() {
  std::vector<std::filesystem::path> files;
  const std::filesystem::path root(MERIDAX_CORPUS_DIR);
  for (const char* folder : {"go", "go-annotated", "go-collections", "connect6", "havannah", "hex", "kropki",
                             "malformed", "sgf-testsuite"}) {
    std::vector<std::filesystem::path> found;
    std::error_code ignored;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root / folder, ignored))
      if (e.is_regular_file() && e.path().extension() == ".sgf" && e.file_size() < 40000) found.push_back(e.path());
    std::sort(found.begin(), found.end());
    // A spread across each folder, not only its first names.
    for (std::size_t i = 0; i < found.size(); i += std::max<std::size_t>(1, found.size() / 6)) files.push_back(found[i]);
  }
  return files;
}

struct Failure {
  std::size_t step = 0;  // the index of the step after which it failed
  std::string what;
};

// Runs the steps in a fresh session that first loads `file`; the first failure.
std::optional<Failure> replay(const std::vector<std::filesystem::path>& files, std::size_t file,
                              const std::vector<SessionStep>& steps) {
  RandomSession session({files[file]});
  session.frame().files().ReLoad(session.files().front());
  for (std::size_t i = 0; i < steps.size(); ++i)
    if (std::optional<std::string> broken = session.run(steps[i])) return Failure{i, *broken};
  return std::nullopt;
}

// Leaves out ever smaller runs of steps while the sequence still fails, until the time is up.
std::vector<SessionStep> shrink(const std::vector<std::filesystem::path>& files, std::size_t file,
                                std::vector<SessionStep> steps, Clock::time_point until) {
  for (std::size_t chunk = std::max<std::size_t>(1, steps.size() / 2); chunk >= 1 && Clock::now() < until; chunk /= 2) {
    for (std::size_t at = 0; at < steps.size() && Clock::now() < until;) {
      std::vector<SessionStep> shorter = steps;
      shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(at),
                    shorter.begin() + static_cast<std::ptrdiff_t>(std::min(at + chunk, shorter.size())));
      if (const std::optional<Failure> failure = replay(files, file, shorter)) {
        shorter.resize(failure->step + 1);
        steps = std::move(shorter);
      } else {
        at += chunk;
      }
    }
    if (chunk == 1) break;
  }
  return steps;
}

std::string report(std::uint32_t seed, const std::filesystem::path& file, const std::vector<SessionStep>& steps,
                   const std::string& what) {
  std::ostringstream out;
  out << "seed " << seed << ", file " << file.string() << ", " << steps.size() << " steps:\n" << what << "\n";
  out << "load " << file.string() << "\n";
  for (const SessionStep& s : steps) out << s.describe() << "\n";
  return out.str();
}

TEST(RandomSessions, CommandsClicksKeysAndAnswers_KeepStoresTreesAndSavedGames) {
  const std::vector<std::filesystem::path> files = sessionFiles();
  if (files.empty()) GTEST_SKIP() << "no corpus at " << MERIDAX_CORPUS_DIR;
  const std::optional<std::string> secondsText = environmentValue("MERIDAX_PROPERTY_SECONDS");
  const std::optional<std::string> seedText = environmentValue("MERIDAX_PROPERTY_SEED");
  const double seconds = secondsText ? std::atof(secondsText->c_str()) : kDefaultSeconds;
  const std::uint32_t firstSeed = seedText ? static_cast<std::uint32_t>(std::strtoul(seedText->c_str(), nullptr, 10))
                                  : secondsText ? std::random_device{}()
                                                : kDefaultSeed;
  const Clock::time_point start = Clock::now();
  const Clock::time_point end = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  std::size_t sequences = 0;
  std::size_t steps = 0;
  const std::size_t most = secondsText ? SIZE_MAX : kDefaultSequences;
  for (std::uint32_t seed = firstSeed; sequences < most && Clock::now() < end; ++seed, ++sequences) {
    std::mt19937 random(seed);
    const std::size_t file = random() % files.size();
    RandomSession session({files[file]});
    session.frame().files().ReLoad(session.files().front());
    std::vector<SessionStep> sequence;
    const int length = 10 + static_cast<int>(random() % kLongestSequence);
    for (int i = 0; i < length; ++i, ++steps) {
      sequence.push_back(session.drawStep(random));
      const std::optional<std::string> broken = session.run(sequence.back());
      if (!broken) continue;
      const std::vector<SessionStep> shortest =
          shrink(files, file, sequence, Clock::now() + std::chrono::seconds(std::max(20, static_cast<int>(seconds / 10))));
      const std::optional<Failure> again = replay(files, file, shortest);
      FAIL() << report(seed, files[file], shortest, again ? again->what : *broken);
    }
  }
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  std::cout << "random sessions: first seed " << firstSeed << ", " << sequences << " sequences, " << steps
            << " steps, " << elapsed << " s\n";
  RecordProperty("sequences", static_cast<int>(sequences));
  RecordProperty("steps", static_cast<int>(steps));
  EXPECT_GT(sequences, 0u);
}

}  // namespace
}  // namespace meridax::testing
