#pragma once
// Othello / Reversi: legality of a move, the pieces it flips, the cells available to the side to
// move, and who moves after a move when a side has no cell.

#include <string>
#include <vector>

#include "model/board_position.h"
#include "model/game_kind.h"
#include "rules/move_result.h"
#include "rules/placement.h"

namespace meridax {

// Accepted when a piece of `side` at (x, y) would flip something; NoForeignNeighbour when no
// opponent piece borders (x, y); NoHomeColour when one does but no line ends in a piece of `side`.
// Only the neighbours and lines are examined (whether (x, y) is empty is checkPlacement's
// business); a point outside the square gives OutOfRange.
MoveResult othelloLegality(const BoardPosition& pos, int x, int y, Colour side);

// The cells (indexes) a piece of colour c at (x, y) would flip, direction by direction, nearest
// first; empty when it flips nothing. Used to highlight the capture before a move.
std::vector<int> othelloFlipPreview(const BoardPosition& pos, int x, int y, Colour c);

// Turns the pieces that a piece of colour c at (x, y) encloses into c; the piece itself is not
// placed. Returns the flipped cells, as othelloFlipPreview would have listed them.
std::vector<int> applyOthelloFlips(BoardPosition& pos, int x, int y, Colour c);

struct OthelloMoveOutcome {
  MoveResult result = MoveResult::Accepted;
  std::vector<int> flipped;  // cell indexes, in flipping order

  bool accepted() const { return result == MoveResult::Accepted; }
};

// Places c at (x, y) and flips. User play first refuses an illegal move (results of
// othelloLegality); quiet play trusts the record and places the piece even when nothing flips.
// A point that is not an empty board square is refused by checkPlacement. Refusals change nothing.
OthelloMoveOutcome PlayOthelloMove(BoardPosition& pos, int x, int y, Colour c, PlayMode mode);

struct Availability {
  int available = 0;  // empty cells where the side may play
  int black = 0;      // black pieces on the board
  int white = 0;      // white pieces on the board
};

// Marks every empty cell where `side` may play with 11 and resets the other empty cells to 3;
// counts the available cells and the pieces of each colour.
Availability MarkAvailable(BoardPosition& pos, Colour side);

// True when any cell holds the availability mark.
bool anyAvailable(const BoardPosition& pos);

enum class OthelloTurnEvent : std::uint8_t {
  None,          // the expected side has a cell
  MoverAgain,    // after a move the opponent had no cell: the mover moves again (a forced pass)
  SideSwitched,  // at a position the side to move had no cell: its opponent moves
  GameOver,      // neither side has a cell
};

struct OthelloTurn {
  Colour toMove = Colour::Black;
  OthelloTurnEvent event = OthelloTurnEvent::None;
  Availability counts;  // of the side to move

  // The new node carries the forced-pass mark.
  bool passImplied() const { return event == OthelloTurnEvent::MoverAgain; }
  bool gameOver() const { return event == OthelloTurnEvent::GameOver; }
};

// Who moves after `mover` played: the opponent when it has a cell, else the mover again, else
// nobody (game over, the mover stays the side to move). Leaves the marks of the side to move.
OthelloTurn othelloTurnAfterMove(BoardPosition& pos, Colour mover);

// Who moves at a composed position: `side` when it has a cell, else its opponent, else nobody
// (game over, `side` stays the side to move). Leaves the marks of the side to move.
OthelloTurn othelloTurnAtPosition(BoardPosition& pos, Colour side);

// "%s to move again.  There are no spaces available for %s" with the mover first.
std::string othelloMoveAgainText(Colour mover);
// "%s to move.  There are no spaces available for %s" with the side to move first.
std::string othelloNoSpacesText(Colour toMove);
// "Game Over.  Black = %d. White = %d"
std::string othelloGameOverText(int black, int white);
// The status text a turn calls for; empty for OthelloTurnEvent::None (the side-to-move text applies).
std::string othelloTurnText(const OthelloTurn& turn);

}  // namespace meridax
