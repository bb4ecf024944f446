#include "app/collection_writer.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/node_texts.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/sgf_writer.h"

namespace meridax {
namespace {

// ---- Doubles -----------------------------------------------------------------------------------

class RecordingMessages : public MessagePort {
 public:
  void tell(const UserMessage& message) override { told.push_back(message); }
  bool askYesNo(const std::string&, const std::string&) override { return false; }
  Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
  std::vector<UserMessage> told;
};

class MemoryFile : public OutputFile {
 public:
  explicit MemoryFile(bool fails = false, int failingWrite = 0) : fails_(fails), failingWrite_(failingWrite) {}
  WriteOutcome write(std::string_view bytes) override {
    ++writes;
    if (fails_ || writes == failingWrite_) return {0, SystemError{28, "No space left on device"}};
    contents.append(bytes);
    return {bytes.size(), std::nullopt};
  }
  std::optional<SystemError> close() override { return std::nullopt; }
  std::string contents;
  int writes = 0;

 private:
  bool fails_;
  int failingWrite_;  // the write, counted from 1, that fails; 0: none
};

// ---- A loaded file, as the load leaves it ------------------------------------------------------

// Three Go games; the second carried the selected-game mark. The games are separated as the save
// separates them, so an unchanged save gives the file back.
const std::string kGame1 = "(;GM[1]SZ[9]EV[Spring];B[ee];W[cc])";
const std::string kGame2 = "(;GM[1]SZ[9]XS[]PB[Ann];B[gg])";
const std::string kGame3 = "(;GM[1]SZ[9]\r\nC[root]\r\n(;B[aa])(;B[bb]))";
const std::string kHeld = kGame1 + "\r\n\r\n" + kGame2 + "\r\n\r\n" + kGame3;

struct LoadedFile {
  Collection games;
  HeldFileText held;

  LoadedFile() {
    const std::vector<std::string> texts{kGame1, kGame2, kGame3};
    std::size_t offset = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      SGridFrame& g = games.game(games.createGame(GameKind::Go, 9, 9, Collection::npos));
      g.fileOrdinal = static_cast<std::uint32_t>(i + 1);
      g.textOffset = static_cast<std::uint32_t>(offset);
      g.textLength = static_cast<std::uint32_t>(texts[i].size());
      g.headerLength = static_cast<std::uint32_t>(texts[i].find(i == 2 ? "\r\n(" : ";", 2));
      g.flags = game_flag::kUnchanged;
      g.treeLoaded = i != 2;  // the third game was never opened
      offset += texts[i].size() + 4;
    }
    games.game(0).details[DetailField::Event] = "Spring";
    games.game(1).details[DetailField::Player1] = "Ann";
    games.setCurrent(1);
    held.text = kHeld;
    held.markedGame = &games.game(1);
  }

