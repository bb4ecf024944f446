#include "view/command_icons.h"

#include <string_view>

// The resources of a static library are linked in only when something calls their initialiser, which has
// to be named outside any namespace.
static void initCommandIcons() { Q_INIT_RESOURCE(command_icons); }

namespace meridax {

namespace {

using B = ToolBarPlace;

constexpr CommandPicture kPictures[] = {
    // The application bar.
    {"LoadSGF", "document-open", "open", B::Toolbar},
    {"CmSave", "document-save", "save", B::Toolbar},
    {"CollImport", "document-import", "import", B::Toolbar},
    {"CmCollAddSGF", "edit-paste", "paste-games", B::Toolbar},
    {"CmCollEmpty", "document-new", "new-collection", B::Toolbar},
    {"CmNewGame", nullptr, "add-game", B::Toolbar},
    {"CmNewGameOfType", nullptr, "add-game-of-type", B::Toolbar},
    {"CmCollDelete", "edit-delete", "delete-game", B::Toolbar},
    {"CmViewFile", nullptr, "view-file", B::Toolbar},
    {"CmUndo", "edit-undo", "undo", B::Toolbar},
    {"CmRedo", "edit-redo", "redo", B::Toolbar},
    {"CmCompose", nullptr, "compose", B::Toolbar},
    {"CmRotateBoard", "object-rotate-right", "rotate", B::Toolbar},
    {"CmBookmark", "bookmark-new", "bookmark", B::Toolbar},
    {"CmBMDisplay", nullptr, "bookmark-list", B::Toolbar},
    {"CmNodeName", nullptr, "node-name", B::Toolbar},
    {"CmNNDisplay", nullptr, "node-name-list", B::Toolbar},
    {"CmScore", nullptr, "score", B::Toolbar},
    {"CmPrintDiagram", nullptr, "print-diagram", B::Toolbar},
    {"CmNumbering", nullptr, "numbering", B::Toolbar},
    {"CmSaveRTF", nullptr, "export-rtf", B::Toolbar},
    {"CmCreateGIF", nullptr, "export-image", B::Toolbar},
    {"CmCopyBMP", nullptr, "copy-image", B::Toolbar},
    {"GetASCII", nullptr, "copy-ascii", B::Toolbar},
    {"CmCopySGF", "edit-copy", "copy-sgf", B::Toolbar},
    {"CmCopySGFBranch", nullptr, "copy-branch", B::Toolbar},
    {"CmHelp", "help-contents", "help", B::Toolbar},
    {"CmWebPage", nullptr, "web-page", B::Toolbar},
    // The navigation bar.
    {"CmFirstGame", nullptr, "first-game", B::Navigation},
    {"CmPreviousGame", nullptr, "previous-game", B::Navigation},
    {"CmNextGame", nullptr, "next-game", B::Navigation},
    {"CmLastGame", nullptr, "last-game", B::Navigation},
    {"CmStartPosition", "go-first", "start", B::Navigation},
    {"CmPreviousMove", "go-previous", "previous-move", B::Navigation},
    {"CmNextMove", "go-next", "next-move", B::Navigation},
    {"CmEndPosition", "go-last", "end", B::Navigation},
    {"CmSetPrimary", nullptr, "set-primary", B::Navigation},
    {"CmGoToPrimary", nullptr, "go-to-primary", B::Navigation},
    {"CmFindComment", "edit-find", "find-comment", B::Navigation},
    {"CmPass", nullptr, "pass", B::Navigation},
    {"CmSwapPieces", nullptr, "swap-pieces", B::Navigation},
    // Menu items only.
    {"CmPreviousBranchNode", "go-up", "previous-branch", B::None},
    {"CmNextBranchNode", "go-down", "next-branch", B::None},
    {"CmCollectionList", nullptr, "game-list", B::None},
    {"CmCustomise", "preferences-system", "preferences", B::None},
    {"CmQuickGo", nullptr, "quick-slot-go", B::None},  // all ten slots
    {"CmQuickStore", nullptr, "quick-slot-store", B::None},
};

// The name, or a quick slot's name without its digit.
bool names(const CommandPicture& picture, std::string_view name) {
  if (name.size() > 1 && name.back() >= '0' && name.back() <= '9' && name.starts_with("CmQuick"))
    name.remove_suffix(1);
  return name == picture.command;
}

}  // namespace

std::span<const CommandPicture> commandPictures() { return kPictures; }

const CommandPicture* commandPicture(const FrameCommand& command) {
  for (const CommandPicture& p : kPictures)
    if (names(p, command.name)) return &p;
  return nullptr;
}

QIcon drawnIcon(const CommandPicture& picture) {
  static const bool initialised = (initCommandIcons(), true);
  (void)initialised;
  return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(picture.drawn)));
}

QIcon commandIcon(const FrameCommand& command) {
  const CommandPicture* picture = commandPicture(command);
  if (picture == nullptr) return {};
  if (picture->theme == nullptr) return drawnIcon(*picture);
  return QIcon::fromTheme(QLatin1String(picture->theme), drawnIcon(*picture));
}

}  // namespace meridax
