// The commands of the file workflow, the collection's games, special moves, exports, settings and help.

#include "app/command_ids.h"
#include "app/command_registry.h"
#include "app/export_commands.h"
#include "app/frame_win.h"
#include "app/kropki_commands.h"
#include "app/list_menus.h"

namespace meridax {

namespace {

namespace id = command_id;
using G = CommandGroup;
using P = CommandPlace;
using R = CommandRoute;

bool severalGames(FrameWin& f) { return f.collection().size() > 1; }
bool noList(FrameWin& f) { return !f.lists().listOpen(); }

const FrameCommand kFileCommands[] = {
    {.name = "LoadSGF", .group = G::File, .menuText = "&Load File\tCtrl+O", .keys = "Ctrl+O",
     .run = [](FrameWin& f) { f.files().LoadSGF(); }},
    {.name = "ReLoad", .group = G::File, .menuText = "&ReLoad\tCtrl+L", .keys = "Ctrl+L",
     .run = [](FrameWin& f) { f.files().ReLoad(f.currentFile()); }},
    {.name = "CmSave", .group = G::File, .menuText = "Save\tCtrl+S", .keys = "Ctrl+S",
     .run = [](FrameWin& f) { f.files().CmSave(); }},
    {.name = "SaveAs", .group = G::File, .menuText = "Save &As\tCtrl+A", .keys = "Ctrl+A",
     .run = [](FrameWin& f) { f.files().SaveAs(SaveScope::WholeCollection); }},
    {.name = "CmExportCurrentGame", .group = G::File, .menuText = "&Export the Current Game\tCtrl+X",
     .keys = "Ctrl+X", .run = [](FrameWin& f) { f.files().CmExportCurrentGame(); }},
    {.name = "CollImport", .group = G::File, .menuText = "&Import Game File(s)",
     .tip = "Import game file(s) into the collection\nImport Game File(s)", .run = [](FrameWin& f) { f.files().CollImport(); }},
    {.name = "CmCollAddSGF", .group = G::File, .menuText = "&Paste SGF Text into Collection",
     .tip = "Paste SGF text of games into the current collection\nPaste SGF Text into Collection",
     .run = [](FrameWin& f) { f.files().CmCollAddSGF(); }},
    {.name = "CmCollEmpty", .group = G::File, .menuText = "&New Collection", .tip = "Start a new game collection\nNew Collection",
     .run = [](FrameWin& f) { f.files().CmCollEmpty(); }},
    {.name = "CmCollDelete", .group = G::File, .menuText = "&Delete Game from Collection",
     .tip = "Delete the current game from the collection\nDelete Game from Collection",
     .run = [](FrameWin& f) { f.files().CmCollDelete(); }, .enabled = severalGames},
    {.name = "CmNewGame", .group = G::File, .menuText = "Add &Game to Collection", .tip = "Add a new game to the collection\nAdd Game to Collection",
     .run = [](FrameWin& f) { f.files().CmNewGame(); }},
    {.name = "CmNewGameOfType", .group = G::File, .menuText = "Add a New Game ( of Different &Type )",
     .tip = "Add a game ( different type ) to the current collection\nAdd a New Game ( of Different Type )",
     .run = [](FrameWin& f) { f.files().CmNewGameOfType(); }},
    {.name = "CmViewFile", .group = G::File, .menuText = "&View SGF File", .tip = "View contents of game file\nView SGF File",
     .run = [](FrameWin& f) { f.files().CmViewFile(); }},
    {.name = "OnClose", .group = G::File, .menuText = "E&xit\tAlt+F4", .keys = "Alt+F4",
     .run = [](FrameWin& f) { f.files().OnClose(); }},
};

const FrameCommand kCollectionCommands[] = {
    {.id = id::kPreviousGame, .name = "CmPreviousGame", .group = G::Collection, .menuText = "&Previous Game", .keys = "Ctrl+Left",
     .tip = "Go to the previous game in the collection\nPrevious Game", .run = [](FrameWin& f) { f.CmPreviousGame(); }},
    {.id = id::kNextGame, .name = "CmNextGame", .group = G::Collection, .menuText = "&Next Game", .keys = "Ctrl+Right",
     .tip = "Go to the next game in the collection\nNext Game", .run = [](FrameWin& f) { f.CmNextGame(); }},
    {.id = id::kUpEightGames, .name = "CmUpEightGames", .group = G::Collection, .menuText = "&Up Eight Games", .keys = "Ctrl+PageUp",
     .tip = "Go up eight games in the collection", .run = [](FrameWin& f) { f.CmUpEightGames(); }},
    {.id = id::kDownEightGames, .name = "CmDownEightGames", .group = G::Collection, .menuText = "&Down Eight Games", .keys = "Ctrl+PageDown",
     .tip = "Go down eight games in the collection", .run = [](FrameWin& f) { f.CmDownEightGames(); }},
    {.id = id::kFirstGame, .name = "CmFirstGame", .group = G::Collection, .menuText = "&First Game", .keys = "Ctrl+Home",
     .tip = "Go to the first game in the collection\nFirst Game", .run = [](FrameWin& f) { f.CmFirstGame(); }},
    {.id = id::kLastGame, .name = "CmLastGame", .group = G::Collection, .menuText = "&Last Game", .keys = "Ctrl+End",
     .tip = "Go to the last game in the collection\nLast Game", .run = [](FrameWin& f) { f.CmLastGame(); }},
    {.name = "CmCollectionList", .group = G::Collection, .menuText = "&Collection Details\tF6", .keys = "F6",
     .tip = "Display a list of games in the collection", .run = [](FrameWin& f) { f.lists().CmCollectionList(); },
     .enabled = noList},
    {.name = "CmPlayerStatistics", .group = G::Collection, .menuText = "Pla&yer Statistics", .tip = "Display player statistics",
     .run = [](FrameWin& f) { f.lists().CmPlayerStatistics(); }, .enabled = noList},
    {.id = id::kBranchStatistics, .name = "CmBranchStatistics", .group = G::Collection,
     .menuText = "Display &Statistics\tF7", .keys = "F7", .tip = "Display branch statistics",
     .run = [](FrameWin& f) { f.lists().CmBranchStatistics(); }, .enabled = noList},
    {.name = "CmFindPosition", .group = G::Collection, .menuText = "Find &Position...",
     .tip = "Find the games that reach this position, or the pattern in the marked area", .route = CommandRoute::Window,
     .enabled = noList},
    {.name = "CmGameDetails", .group = G::Collection, .menuText = "&Game Details\tF9", .keys = "F9",
     .run = [](FrameWin& f) { f.lists().CmGameDetails(); }, .enabled = noList},
};

const FrameCommand kMoveCommands[] = {
    {.id = id::kPass, .name = "CmPass", .group = G::Moves, .menuText = "&Pass\tCtrl+T", .keys = "Ctrl+T", .run = [](FrameWin& f) { f.CmPass(); },
     .enabled = [](FrameWin& f) { return passCommand(f.specialMoveContext()).enabled; },
     .text = [](FrameWin& f) { return passCommand(f.specialMoveContext()).label; }},
    {.id = id::kSwapPieces, .name = "CmSwapPieces", .group = G::Moves, .menuText = "Swap &Pieces ( Hex )\tCtrl+U",
     .keys = "Ctrl+U", .tip = "Swap pieces ( Hex )", .run = [](FrameWin& f) { f.CmSwapPieces(); },
     .enabled = [](FrameWin& f) { return swapPiecesCommand(f.specialMoveContext()).enabled; }},
    {.id = id::kResignation, .name = "CmResign", .group = G::Moves, .menuText = "Add a resignation move",
     .run = [](FrameWin& f) { f.CmResign(); },
     .enabled = [](FrameWin& f) { return resignationCommand(f.specialMoveContext()).enabled; }},
    {.id = id::kForfeit, .name = "CmForfeit", .group = G::Moves, .menuText = "Add a forfeit move",
     .run = [](FrameWin& f) { f.CmForfeit(); },
     .enabled = [](FrameWin& f) { return forfeitCommand(f.specialMoveContext()).enabled; }},
    // Fields of territory of Kropki, offered by the board and tree context menus.
    {.id = id::kKropkiBlackTerritory, .name = "CmKropkiBlackTerritory", .group = G::Moves,
     .menuText = "Create a region of black territory",
     .run = [](FrameWin& f) { createKropkiTerritory(f, Colour::Black); },
     .enabled = [](FrameWin& f) { return kropkiFieldCommandsEnabled(f); }},
    {.id = id::kKropkiWhiteTerritory, .name = "CmKropkiWhiteTerritory", .group = G::Moves,
     .menuText = "Create a region of white territory",
     .run = [](FrameWin& f) { createKropkiTerritory(f, Colour::White); },
     .enabled = [](FrameWin& f) { return kropkiFieldCommandsEnabled(f); }},
    {.id = id::kKropkiRemoveTerritory, .name = "CmKropkiRemoveTerritory", .group = G::Moves,
     .menuText = "Remove region of territory", .run = [](FrameWin& f) { removeKropkiTerritory(f); },
     .enabled = [](FrameWin& f) { return kropkiFieldCommandsEnabled(f); }},
    {.id = id::kKropkiDeleteStop, .name = "CmKropkiDeleteStop", .group = G::Moves,
     .menuText = "Delete the &Kropki 'Stop'", .place = P::TreeMenu, .run = [](FrameWin& f) { deleteKropkiStop(f); },
     .enabled = [](FrameWin& f) { return kropkiStopEnabled(f); }},
};

const FrameCommand kExportCommands[] = {
    {.name = "CmSaveRTF", .group = G::Export, .menuText = "&Export the Current Game as an RTF File\tCtrl+R",
     .keys = "Ctrl+R", .tip = "Export Game as RTF Document\nExport Game as RTF",
     .run = [](FrameWin& f) { f.exports().CmSaveRTF(); }},
    {.name = "CmCreateGIF", .group = G::Export, .menuText = "Export Position as &GIF Image", .tip = "Create a GIF image of the board\nCreate GIF Image",
     .run = [](FrameWin& f) { f.exports().CmCreateGIF(); }},
    {.name = "CmCopyBMP", .group = G::Export, .menuText = "Copy Position to &Clipboard\tCtrl+G", .keys = "Ctrl+G",
     .tip = "Copy an image of the board to the clipboard\nCopy BMP Image to Clipboard",
     .run = [](FrameWin& f) { f.exports().CmCopyBMP(); }},
    {.name = "GetASCII", .group = G::Export, .menuText = "Place &ASCII to Clipboard",
     .tip = "Copy ASCII text of the current position to the clipboard\nASCII Text of Position",
     .run = [](FrameWin& f) { f.exports().GetASCII(); }},
    {.name = "CmCopySGF", .group = G::Export, .menuText = "Copy &SGF Text to Clipboard\tShift+Ctrl+W",
     .keys = "Ctrl+Shift+W", .tip = "Copy SGF text of the current game to the clipboard\nCopy SGF Text to Clipboard",
     .run = [](FrameWin& f) { f.exports().CmCopySGF(CopyScope::WholeGame); }},
    {.name = "CmCopySGFBranch", .group = G::Export, .menuText = "Copy SGF Text of Current &Branch",
     .tip = "Copy SGF text. Current position and below. To the clipboard\nCopy SGF Text of Current Branch",
     .run = [](FrameWin& f) { f.exports().CmCopySGF(CopyScope::FromCurrentNode); }},
};

const FrameCommand kShellCommands[] = {
    {.name = "CmCustomise", .group = G::Settings, .menuText = "&Customise\tCtrl+Alt+O", .keys = "Ctrl+Alt+O",
     .route = R::Window},
    {.name = "CmOtherOptions", .group = G::Settings, .menuText = "&Other Options", .keys = "Ctrl+Shift+O", .route = R::Window},
    {.name = "CmHelp", .group = G::Help, .menuText = "&Help\tF1", .keys = "F1",
     .tip = "Display the Meridax documentation\nHelp", .run = [](FrameWin& f) { f.files().CmHelp(); }},
    {.name = "CmAbout", .group = G::Help, .menuText = "&About Meridax", .route = R::Window},
    {.name = "CmWebPage", .group = G::Help, .menuText = "Meridax &Web Page",
     .tip = "Display the product web page in your default browser\nMeridax Web Page", .route = R::Later},
    {.name = "CmGamesSite", .group = G::Help, .menuText = "&Games Web Site", .route = R::Later},
};

}  // namespace

FrameCommandTable fileCommandTable() { return kFileCommands; }
FrameCommandTable collectionCommandTable() { return kCollectionCommands; }
FrameCommandTable moveCommandTable() { return kMoveCommands; }
FrameCommandTable exportCommandTable() { return kExportCommands; }
FrameCommandTable shellCommandTable() { return kShellCommands; }

}  // namespace meridax
