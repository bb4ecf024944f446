#pragma once
// The game information form ("Game Information  ( Go )"): one field per text of the game, players with
// their ratings side by side, the date with its pattern, the game comments below; "Accept" and "Cancel".
// Also the small " Edit Player Name" dialog of the players list, and both as the frame's ListDialogPort.

#include <QDialog>
#include <map>
#include <optional>

#include "app/list_dialog_port.h"

class QGridLayout;
class QLineEdit;

namespace meridax {

class GameInfoDialog : public QDialog {
  Q_OBJECT

 public:
  GameInfoDialog(const GameDetailsForm& form, QWidget* parent);

  // The texts as the fields hold them; texts the form does not show are the game's.
  SSGFDetails details() const;
  // The editor of a field the form shows (a QLineEdit, or the game comments' QPlainTextEdit); nullptr else.
  QWidget* editor(DetailField field) const;

 private:
  void addField(const DetailsFormField& field, int& row, QGridLayout& grid);

  SSGFDetails initial_;
  std::map<DetailField, QWidget*> editors_;
};

class PlayerNameDialog : public QDialog {
  Q_OBJECT

 public:
  PlayerNameDialog(const std::string& name, QWidget* parent);
  QLineEdit& newName() { return *newName_; }

 private:
  QLineEdit* newName_;
};

class QtListDialogs : public ListDialogPort {
 public:
  // The forms open over the active modal window (a list window), else over `parent`.
  explicit QtListDialogs(QWidget* parent) : parent_(parent) {}

  std::optional<SSGFDetails> editGameDetails(const GameDetailsForm& form) override;
  std::optional<std::string> askNewPlayerName(const std::string& name) override;

 private:
  QWidget* owner() const;
  QWidget* parent_;
};

}  // namespace meridax
