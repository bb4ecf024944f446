// The collection's list windows and the game information form, driven as a user drives them: keys on the
// list, the header's sorting, the selection, nested lists, and the form's Accept and Cancel.

#include "view/list_dialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>

#include "view/game_info_dialog.h"
#include "view/list_table_model.h"
#include "view/list_windows.h"
#include "view_test_support.h"

namespace meridax {
namespace {

// Four games; Ann plays three of them, Dee one. Only the first game's tree is read when the file loads.
constexpr char kGames[] =
    "(;GM[1]FF[4]SZ[19]GN[First]PB[Ann]PW[Bob]RE[B+R];B[aa];W[bb])"
    "(;GM[1]FF[4]SZ[9]GN[Second]PB[Cid]PW[Ann]RE[W+2];B[cc])"
    "(;GM[1]FF[4]SZ[13]GN[Third]PB[Bob]PW[Cid];B[aa];W[bb];B[cc];W[dd])"
    "(;GM[11]FF[4]SZ[11]GN[Fourth]PB[Ann]PW[Dee])";

class ListDialogTest : public view_testing::WindowTest {
 protected:
  // A window over the four games; `realForms` gives it the real game information form.
  std::unique_ptr<MainWindow> openGames(bool realForms = false) {
    FramePorts ports = scripted.framePorts();
    ports.window = nullptr;
    if (realForms) ports.listDialogs = nullptr;
    auto window = std::make_unique<MainWindow>(MainWindowSetup{profile, files, readAppSettings(profile), environment(), ports});
    window->show();
    const std::string path = writeFile("games.sgf", kGames);
    window->run([&] { window->frame().files().ReLoad(path); });
    return window;
  }

  // The texts of one column, top to bottom as the view shows them.
  static std::vector<std::string> shownColumn(ListDialog& list, int column) {
    std::vector<std::string> texts;
    for (std::size_t row : list.shownOrder()) texts.push_back(list.rows().cellText(static_cast<int>(row), column));
    return texts;
  }

