#include "collection/game_details.h"

namespace meridax {

namespace {

constexpr char kRatingsLabel[] = "( Ratings )";

struct PlayerLabels {
  const char* first;
  const char* second;
};

PlayerLabels playerLabels(GameKind kind) {
  switch (kind) {
    case GameKind::Othello:
    case GameKind::Go: return {"Black", "White"};
    case GameKind::Havannah:
    case GameKind::SideStitch: return {"White", "Black"};
    default: return {"Player1", "Player2"};
  }
}

}  // namespace

std::string gameDetailsTitle(const SGridFrame& game) {
  std::string title = "Game Information ";
  switch (game.kind()) {
    case GameKind::Othello: return title + " ( Othello / Reversi )";
    case GameKind::Go: return title + " ( Go )";
    case GameKind::Hex: return title + " ( Hex )";
    case GameKind::Havannah: return title + " ( Havannah )";
    case GameKind::Unlur: return title + " ( Unlur )";
    case GameKind::Kropki: return title + " ( Kropki )";
    default: return title;
  }
}

std::vector<DetailsFormField> gameDetailsFields(const SGridFrame& game) {
  const PlayerLabels players = playerLabels(game.kind());
  std::vector<DetailsFormField> fields = {
      {DetailField::GameName, "Game Name"},
      {DetailField::Player1, players.first},
      {DetailField::Player1Rank, kRatingsLabel},
      {DetailField::Player2, players.second},
      {DetailField::Player2Rank, kRatingsLabel},
      {DetailField::Place, "Place"},
      {DetailField::Source, "Source"},
      {DetailField::Event, "Event"},
      {DetailField::Round, "Round"},
      {DetailField::Date, "Date"},
      {DetailField::Result, "Result"},
      {DetailField::Annotator, "Annotated"},
      {DetailField::FileFormat, "SGF Version"},
      {DetailField::GameComment, "Game Comments"},
  };
  if (game.kind() == GameKind::Go) {
    fields.push_back({DetailField::Handicap, "Handicap"});
    fields.push_back({DetailField::Komi, "Komi"});
    fields.push_back({DetailField::Rules, "Rules"});
  }
  return fields;
}

GameDetailsForm gameDetailsForm(const SGridFrame& game) {
  return GameDetailsForm{gameDetailsTitle(game), gameDetailsFields(game), game.details};
}

bool acceptGameDetails(SGridFrame& game, const SSGFDetails& edited) {
  if (edited == game.details) return false;
  game.details = edited;
  game.markDetailsChanged();
  game.invalidateStatistics();  // the game comment counts among the comments
  return true;
}

}  // namespace meridax
