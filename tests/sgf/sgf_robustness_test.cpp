// Bad input of every sort: the reader never crashes, never reads past the end, keeps what it read and
// says what was wrong. Real files of the corpus, hand-made damage and seeded random text.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "model/node_texts.h"
#include "sgf/sgf_reader.h"
#include "sgf/text_decoding.h"
#include "sgf_test_support.h"

namespace meridax {
namespace {

namespace fs = std::filesystem;
using testing_support::LoadedText;
using testing_support::treeText;

std::string fileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Builds every lazy game and checks every tree and the node store.
void expectSaneCollection(LoadedText& t, const std::string& what) {
  for (std::size_t i = 0; i < t.games(); ++i) {
    buildHeldTree(t.collection, t.game(i), t.held, "", {}, t.errors);
    EXPECT_EQ(validateTree(t.game(i)), "") << what << ", game " << i + 1;
  }
  EXPECT_EQ(t.collection.store().validate(), "") << what;
}

struct DamageCase {
  const char* name;
  std::string text;
  std::size_t games;
  std::size_t errors;
};

class DamagedTextTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedTextTest, ReadsWhatItCanAndReports) {
  LoadedText t(GetParam().text);
  EXPECT_EQ(t.games(), GetParam().games) << t.errors.joined();
  EXPECT_EQ(t.errors.size(), GetParam().errors) << t.errors.joined();
  expectSaneCollection(t, GetParam().name);
}

std::string repeated(const std::string& s, int n) {
  std::string out;
  out.reserve(s.size() * static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedTextTest,
    ::testing::Values(
        DamageCase{"empty", "", 0, 0}, DamageCase{"blanks", " \r\n\t ", 0, 0},
        DamageCase{"lone parenthesis", "(", 0, 0}, DamageCase{"open root", "(;", 1, 1},
        DamageCase{"open value in the pre-scan", "(;GM[1", 1, 1},
        DamageCase{"escape at the very end", "(;GM[1]C[abc\\", 1, 1},
        DamageCase{"stray closers before", ")))  (;GM[1];B[aa])", 1, 0},
        DamageCase{"stray closers after", "(;GM[1];B[aa])))))", 1, 0},
        DamageCase{"stray brackets", "(;GM[1];B[aa]]]]];W[bb])", 1, 0},
        DamageCase{"empty nodes", "(;GM[1];;;B[aa];;;;W[bb];)", 1, 0},
        DamageCase{"values without identifier", "(;GM[1][aa][bb];[cc]B[dd])", 1, 0},
        DamageCase{"identifiers without values", "(;GM[1]ABAWC[problem];B[aa]XYZ;W[bb])", 1, 0},
        DamageCase{"binary bytes", std::string("(;GM[1]\x01\xFF\x80;B[a\0a]\0\x7F;W[bb])", 27), 1, 1},
        DamageCase{"nested and never closed", "(;GM[1](;B[aa](;W[bb](;B[cc]", 1, 1},
        DamageCase{"parentheses only", "(;GM[1]" + repeated("(", 50000) + repeated(")", 50000) + ")", 1, 0},
        DamageCase{"deep passes", "(;GM[1]" + repeated("(;B[](;W[]", 1500) + repeated("))", 1500) + ")", 1, 1},
        DamageCase{"wide", "(;GM[1]SZ[19]" + repeated("(;B[aa];W[bb])(;B[cc])", 5000) + ")", 1, 0},
        DamageCase{"huge comment", "(;GM[1];B[aa]C[" + std::string(4000000, 'x') + "])", 1, 0},
        DamageCase{"many setup values", "(;GM[1]AB" + repeated("[aa]", 100000) + ")", 1, 0},
        DamageCase{"huge rectangle numbers", "(;GM[11]SZ[11]AB[a1:z99999999];B[c3])", 1, 1},
        DamageCase{"game after garbage", "garbage (;GM[1];B[aa]) more garbage (;GM[1];B[bb])", 2, 0}));

TEST(ReaderRobustness, DeepPassesStopAtTheLongestLine) {
  LoadedText t("(;GM[1]" + repeated("(;B[](;W[]", 1500) + repeated("))", 1500) + ")");
  const SGridFrame& g = t.game();
  EXPECT_EQ(g.endNode->moveNumber(), GameNode::kMaxMoveNumber);
  ASSERT_EQ(t.errors.size(), 1u);
  EXPECT_NE(t.errors.texts()[0].find("Too many branches."), std::string::npos);
}

TEST(ReaderRobustness, HugeCommentIsKeptWhole) {
  LoadedText t("(;GM[1];B[aa]C[" + std::string(4000000, 'x') + "])");
  EXPECT_EQ(commentOf(t.game(), t.game().endNode).size(), 4000000u);
}

TEST(ReaderRobustness, WideVariationsAreReadAsOneNodeEach) {
  LoadedText t("(;GM[1]SZ[19]" + repeated("(;B[aa];W[bb])(;B[cc])", 5000) + ")");
  EXPECT_EQ(treeText(t.game()), "(;B[aa];W[bb])(;B[cc])");
}

TEST(ReaderRobustness, FullNodeStoreStopsTheLoadAndKeepsWhatWasRead) {
  Collection c;
  SErrorList errors;
  const std::string first = "(;GM[1];B[aa])";
  Do_FileSGF(c, first, SgfReadRequest{}, errors);
  c.store().failAllocationsForTest(true);  // the slots left in the segments made so far are all there is

  const std::string second = "(;GM[1]PB[Kept]" + repeated(";B[];W[]", 300) + ")";
  const SgfReadResult read = Do_FileSGF(c, second, SgfReadRequest{}, errors);
  EXPECT_FALSE(read.goOn);
  ASSERT_TRUE(read.message.has_value());
  EXPECT_EQ(read.message->caption(), "Do_FileSGF()");
  EXPECT_EQ(read.message->text(), "Unable to find a free segment");
  ASSERT_NE(read.game, nullptr);
  EXPECT_EQ(read.game->details[DetailField::Player1], "Kept");
  EXPECT_GT(read.game->endNode->moveNumber(), 100u);
  EXPECT_EQ(validateTree(*read.game), "");
}

// ---- The corpus ----

bool isSgfData(const fs::path& p) {
  const std::string s = p.string();
  return s.find("/LICENSES/") == std::string::npos && p.extension() != ".md" && p.filename() != "MANIFEST.tsv";
}

TEST(ReaderCorpus, EveryFileLoadsIntoSaneTrees) {
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(MERIDAX_CORPUS_DIR)) {
    if (!entry.is_regular_file() || !isSgfData(entry.path())) continue;
    ++files;
    LoadedText t(prepareFileText(fileBytes(entry.path())));
    EXPECT_FALSE(t.result.message.has_value()) << entry.path() << ": " << t.result.message->text();
    expectSaneCollection(t, entry.path().string());
  }
  EXPECT_GT(files, 2000);
}

class MalformedFile : public ::testing::Test {
 protected:
  LoadedText load(const std::string& relative) {
    return LoadedText(prepareFileText(fileBytes(fs::path(MERIDAX_CORPUS_DIR) / "malformed" / relative)));
  }
};

TEST_F(MalformedFile, EmptyAndNonSgfFilesGiveNoGame) {
  EXPECT_EQ(load("gnugo/nightmare.sgf").games(), 0u);
  EXPECT_EQ(load("littlego/sgf/Illegal games/not-an-sgf-file.sgf").games(), 0u);
}

TEST_F(MalformedFile, UnknownGameIsNamedInTheError) {
  LoadedText t = load("libsgfcplusplus/escaping.sgf");
  // Kept in its place as the text that was read, so that saving the file loses nothing.
  ASSERT_EQ(t.games(), 1u);
  EXPECT_TRUE(t.collection.game(0).isUnread());
  EXPECT_EQ(t.collection.readableCount(), 0u);
  ASSERT_EQ(t.errors.size(), 1u);
  EXPECT_NE(t.errors.texts()[0].find("Unrecognised GM parameter was detected ( GM = '19' )."), std::string::npos);
}

TEST_F(MalformedFile, UnclosedGameIsReportedAndKept) {
  LoadedText t = load("littlego/sgf/Illegal games/encoding-unsupported.sgf");
  ASSERT_EQ(t.games(), 1u);
  ASSERT_EQ(t.errors.size(), 1u);
  EXPECT_NE(t.errors.texts()[0].find(kUnclosedGameText), std::string::npos);
}

TEST_F(MalformedFile, IllegalMoveCutsItsBranch) {
  LoadedText t = load("littlego/sgf/Illegal games/illegal-move.sgf");
  ASSERT_EQ(t.errors.size(), 1u);
  EXPECT_NE(t.errors.texts()[0].find("The square for the intended move is already occupied."), std::string::npos);
  EXPECT_NE(t.errors.texts()[0].find("on line number 5."), std::string::npos);
  EXPECT_EQ(validateTree(t.game()), "");
}

TEST_F(MalformedFile, Utf16FilesReadLikeTheirUtf8Twins) {
  LoadedText utf8 = load("libsgfcplusplus/encoding-utf8-nobom.sgf");
  for (const char* name : {"libsgfcplusplus/encoding-utf16-withbom.sgf", "libsgfcplusplus/encoding-utf16-nobom.sgf",
                           "libsgfcplusplus/encoding-utf8-withbom.sgf"}) {
    LoadedText other = load(name);
    ASSERT_EQ(other.games(), 1u) << name;
    EXPECT_EQ(treeText(other.game()), treeText(utf8.game())) << name;
    EXPECT_EQ(other.game().details, utf8.game().details) << name;
    EXPECT_EQ(other.game().comments.size(), utf8.game().comments.size()) << name;
  }
  EXPECT_EQ(load("sabaki-sgf/tests/sgf/utf16le.sgf").game().details[DetailField::Player1], "Kitani Minoru");
}

TEST_F(MalformedFile, VeryDeepGamesAreCutAtTheLongestLine) {
  LoadedText t = load("libsgfcplusplus/deep-game-tree.sgf");
  expectSaneCollection(t, "deep-game-tree");
  int deepest = 0;
  for (std::size_t i = 0; i < t.games(); ++i)
    deepest = std::max(deepest, static_cast<int>(t.game(i).endNode->moveNumber()));
  EXPECT_EQ(deepest, static_cast<int>(GameNode::kMaxMoveNumber));
}

// ---- Seeded random text ----

// Text that looks enough like SGF to reach every part of the reader.
class RandomSgf {
 public:
  explicit RandomSgf(std::uint32_t seed) : rng_(seed) {}

