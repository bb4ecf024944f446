#pragma once
// The identifiers of the frame's commands: menus, tool bars, accelerators, context menus and scripts
// reach a command by its identifier or its handler name. A command without a number of its own is
// reached by its handler name only (its identifier in the registry is 0).

namespace meridax::command_id {

// ---- Special moves ----
inline constexpr int kPass = 1202;  // also swap sides and the Unlur acceptance
inline constexpr int kSwapPieces = 1203;
inline constexpr int kForfeit = 1226;
inline constexpr int kResignation = 1228;

// ---- Navigation ----
inline constexpr int kPreviousMove = 1194;
inline constexpr int kUpEightMoves = 1196;
inline constexpr int kNextMove = 1197;
inline constexpr int kDownEightMoves = 1198;
inline constexpr int kStartPosition = 1200;
inline constexpr int kEndPosition = 1201;
inline constexpr int kNextBranchNode = 1624;
inline constexpr int kPreviousBranchNode = 1634;
inline constexpr int kNeighbourBranch = 1410;
inline constexpr int kSetPrimary = 1636;
inline constexpr int kGoToPrimary = 1638;
inline constexpr int kSetPrimaryAtNode = 1802;
inline constexpr int kCommentNext = 1404;
inline constexpr int kCommentPrevious = 1406;
inline constexpr int kFindComment = 1757;
inline constexpr int kMoveTo = 1360;
inline constexpr int kBranchEndNext = 1734;
inline constexpr int kBranchEndPrevious = 1735;
inline constexpr int kNavigatePlayed = 1778;
inline constexpr int kDeleteQuickSlots = 1508;

// ---- Undo and redo ----
inline constexpr int kUndo = 1900;
inline constexpr int kRedo = 1901;

// ---- Tree editing ----
inline constexpr int kTruncate = 1704;
inline constexpr int kTruncateDelete = 1706;
inline constexpr int kTruncateAtNode = 1801;
inline constexpr int kDeleteBranch = 1394;
inline constexpr int kDeleteBranchAtNode = 1800;
inline constexpr int kRemoveHigherBranches = 1402;
inline constexpr int kRemoveLowerBranches = 1403;
inline constexpr int kRemoveNeighbours = 1412;
inline constexpr int kRemoveAllMarks = 1738;
inline constexpr int kRemoveAllComments = 1736;
inline constexpr int kRemoveAllScores = 1504;
inline constexpr int kRemoveAllNodeNames = 1506;
inline constexpr int kInjectSgf = 1708;
inline constexpr int kCompose = 1646;
inline constexpr int kFlipBoard = 1494;
inline constexpr int kRotateBoard = 1496;

// ---- Annotations ----
inline constexpr int kBookmark = 1768;
inline constexpr int kBookmarkAtNode = 1804;
inline constexpr int kBookmarkList = 1770;
inline constexpr int kDeleteAllBookmarks = 1772;
inline constexpr int kNodeNameList = 1774;
inline constexpr int kNodeName = 1512;
inline constexpr int kAddNodeNameAtNode = 1799;
inline constexpr int kEditNodeNameAtNode = 1794;
inline constexpr int kDeleteNodeNameAtNode = 1797;
inline constexpr int kScore = 1510;
inline constexpr int kAddScoreAtNode = 1808;
inline constexpr int kEditScoreAtNode = 1806;
inline constexpr int kDeleteScoreAtNode = 1807;
inline constexpr int kPrintDiagram = 1480;
inline constexpr int kAddPrintDiagramAtNode = 1795;
inline constexpr int kRemovePrintDiagramAtNode = 1796;
inline constexpr int kRemoveCommentAtNode = 1798;
inline constexpr int kMarkArea = 1740;
inline constexpr int kMarkSquare = 1741;
inline constexpr int kMarkTriangle = 1742;
inline constexpr int kMarkCircle = 1743;
inline constexpr int kMarkBlackTerritory = 1744;
inline constexpr int kMarkWhiteTerritory = 1745;
inline constexpr int kMarkGroup = 1748;
inline constexpr int kRemoveGroupMarkup = 1750;
inline constexpr int kLabel = 1746;
inline constexpr int kViewLabel = 1747;
inline constexpr int kRemoveMarkup = 1739;
inline constexpr int kRemoveBoardMarkup = 1760;
inline constexpr int kAutoLabelBranches = 1518;
inline constexpr int kAutoLabelMoves = 1520;

// ---- Kropki fields of territory ----
inline constexpr int kKropkiWhiteTerritory = 1694;
inline constexpr int kKropkiBlackTerritory = 1696;
inline constexpr int kKropkiRemoveTerritory = 1698;
inline constexpr int kKropkiDeleteStop = 1700;

// ---- Board view ----
inline constexpr int kViewHighlighting = 1224;
inline constexpr int kViewSearch = 1234;
inline constexpr int kViewCursor = 1296;
inline constexpr int kViewGoCoordinates = 1298;
inline constexpr int kViewMarkup = 1474;
inline constexpr int kNumbering = 1460;
inline constexpr int kIncreaseSize = 1334;
inline constexpr int kDecreaseSize = 1336;

// ---- Game-tree pane scrolling ----
inline constexpr int kTreeLineUp = 1824;
inline constexpr int kTreeLineDown = 1834;
inline constexpr int kTreePageUp = 1844;
inline constexpr int kTreePageDown = 1854;
inline constexpr int kTreeTop = 1864;
inline constexpr int kTreeBottom = 1874;

// ---- Statistics ----
inline constexpr int kBranchStatistics = 1414;

// ---- Collection navigation ----
inline constexpr int kFirstGame = 1654;
inline constexpr int kLastGame = 1656;
inline constexpr int kNextGame = 1658;
inline constexpr int kPreviousGame = 1660;
inline constexpr int kUpEightGames = 1664;
inline constexpr int kDownEightGames = 1666;

// ---- The board composition dialog's own commands ----
inline constexpr int kComposeDeletePieces = 1527;
inline constexpr int kComposeClearBoard = 1528;
inline constexpr int kComposeInsertPieces = 1529;
inline constexpr int kComposeHelp = 1530;
inline constexpr int kComposeExportGif = 1534;
inline constexpr int kComposeCopyAscii = 1538;
inline constexpr int kComposeCopy = 1540;
inline constexpr int kComposePaste = 1542;
inline constexpr int kComposeCut = 1544;
inline constexpr int kComposeCopyImage = 1548;
inline constexpr int kComposeCreateField = 1552;
inline constexpr int kComposeEraseField = 1554;
inline constexpr int kComposeFlip = 1556;
inline constexpr int kComposeRotate = 1558;
inline constexpr int kComposeDeleteGroup = 1564;

}  // namespace meridax::command_id
