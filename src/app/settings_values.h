#pragma once
// Every persistent setting with its built-in default: the main frame's section "Application" and the
// application's sections "Settings" and "Attributes".

#include <array>
#include <optional>
#include <string>

#include "app/profile_values.h"
#include "app/settings_records.h"
#include "app/size_tables.h"

namespace meridax {

namespace section {
inline constexpr char kApplication[] = "Application";
inline constexpr char kSettings[] = "Settings";
inline constexpr char kAttributes[] = "Attributes";
inline constexpr char kFileList[] = "FileList";
inline constexpr char kDynamicDialogs[] = "SDlgDynamic";
}  // namespace section

inline constexpr int kDefaultBackupFiles = 120;
inline constexpr int kDefaultDialogFontSize = 8;
inline constexpr int kDefaultUndoSteps = 200;
inline constexpr int kMaxUndoSteps = 10000;
inline constexpr int kMinDialogFontSize = 7;
inline constexpr int kMaxDialogFontSize = 12;
inline constexpr int kUserColourCount = 16;
inline constexpr ColourRef kWhite = 0xFFFFFF;

// Piece numbering modes of the board pane ("ScoreValue").
namespace score_value {
inline constexpr int kNone = 3;
inline constexpr int kFromComposition = 4;
inline constexpr int kBackFromCurrent = 5;
inline constexpr int kRecentMoves = 6;
}  // namespace score_value

// Section "Application": read when the frame is built, written when it is destroyed.
struct FrameSettings {
  int defaultGame = 2;  // game kind code of the empty game made at start
  int defaultGridSize = 19;
  std::string defaultRules;
  int defaultKropkiX = 0xFF;  // board width of the empty game; the low byte of the stored value
  int defaultKropkiY = 0xFF;  // board height of the empty game; the low byte of the stored value
  bool toolbar = true;
  bool navigationBar = true;
  std::optional<WindowPlacement> windowPlacement;
  std::optional<Rect> commentPlacementLabel;
  std::optional<Rect> commentPlacementPgn;
  double displayWidth = 0.350;    // proportion kept by the first pane
  double displayWidthHz = 0.350;  // proportion kept by the second pane
  int doSearch = 1;
  int displayCaptures = 1;
  int scoreValue = score_value::kNone;
  int viewMarkup = 1;
  int viewCursor = 1;
  int viewPlaced = 1;
  int viewLast = 0;
  int displayNumbers = 8;
  bool goLetters = false;
  bool fitBoard = true;  // the board pane's square size follows its area ("Fit Board")
  bool autoLabelBranches = false;
  bool autoLabelMoves = false;
  SquareSizeTable sizeGoBoard = defaultSquareSizes();
  SquareSizeTable sizeOthello = defaultSquareSizes();
  SquareSizeTable sizeHexagonBoard = defaultSquareSizes();
  SquareSizeTable sizeHex = defaultSquareSizes();
  SquareSizeTable sizeKropki = defaultSquareSizes();

  SquareSizeTable& sizes(SizeFamily family);
  const SquareSizeTable& sizes(SizeFamily family) const;

  friend bool operator==(const FrameSettings&, const FrameSettings&) = default;
};

// The colours of section "Attributes".
struct AttributeColours {
  ColourRef grid = 0xDFDFDF;
  ColourRef border = 0x800000;
  ColourRef kropkiWhiteCapture = 0x887CD8;
  ColourRef kropkiBlueCapture = 0x4032A3;
  ColourRef background = 0xB3D7DF;
  ColourRef font = 0xFF0000;
  ColourRef fontMoves = 0x800000;
  ColourRef fontHighMove = 0xFF0000;
  ColourRef fontBranch = 0xFF8080;
  ColourRef box = 0xDFDFDF;
  ColourRef box2 = 0xDFDFDF;
  ColourRef box3 = 0xDFDFDF;

  friend bool operator==(const AttributeColours&, const AttributeColours&) = default;
};

inline std::array<ColourRef, kUserColourCount> whiteUserColours() {
  std::array<ColourRef, kUserColourCount> colours;
  colours.fill(kWhite);
  return colours;
}

// Sections "Settings" and "Attributes": read at start, written by WriteToINI at exit.
struct AppSettings {
  std::optional<DialogGeometry> foldersDimensions;
  std::optional<DialogGeometry> playersListDimensions;
  std::optional<DialogGeometry> bookmarksDimensions;
  std::string printHeaderText;
  std::string printFooterText;
  AttributeColours colours;
  int gradedOption = 3;  // board background: one colour, by luminescence, linear grade low or high
  int backupFiles = kDefaultBackupFiles;
  std::array<ColourRef, kUserColourCount> userColours = whiteUserColours();  // of the colour chooser
  LogFont treeFont = defaultFont(kTreeFontFace);
  LogFont movesFont = defaultFont(kTreeFontFace);
  LogFont highMoveFont = defaultFont(kTreeFontFace);
  LogFont branchFont = defaultFont(kTreeFontFace);
  LogFont commentFont = defaultFont(kCommentFontFace);
  bool openLast = true;
  bool doSingleClick = true;
  bool doAutoLower = false;
  bool bookmarkNames = false;
  bool doThickGoLines = true;
  bool do6Moves = false;
  bool doBevel = false;
  bool doClassicFileOpen = false;
  bool showFileSaved = true;  // "File saved" in a box; otherwise in the status bar
  std::string rtfEditor;
  std::string sgfViewer;
  bool convertAwAb = false;
  RtfOptionsRecord rtfOptions;
  bool rtfPngDiagrams = true;  // RTF diagrams as PNG files, which LibreOffice shows too, instead of GIF or BMP
  int dialogFontSize = kDefaultDialogFontSize;
  int undoSteps = kDefaultUndoSteps;  // "Undo Steps": how many changes undo can take back; 0 for none

  friend bool operator==(const AppSettings&, const AppSettings&) = default;
};

}  // namespace meridax