  std::string game() {
    static const char* kinds[] = {"1", "2", "11", "Havannah", "4000", "40", "7", ""};
    static const char* sizes[] = {"", "5", "9", "19", "10", "13:7", "t", "30"};
    static const char* rules[] = {"", "Connect6", "Pente", "LG"};
    std::string out = "(;GM[" + std::string(pick(kinds)) + "]SZ[" + pick(sizes) + "]RU[" + pick(rules) + "]";
    const int tokens = static_cast<int>(below(200));
    for (int i = 0; i < tokens; ++i) out += token();
    if (below(4) != 0) out += repeatedCloser();
    return out;
  }

 private:
  std::size_t below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }
  template <std::size_t N>
  const char* pick(const char* (&items)[N]) { return items[below(N)]; }

  std::string point() {
    std::string p;
    p += static_cast<char>(below(3) == 0 ? 'A' + below(26) : 'a' + below(12));
    if (below(3) == 0) p += std::to_string(below(30));
    else p += static_cast<char>('a' + below(12));
    return p;
  }

  std::string value() {
    static const char* fixed[] = {"", "tt", "pass", "resign", "forfeit", "swap-sides", "swap", "black",
                                  "aa:cc", "cc:aa", ".cbdccdbc", "2", "W", "B", "5:name", "x\\]y", "\\"};
    switch (below(4)) {
      case 0: return pick(fixed);
      case 1: return point() + (below(2) ? point() : "");
      case 2: return point() + ":" + point();
      default: {
        std::string raw;
        for (std::size_t i = below(8); i > 0; --i) raw += static_cast<char>(below(256));
        return raw;
      }
    }
  }

