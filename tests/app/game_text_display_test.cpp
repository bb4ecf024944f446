// Texts of games in their own character set as the window shows them (title, status, players list,
// game information, named positions, labels) and as the dialogs store what the person types back.

#include "app/frame_test_support.h"
#include "app/typed_text.h"
#include "collection/game_details.h"
#include "collection/players.h"
#include "edit/bookmarks.h"
#include "model/node_texts.h"

namespace meridax::testing {
namespace {

using Lines = std::vector<std::string>;

// 古力 in GB2312 and UTF-8, 囲碁 in Shift_JIS and UTF-8, Rémi in Latin-1 and UTF-8.
constexpr char kGuLiGb[] = "\xB9\xC5\xC1\xA6";
constexpr char kGuLi[] = "\xE5\x8F\xA4\xE5\x8A\x9B";
constexpr char kIgoSjis[] = "\x88\xCD\x8C\xE9";
constexpr char kIgo[] = "\xE5\x9B\xB2\xE7\xA2\x81";
constexpr char kRemiLatin1[] = "R\xE9mi";
constexpr char kRemi[] = "R\xC3\xA9mi";

class GameTextDisplayTest : public FrameTest {
 protected:
  SGridFrame& open(const std::string& text) {
    path = writeFile("game.sgf", text);
    load(path);
    return frame().game();
  }
  void run(const char* name) { ASSERT_TRUE(frame().runCommand(name)) << name; }
  bool told() {
    for (const std::string& line : ports.takeLines())
      if (line.find("FrameWin::StoreText()") != std::string::npos) return true;
    return false;
  }
  std::string path;
};

struct ShownCase {
  const char* what;
  std::string sgf;
  std::string player;  // both players and the node name carry it; shown as UTF-8
};

class ShownTexts : public GameTextDisplayTest, public ::testing::WithParamInterface<ShownCase> {};

TEST_P(ShownTexts, TitleStatusPlayersListAndNamedPositions_ShowTheDecodedText) {
  const ShownCase& c = GetParam();
  open(c.sgf);
  frame().runCommand("CmEndPosition");
  EXPECT_NE(ports.title().find(c.player + " - " + c.player + "2"), std::string::npos) << ports.title();
  EXPECT_NE(ports.status(StatusField::SideToMove).find("[ " + c.player + " ]"), std::string::npos) << ports.status(StatusField::SideToMove);

  run("CmPlayerStatistics");
  const ListWindow& list = *frame().lists().topList();
  ASSERT_EQ(list.players.size(), 2u);
  EXPECT_EQ(list.players.cell(0, static_cast<int>(PlayersColumn::Player)), c.player);
  EXPECT_EQ(list.players.rowOf(c.player), 0u);
  frame().lists().closeAllLists();

  PositionListModel names(frame().game(), PositionListKind::NodeNames);
  ASSERT_EQ(names.rowCount(), 1u);
  EXPECT_EQ(names.name(0), c.player);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShownTexts,
    ::testing::Values(
        ShownCase{"Gb2312", std::string("(;CA[GB2312]GM[1]SZ[9]PB[") + kGuLiGb + "]PW[" + kGuLiGb + "2];B[ee]N[" +
                                kGuLiGb + "])",
                  kGuLi},
        ShownCase{"ShiftJis", std::string("(;CA[SJIS]GM[1]SZ[9]PB[") + kIgoSjis + "]PW[" + kIgoSjis + "2];B[ee]N[" +
                                  kIgoSjis + "])",
                  kIgo},
        ShownCase{"Latin1WithoutCa",
                  std::string("(;GM[1]SZ[9]PB[") + kRemiLatin1 + "]PW[" + kRemiLatin1 + "2];B[ee]N[" + kRemiLatin1 + "])",
                  kRemi},
        ShownCase{"Utf8", std::string("(;CA[UTF-8]GM[1]SZ[9]PB[") + kIgo + "]PW[" + kIgo + "2];B[ee]N[" + kIgo + "])",
                  kIgo}),
    [](const ::testing::TestParamInfo<ShownCase>& info) { return std::string(info.param.what); });

// ---- Game information: the form shows UTF-8, the game keeps its own set ----

struct DetailsCase {
  const char* what;
  std::string sgf;
  std::string typedEvent;  // UTF-8
  std::string storedEvent;
  std::string player1;     // the bytes of PB afterwards (never edited)
  std::string characterSet;
  bool told;
};

class EditedDetails : public GameTextDisplayTest, public ::testing::WithParamInterface<DetailsCase> {};

TEST_P(EditedDetails, AChangedTextIsStoredInTheGamesSet_UntouchedTextsKeepTheirBytes) {
  const DetailsCase& c = GetParam();
  SGridFrame& g = open(c.sgf);
  const GameDetailsForm form = gameDetailsForm(g);
  for (const DetailsFormField& field : form.fields)
    ports.queueInput(field.field == DetailField::Event ? c.typedEvent : textForEditing(g, g.details[field.field]));
  run("CmGameDetails");
  SGridFrame& after = frame().game();
  EXPECT_EQ(after.details[DetailField::Event], c.storedEvent);
  EXPECT_EQ(after.details[DetailField::Player1], c.player1);
  EXPECT_EQ(after.characterSet, c.characterSet);
  EXPECT_EQ(told(), c.told);
  EXPECT_TRUE(frame().modified());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditedDetails,
    ::testing::Values(
        DetailsCase{"Latin1", std::string("(;CA[ISO-8859-1]GM[1]SZ[9]PB[") + kRemiLatin1 + "];B[ee])",
                    "Caf\xC3\xA9", "Caf\xE9", kRemiLatin1, "ISO-8859-1", false},
        // A byte GB2312 has no character for is shown as U+FFFD, yet the name it is in keeps it.
        DetailsCase{"Gb2312WithABrokenName", std::string("(;CA[GB2312]GM[1]SZ[9]PB[") + kGuLiGb + "\xFF];B[ee])",
                    kGuLi, kGuLiGb, std::string(kGuLiGb) + "\xFF", "GB2312", false},
        DetailsCase{"NoFormInLatin1", std::string("(;CA[ISO-8859-1]GM[1]SZ[9]PB[") + kRemiLatin1 + "];B[ee])",
                    "\xE2\x82\xAC" "5", "\xE2\x82\xAC" "5", kRemi, "UTF-8", true}),
    [](const ::testing::TestParamInfo<DetailsCase>& info) { return std::string(info.param.what); });

// ---- Players renamed across games of different sets ----

TEST_F(GameTextDisplayTest, RenamedPlayer_IsStoredInEachGamesSet) {
  open(std::string("(;CA[ISO-8859-1]GM[1]SZ[9]XS[]PB[") + kRemiLatin1 + "]PW[Bob];B[ee])" +
       "(;CA[ISO-8859-1]GM[1]SZ[9]PB[Bob]PW[" + kRemiLatin1 + "];B[cc])(;CA[UTF-8]GM[1]SZ[9]PB[Bob]PW[Cy];B[dd])");
  run("CmPlayerStatistics");
  const std::optional<std::size_t> row = frame().lists().topList()->players.rowOf(kRemi);
  ASSERT_TRUE(row.has_value());
  frame().lists().selectListRows({*row});
  ports.queueInput("Ren\xC3\xA9");
  run("CmFoldersFind");
  EXPECT_EQ(frame().collection().game(0).details[DetailField::Player1], "Ren\xE9");
  EXPECT_EQ(frame().collection().game(1).details[DetailField::Player2], "Ren\xE9");
  EXPECT_EQ(frame().collection().game(2).details[DetailField::Player1], "Bob");
  EXPECT_FALSE(told());
  EXPECT_EQ(frame().lists().topList()->players.rowOf("Ren\xC3\xA9"), row);
}

TEST_F(GameTextDisplayTest, EventThatGoesAGameNotYetOpenedOverToUtf8_TakesItsCommentsAlong) {
  open("(;CA[ISO-8859-1]GM[1]SZ[9]XS[];B[ee])(;CA[ISO-8859-1]GM[1]SZ[9];B[cc]C[d\xE9j\xE0])");
  ASSERT_FALSE(frame().collection().game(1).treeLoaded);
  run("CmCollectionList");
  frame().lists().selectListRows({1});
  ports.queueInput("\xE2\x82\xAC");
  run("CmFoldersSetEvents");
  EXPECT_TRUE(told());
  frame().lists().closeAllLists();
  ASSERT_TRUE(frame().files().CmSave());

  open(readTextFile(path));
  frame().makeCurrent(1, false);
  const SGridFrame& second = frame().game();
  EXPECT_EQ(second.characterSet, "UTF-8");
  EXPECT_EQ(second.details[DetailField::Event], "\xE2\x82\xAC");
  EXPECT_EQ(commentOf(second, second.firstNode->next()), "d\xC3\xA9j\xC3\xA0");
}

TEST_F(GameTextDisplayTest, RenamedNamedPosition_AndLabel_AreStoredInTheGamesSet) {
  SGridFrame& g = open(std::string("(;CA[Shift_JIS]GM[1]SZ[9];B[ee]N[") + kIgoSjis + "]LB[aa:" + kIgoSjis + "])");
  PositionListModel names(g, PositionListKind::NodeNames);
  names.setTypedTextStore([&](const std::string& typed) { return textForStoring(frame(), g, typed); });
  EXPECT_FALSE(names.rename(0, kIgo)) << "unchanged";
  EXPECT_TRUE(names.rename(0, std::string(kIgo) + "2"));
  EXPECT_EQ(nameOf(g, g.endNode), std::string(kIgoSjis) + "2");

  frame().runCommand("CmEndPosition");
  g.cursorX = g.cursorY = 0;
  ports.queueInput(std::string(kIgo) + "!");
  run("CmLabel");
  EXPECT_NE(markupOf(g, g.endNode).find(std::string(kIgoSjis) + "!]"), std::string::npos) << markupOf(g, g.endNode);
  EXPECT_EQ(g.characterSet, "Shift_JIS");
}

}  // namespace
}  // namespace meridax::testing