  static void selectShownRows(ListDialog& list, const std::vector<int>& rows) {
    QItemSelectionModel& model = *list.view().selectionModel();
    model.clearSelection();
    for (int row : rows)
      model.select(list.view().model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }

  std::string gameNames(FrameWin& frame) {
    std::string names;
    for (std::size_t i = 0; i < frame.collection().size(); ++i)
      names += frame.collection().game(i).details[DetailField::GameName] + ";";
    return names;
  }
};

using Names = std::vector<std::string>;

TEST_F(ListDialogTest, GamesList_IsAModalWindowOverTheFramesRows) {
  auto window = openGames();
  window->runCommand("CmCollectionList");
  ASSERT_EQ(window->listWindows().count(), 1u);
  ListDialog& list = *window->listWindows().top();
  EXPECT_TRUE(list.isVisible());
  EXPECT_TRUE(list.isModal());
  EXPECT_EQ(list.windowTitle(), QStringLiteral("Collection Details"));
  const QAbstractItemModel& model = *list.view().model();
  ASSERT_EQ(model.columnCount(), 13);
  EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Player 1"));
  EXPECT_EQ(model.headerData(9, Qt::Horizontal).toString(), QStringLiteral("N"));
  EXPECT_EQ(model.rowCount(), 4);
  EXPECT_EQ(model.index(3, 6).data().toString(), QStringLiteral("HEX"));
  EXPECT_TRUE(model.index(0, 9).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
  EXPECT_FALSE(model.index(0, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
  EXPECT_EQ(list.view().selectionModel()->selectedRows().size(), 1) << "the current game is selected";
}

TEST_F(ListDialogTest, HeaderSorting_OrdersRowsByTheColumnsValues) {
  auto window = openGames();
  window->runCommand("CmCollectionList");
  ListDialog& list = *window->listWindows().top();
  struct Case {
    int column;
    Qt::SortOrder order;
    Names names;
  };
  const Case cases[] = {
      {3, Qt::AscendingOrder, {"First", "Fourth", "Third", "Second"}},   // Player 1: Ann, Ann, Bob, Cid
      {7, Qt::AscendingOrder, {"Second", "Fourth", "Third", "First"}},   // SZ by value: 9, 11, 13, 19
      {4, Qt::DescendingOrder, {"Fourth", "Third", "First", "Second"}},  // Player 2: Dee, Cid, Bob, Ann
      {0, Qt::AscendingOrder, {"First", "Second", "Third", "Fourth"}},   // the collection's order
  };
  for (const Case& c : cases) {
    list.view().sortByColumn(c.column, c.order);
    EXPECT_EQ(shownColumn(list, 1), c.names) << "column " << c.column;
  }
  EXPECT_EQ(gameNames(window->frame()), "First;Second;Third;Fourth;") << "sorting leaves the collection alone";
}

TEST_F(ListDialogTest, AltArrows_MoveTheSelectedGamesInTheCollectionsOrder) {
  auto window = openGames();
  window->runCommand("CmCollectionList");
  ListDialog& list = *window->listWindows().top();
  list.view().sortByColumn(3, Qt::AscendingOrder);  // First, Fourth, Third, Second
  selectShownRows(list, {0, 1});
  EXPECT_EQ(window->frame().lists().topList()->selected, (std::vector<std::size_t>{0, 3}));
  QTest::keyClick(&list.view(), Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(list.view().header()->sortIndicatorSection(), 0) << "moves show the collection's order";
  EXPECT_EQ(gameNames(window->frame()), "Second;First;Third;Fourth;");
  QTest::keyClick(&list.view(), Qt::Key_Home, Qt::AltModifier);
  EXPECT_EQ(gameNames(window->frame()), "First;Fourth;Second;Third;");
  EXPECT_EQ(window->frame().lists().topList()->selected, (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(list.view().selectionModel()->selectedRows().size(), 2) << "the selection moves with the games";
  EXPECT_TRUE(window->frame().modified());
}

TEST_F(ListDialogTest, DeleteKey_ErasesAfterTheQuestionAndTheListFollows) {
  auto window = openGames();
  window->runCommand("CmCollectionList");
  ListDialog& list = *window->listWindows().top();
  selectShownRows(list, {2});
  scripted.queueAnswer(Answer::Yes);
  QTest::keyClick(&list.view(), Qt::Key_Delete);
  EXPECT_EQ(gameNames(window->frame()), "First;Second;Fourth;");
  EXPECT_EQ(list.view().model()->rowCount(), 3);
  EXPECT_EQ(shownColumn(list, 0), (Names{"1", "2", "3"}));
}

TEST_F(ListDialogTest, PlayersList_ReturnOpensTheirGamesAboveAndNavigatingClosesBoth) {
  auto window = openGames();
  window->runCommand("CmPlayerStatistics");
  ASSERT_EQ(window->listWindows().count(), 1u);
  ListDialog& players = *window->listWindows().top();
  EXPECT_EQ(players.windowTitle(), QStringLiteral("Players Statistics"));
  EXPECT_EQ(shownColumn(players, 1), (Names{"Ann", "Bob", "Cid", "Dee"}));
  selectShownRows(players, {3});
  QTest::keyClick(&players.view(), Qt::Key_Return);
  ASSERT_EQ(window->listWindows().count(), 2u);
  ListDialog& games = *window->listWindows().top();
  EXPECT_EQ(games.parentWidget(), &players);
  EXPECT_EQ(shownColumn(games, 1), (Names{"Fourth"}));
  selectShownRows(games, {0});
  QTest::keyClick(&games.view(), Qt::Key_Return);
  EXPECT_EQ(window->listWindows().count(), 0u);
  EXPECT_FALSE(window->frame().lists().listOpen());
  EXPECT_EQ(window->frame().collection().currentIndex(), 3u);
}

TEST_F(ListDialogTest, Escape_ClosesOnlyTheTopList) {
  auto window = openGames();
  window->runCommand("CmPlayerStatistics");
  selectShownRows(*window->listWindows().top(), {0});
  QTest::keyClick(&window->listWindows().top()->view(), Qt::Key_Return);
  ASSERT_EQ(window->listWindows().count(), 2u);
  QTest::keyClick(window->listWindows().top(), Qt::Key_Escape);
  EXPECT_EQ(window->listWindows().count(), 1u);
  EXPECT_EQ(window->frame().lists().listCount(), 1u);
  QTest::keyClick(window->listWindows().top(), Qt::Key_Escape);
  EXPECT_EQ(window->listWindows().count(), 0u);
  EXPECT_FALSE(window->frame().lists().listOpen());
}

TEST_F(ListDialogTest, GeometryAndColumnWidths_AreKeptPerList) {
  auto window = openGames();
  window->runCommand("CmCollectionList");
  ListDialog* list = window->listWindows().top();
  list->setGeometry(QRect(60, 50, 900, 520));
  list->view().setColumnWidth(1, 150);
  QTest::keyClick(list, Qt::Key_Escape);
  const std::optional<DialogGeometry>& kept = window->frame().appSettings().foldersDimensions;
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->columnWidths[1], 150);
  EXPECT_FALSE(window->frame().appSettings().playersListDimensions.has_value());
  window->runCommand("CmCollectionList");
  list = window->listWindows().top();
  EXPECT_EQ(list->size(), QSize(900, 520));
  EXPECT_EQ(list->view().columnWidth(1), 150);
}

// ---- Game information ----

// Acts on the game information form once it is shown, from inside its own event loop.
void whenFormShows(const std::function<void(GameInfoDialog&)>& act) {
  QTimer::singleShot(0, [act] {
    auto* form = qobject_cast<GameInfoDialog*>(QApplication::activeModalWidget());
    if (form == nullptr) {
      ADD_FAILURE() << "no game information form is shown";
      return;
    }
    act(*form);
  });
}

void setField(GameInfoDialog& form, DetailField field, const char* text) {
  auto* edit = qobject_cast<QLineEdit*>(form.editor(field));
  ASSERT_NE(edit, nullptr);
  edit->setText(QString::fromUtf8(text));
}

TEST_F(ListDialogTest, GameInformation_FilledFromTheGameWrittenBackOnAcceptOnly) {
  auto window = openGames(true);
  FrameWin& frame = window->frame();
  whenFormShows([](GameInfoDialog& form) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Game Information  ( Go )"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(form.editor(DetailField::Player1))->text(), QStringLiteral("Ann"));
    setField(form, DetailField::Komi, "6.5");
    form.reject();
  });
  window->runCommand("CmGameDetails");
  EXPECT_EQ(frame.game().details[DetailField::Komi], "");
  EXPECT_FALSE(frame.modified());

  whenFormShows([](GameInfoDialog& form) {
    setField(form, DetailField::Komi, "6.5");
    setField(form, DetailField::Event, "Club night");
    form.accept();
  });
  window->runCommand("CmGameDetails");
  EXPECT_EQ(frame.game().details[DetailField::Komi], "6.5");
  EXPECT_EQ(frame.game().details[DetailField::Event], "Club night");
  EXPECT_EQ(frame.game().details[DetailField::Player1], "Ann") << "untouched fields keep their texts";
  EXPECT_TRUE(frame.modified());
}

TEST_F(ListDialogTest, GameInformationFromTheList_OpensOverItForTheSelectedGame) {
  auto window = openGames(true);
  window->runCommand("CmCollectionList");
  ListDialog& list = *window->listWindows().top();
  selectShownRows(list, {3});
  whenFormShows([&list](GameInfoDialog& form) {
    EXPECT_EQ(form.parentWidget(), &list);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Game Information  ( Hex )"));
    EXPECT_EQ(form.editor(DetailField::Handicap), nullptr) << "Handicap, Komi and Rules belong to Go boards";
    EXPECT_EQ(form.editor(DetailField::Rules), nullptr);
    setField(form, DetailField::Player2, "Dora");
    form.accept();
  });
  QTest::keyClick(&list.view(), Qt::Key_F9);
  EXPECT_EQ(window->frame().collection().game(3).details[DetailField::Player2], "Dora");
  EXPECT_EQ(list.rows().cellText(3, 4), "Dora") << "the list shows the new name";
}

TEST(GameInfoDialog, PlayerLabelsAndFieldsFollowTheKind) {
  view_testing::application();
  struct Case {
    GameKind kind;
    const char* first;
    bool goFields;
  };
  const Case cases[] = {{GameKind::Go, "Black", true}, {GameKind::Othello, "Black", false},
                        {GameKind::Havannah, "White", false}, {GameKind::Kropki, "Player1", false}};
  for (const Case& c : cases) {
    Collection games;
    SGridFrame& game = games.game(games.createGame(c.kind, 9, 9, Collection::npos));
    game.details[DetailField::GameComment] = "Line one\nLine two";
    GameInfoDialog form(gameDetailsForm(game), nullptr);
    QString firstLabel;
    for (const QLabel* label : form.findChildren<QLabel*>())
      if (label->buddy() == form.editor(DetailField::Player1)) firstLabel = label->text();
    EXPECT_EQ(firstLabel, QString::fromUtf8(c.first)) << static_cast<int>(c.kind);
    EXPECT_EQ(form.editor(DetailField::Komi) != nullptr, c.goFields) << static_cast<int>(c.kind);
    EXPECT_EQ(form.details(), game.details) << "an untouched form gives the game's texts back";
  }
}

}  // namespace
}  // namespace meridax
