#pragma once
// The board pane's view commands: the cursor, markup, Othello highlight and Go co-ordinate toggles,
// the piece numbering cycle and the square size. Each changes only the frame's view settings (the size
// its size table) and asks the window to draw the board again. A part of the main frame
// (FrameWin::view()) that reaches the frame only through FrameServices.

#include <string>

#include "app/frame_services.h"

namespace meridax {

inline constexpr char kRecentNumberingCaption[] = " Most Recent Numbering";
inline constexpr int kMaxRecentNumbers = 999;

// The square size after a step up or down: two more unless already 70 or more; two less unless below 13.
int increasedSquareSize(int square);
int decreasedSquareSize(int square);

class BoardViewCommands {
 public:
  explicit BoardViewCommands(FrameServices& frame) : frame_(frame) {}
  BoardViewCommands(const BoardViewCommands&) = delete;
  BoardViewCommands& operator=(const BoardViewCommands&) = delete;

  // ---- Toggles: the command, its check mark and its menu text ("Hide ..." while shown) ----
  void CmViewCursor();
  void CmViewMarkup();  // hiding markup disarms the label entry
  void CmViewHighlighting();
  void CmViewSearch();
  void CmViewGoCoordinates();
  void CmFitBoard();
  bool cursorShown() { return frame_.cursorShown(); }
  bool markupShown() { return frame_.frameSettings().viewMarkup != 0; }
  bool highlightingShown() { return frame_.frameSettings().displayCaptures != 0; }
  bool searchShown() { return frame_.frameSettings().doSearch != 0; }
  bool goCoordinatesShown() { return frame_.frameSettings().goLetters; }
  bool boardFitted() { return frame_.frameSettings().fitBoard; }
  std::string cursorText();
  std::string markupText();
  std::string highlightingText();
  std::string searchText();
  std::string goCoordinatesText();
  // Highlighting and search are Othello's; the co-ordinates Go's; numbering is not for Kropki.
  bool othelloTogglesEnabled();
  bool goCoordinatesEnabled();
  bool numberingEnabled();

  // None, from the composition, the most recent N (asking for N), back from the current, none.
  void CmNumbering();
  // Both turn the fit to the window off and step from the square size the pane shows.
  void CmIncreaseSize();
  void CmDecreaseSize();

  // The current game's square size, and storing a new one for its family and board width.
  int squareSize();
  void setSquareSize(int square);
  // The square size the board pane shows, which it reports after each layout: while the board is
  // fitted to the window it differs from the kept one. The kept one until a pane reports.
  int shownSquareSize();
  void setShownSquareSize(int square) { shownSquare_ = square; }

 private:
  void resize(int (*next)(int));

  FrameServices& frame_;
  int shownSquare_ = 0;
};

}  // namespace meridax
