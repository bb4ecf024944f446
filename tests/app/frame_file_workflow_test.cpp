// The file workflow of the main frame on real files in a temporary directory: load, change, save with
// a backup, pruning, refusals and failures that must leave the file on disk intact.

#include <cerrno>
#include <cstring>
#include <functional>
#include <regex>

#include "app/frame_test_support.h"
#include "sgf/sgf_writer.h"

namespace meridax::testing {
namespace {

using Lines = std::vector<std::string>;

std::string box(const std::string& caption, const std::string& text) {
  return "[" + escapeTranscriptText(caption) + "] " + escapeTranscriptText(text);
}

std::string question(const std::string& caption, const std::string& text, const std::string& answer) {
  return box(caption, text) + " ? " + answer;
}

// "<name>   yyyymmdd hhmmss_<n>.sgf"
std::regex backupName(const std::string& fileName, int counter) {
  return std::regex(fileName + "   [0-9]{8} [0-9]{6}_" + std::to_string(counter) + "\\.sgf");
}

std::string stampOf(const std::string& backup) {
  const std::size_t at = backup.find("   ");
  return backup.substr(at + 3, 15);
}

class FrameFileWorkflowTest : public FrameTest {};

TEST_F(FrameFileWorkflowTest, LoadChangeSave_KeepsTheOldFileAsBackupAndWritesTheNewOne) {
  const std::string path = writeFile("games.sgf", kThreeGames);
  load(path);
  EXPECT_EQ(ports.title(), "games.sgf  [1/3]  Ann - Bob");
  play(3, 3);
  ASSERT_TRUE(frame().modified());

  ASSERT_TRUE(frame().files().CmSave());

  const std::string saved = readTextFile(path);
  EXPECT_EQ(ports.takeLines(),
              (Lines{box("CmSave()", "'" + path + "'\r\n\r\nFile saved\r\n3 games stored in collection\r\n\r\n( " +
                                              std::to_string(saved.size()) + "  bytes )")}));
  const std::vector<std::string> kept = backups();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_TRUE(std::regex_match(kept[0], backupName("games.sgf", 1))) << kept[0];
  EXPECT_EQ(readTextFile(backupDirectory() + "/" + kept[0]), kThreeGames);
  // The changed game is written anew; the two others are copied from the loaded text.
  const std::string original = kThreeGames;
  const std::string untouched = original.substr(original.find("(;GM[1]FF[4]SZ[19]GN[Second]"));
  ASSERT_GT(saved.size(), untouched.size());
  EXPECT_EQ(saved.substr(saved.size() - untouched.size()), untouched);
  EXPECT_NE(saved.find(";B[dd]"), std::string::npos);
  EXPECT_FALSE(frame().modified());
  EXPECT_EQ(fileNames(dir.path()), (Lines{"appdata", "games.sgf"})) << "no temporary file is left";
}

TEST_F(FrameFileWorkflowTest, UnchangedCollectionWithItsMarkOnTheCurrentGame_SavesTheSameBytes) {
  const std::string marked = std::string(kThreeGames).insert(std::string(kThreeGames).find("GN[Second]"), "XS[]");
  const std::string path = writeFile("games.sgf", marked);
  load(path);
  ASSERT_EQ(frame().collection().currentIndex(), 1u);
  ASSERT_TRUE(frame().files().CmSave());
  EXPECT_EQ(readTextFile(path), marked);
}

TEST_F(FrameFileWorkflowTest, UnchangedCollectionWithoutMark_GetsTheMarkInTheCurrentGamesNewHeader) {
  const std::string path = writeFile("games.sgf", kThreeGames);
  load(path);
  ASSERT_TRUE(frame().files().CmSave());
  const std::string saved = readTextFile(path);
  const std::string original = kThreeGames;
  const std::size_t second = original.find("(;GM[1]FF[4]SZ[19]GN[Second]");
  EXPECT_EQ(saved.substr(saved.size() - (original.size() - second)), original.substr(second));
  EXPECT_NE(saved.substr(0, saved.size() - (original.size() - second)).find("XS[]"), std::string::npos);
}

TEST_F(FrameFileWorkflowTest, EventOfOneGameChanged_RewritesOnlyThatGamesHeader) {
  // The second game carries the selected-game mark and stays current.
  const std::string original =
      "(;GM[1]FF[4]SZ[19]PB[Ann];B[pd];W[dp])\r\n\r\n"
      "(;GM[1]FF[4]SZ[19]GN[Marked]XS[];B[dd];W[pp])\r\n\r\n"
      "(;GM[1]FF[4]SZ[9]EV[Small board]C[root comment]AB[cc];B[ee];W[gg])";
  const std::string path = writeFile("marked.sgf", original);
  load(path);
  ASSERT_EQ(frame().collection().currentIndex(), 1u);
  SGridFrame& third = frame().collection().game(2);
  ASSERT_FALSE(third.treeLoaded) << "a further game is read up to its root only";
  third.details[DetailField::Event] = "Autumn cup";
  third.markDetailsChanged();
  frame().markFileModified();

  ASSERT_TRUE(frame().files().CmSave());

  const std::string saved = readTextFile(path);
  const std::size_t thirdStart = original.rfind("(;GM[1]FF[4]SZ[9]");
  const std::size_t thirdMoves = original.rfind(";B[ee]");
  EXPECT_EQ(saved.substr(0, thirdStart), original.substr(0, thirdStart));
  const std::string rest = original.substr(thirdMoves);
  ASSERT_GT(saved.size(), thirdStart + rest.size());
  EXPECT_EQ(saved.substr(saved.size() - rest.size()), rest);
  const std::string header = saved.substr(thirdStart, saved.size() - rest.size() - thirdStart);
  std::string expectedHeader;
  writeRootHeader(third, expectedHeader, false);
  EXPECT_EQ(header, expectedHeader);
  EXPECT_NE(header.find("EV[Autumn cup]"), std::string::npos) << header;
  EXPECT_NE(header.find("C[root comment]"), std::string::npos) << "the root comment survives: " << header;
  EXPECT_NE(header.find("AB[cc]"), std::string::npos) << "the root set-up survives: " << header;
}

TEST_F(FrameFileWorkflowTest, WithoutADataDirectory_TheBackupGoesBesideTheProgram) {
  withoutDataDirectory = true;
  const std::string path = writeFile("games.sgf", kThreeGames);
  load(path);
  play(3, 3);
  ASSERT_TRUE(frame().files().CmSave()) << ::testing::PrintToString(ports.lines());
  const std::vector<std::string> kept = fileNames(dir.file("program/Meridax_Backup"));
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(readTextFile(dir.file("program/Meridax_Backup/" + kept[0])), kThreeGames);
}

TEST_F(FrameFileWorkflowTest, TwoSavesWithinOneSecond_GiveBackupCountersOneAndTwo) {
  const std::string path = writeFile("twice.sgf", kThreeGames);
  load(path);
  // Two saves may straddle the turn of a second; then the pair is tried again.
  for (int attempt = 0; attempt < 5; ++attempt) {
    std::filesystem::remove_all(backupDirectory());
    play(3, 3);
    ASSERT_TRUE(frame().files().CmSave());
    play(4, 4);
    ASSERT_TRUE(frame().files().CmSave());
    const std::vector<std::string> kept = backups();
    ASSERT_EQ(kept.size(), 2u);
    if (stampOf(kept[0]) != stampOf(kept[1])) continue;
    EXPECT_TRUE(std::regex_match(kept[0], backupName("twice.sgf", 1))) << kept[0];
    EXPECT_TRUE(std::regex_match(kept[1], backupName("twice.sgf", 2))) << kept[1];
    EXPECT_EQ(kept[0].substr(0, kept[0].size() - 6), kept[1].substr(0, kept[1].size() - 6));
    return;
  }
  FAIL() << "no two saves fell within one second";
}

TEST_F(FrameFileWorkflowTest, BackupFilesThree_DeletesTheOldestBeyondThree) {
  std::filesystem::create_directories(backupDirectory());
  const FileTime now = std::chrono::system_clock::now();
  // Four earlier backups of the file, oldest first, and two files older still that are none of its backups.
  const char* olds[] = {"prune.sgf   20260101 101010_1.sgf", "prune.sgf   20260102 101010_1.sgf",
                        "prune.sgf   20260103 101010_1.sgf", "prune.sgf   20260104 101010_1.sgf", "notes.txt",
                        "other.sgf   20260101 101010_1.sgf"};
  for (int i = 0; i < 6; ++i) {
    const std::string p = backupDirectory() + "/" + olds[i];
    writeTextFile(p, "x");
    ASSERT_FALSE(files.setModifiedTime(p, now - std::chrono::hours(i < 4 ? 10 - i : 100)));
  }
  const std::string path = writeFile("prune.sgf", kThreeGames);
  frame().appSettings().backupFiles = 3;
  load(path);
  play(3, 3);

  ASSERT_TRUE(frame().files().CmSave());

  const std::vector<std::string> kept = backups();
  ASSERT_EQ(kept.size(), 5u) << ::testing::PrintToString(kept);
  EXPECT_EQ(kept[0], "notes.txt");
  EXPECT_EQ(kept[1], "other.sgf   20260101 101010_1.sgf");
  EXPECT_EQ(kept[2], olds[2]);
  EXPECT_EQ(kept[3], olds[3]);
  EXPECT_TRUE(std::regex_match(kept[4], backupName("prune.sgf", 1))) << kept[4];
}

TEST_F(FrameFileWorkflowTest, WriteProtectedFile_IsRefusedAndLeftAlone) {
  const std::string path = writeFile("locked.sgf", kThreeGames);
  load(path);
  play(3, 3);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);

