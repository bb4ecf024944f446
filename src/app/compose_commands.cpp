#include "app/compose_commands.h"

#include "app/command_ids.h"

namespace meridax {

namespace {

namespace id = command_id;
using C = ComposeCommand;

constexpr ComposeCommandEntry kEntries[] = {
    {id::kComposeClearBoard, "CmClearBoard", C::ClearBoard, "Clear &Board\tShift+Ctrl+Delete"},
    {id::kComposeDeletePieces, "CmDeletePieces", C::DeletePieces, "&Delete Pieces\tDelete"},
    {id::kComposeInsertPieces, "CmInsertPieces", C::InsertPieces, "&Insert Pieces\tInsert"},
    {id::kComposeDeleteGroup, "CmDeleteGroup", C::DeleteGroup, "Delete &Connected Group\tCtrl+E"},
    {id::kComposeCopy, "CmCopy", C::Copy, "Copy\tCtrl+C"},
    {id::kComposeCut, "CmCut", C::Cut, "Cut\tCtrl+X"},
    {id::kComposePaste, "CmPaste", C::Paste, "Paste\tCtrl+V"},
    {id::kComposeFlip, "CmFlipBoard", C::Flip, "&Flip Board\tShift+Ctrl+P"},
    {id::kComposeRotate, "CmRotateBoard", C::Rotate, "&Rotate Board\tShift+Ctrl+R"},
    {id::kComposeCreateField, "CmCreateField", C::CreateField, "Create a Field of &Territory\tCtrl+K"},
    {id::kComposeEraseField, "CmEraseField", C::EraseField, "&Erase the Field of Territory\tCtrl+E"},
    {id::kComposeExportGif, "CmExportGif", C::ExportGif, "Export Position as &GIF Image\tCtrl+F"},
    {id::kComposeCopyImage, "CmCopyImage", C::CopyImage, "Copy Position to &Clipboard\tCtrl+G"},
    {id::kComposeCopyAscii, "CmASCII", C::CopyAscii, "Copy &ASCII Text to Clipboard"},
    {id::kComposeHelp, "CmHelp", C::Help, "&Help\tF1"},
};

}  // namespace

std::span<const ComposeCommandEntry> composeCommands() { return kEntries; }

const char* composeMenuText(ComposeCommand command) {
  for (const ComposeCommandEntry& e : kEntries)
    if (e.command == command) return e.menuText;
  return "";
}

std::optional<ComposeCommand> composeCommandFor(int id) {
  for (const ComposeCommandEntry& e : kEntries)
    if (e.id == id) return e.command;
  return std::nullopt;
}

}  // namespace meridax
