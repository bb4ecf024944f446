#pragma once
// Identifiers of the frame commands that navigation, annotations and the context menus name. Menus,
// accelerators and scripts reach a command by these numbers.

namespace meridax::command_id {

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

// ---- Named by the context menus, carried out elsewhere ----
inline constexpr int kViewCursor = 1296;
inline constexpr int kViewMarkup = 1474;
inline constexpr int kViewHighlighting = 1224;
inline constexpr int kViewSearch = 1234;
inline constexpr int kViewGoCoordinates = 1298;
inline constexpr int kTruncateAtNode = 1801;
inline constexpr int kDeleteBranchAtNode = 1800;
inline constexpr int kKropkiBlackTerritory = 1696;
inline constexpr int kKropkiWhiteTerritory = 1694;
inline constexpr int kKropkiRemoveTerritory = 1698;
inline constexpr int kKropkiDeleteStop = 1700;

}  // namespace meridax::command_id
