#pragma once
// Find Position: what the window asks, searches and lists. The query is the current node's position, or
// the pattern in the board's marked area; the files are the collection's own file or the game files under
// a folder. The rows and the counts of the moves played next are made here, without a window.

#include <string>
#include <vector>

#include "app/frame_services.h"
#include "search/file_search.h"

namespace meridax {

class FrameWin;

struct PositionSearchChoice {
  bool pattern = false;      // the marked area only
  bool anywhere = false;
  bool swapColours = false;
  bool symmetries = true;
  bool allLines = false;
  std::string folder;        // empty: the collection's own file
};

// The query of the current node of the current game under the choice.
PositionQuery positionSearchQuery(FrameServices& frame, const PositionSearchChoice& choice);

// The files searched; empty when the collection has no file yet and no folder is chosen.
std::vector<std::string> positionSearchPaths(FrameServices& frame, const PositionSearchChoice& choice);

// One row of the results list: the first match of a game.
struct PositionSearchRow {
  std::string file;
  int game = 0;
  std::string player1;
  std::string player2;
  std::string date;
  std::string result;
  int move = 0;
  std::string next;  // "B Q16"; empty at the end of the line
  int nodeOrdinal = 0;
};

std::vector<PositionSearchRow> positionSearchRows(const SearchOutcome& outcome, const std::vector<std::string>& paths,
                                                  const SGridFrame& target);

// How often each move was played next and how the games ended: the results that begin "B+" and "W+".
struct ContinuationCount {
  std::string move;  // "(end)" for a game that ended there
  int played = 0;
  int blackWins = 0;
  int whiteWins = 0;
};

// Most played first, then by the move's text.
std::vector<ContinuationCount> continuationCounts(const std::vector<PositionSearchRow>& rows);

// The results window's header: "12 games, 14 matches in 3 files (2,104 games searched)".
std::string positionSearchSummary(const SearchOutcome& outcome, std::size_t files);

// Opens the row's game at its node: a game of the collection's own file is made current, another file is
// loaded first (asking about unsaved changes as a load does). False when the game or node is not there.
bool openPositionSearchRow(FrameWin& frame, const PositionSearchRow& row, bool allLines);

}  // namespace meridax
