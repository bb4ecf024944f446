#pragma once
// The board composition dialog without its window: a working copy of a board that the person edits
// cell by cell or by rectangles, with a cursor, a selection, one colour that is both the colour put
// down and the side to move, a clipboard of its own, and for Kropki a working territory mask. The
// window draws this model and feeds it mouse and key events; OK hands its composition to the frame.

#include <optional>
#include <string>

#include "edit/edit_notice.h"
#include "model/board_position.h"
#include "model/grid_frame.h"
#include "rules/kropki_fields.h"

namespace meridax {

// The dialog's commands (their identifiers and menu texts are the frame's, in compose_commands.h).
enum class ComposeCommand {
  DeletePieces,
  ClearBoard,
  InsertPieces,
  Help,
  ExportGif,
  CopyAscii,
  Copy,
  Paste,
  Cut,
  CopyImage,
  CreateField,
  EraseField,
  Flip,
  Rotate,
  DeleteGroup,
};
inline constexpr int kComposeColourButton = 330;  // switches the colour
inline constexpr char kComposeDialogCaption[] = " Board Composition";
inline constexpr char kDeleteGroupCaption[] = "SDlgCompose::CmDeleteGroup()";

struct ComposeCell {
  int x = 0;
  int y = 0;
  friend bool operator==(ComposeCell, ComposeCell) = default;
};

enum class CursorStep { Left, Right, Up, Down };

// What OK hands over: the composed board, the territory cells (Kropki), the side to move and the cursor.
struct Composition {
  BoardPosition board;
  FieldOfTerritory territory;
  Colour sideToMove = Colour::Black;
  ComposeCell cursor;
};

class ComposeModel {
 public:
  // A copy of the game's current position (availability marks cleared), of its territory map for
  // Kropki, its side to move and its cursor square.
  explicit ComposeModel(SGridFrame& game);
  ComposeModel(GameKind kind, int width, int height, const BoardPosition& board, Colour sideToMove,
               ComposeCell cursor, FieldOfTerritory territory = {});

  GameKind kind() const { return kind_; }
  int width() const { return width_; }
  int height() const { return height_; }
  const BoardPosition& board() const { return board_; }
  const FieldOfTerritory& territory() const { return territory_; }
  Colour colour() const { return colour_; }
  ComposeCell cursor() const { return cursor_; }
  ComposeCell anchor() const { return anchor_; }
  // More than one cell is selected (the cursor and the anchor differ).
  bool hasSelection() const { return !(cursor_ == anchor_); }
  bool hasCopy() const { return copied_.has_value(); }
  // No cell holds a piece or an empty point: there is nothing to compose.
  bool isEmpty() const { return empty_; }

  // The colour button: Black and White change places.
  void switchColour();

  // ---- Mouse ----
  // Moves the cursor to a board cell (any cell of the square for Kropki); without Shift the anchor too.
  void click(int x, int y, bool shift);
  // A board cell holding the colour becomes empty, any other board cell takes the colour.
  void doubleClick(int x, int y);

  // ---- Keys ----
  // One cell in the direction, wrapping at the edges and passing over cells off the board; with
  // Shift the anchor stays and the selection grows.
  void moveCursor(CursorStep step, bool shift);
  // Othello: a letter places the cursor in its column, a digit in its row ("0" is row 10).
  void placeCursorByKey(char key);

  // ---- Commands ----
  // Whether the command applies to this kind of board at all (keys and the dialog's menu).
  bool applies(ComposeCommand command) const;
  // Whether the context menu offers the command now.
  bool offeredInContextMenu(ComposeCommand command) const;
  // Carries out a command of the model; a command that does not apply does nothing. The notice is a
  // message to show. Help and the three exports belong to the window and do nothing here.
  std::optional<EditNotice> run(ComposeCommand command);

  void insertPieces();
  void deletePieces();
  EditNotice deleteConnectedGroup();
  void copy();
  void cut();
  void paste();
  void flip();
  void rotate();
  void clearBoard();
  std::optional<EditNotice> createField();
  std::optional<EditNotice> eraseField();

  Composition composition() const;

 private:
  bool isBoardCell(int x, int y) const;
  bool isGoBoard() const { return kind_ == GameKind::Go; }
  bool copiesRectangles() const;
  void fillSelection(std::uint8_t value);
  void advanceCursor();
  void setCursor(ComposeCell cell, bool keepAnchor);
  void transform(bool flip);
  void recount();

  struct Rectangle {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  };
  Rectangle selection() const;

  struct Copied {
    Rectangle area;
    BoardPosition board;
  };

  GameKind kind_;
  int width_;
  int height_;
  BoardPosition board_;
  FieldOfTerritory territory_;
  Colour colour_;
  ComposeCell cursor_;
  ComposeCell anchor_;
  std::optional<Copied> copied_;
  bool empty_ = false;
};

}  // namespace meridax
