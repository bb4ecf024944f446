#pragma once
// The board composition dialog (" Board Composition"): a board to compose on over the frame's
// ComposeModel, the colour button, a menu and a context menu of the dialog's commands with their keys,
// and OK handed to the frame, which asks "Composition Options" and closes the dialog when it is done.

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "app/frame_win.h"
#include "edit/compose_apply.h"
#include "view/board_preview.h"

class QMenu;
class QPushButton;
class QRadioButton;

namespace meridax {

// The board of the dialog: mouse and keys go to the model, the selection is drawn over the board.
class ComposeBoard : public BoardPreview {
  Q_OBJECT

 public:
  ComposeBoard(FrameWin& frame, ComposeModel& model, QWidget* parent);
  // Draws the model again.
  void refresh();

 signals:
  // Insert or Enter: the selection takes the colour.
  void insertRequested();
  // The model changed through the mouse or the keys.
  void edited();
  void contextMenuRequested(QPoint globalPosition);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintOver(QPainter& painter) override;

 private:
  FrameWin& frame_;
  ComposeModel& model_;
};

// "Composition Options": a new game, a modification of the current position, or back to the board;
// the third is preselected, and Cancel means it too.
class ComposeOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ComposeOptionsDialog(QWidget* parent);
  ComposeChoice choice() const;
  void choose(ComposeChoice choice);

 private:
  std::vector<QRadioButton*> options_;
};

class ComposeDialog : public QDialog {
  Q_OBJECT

 public:
  // `accept` is the frame's OK: true when the dialog is to close.
  ComposeDialog(FrameWin& frame, ComposeModel& model, std::function<bool()> accept, QWidget* parent);

  ComposeBoard& board() { return *board_; }
  QPushButton& colourButton() { return *colour_; }
  QMenu& commandMenu() { return *menu_; }
  // The context menu's entries as they would be offered now.
  std::unique_ptr<QMenu> contextMenu();
  // Carries out one of the dialog's commands, as its menu entry and keys do.
  void runCommand(ComposeCommand command);

  void accept() override;

 private:
  void addCommandActions();
  void refresh();

  FrameWin& frame_;
  ComposeModel& model_;
  std::function<bool()> accept_;
  ComposeBoard* board_;
  QPushButton* colour_;
  QMenu* menu_;
};

}  // namespace meridax
