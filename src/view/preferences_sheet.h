#pragma once
// "Meridax Preferences": the tabbed sheet of board colours, game-tree colours and fonts, and other options.
// It edits copies; the caller takes them over when the sheet is accepted.

#include <QDialog>

#include "app/preferences.h"

class QLineEdit;
class QTabWidget;

namespace meridax {

enum class PreferencePage { Colours = 0, TreeFonts = 1, OtherOptions = 2, Engines = 3 };

class PreferencesSheet : public QDialog {
  Q_OBJECT

 public:
  PreferencesSheet(const PreferenceValues& values, PreferencePage first, QWidget* parent);

  // The copies as edited so far.
  const PreferenceValues& values() const { return values_; }
  PreferencePage currentPage() const;

  // OK: refused with the validation message, on its page, while "Backup Files" is out of range.
  void accept() override;

 signals:
  // A colour or font was chosen: the samples show it.
  void valuesChanged();

 private:
  QWidget* coloursPage();
  QWidget* treeFontsPage();
  QWidget* otherOptionsPage();
  QWidget* enginesPage();
  // A button that opens the colour chooser `title` on `colour`, and the sample it keeps up to date.
  QWidget* colourButton(const char* text, const char* title, ColourRef AttributeColours::*colour);
  void chooseColour(const char* title, ColourRef& colour);
  void chooseFont(LogFont& font, bool wholeTree);
  QWidget* fontSample(LogFont AppSettings::*font, ColourRef AttributeColours::*ink,
                      ColourRef AttributeColours::*paper);
  QWidget* styleBoxes(LogFont AppSettings::*font);
  QWidget* programField(std::string AppSettings::*path, const char* chooserTitle);

  PreferenceValues values_;
  QTabWidget* tabs_ = nullptr;
  QLineEdit* backupFiles_ = nullptr;
};

}  // namespace meridax