  std::string token() {
    static const char* ids[] = {"B", "W", "AB", "AW", "AE", "PL", "C", "N", "V", "XB", "XN", "XV", "XP",
                                "FG", "MA", "TR", "SL", "LB", "TB", "TW", "HA", "XS", "L", "M", "AddBlack"};
    switch (below(10)) {
      case 0: return "(";
      case 1: return ")";
      case 2: case 3: return ";";
      case 4: return std::string(1, static_cast<char>(below(256)));
      default: {
        std::string t = pick(ids);
        for (std::size_t i = 1 + below(2); i > 0; --i) t += "[" + value() + "]";
        return t;
      }
    }
  }

  std::string repeatedCloser() { return std::string(below(6), ')'); }

  std::mt19937 rng_;
};

TEST(ReaderRandomText, NeverBreaksATree) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::seconds(3);
  RandomSgf random(20240607);
  std::mt19937 choices(7);
  int rounds = 0;
  for (; rounds < 10000 && Clock::now() < deadline; ++rounds) {
    std::string text = random.game() + random.game();
    if (rounds % 5 == 0) text.resize(choices() % (text.size() + 1));  // cut anywhere
    ReaderSettings settings;
    settings.convertAWAB = rounds % 2 == 0;
    LoadedText t(text, rounds % 3 == 0 ? GameTrees::All : GameTrees::FirstOnly, settings);
    expectSaneCollection(t, "round " + std::to_string(rounds) + ": " + text);
    if (t.games() == 0) continue;
    // Inject more text below the current node and, as the inject command does, put back a replaced line.
    SGridFrame& g = t.game();
    SBranchDetails* line = g.currentLine;
    SgfReadRequest r;
    r.mode = ReadMode::Inject;
    r.target = &g;
    Do_FileSGF(t.collection, injectedText(random.game().substr(1)), r, t.errors);
    if (g.currentLine != line) {
      g.currentLine = line;
      g.endNode = line->tail;  // the injected text may have extended that line too
    }
    EXPECT_EQ(validateTree(g), "") << "inject, round " << rounds;
    if (::testing::Test::HasFailure()) break;
  }
  EXPECT_GT(rounds, 100);
}

}  // namespace
}  // namespace meridax
