#pragma once
// The game information dialog of one game: its title, its fields in the order they stand, and what
// "Accept" does with the texts.

#include <string>
#include <vector>

#include "model/grid_frame.h"

namespace meridax {

struct DetailsFormField {
  DetailField field;
  std::string label;
};

inline constexpr char kDateHint[] = "( YYYY-MM-DD )";

// "Game Information " followed by the kind: " ( Go )", " ( Othello / Reversi )", ...
std::string gameDetailsTitle(const SGridFrame& game);

// The editable texts, top to bottom: game name, player 1 and his rating, player 2 and his rating, place,
// source, event, round, date, result, annotator, format and game comment; for Go boards also handicap,
// komi and rules. Players are "Black" and "White" on Othello and Go boards, "White" and "Black" in
// Havannah and Side Stitch, "Player1" and "Player2" otherwise.
std::vector<DetailsFormField> gameDetailsFields(const SGridFrame& game);

// What the game information dialog shows of one game: its title, its fields and the texts they start with.
struct GameDetailsForm {
  std::string title;
  std::vector<DetailsFormField> fields;
  SSGFDetails details;
};
GameDetailsForm gameDetailsForm(const SGridFrame& game);

// "Accept": when any of the 17 texts differs from the game's, the game takes them all and its
// information is marked changed. Returns true when the game changed.
bool acceptGameDetails(SGridFrame& game, const SSGFDetails& edited);

}  // namespace meridax