  SGridFrame& game(std::size_t i) { return games.game(i); }
};

std::string textOf(LoadedFile& file, const SaveOptions& options = {}) {
  const CollectionTextResult result = collectionText(file.games, file.held, options);
  EXPECT_TRUE(result.written.has_value()) << (result.failure ? result.failure->text() : "");
  return result.written ? result.written->text : "";
}

// ---- Which games are copied --------------------------------------------------------------------

TEST(CollectionWriter, NothingChangedAndMarkedGameStillCurrent_FileComesBackByteForByte) {
  LoadedFile file;

  const CollectionTextResult result = collectionText(file.games, file.held, {});

  ASSERT_TRUE(result.written);
  EXPECT_EQ(result.written->text, kHeld);
  EXPECT_EQ(result.written->games, 3);
}

struct FormCase {
  const char* name;
  std::uint8_t flags;
  bool carriedMark;
  bool isCurrent;
  bool textHeld;
  GameWriteForm expected;
};

class WriteFormTest : public ::testing::TestWithParam<FormCase> {};

TEST_P(WriteFormTest, FlagsMarkAndCurrentGameDecideTheForm) {
  const FormCase& c = GetParam();
  Collection games;
  SGridFrame& game = games.game(games.createGame(GameKind::Go, 9, 9, Collection::npos));
  game.flags = c.flags;
  game.textLength = 10;
  HeldFileText held;
  if (c.textHeld) held.text = std::string_view("(;GM[1]SZ[9])");
  held.markedGame = c.carriedMark ? &game : nullptr;

  EXPECT_EQ(writeFormOf(game, c.isCurrent, held), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    CollectionWriter, WriteFormTest,
    ::testing::Values(
        FormCase{"Unchanged", 1, false, false, true, GameWriteForm::CopiedUnchanged},
        FormCase{"UnchangedMarkedCurrent", 1, true, true, true, GameWriteForm::CopiedUnchanged},
        FormCase{"InformationChanged", 5, false, false, true, GameWriteForm::NewHeader},
        FormCase{"MarkedButNoLongerCurrent", 1, true, false, true, GameWriteForm::NewHeader},
        FormCase{"CurrentButNotMarked", 1, false, true, true, GameWriteForm::NewHeader},
        FormCase{"TreeChanged", 3, false, false, true, GameWriteForm::Written},
        FormCase{"TreeAndInformationChanged", 7, false, false, true, GameWriteForm::Written},
        FormCase{"CreatedAfterLoad", 0, false, false, true, GameWriteForm::Written},
        FormCase{"NewGameWithInformation", 4, false, false, true, GameWriteForm::Written},
        FormCase{"NoTextHeld", 1, false, false, false, GameWriteForm::Written}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CollectionWriter, GameWithoutRecordedText_IsWrittenWhole) {
  Collection games;
  SGridFrame& game = games.game(games.createGame(GameKind::Go, 9, 9, Collection::npos));
  game.flags = game_flag::kUnchanged;
  HeldFileText held;
  held.text = std::string_view("(;GM[1]SZ[9])");

  EXPECT_EQ(writeFormOf(game, false, held), GameWriteForm::Written);
}

// ---- New headers -------------------------------------------------------------------------------

TEST(CollectionWriter, EventOfOneGameChanged_OnlyThatRootHeaderIsRewritten) {
  LoadedFile file;
  file.game(0).details[DetailField::Event] = "Autumn";
  file.game(0).markDetailsChanged();

  EXPECT_EQ(textOf(file),
            "(;\r\nFF[4]\r\nGM[1]\r\nSZ[9]\r\nAP[Meridax:18.5]\r\nEV[Autumn]\r\nXV[]\r\n\r\n;B[ee];W[cc])"
            "\r\n\r\n" + kGame2 + "\r\n\r\n" + kGame3);
}

TEST(CollectionWriter, CurrentGameMoved_MarkLeavesOldGameAndJoinsNewOne) {
  LoadedFile file;
  file.games.setCurrent(0);

  EXPECT_EQ(textOf(file),
            "(;\r\nFF[4]\r\nGM[1]\r\nSZ[9]\r\nAP[Meridax:18.5]\r\nEV[Spring]\r\nXS[]\r\nXV[]\r\n\r\n;B[ee];W[cc])"
            "\r\n\r\n"
            "(;\r\nFF[4]\r\nGM[1]\r\nSZ[9]\r\nAP[Meridax:18.5]\r\nPB[Ann]\r\nXV[]\r\n\r\n;B[gg])"
            "\r\n\r\n" + kGame3);
}

TEST(CollectionWriter, InformationChangedInUnopenedGame_TreeIsBuiltBeforeTheHeader) {
  LoadedFile file;
  SGridFrame& third = file.game(2);
  third.details[DetailField::Event] = "Cup";
  third.markDetailsChanged();
  std::vector<const SGridFrame*> built;
  SaveOptions options;
  options.buildTree = [&](SGridFrame& g) {
    built.push_back(&g);
    g.comments[g.firstNode] = "root";  // what reading the root gives
    g.firstNode->setHasComment(true);
    g.treeLoaded = true;
    return true;
  };

  const std::string text = textOf(file, options);

  EXPECT_EQ(built, std::vector<const SGridFrame*>{&third});
  EXPECT_EQ(text.substr(text.rfind("(;\r\nFF[4]")),
            "(;\r\nFF[4]\r\nGM[1]\r\nSZ[9]\r\nAP[Meridax:18.5]\r\nEV[Cup]\r\nXV[]\r\nC[root]\r\n\r\n"
            "\r\n(;B[aa])(;B[bb]))");
}

TEST(CollectionWriter, UnopenedGameCannotBeRead_SaveFailsInsteadOfDroppingItsRoot) {
  LoadedFile file;
  file.game(2).markDetailsChanged();
  SaveOptions options;
  options.buildTree = [](SGridFrame&) { return false; };

  const CollectionTextResult result = collectionText(file.games, file.held, options);

  EXPECT_FALSE(result.written);
  ASSERT_TRUE(result.failure);
  EXPECT_EQ(result.failure->caption(), "FrameWin::Save_File()");
  EXPECT_EQ(result.failure->text(), "Unable to read game 3 from the loaded file text.  The file has not been saved.");
}

TEST(CollectionWriter, UnopenedGameNoLongerCopyable_TreeIsBuiltBeforeWritingIt) {
  LoadedFile file;
  file.game(2).markTreeChanged();  // e.g. a game whose recorded text can no longer be used
  int builds = 0;
  SaveOptions options;
  options.buildTree = [&](SGridFrame& g) {
    ++builds;
    g.treeLoaded = true;
    return true;
  };

  const std::string text = textOf(file, options);

  EXPECT_EQ(builds, 1);
  EXPECT_TRUE(text.ends_with("XV[]\r\n\r\n)\r\n\r\n"));
}

TEST(CollectionWriter, UnopenedGameWithoutTreeBuilder_SaveFails) {
  LoadedFile file;
  file.game(2).markTreeChanged();

  const CollectionTextResult result = collectionText(file.games, file.held, {});

  EXPECT_FALSE(result.written);
  ASSERT_TRUE(result.failure);
  EXPECT_EQ(result.failure->text(), "Unable to read game 3 from the loaded file text.  The file has not been saved.");
}

// ---- Games written by the SGF writer -----------------------------------------------------------

TEST(CollectionWriter, ChangedGameBetweenCopies_WrittenWholeWithoutExtraSeparator) {
  LoadedFile file;
  file.game(0).markTreeChanged();
  file.games.createGame(GameKind::Go, 9, 9, 1);  // a new game after the second

  const std::string empty9 = "(;\r\nFF[4]\r\nGM[1]\r\nSZ[9]\r\nAP[Meridax:18.5]\r\n";
  EXPECT_EQ(textOf(file), empty9 + "EV[Spring]\r\nXV[]\r\n\r\n)\r\n\r\n" + kGame2 + "\r\n\r\n" + empty9 +
                              "XV[]\r\n\r\n)\r\n\r\n" + kGame3);
}

TEST(CollectionWriter, NoTextHeld_EveryGameWrittenWhole) {
  LoadedFile file;
  file.held.text.reset();
  file.games.removeGame(2);
  file.games.removeGame(0);

  EXPECT_EQ(textOf(file), "(;\r\nFF[4]\r\nGM[1]\r\nSZ[9]\r\nAP[Meridax:18.5]\r\nPB[Ann]\r\nXS[]\r\nXV[]\r\n\r\n)\r\n\r\n");
}

// ---- Marked games only -------------------------------------------------------------------------

TEST(CollectionWriter, MarkedGamesOnly_SkipsTheOthersAndSeparatesTheCopies) {
  LoadedFile file;
  file.games.setCurrent(1);
  const std::set<const SGridFrame*> marked{&file.game(1), &file.game(2)};
  SaveOptions options;
  options.scope = SaveScope::MarkedGames;
  options.isMarked = [&](const SGridFrame& g) { return marked.count(&g) != 0; };

  const CollectionTextResult result = collectionText(file.games, file.held, options);

  ASSERT_TRUE(result.written);
  EXPECT_EQ(result.written->text, kGame2 + "\r\n\r\n" + kGame3);
  EXPECT_EQ(result.written->games, 2);
}

TEST(CollectionWriter, MarkedGamesWithoutAnyMarked_WritesNothing) {
  LoadedFile file;
  SaveOptions options;
  options.scope = SaveScope::MarkedGames;

  const CollectionTextResult result = collectionText(file.games, file.held, options);

  ASSERT_TRUE(result.written);
  EXPECT_EQ(result.written->text, "");
  EXPECT_EQ(result.written->games, 0);
}

// ---- Bad records -------------------------------------------------------------------------------

struct RangeCase {
  const char* name;
  std::uint32_t offset;
  std::uint32_t length;
  std::uint32_t header;
};

class BadRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(BadRangeTest, RecordedPlaceOutsideHeldText_FailsWithoutReadingPastIt) {
  const RangeCase& c = GetParam();
  LoadedFile file;
  file.game(1).textOffset = c.offset;
  file.game(1).textLength = c.length;
  file.game(1).headerLength = c.header;

  const CollectionTextResult result = collectionText(file.games, file.held, {});

  EXPECT_FALSE(result.written);
  ASSERT_TRUE(result.failure);
  EXPECT_EQ(result.failure->text(),
            "The place of game 2 in the loaded file text is not valid.  The file has not been saved.");
}

INSTANTIATE_TEST_SUITE_P(
    CollectionWriter, BadRangeTest,
    ::testing::Values(RangeCase{"OffsetPastEnd", 5000, 10, 2}, RangeCase{"LengthPastEnd", 40, 5000, 2},
                      RangeCase{"LengthWraps", 40, 0xffffffffu, 2}, RangeCase{"HeaderPastLength", 40, 10, 11}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Save_File ---------------------------------------------------------------------------------

TEST(CollectionWriter, SaveFile_WritesASmallCollectionAtOnceAndCountsGamesAndBytes) {
  LoadedFile file;
  MemoryFile out;
  RecordingMessages messages;

  const std::optional<SaveOutcome> outcome = Save_File(out, messages, file.games, file.held, {});

  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->games, 3);
  EXPECT_EQ(outcome->bytes, kHeld.size());
  EXPECT_EQ(out.contents, kHeld);
  EXPECT_EQ(out.writes, 1);
  EXPECT_TRUE(messages.told.empty());
}

TEST(CollectionWriter, SaveFileWriteFails_ToldWriteFileFailed) {
  LoadedFile file;
  MemoryFile out(/*fails=*/true);
  RecordingMessages messages;

  EXPECT_FALSE(Save_File(out, messages, file.games, file.held, {}));
  ASSERT_EQ(messages.told.size(), 1u);
  EXPECT_EQ(messages.told[0].caption, "FrameWin::Save_File()");
  EXPECT_EQ(messages.told[0].text, "WriteFile failed");
}

TEST(CollectionWriter, SaveFileWithBadRecord_ToldAndNothingWritten) {
  LoadedFile file;
  file.game(0).textOffset = 9999;
  MemoryFile out;
  RecordingMessages messages;

  EXPECT_FALSE(Save_File(out, messages, file.games, file.held, {}));
  EXPECT_EQ(out.writes, 0);
  ASSERT_EQ(messages.told.size(), 1u);
  EXPECT_EQ(messages.told[0].caption, "FrameWin::Save_File()");
}

// A collection of megabytes goes out in buffered writes that keep its bytes, a game bigger than the
// buffer among them, and a write failing part way is told.
TEST(CollectionWriter, SaveFileOfABigCollection_WritesItsBytesInPartsAndToldWhenOneFails) {
  std::string held;
  for (int i = 0; i < 20000; ++i) held += "(;GM[1]SZ[9]C[" + std::to_string(i) + " " + std::string(60, 'x') + "];B[ee])\r\n\r\n";
  held += "(;GM[1]SZ[9]C[" + std::string(3 << 20, 'y') + "];B[ee])\r\n\r\n(;GM[1]SZ[9];B[aa])";
  Collection games;
  SErrorList errors;
  readCollectionText(games, held, CollectionReadRequest{}, errors);
  ASSERT_EQ(games.size(), 20002u);
  const HeldFileText text{held, nullptr};
  SaveOptions options;
  options.buildTree = [&](SGridFrame& g) { return !buildHeldTree(games, g, held, "", {}, errors); };

  MemoryFile out;
  RecordingMessages messages;
  const std::optional<SaveOutcome> outcome = Save_File(out, messages, games, text, options);
  ASSERT_TRUE(outcome) << (messages.told.empty() ? "" : messages.told[0].text);
  const std::string whole = collectionText(games, text, options).written->text;  // the current game's header is new
  EXPECT_EQ(outcome->bytes, whole.size());
  EXPECT_TRUE(out.contents == whole);
  EXPECT_EQ(out.contents.substr(0, 100000), held.substr(0, 100000));
  EXPECT_GT(out.writes, 2);

  MemoryFile failing(/*fails=*/false, /*failingWrite=*/2);
  EXPECT_FALSE(Save_File(failing, messages, games, text, options));
  ASSERT_EQ(messages.told.size(), 1u);
  EXPECT_EQ(messages.told[0].text, "WriteFile failed");
  EXPECT_EQ(failing.writes, 2);  // nothing tried after the failure
}

// Reads `held` as a load does, changes every game's event and saves: the saved text.
std::string savedAfterEventChanged(Collection& games, const std::string& held, SErrorList& errors) {
  readCollectionText(games, held, CollectionReadRequest{}, errors);
  SaveOptions options;
  options.buildTree = [&](SGridFrame& g) { return !buildHeldTree(games, g, held, "", {}, errors); };
  for (std::size_t i = 0; i < games.size(); ++i) {
    EXPECT_TRUE(options.buildTree(games.game(i)));
    games.game(i).details[DetailField::Event] = "Changed";
    games.game(i).markDetailsChanged();
  }
  const CollectionTextResult saved = collectionText(games, HeldFileText{held, &games.game(0)}, options);
  EXPECT_TRUE(saved.written);
  return saved.written ? saved.written->text : std::string();
}

// A new header holds the root's properties this program does not read; the text copied after it
// holds those of the other nodes: each is saved once.
TEST(CollectionWriter, InformationChanged_PropertiesNotReadAreSavedOnce) {
  const std::string held = "(;GM[1]SZ[9]TM[5]C[c];GB[1];B[cc]BL[3])\r\n\r\n(;GM[1]SZ[9]OT[x]B[aa]BL[2];W[bb])";
  Collection games;
  SErrorList errors;
  const std::string text = savedAfterEventChanged(games, held, errors);
  ASSERT_EQ(games.size(), 2u);
  for (const char* once : {"TM[5]", "GB[1]", "BL[3]", "OT[x]", "BL[2]"}) {
    const auto first = text.find(once);
    EXPECT_NE(first, std::string::npos) << once << " in " << text;
    EXPECT_EQ(text.find(once, first + 1), std::string::npos) << once << " twice in " << text;
  }
}

// Letters without a value at the end of the root join the next identifier: a body copied below a
// new header must still begin with them, or the node below would read differently.
TEST(CollectionWriter, InformationChanged_RootEndingInLettersWithoutValue_ReadsBackAlike) {
  const std::string held = "(;GM[1]SZ[9]EV[a] AB\n(;N[x];B[cc]))\r\n\r\n(;GM[1]SZ[9]AB;N[y];W[bb])";
  Collection games;
  SErrorList errors;
  const std::string text = savedAfterEventChanged(games, held, errors);
  ASSERT_EQ(games.size(), 2u);
  Collection back;
  CollectionReadRequest all;
  all.trees = GameTrees::All;
  readCollectionText(back, text, all, errors);
  ASSERT_EQ(back.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    std::string before;
    std::string after;
    ASSERT_TRUE(WriteGameText(games.game(i), before));
    ASSERT_TRUE(WriteGameText(back.game(i), after));
    EXPECT_EQ(after, before) << "game " << i + 1 << " saved as\n" << text;
  }
}

// A file that ends inside a game (an open value, unclosed variations): saved with that game no longer
// last, the game is closed so that it cannot swallow the game after it; left last, it stays as read.
struct CutOffCase {
  const char* name;
  std::string held;
  bool moveLastGameUp;
  std::size_t gamesBack;
  const char* closedAs;  // the cut-off game's end in the saved text (its last bytes when left last)
};

class CutOffGameTest : public ::testing::TestWithParam<CutOffCase> {};

TEST_P(CutOffGameTest, SavedTextReadsBackEveryGame) {
  const CutOffCase& c = GetParam();
  Collection games;
  SErrorList errors;
  readCollectionText(games, c.held, CollectionReadRequest{}, errors);
  ASSERT_EQ(games.size(), 2u);
  if (c.moveLastGameUp) {
    ASSERT_TRUE(games.moveGame(1, -1));
  }
  SaveOptions options;
  options.buildTree = [&](SGridFrame& g) { return !buildHeldTree(games, g, c.held, "", {}, errors); };
  const CollectionTextResult saved = collectionText(games, HeldFileText{c.held, &games.game(0)}, options);
  ASSERT_TRUE(saved.written);
  const std::string& text = saved.written->text;
  if (c.moveLastGameUp) {
    EXPECT_NE(text.find(c.closedAs), std::string::npos) << text;
  } else {
    EXPECT_TRUE(text.ends_with(c.closedAs)) << text;
  }
  Collection back;
  CollectionReadRequest request;
  readCollectionText(back, text, request, errors);
  EXPECT_EQ(back.size(), c.gamesBack) << text;
}

INSTANTIATE_TEST_SUITE_P(
    CollectionWriter, CutOffGameTest,
    ::testing::Values(
        CutOffCase{"OpenValueMovedUp", "(;GM[1]SZ[9];B[aa])\r\n\r\n(;GM[1]SZ[9];B[bb]C[cut", true, 2, "C[cut])"},
        CutOffCase{"OpenVariationsMovedUp", "(;GM[1]SZ[9];B[aa])\r\n\r\n(;GM[1]SZ[9](;B[bb](;W[cc]", true, 2,
                   "W[cc]))"},
        CutOffCase{"UnreadAndOpenMovedUp", "(;GM[1]SZ[9];B[aa])\r\n\r\n(;GM[12]C[x\\]", true, 2, "C[x\\]])"},
        CutOffCase{"OpenValueLeftLast", "(;GM[1]SZ[9];B[aa])\r\n\r\n(;GM[1]SZ[9];B[bb]C[cut", false, 2, "B[bb]C[cut"}),
    [](const ::testing::TestParamInfo<CutOffCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace meridax