  EXPECT_FALSE(frame().files().CmSave());

  EXPECT_EQ(ports.takeLines(),
              (Lines{box("CmSave(): IsWriteProtected()",
                              "'" + path + "'\n\nUnable to replace file.  File is marked as being write protected")}));
  EXPECT_EQ(readTextFile(path), kThreeGames);
  EXPECT_TRUE(backups().empty());
  EXPECT_TRUE(frame().modified());
}

TEST_F(FrameFileWorkflowTest, FileWithoutGames_LeavesAnEmptyGameOfThePreviousKind) {
  load(writeFile("nine.sgf", "(;GM[1]FF[4]SZ[9];B[ee])"));
  play(2, 2);
  const std::string junk = writeFile("junk.sgf", "no games in here\r\n");
  ports.queueAnswer(Answer::Yes);  // unsaved changes will be lost

  EXPECT_FALSE(frame().files().ReLoad(junk));

  EXPECT_EQ(ports.takeLines(),
              (Lines{question("ReLoad()", "Unsaved changes will be lost\nDo you wish to load the file?", "yes"),
                          box("FrameWin::ReLoad()", "'" + junk + "'\n\nNo games were loaded.")}));
  ASSERT_EQ(frame().collection().size(), 1u);
  EXPECT_EQ(frame().game().kind(), GameKind::Go);
  EXPECT_EQ(frame().game().width(), 9);
  EXPECT_EQ(frame().game().currentNode, frame().game().firstNode);
  EXPECT_EQ(frame().currentFile(), "");
  EXPECT_EQ(ports.title(), "Go");
  EXPECT_FALSE(frame().modified()) << "the empty game holds nothing to save";
}

std::string utf16le(const std::string& ascii, bool mark) {
  std::string out = mark ? "\xFF\xFE" : "";
  for (char c : ascii) out += std::string{c, '\0'};
  return out;
}

std::string utf16be(const std::string& ascii) {
  std::string out = "\xFE\xFF";
  for (char c : ascii) out += std::string{'\0', c};
  return out;
}

struct EncodedFile {
  const char* name;
  std::string bytes;
};

class FrameEncodingTest : public FrameTest, public ::testing::WithParamInterface<EncodedFile> {};

TEST_P(FrameEncodingTest, FileLoadsWithItsPlayers) {
  const std::string path = writeFile("encoded.sgf", GetParam().bytes);
  load(path);
  EXPECT_EQ(frame().collection().size(), 2u);
  EXPECT_EQ(ports.title(), "encoded.sgf  [1/2]  Ann - Bob");
  EXPECT_EQ(frame().game().endNode->moveNumber(), 2u);
}

const char kTwoGames[] = "(;GM[1]FF[4]SZ[19]PB[Ann]PW[Bob];B[pd];W[dp])\r\n(;GM[1]SZ[9];B[ee])";

INSTANTIATE_TEST_SUITE_P(Encodings, FrameEncodingTest,
                         ::testing::Values(EncodedFile{"Utf16LittleEndianWithMark", utf16le(kTwoGames, true)},
                                           EncodedFile{"Utf16LittleEndianWithoutMark", utf16le(kTwoGames, false)},
                                           EncodedFile{"Utf16BigEndian", utf16be(kTwoGames)},
                                           EncodedFile{"Utf8Mark", std::string("\xEF\xBB\xBF") + kTwoGames}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameFileWorkflowTest, Utf16Names_BecomeUtf8) {
  // "Zoë" with the e-diaeresis as one UTF-16 unit.
  std::string bytes = utf16le("(;GM[1]SZ[9]PB[Zo", true);
  bytes += std::string("\xEB\0", 2);
  bytes += utf16le("];B[ee])", false);
  load(writeFile("zoe.sgf", bytes));
  EXPECT_EQ(frame().game().details[DetailField::Player1], "Zo\xC3\xAB");
}

// ---- Save failures: the file on disk keeps its old text ----

struct SaveFailure {
  const char* name;
  FsOp op;
  int code;
  std::vector<std::string> captions;  // of the messages, in order
  bool temporaryKept;                 // the new text stays in the temporary file, as the message says
};

class FrameSaveFailureTest : public FrameTest, public ::testing::WithParamInterface<SaveFailure> {};

TEST_P(FrameSaveFailureTest, OriginalFileIsIntact) {
  const SaveFailure& f = GetParam();
  const std::string path = writeFile("keep.sgf", kThreeGames);
  load(path);
  play(3, 3);
  files.partialBytes = 20;
  files.failAt(f.op, f.code);

  EXPECT_FALSE(frame().files().CmSave());

  EXPECT_EQ(readTextFile(path), kThreeGames);
  EXPECT_TRUE(frame().modified());
  std::vector<std::string> captions;
  for (const std::string& line : ports.takeLines()) captions.push_back(line.substr(0, line.find("] ") + 1));
  EXPECT_EQ(captions, f.captions);
  std::vector<std::string> names = fileNames(dir.path());
  std::erase(names, "appdata");
  EXPECT_EQ(names.size(), f.temporaryKept ? 2u : 1u) << ::testing::PrintToString(names);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FrameSaveFailureTest,
    ::testing::Values(
        SaveFailure{"NoPermissionForTheBackupDirectory", FsOp::CreateDirectory, EACCES,
                    {"[ForceDirectories()]", "[GetBackupName()]"}, false},
        SaveFailure{"NoPermissionForTheTemporaryFile", FsOp::CreateTemp, EACCES, {"[GetTempFileName()]"}, false},
        SaveFailure{"NoSpaceWhileWriting", FsOp::Write, ENOSPC, {"[FrameWin::Save_File()]"}, false},
        SaveFailure{"NoSpaceWhileClosing", FsOp::Close, ENOSPC, {"[CloseHandle()]"}, false},
        SaveFailure{"BackupLinkFails", FsOp::HardLink, EIO, {"[SwapBackupFiles_1(): MoveFile()]", "[CmSave()]"}, true},
        SaveFailure{"RenameOverTheFileFails", FsOp::Rename, EIO,
                    {"[SwapBackupFiles_2(): MoveFile()]", "[CmSave()]"}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameFileWorkflowTest, FailedSwap_TellsWhereTheNewTextIs) {
  const std::string path = writeFile("swap.sgf", kThreeGames);
  load(path);
  play(3, 3);
  files.failAt(FsOp::Rename, EIO);

  EXPECT_FALSE(frame().files().CmSave());

  const std::vector<std::string> lines = ports.takeLines();
  ASSERT_EQ(lines.size(), 2u);
  std::smatch m;
  const std::string last = lines[1];
  ASSERT_TRUE(std::regex_search(last, m, std::regex("held as\\\\r\\\\n\\\\r\\\\n'([^']*)'$"))) << last;
  EXPECT_NE(readTextFile(m[1].str()).find(";B[dd]"), std::string::npos) << "the new text is in " << m[1].str();
}

// ---- Close ----

TEST_F(FrameFileWorkflowTest, CloseWithChangesAndReadOnlyFile_OffersOnlyYesAndNo) {
  const std::string path = writeFile("ro.sgf", kThreeGames);
  load(path);
  play(3, 3);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  const std::string text =
      "File '" + path + "' is marked as read-only and there are unsaved changes.\n\nDo you wish to exit?";

  ports.queueAnswer(Answer::No);
  EXPECT_FALSE(frame().files().OnClose());
  ports.queueAnswer(Answer::Yes);
  EXPECT_TRUE(frame().files().OnClose());
  EXPECT_EQ(ports.takeLines(), (Lines{question("OnClose()", text, "no"), question("OnClose()", text, "yes")}));

  ports.queueAnswer(Answer::Cancel);
  frame().files().OnClose();
  EXPECT_EQ(ports.stop(), ScriptStop::NotOffered) << "a Yes/No box has no Cancel";
  EXPECT_TRUE(backups().empty()) << "nothing was saved";
}

struct CloseCase {
  const char* name;
  Answer answer;
  bool closes;
  bool saved;
};

class FrameCloseTest : public FrameTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(FrameCloseTest, ChangedFile_AsksToSave) {
  const CloseCase& c = GetParam();
  const std::string path = writeFile("close.sgf", kThreeGames);
  load(path);
  play(3, 3);
  ports.queueAnswer(c.answer);

  EXPECT_EQ(frame().files().OnClose(), c.closes);

  const std::vector<std::string> lines = ports.takeLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "[OnClose()] Save " + path + "? ? " +
                          (c.answer == Answer::Yes ? "yes" : c.answer == Answer::No ? "no" : "cancel"));
  EXPECT_EQ(readTextFile(path) != kThreeGames, c.saved);
}

INSTANTIATE_TEST_SUITE_P(Answers, FrameCloseTest,
                         ::testing::Values(CloseCase{"Yes", Answer::Yes, true, true},
                                           CloseCase{"No", Answer::No, true, false},
                                           CloseCase{"Cancel", Answer::Cancel, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameFileWorkflowTest, CloseAfterAFailedSave_StaysOpen) {
  const std::string path = writeFile("full.sgf", kThreeGames);
  load(path);
  play(3, 3);
  files.failAt(FsOp::Write, ENOSPC);
  ports.queueAnswer(Answer::Yes);

  EXPECT_FALSE(frame().files().OnClose()) << "closing would lose the changes the save could not keep";
  EXPECT_TRUE(frame().modified());
}

TEST_F(FrameFileWorkflowTest, CloseWithoutFile_AsksOnlyWhenChanged) {
  EXPECT_TRUE(frame().files().OnClose());
  EXPECT_TRUE(ports.takeLines().empty());
  play(3, 3);
  ports.queueAnswer(Answer::No);
  EXPECT_FALSE(frame().files().OnClose());
  EXPECT_EQ(ports.takeLines(),
              (Lines{question("OnClose()", "Unsaved changes will be lost.\nDo you wish to exit?", "no")}));
}

// "Do not show this again" on "File saved" turns the box into a status-bar line, for Save and Save As alike,
// and the profile keeps the choice.
TEST_F(FrameFileWorkflowTest, FileSavedNotShownAgain_GoesToTheStatusBar) {
  const std::string path = writeFile("games.sgf", kThreeGames);
  load(path);
  play(3, 3);
  ports.queueTick();
  ASSERT_TRUE(frame().files().CmSave());
  const std::string saved = "'" + path + "'\r\n\r\nFile saved\r\n3 games stored in collection\r\n\r\n( " +
                            std::to_string(readTextFile(path).size()) + "  bytes )";
  EXPECT_EQ(ports.takeLines(), (Lines{box("CmSave()", saved) + " [x] Do not show this again"}));
  EXPECT_EQ(ports.status(StatusField::SideToMove).find("File saved"), std::string::npos) << "the box was seen";

  play(4, 4);
  ASSERT_TRUE(frame().files().CmSave());
  EXPECT_TRUE(ports.takeLines().empty());
  EXPECT_EQ(ports.status(StatusField::SideToMove),
            "'" + path + "'  File saved  3 games stored in collection  ( " +
                std::to_string(readTextFile(path).size()) + "  bytes )");

  const std::string other = dir.file("other.sgf");
  ports.queueChoice(other);
  ASSERT_TRUE(frame().files().SaveAs(SaveScope::WholeCollection));
  EXPECT_EQ(ports.takeLines(), (Lines{"{Save SGF File} ? " + other}));
  EXPECT_EQ(ports.status(StatusField::SideToMove).rfind("File '" + other + "' saved  3 games", 0), 0u);

  WriteToINI(profile, frame().appSettings(), frame().recentFiles(), *ports.framePorts().messages);
  EXPECT_FALSE(readAppSettings(profile).showFileSaved);
}

// ---- Save as and export ----

// Where each chooser starts and what it offers: beside the current file, never over it for an export.
TEST_F(FrameFileWorkflowTest, Choosers_StartBesideTheCurrentFile) {
  struct Case {
    const char* title;
    std::function<void(FrameWin&)> open;
    std::string initialPath;  // with the file loaded
    std::string filter;
  };
  const std::string path = writeFile("games.sgf", kThreeGames);
  const std::string openFilter = "Game records|*.sgf;*.hgf|All files|*.*||";
  const std::string saveFilter = "SGF Files  ( *.sgf )|*.sgf|All Files  ( *.* )|*.*||";
  const std::vector<Case> cases = {
      {"Select SGF Game File", [](FrameWin& f) { f.files().LoadSGF(); }, dir.path(), openFilter},
      {"Import SGF file(s) into Collection", [](FrameWin& f) { f.files().CollImport(); }, dir.path(), openFilter},
      {"Save SGF File", [](FrameWin& f) { f.files().SaveAs(SaveScope::WholeCollection); }, path, saveFilter},
      {"Save SGF File", [](FrameWin& f) { f.CmNextGame(); f.files().CmExportCurrentGame(); },
       dir.file("games_2.sgf"), saveFilter},
      {"Save SGF File",
       [](FrameWin& f) {
         for (std::size_t i = 0; i < f.collection().size(); i += 2) f.collection().game(i).markedForExport = true;
         f.files().SaveAs(SaveScope::MarkedGames);
       },
       dir.file("games_selected.sgf"), saveFilter},
  };
  for (const bool loaded : {false, true}) {
    if (loaded) load(path);
    for (const Case& c : cases) {
      ports.queueChoice(std::nullopt);
      c.open(frame());
      ports.takeLines();
      ASSERT_TRUE(ports.lastFileRequest()) << c.title;
      EXPECT_EQ(ports.lastFileRequest()->title, c.title);
      EXPECT_EQ(ports.lastFileRequest()->filter, c.filter) << c.title;
      EXPECT_EQ(ports.lastFileRequest()->initialPath, loaded ? c.initialPath : "") << c.title << " " << loaded;
    }
  }
}

TEST_F(FrameFileWorkflowTest, ExportOfTheCurrentGame_LeavesFileAndTitleAlone) {
  const std::string path = writeFile("all.sgf", kThreeGames);
  load(path);
  frame().CmNextGame();
  play(10, 10);
  ASSERT_TRUE(frame().modified());
  const std::string title = ports.title();
  const std::string exported = dir.file("second.sgf");
  ports.queueChoice(exported);

  frame().files().CmExportCurrentGame();

  const std::vector<std::string> lines = ports.takeLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "{Save SGF File} ? " + exported);
  EXPECT_EQ(lines[1].rfind("[SaveAs()] File '" + exported + "' saved\\r\\n\\r\\n( ", 0), 0u) << lines[1];
  EXPECT_EQ(frame().currentFile(), path);
  EXPECT_EQ(ports.title(), title);
  EXPECT_TRUE(frame().modified()) << "the collection's own changes are still unsaved";
  EXPECT_EQ(frame().recentFiles().entries().front(), exported);
  const std::string text = readTextFile(exported);
  EXPECT_NE(text.find("GN[Second]"), std::string::npos);
  EXPECT_EQ(text.find("Spring cup"), std::string::npos);
  EXPECT_EQ(text.find("Small board"), std::string::npos);
}

TEST_F(FrameFileWorkflowTest, SaveAsOfTheCollection_MakesTheNewFileCurrent) {
  load(writeFile("from.sgf", kThreeGames));
  play(3, 3);
  const std::string target = dir.file("to.sgf");
  ports.queueChoice(target);

  EXPECT_TRUE(frame().files().SaveAs(SaveScope::WholeCollection));

  EXPECT_EQ(frame().currentFile(), target);
  EXPECT_EQ(ports.title(), "to.sgf  [1/3]  Ann - Bob");
  EXPECT_FALSE(frame().modified());
  EXPECT_TRUE(backups().empty()) << "save as keeps no backup";
}

// A Save As that cannot make its file names that file, under the caption of its creation; nothing is left.
struct SaveAsFailure {
  const char* name;
  FsOp op;
  const char* caption;
  bool namesTheFile;  // "'%s'\n%s\nError Code is %d" with the chosen file
};

class FrameSaveAsFailureTest : public FrameTest, public ::testing::WithParamInterface<SaveAsFailure> {};

TEST_P(FrameSaveAsFailureTest, IsToldAndLeavesNoFile) {
  const SaveAsFailure& f = GetParam();
  load(writeFile("from.sgf", kThreeGames));
  play(3, 3);
  const std::string target = dir.file("to.sgf");
  ports.queueChoice(target);
  files.failAt(f.op, EACCES);

  EXPECT_FALSE(frame().files().SaveAs(SaveScope::WholeCollection));

  const std::vector<std::string> lines = ports.takeLines();
  ASSERT_EQ(lines.size(), 2u);
  if (f.namesTheFile)
    EXPECT_EQ(lines[1], box(f.caption, "'" + target + "'\n" + std::strerror(EACCES) + "\nError Code is " +
                                           std::to_string(EACCES)));
  else
    EXPECT_EQ(lines[1].rfind("[" + std::string(f.caption) + "]", 0), 0u) << lines[1];
  EXPECT_TRUE(frame().modified());
  EXPECT_EQ(frame().currentFile(), dir.file("from.sgf"));
  EXPECT_EQ(fileNames(dir.path()), (Lines{"from.sgf"})) << "neither the file nor a temporary one";
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FrameSaveAsFailureTest,
    ::testing::Values(SaveAsFailure{"NoPermissionToCreate", FsOp::CreateTemp, "SaveAs(): CreateFile()", true},
                      SaveAsFailure{"RenameIntoPlaceFails", FsOp::Rename, "SaveAs(): CreateFile()", true},
                      SaveAsFailure{"WriteFails", FsOp::Write, "FrameWin::Save_File()", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameFileWorkflowTest, SaveWithoutFile_RunsSaveAsAndStaysWithoutFileWhenCancelled) {
  play(3, 3);
  ports.queueChoice(std::nullopt);
  EXPECT_FALSE(frame().files().CmSave());
  EXPECT_EQ(ports.takeLines(), (Lines{"{Save SGF File} ? (cancel)"}));
  EXPECT_EQ(frame().currentFile(), "");
}

// ---- Load ----

TEST_F(FrameFileWorkflowTest, LoadOfTheCurrentFile_AsksBeforeReloading) {
  const std::string path = writeFile("same.sgf", kThreeGames);
  load(path);
  play(3, 3);
  ports.queueAnswer(Answer::Yes);
  ports.queueChoice(path);
  ports.queueAnswer(Answer::No);

  frame().files().LoadSGF();

  EXPECT_EQ(ports.takeLines(),
              (Lines{question("LoadSGF()", "Unsaved changes will be lost\nDo you wish to load a new game file?", "yes"),
                          "{Select SGF Game File} ? " + path,
                          question("LoadSGF()",
                                   "The file '" + path + "' is currently loaded\n\nDo you wish to reload from disk?", "no")}));
  EXPECT_NE(frame().game().endNode->moveNumber(), 3u) << "the game was not read again";
}

TEST_F(FrameFileWorkflowTest, LoadThatReplacesNothing_KeepsTheChangesMarked) {
  const std::string path = writeFile("kept.sgf", kThreeGames);
  load(path);
  play(3, 3);
  // Agreed to lose the changes, then declined the reload of the same file.
  ports.queueAnswer(Answer::Yes);
  ports.queueChoice(path);
  ports.queueAnswer(Answer::No);
  frame().files().LoadSGF();
  EXPECT_TRUE(frame().modified());
  // Agreed again, then chose a file that cannot be read.
  ports.queueAnswer(Answer::Yes);
  ports.queueChoice(dir.file("missing.sgf"));
  frame().files().LoadSGF();
  EXPECT_TRUE(frame().modified()) << "the changed collection is still there";
  ports.takeLines();
  ports.queueAnswer(Answer::Cancel);
  EXPECT_FALSE(frame().files().OnClose());
  EXPECT_EQ(ports.takeLines(), (Lines{"[OnClose()] Save " + path + "? ? cancel"})) << "closing still asks";
}

TEST_F(FrameFileWorkflowTest, LoadOfAnotherFile_ClearsTheChanges) {
  load(writeFile("old.sgf", kThreeGames));
  play(3, 3);
  const std::string other = writeFile("new.sgf", "(;GM[1]SZ[9];B[ee])");
  ports.queueAnswer(Answer::Yes);
  ports.queueChoice(other);

  frame().files().LoadSGF();

  EXPECT_EQ(frame().currentFile(), other);
  EXPECT_FALSE(frame().modified());
  EXPECT_EQ(ports.title(), "new.sgf");
}

TEST_F(FrameFileWorkflowTest, EmptyCollection_KeepsTheKindAndRulesOfTheGameItReplaces) {
  load(writeFile("pente.sgf", "(;GM[1]FF[4]SZ[15]RU[Pente];B[hh];W[ii])"));
  ports.queueAnswer(Answer::Yes);

  frame().files().CmCollEmpty();

  EXPECT_EQ(ports.takeLines(), (Lines{question("CmCollEmpty()", "Create an empty collection?", "yes")}));
  EXPECT_EQ(frame().game().width(), 15);
  EXPECT_EQ(frame().game().details[DetailField::Rules], "Pente");
  EXPECT_EQ(frame().currentFile(), "");
  EXPECT_EQ(ports.title(), "Pente");
}

// ---- Start-up ----

TEST_F(FrameFileWorkflowTest, StartupWithTwoNames_LoadsTheFirstAndListsTheSecond) {
  const std::string first = writeFile("first.sgf", kThreeGames);
  writeFile("second.sgf", kThreeGames);

  frame().files().decideStartupFile({"first.sgf", "\"second.sgf\""});

  EXPECT_EQ(ports.takeLines(),
              (Lines{box("FrameWin::FrameWin ()", "Unable to load multiple files.\r\n\r\n'" + first +
                                                           "'\r\n\r\nwill been loaded.\r\nThe following will not be "
                                                           "loaded:\r\n\r\n\"second.sgf\"\r\n")}));
  EXPECT_EQ(frame().currentFile(), "") << "the file is loaded on the first paint";
  frame().files().firstPaint();
  EXPECT_EQ(frame().currentFile(), first);
  EXPECT_EQ(frame().collection().size(), 3u);
}

// A name on the command line that cannot be loaded gets the message the menu's Load File gives for it;
// the most recent file is not used in its place, and a recent file gone since is passed over quietly.
TEST_F(FrameFileWorkflowTest, StartupName_ThatCannotBeLoadedGetsTheLoadMessage) {
  const std::string last = writeFile("last.sgf", kThreeGames);
  frame().recentFiles().add(last);
  struct Fresh : FrameTest {  // a frame that starts with the name on its command line
    void TestBody() override {}
    using FrameTest::frame;
    using FrameTest::ports;
  };
  for (const std::string name : {"missing.sgf", "."}) {
    const std::string path = dir.path() + "/" + name;
    ports.queueChoice(path);
    frame().files().LoadSGF();
    std::vector<std::string> fromMenu = ports.takeLines();
    ASSERT_FALSE(fromMenu.empty()) << name;
    fromMenu.erase(fromMenu.begin());  // the chooser's line

    Fresh fresh;
    fresh.frame().files().decideStartupFile({path});
    fresh.frame().files().firstPaint();
    EXPECT_EQ(fresh.ports.takeLines(), fromMenu) << name;
    EXPECT_EQ(fresh.frame().currentFile(), "") << name;
  }

  frame().files().decideStartupFile({});
  EXPECT_EQ(frame().files().startupFile(), last) << "\"OpenLast\" is on by default";
  std::filesystem::remove(last);
  frame().files().decideStartupFile({});
  EXPECT_EQ(frame().files().startupFile(), "");
  EXPECT_TRUE(ports.takeLines().empty());
}

}  // namespace
}  // namespace meridax::testing
