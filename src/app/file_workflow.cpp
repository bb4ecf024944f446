// Moving the collection between disk and memory: reload, save, save as, exports, imports, paste,
// a new empty collection, removing a game, closing, and the games built from the held file text.

#include <cstdio>

#include "app/app_paths.h"
#include "app/chooser_paths.h"
#include "app/file_services.h"
#include "app/file_workflow.h"
#include "app/outside_programs.h"
#include "app/private_files.h"
#include "app/progress_port.h"
#include "app/status_texts.h"
#include "model/text_format.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/sgf_reader.h"
#include "sgf/text_decoding.h"

namespace meridax {

namespace {

constexpr char kSgfFilter[] = "SGF Files  ( *.sgf )|*.sgf|All Files  ( *.* )|*.*||";
// What the open choosers offer: both extensions game records come with, or every file.
constexpr char kOpenFilter[] = "Game records|*.sgf;*.hgf|All files|*.*||";

constexpr char kDoNotAskAgain[] = "Do not ask again for this file";
constexpr char kDoNotShowAgain[] = "Do not show this again";
constexpr char kErrorsGathered[] = "Reading errors were added to the error list";

FileDialogRequest openDialog(const std::string& title, const std::string& currentFile) {
  return {title, kOpenFilter, "sgf", startFolderOf(currentFile)};
}
FileDialogRequest saveDialog(const std::string& title, const std::string& initialPath) {
  return {title, kSgfFilter, "sgf", initialPath};
}

// Byte-order marks and the zero bytes of a UTF-16 text vanish before parsing; a UTF-16 text is turned
// into UTF-8 first, so that its characters beyond Latin-1 survive.
std::string cleanedText(const std::string& text) { return prepareFileText(text); }

std::string fileNameOf(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

// "Errors in games.sgf": the caption of the error list's window.
std::string errorListTitle(const std::string& file) {
  return file.empty() ? std::string("Errors in the game text") : "Errors in " + fileNameOf(file);
}

// "games_errors.txt": the name Save As offers for the list.
std::string errorListFileName(const std::string& file) {
  std::string stem = file.empty() ? std::string(kErrorFileStem) : fileNameOf(file);
  if (const std::size_t dot = stem.rfind('.'); dot != std::string::npos && dot > 0) stem.erase(dot);
  return stem + "_errors.txt";
}

}  // namespace

BackupPlace FileWorkflow::backupPlace() const {
  BackupPlace place;
  place.backupDirectory = backupDirectoryIn(frame_.environment().dataDirectory);
  place.programDirectory = frame_.environment().programDirectory;
  return place;
}

HeldFileText FileWorkflow::heldForSave() {
  HeldFileText held;
  if (heldText_) held.text = std::string_view(*heldText_);
  // A serial, not an address: the marked game may have been removed and its memory reused.
  for (std::size_t i = 0; i < collection().size() && markedGameSerial_ != 0; ++i)
    if (collection().game(i).serial() == markedGameSerial_) held.markedGame = &collection().game(i);
  return held;
}

SaveOptions FileWorkflow::saveOptions(SaveScope scope) {
  SaveOptions options;
  options.scope = scope;
  options.isMarked = [](const SGridFrame& g) { return g.markedForExport; };
  options.buildTree = [this](SGridFrame& g) { return buildTree(g); };
  return options;
}

void FileWorkflow::showErrors() {
  if (errors_.empty()) return;
  if (!askAboutErrors_) {
    frame_.notice(kErrorsGathered);
    return;
  }
  ErrorListPorts errorPorts;
  errorPorts.askYesNo = [this](const std::string& c, const std::string& t) {
    const CheckedAnswer answer = ports().messages->askYesNoWithCheck(c, t, kDoNotAskAgain);
    if (answer.checked) askAboutErrors_ = false;
    return answer.yes;
  };
  errorPorts.tell = [this](const std::string& c, const std::string& t) { ports().messages->tell({c, t, MessageIcon::Warning}); };
  errorPorts.showText = [this](const std::string& text) { showErrorText(text); };
  errors_.display(errorPorts);
}

void FileWorkflow::showErrorText(const std::string& text) {
  const std::string& viewer = frame_.appSettings().sgfViewer;
  if (viewer.empty() && ports().viewer != nullptr) {
    // The list of a file names it first; during a load it is not yet the current file.
    const std::string& first = errors_.texts().front();
    const std::string file = first.starts_with("\r\n") ? first.substr(2) : currentFile_;
    ports().viewer->showText(errorListTitle(file), text, errorListFileName(file));
    return;
  }
  // An outside program reads the list from a file of the person's alone, removed when the program ends.
  std::string directory = frame_.environment().temporaryDirectory;
  if (directory.empty()) directory = systemTemporaryDirectory();
  const SysResult<std::string> stored = writeNumberedPrivateFile(directory, kErrorFileStem, "txt", text);
  if (!stored.ok()) {
    ports().messages->tell({"CreateFile()", systemCallFailureText(directory + "/" + kErrorFileStem + "_1.txt", stored.error()),
                            MessageIcon::Warning});
    return;
  }
  filesRemovedAtExit().add(stored.value());
  if (!viewer.empty())
    ViewFile(*ports().processes, *ports().messages, ViewKind::GameFile, viewer, stored.value());
  else
    openWithShell(*ports().processes, *ports().messages, files_, stored.value(), kErrorListCaption);
}

void FileWorkflow::openCurrentGame(bool layout) {
  SGridFrame& g = game();
  if (heldText_ && !g.treeLoaded) {
    // Once the person chose not to be asked again, the errors of every game opened are gathered in the list.
    if (askAboutErrors_) errors_.clear();
    const std::size_t before = errors_.size();
    buildTree(g);
    if (askAboutErrors_) showErrors();
    else if (errors_.size() > before)
      frame_.notice(formatText("Game %d had reading errors: they were added to the error list",
                               static_cast<int>(collection().currentIndex() + 1)));
  }
  frame_.refreshAfterGameChange(layout);
}

bool FileWorkflow::buildTree(SGridFrame& g) {
  if (g.treeLoaded) return true;
  if (!heldText_) return false;
  const std::optional<AppError> message = buildHeldTree(collection(), g, *heldText_, currentFile_, frame_.readerSettings(), errors_);
  if (message) ports().messages->tell({message->caption(), message->text(), MessageIcon::Warning});
  return true;
}

int FileWorkflow::readGamesFromText(const std::string& text, const std::string& path, std::size_t insertAfter, bool lazy,
                                bool& anySelected, std::size_t& selectedIndex, const ProgressCallback& progress,
                                bool& cancelled) {
  // Games of a held file text are copied back from it while unchanged; others are always written anew.
  CollectionReadRequest request;
  request.filePath = path;
  request.insertAfter = insertAfter;
  request.trees = lazy ? GameTrees::FirstOnly : GameTrees::All;
  request.settings = frame_.readerSettings();
  request.progress = progress;
  const CollectionReadResult result = readCollectionText(collection(), text, request, errors_);
  cancelled = result.cancelled;
  if (cancelled) return result.gamesRead;
  if (result.message) ports().messages->tell({result.message->caption(), result.message->text(), MessageIcon::Warning});
  anySelected = result.selectedGame != nullptr;
  if (anySelected) selectedIndex = collection().indexOf(result.selectedGame);
  return result.gamesRead;
}

int FileWorkflow::readGamesFromText(const std::string& text, const std::string& path, std::size_t insertAfter, bool lazy,
                                bool& anySelected, std::size_t& selectedIndex) {
  bool cancelled = false;
  return readGamesFromText(text, path, insertAfter, lazy, anySelected, selectedIndex, {}, cancelled);
}

void FileWorkflow::replaceCollectionWith(GameKind kind, int width, int height, std::string rules) {
  frame_.forgetUndoSteps();
  heldText_.reset();
  markedGameSerial_ = 0;
  collection().clear();
  frame_.insertNewGame(kind, width, height, rules, 0);
}

bool FileWorkflow::ReLoad(const std::string& path) {
  if (path.empty()) {
    ports().messages->tell({"ReLoad()", "Unable to proceed - No filename", MessageIcon::Warning});
    return false;
  }
  if (modified_ && !ports().messages->askYesNo("ReLoad()", "Unsaved changes will be lost\nDo you wish to load the file?"))
    return false;
  std::optional<std::string> loaded = Load_File(shell(), path, kReloadOpenCaption);
  if (!loaded) return false;
  const std::optional<FileStamp> loadedStamp = stampOf(files_, path, contentHash(*loaded));
  std::string text = cleanedText(*loaded);
  loaded.reset();

  // The file's games are read after the games shown, which stay until the reading is complete: a load
  // the person cancels leaves the collection, its changes and its error list as they were.
  const std::size_t oldGames = collection().size();
  const std::size_t oldCurrent = collection().currentIndex();
  SErrorList oldErrors = std::move(errors_);
  errors_.clear();
  bool anySelected = false;
  std::size_t selectedIndex = 0;
  bool cancelled = false;
  int games = 0;
  {
    ProgressScope progress(ports().progress, WorkKind::Loading, path);
    games = readGamesFromText(text, path, Collection::npos, true, anySelected, selectedIndex, progress.callback(),
                              cancelled);
  }
  if (cancelled) {
    collection().removeGames(oldGames, collection().size() - oldGames);
    collection().setCurrent(oldCurrent);
    errors_ = std::move(oldErrors);
    return false;
  }
  askAboutErrors_ = true;  // a file read anew asks again
  showErrors();
  if (games == 0) {
    const SGridFrame& old = collection().game(oldCurrent);
    replaceCollectionWith(old.kind(), old.width(), old.height(), old.details[DetailField::Rules]);
    ports().messages->tell({"FrameWin::ReLoad()", formatText("'%s'\n\nNo games were loaded.", path.c_str()), MessageIcon::Warning});
    currentFile_.clear();
    diskStamp_.reset();
    modified_ = false;  // the changed collection is gone; the placeholder holds nothing to save
    frame_.refreshAfterGameChange(true);
    return false;
  }
  collection().removeGames(0, oldGames);
  frame_.forgetUndoSteps();  // the steps belong to the collection that went
  heldText_.reset();
  markedGameSerial_ = 0;
  if (anySelected) {
    collection().setCurrent(selectedIndex - oldGames);
    markedGameSerial_ = collection().current()->serial();
  } else {
    collection().setCurrent(0);
  }
  recentFiles_.add(path);
  currentFile_ = path;
  diskStamp_ = loadedStamp;
  modified_ = false;
  if (collection().size() > 1) heldText_ = std::move(text);
  frame_.refreshAfterGameChange(true);
  return true;
}

void FileWorkflow::LoadSGF() {
  if (modified_ && !ports().messages->askYesNo("LoadSGF()", "Unsaved changes will be lost\nDo you wish to load a new game file?"))
    return;
  const std::optional<std::string> chosen = ports().files->chooseFileToOpen(openDialog("Select SGF Game File", currentFile_));
  if (!chosen) return;
  // The user agreed to lose the changes, so the reload does not ask again; but until a load has really
  // replaced the collection its changes stay marked, or closing would drop them without a word.
  const bool hadChanges = modified_;
  const std::uint32_t shownGame = game().serial();
  modified_ = false;
  if (chosen->empty()) {
    ports().messages->tell({"LoadSGF()", "Unable to Load - No filename", MessageIcon::Warning});
    modified_ = hadChanges;
    return;
  }
  if (*chosen == currentFile_ &&
      !ports().messages->askYesNo("LoadSGF()", formatText("The file '%s' is currently loaded\n\nDo you wish to reload from disk?", chosen->c_str()))) {
    modified_ = hadChanges;
    return;
  }
  if (!ReLoad(*chosen) && game().serial() == shownGame) modified_ = hadChanges;
}

void FileWorkflow::From_MRU(std::size_t index) {
  if (index >= recentFiles_.entries().size()) return;
  const std::string path = recentFiles_.entries()[index];
  if (path == currentFile_ &&
      !ports().messages->askYesNo("From_MRU()", formatText("The file '%s' is currently loaded\n\nDo you wish to reload from disk?", path.c_str())))
    return;
  ReLoad(path);
}

void FileWorkflow::firstPaint() {
  if (firstPainted_) return;
  firstPainted_ = true;
  if (!startupFile_.empty()) ReLoad(startupFile_);
}

}  // namespace meridax

namespace meridax {

namespace {

std::pair<std::string, std::string> splitPath(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

}  // namespace

bool FileWorkflow::writeCollectionTo(const std::string& path, SaveScope scope, std::optional<SaveOutcome>& outcome,
                                     bool newFile) {
  // The text goes to a temporary file beside the target, so the target is never left half written.
  const auto [directory, name] = splitPath(path);
  SysResult<TempFile> temp = files_.createTempFile(directory, name);
  if (!temp.ok() && newFile) {
    // To the person Save As creates the file it names: a failure here is that creation's.
    ports().messages->tell({"SaveAs(): CreateFile()", systemCallFailureText(path, temp.error()), MessageIcon::Error});
    return false;
  }
  if (!temp.ok()) {
    ports().messages->tell({"GetTempFileName()",
                           formatText("Directory '%s'\nFile '%s'\n\n%s\nError Code is %d", directory.c_str(),
                                           name.c_str(), temp.error().text.c_str(), temp.error().code),
                           MessageIcon::Error});
    return false;
  }
  TempFile& tmp = temp.value();
  {
    // A save the person cancels leaves the target as it was: only the temporary file is written.
    ProgressScope progress(ports().progress, WorkKind::Saving, path);
    SaveOptions options = saveOptions(scope);
    options.progress = progress.callback();
    HashingOutputFile hashed(*tmp.file);
    outcome = Save_File(hashed, *ports().messages, collection(), heldForSave(), options);
    lastWrittenHash_ = hashed.hash();
  }
  const bool closed = outcome && closeOutputFile(*tmp.file, tmp.path, *ports().messages);
  if (!closed) {
    files_.remove(tmp.path);
    return false;
  }
  lastTemporaryFile_ = tmp.path;
  return true;
}

std::optional<std::string> FileWorkflow::saveTarget(const std::string& path, const char* caption) {
  SysResult<std::string> target = files_.linkedFile(path);
  if (target.ok()) return std::move(target.value());
  ports().messages->tell({caption, systemCallFailureText(path, target.error()), MessageIcon::Error});
  return std::nullopt;
}

bool FileWorkflow::placeTemporary(const std::string& target, const char* caption) {
  // The temporary file was made readable by its owner only; the file it becomes keeps the permissions
  // the user gave the file it replaces (a failure here only loses those bits).
  const SysResult<FileStatus> old = files_.status(target);
  files_.setPermissions(lastTemporaryFile_, old.ok() ? old.value().permissions : files_.newFilePermissions());
  if (const std::optional<SystemError> error = files_.rename(lastTemporaryFile_, target)) {
    files_.remove(lastTemporaryFile_);
    ports().messages->tell({caption, systemCallFailureText(target, *error), MessageIcon::Error});
    return false;
  }
  return true;
}

FileWorkflow::ReplaceChoice FileWorkflow::confirmReplacing(const std::string& target, bool& missing) {
  missing = false;
  if (!diskStamp_) return ReplaceChoice::Replace;
  const DiskState state = compareWithDisk(files_, target, *diskStamp_);
  if (state == DiskState::Unchanged) return ReplaceChoice::Replace;
  missing = state == DiskState::Missing;
  const std::string text =
      missing ? formatText("'%s'\n\nThe file has been deleted or moved since it was loaded or saved.\n\n"
                           "Do you wish to write it again, or to save the collection under another name?",
                           currentFile_.c_str())
              : formatText("'%s'\n\nThe file has been changed by another program since it was loaded or saved."
                           "\n\nDo you wish to overwrite it, or to save the collection under another name?",
                           currentFile_.c_str());
  switch (ports().messages->askNamedChoice("CmSave()", text, {missing ? "Save" : "Overwrite", "Save As", "Cancel"})) {
    case Answer::Yes: return ReplaceChoice::Replace;
    case Answer::No: return ReplaceChoice::SaveElsewhere;
    case Answer::Cancel: break;
  }
  return ReplaceChoice::Cancel;
}

void FileWorkflow::rememberDiskState(const std::string& path, std::uint64_t hash) {
  diskStamp_ = stampOf(files_, path, hash);
}

bool FileWorkflow::CmSave() {
  if (currentFile_.empty()) return SaveAs(SaveScope::WholeCollection);
  const std::optional<std::string> target = saveTarget(currentFile_, "CmSave()");
  if (!target) return false;
  if (IsWriteProtected(files_, *target)) {
    ports().messages->tell(writeProtectedMessage(currentFile_));
    return false;
  }
  bool missing = false;
  switch (confirmReplacing(*target, missing)) {
    case ReplaceChoice::Replace: break;
    case ReplaceChoice::SaveElsewhere: return SaveAs(SaveScope::WholeCollection);
    case ReplaceChoice::Cancel: return false;
  }
  std::optional<SaveOutcome> outcome;
  if (missing) {
    // Nothing is left to keep as a backup: the new text simply takes the name.
    if (!writeCollectionTo(*target, SaveScope::WholeCollection, outcome, false) || !placeTemporary(*target, "CmSave()"))
      return false;
    recentFiles_.add(currentFile_);
  } else {
    const std::string backup = GetBackupName(shell(), *target, backupPlace(), "sgf");
    if (backup.empty()) return false;
    if (!writeCollectionTo(*target, SaveScope::WholeCollection, outcome, false)) return false;
    recentFiles_.add(currentFile_);
    if (!SwapBackupFiles(shell(), *target, lastTemporaryFile_, backup, backupPlace(), frame_.appSettings().backupFiles)) {
      ports().messages->tell({"CmSave()",
                             formatText("Unable to swap files\r\n\r\n'%s'\r\n'%s'\r\n\r\nThe modified file might "
                                             "still be held as\r\n\r\n'%s'",
                                             currentFile_.c_str(), backup.c_str(), lastTemporaryFile_.c_str()),
                             MessageIcon::Error});
      return false;
    }
  }
  rememberDiskState(*target, lastWrittenHash_);
  const std::string text =
      outcome->games <= 1
          ? formatText("'%s'\r\n\r\nFile saved\r\n\r\n( %d  bytes )", currentFile_.c_str(),
                            static_cast<int>(outcome->bytes))
          : formatText("'%s'\r\n\r\nFile saved\r\n%d games stored in collection\r\n\r\n( %d  bytes )",
                            currentFile_.c_str(), outcome->games, static_cast<int>(outcome->bytes));
  reportSaved({"CmSave()", text, MessageIcon::Information});
  savedWhole();
  return true;
}

void FileWorkflow::reportSaved(const UserMessage& message) {
  AppSettings& settings = frame_.appSettings();
  if (!settings.showFileSaved) {
    frame_.notice(statusLineOf(message.text));
    return;
  }
  if (ports().messages->tellWithCheck(message, kDoNotShowAgain)) settings.showFileSaved = false;
}

void FileWorkflow::savedWhole() {
  frame_.recordSavedState();
  modified_ = false;
}

std::string FileWorkflow::saveAsStart(SaveScope scope) {
  if (scope == SaveScope::WholeCollection) return currentFile_;
  std::size_t marked = 0;
  std::size_t first = 0;
  for (std::size_t i = collection().size(); i-- > 0;)
    if (collection().game(i).markedForExport) {
      ++marked;
      first = i;
    }
  return exportedGamesPath(currentFile_, marked, first + 1);
}

bool FileWorkflow::SaveAs(SaveScope scope) {
  const std::optional<std::string> chosen =
      ports().files->chooseFileToSave(saveDialog("Save SGF File", saveAsStart(scope)));
  if (!chosen || chosen->empty()) return false;
  const std::string path = *chosen;
  const std::optional<std::string> target = saveTarget(path, "SaveAs(): CreateFile()");
  if (!target) return false;
  std::optional<SaveOutcome> outcome;
  if (!writeCollectionTo(*target, scope, outcome, true) || !placeTemporary(*target, "SaveAs(): CreateFile()"))
    return false;
  const std::string text =
      outcome->games <= 1
          ? formatText("File '%s' saved\r\n\r\n( %d  bytes )", path.c_str(), static_cast<int>(outcome->bytes))
          : formatText("File '%s' saved\r\n\r\n%d games stored in collection\r\n\r\n( %d  bytes )", path.c_str(),
                            outcome->games, static_cast<int>(outcome->bytes));
  reportSaved({"SaveAs()", text, MessageIcon::Information});
  recentFiles_.add(path);
  if (scope == SaveScope::WholeCollection) {
    // An export of some games leaves the collection's own unsaved changes to be saved.
    savedWhole();
    currentFile_ = path;
    rememberDiskState(*target, lastWrittenHash_);
    frame_.refreshTitle();
  }
  return true;
}

void FileWorkflow::CmExportCurrentGame() {
  for (std::size_t i = 0; i < collection().size(); ++i) collection().game(i).markedForExport = false;
  game().markedForExport = true;
  SaveAs(SaveScope::MarkedGames);
}

void FileWorkflow::CollImport() {
  const FileDialogRequest request = openDialog("Import SGF file(s) into Collection", currentFile_);
  const std::vector<std::string> paths = ports().files->chooseFilesToOpen(request);
  if (paths.empty()) return;
  errors_.clear();
  const std::size_t current = collection().currentIndex();
  std::size_t after = current;
  int totalGames = 0;
  int filesWithGames = 0;
  for (const std::string& path : paths) {
    std::optional<std::string> loaded = Load_File(shell(), path);
    if (!loaded) continue;
    const std::string text = cleanedText(*loaded);
    bool anySelected = false;
    std::size_t selectedIndex = 0;
    bool cancelled = false;
    const std::size_t before = collection().size();
    int games = 0;
    {
      ProgressScope progress(ports().progress, WorkKind::Importing, path);
      games = readGamesFromText(text, path, after, false, anySelected, selectedIndex, progress.callback(), cancelled);
    }
    after += collection().size() - before;
    if (cancelled) {
      // Every game this import brought in goes again: the collection is as it was before the command.
      collection().removeGames(current + 1, after - current);
      collection().setCurrent(current);
      frame_.refreshAfterGameChange(false);
      return;
    }
    totalGames += games;
    if (games > 0) ++filesWithGames;
    if (paths.size() == 1 && games > 0)
      ports().messages->tell({"CollImport()",
                             games == 1 ? formatText("'%s'\n\nFile imported.\r\n1 game was loaded.", path.c_str())
                                        : formatText("'%s'\n\nFile imported.\r\n%d games were loaded.",
                                                          path.c_str(), games),
                             MessageIcon::Information});
  }
  collection().setCurrent(current);
  showErrors();
  if (totalGames > 0) modified_ = true;
  if (paths.size() > 1 && filesWithGames > 0)
    ports().messages->tell({"CollImport()",
                           formatText("%d files imported.\r\n%d games were loaded.", filesWithGames, totalGames),
                           MessageIcon::Information});
  frame_.refreshAfterGameChange(false);
}

void FileWorkflow::CmCollAddSGF() {
  const std::optional<std::string> text = ports().dialogs->askText(" SGF Text Import", "", "");
  if (!text || text->empty()) return;
  errors_.clear();
  const std::size_t current = collection().currentIndex();
  bool anySelected = false;
  std::size_t selectedIndex = 0;
  const int games = readGamesFromText(cleanedText(*text), "", current, false, anySelected, selectedIndex);
  collection().setCurrent(current);
  showErrors();
  if (games == 0) {
    ports().messages->tell({"CmCollAddSGF()", "Invalid text.  No games were added.", MessageIcon::Warning});
    return;
  }
  modified_ = true;
  ports().messages->tell({"CmCollAddSGF()",
                         games == 1 ? std::string("SGF text imported.\r\n\r\n1 game was loaded.")
                                    : formatText("SGF text imported.\r\n\r\n%d games were loaded.", games),
                         MessageIcon::Information});
  frame_.refreshAfterGameChange(false);
}

void FileWorkflow::CmCollEmpty() {
  const char* question = modified_ ? "Unsaved changes will be lost\r\nDo you wish to create an empty collection?"
                                   : "Create an empty collection?";
  if (!ports().messages->askYesNo("CmCollEmpty()", question)) return;
  const SGridFrame& old = game();
  replaceCollectionWith(old.kind(), old.width(), old.height(), old.details[DetailField::Rules]);
  modified_ = false;
  currentFile_.clear();
  diskStamp_.reset();
  frame_.refreshAfterGameChange(true);
}

void FileWorkflow::CmCollDelete() {
  // Games kept unread cannot stand in for the last readable game.
  if (collection().readableCount() <= 1) return;
  if (!ports().messages->askYesNo("CmCollDelete()",
                                 "Warning.\nAbout to remove the current game from the collection.\n\nDo you wish to continue?"))
    return;
  collection().removeGame(collection().currentIndex());
  modified_ = true;
  if (ports().window != nullptr) ports().window->setTreeTopLine(game().treeTopLine);
  openCurrentGame(true);
}

bool FileWorkflow::OnClose() {
  if (!modified_) return true;
  if (!currentFile_.empty() && IsWriteProtected(files_, currentFile_))
    return ports().messages->askYesNo(
        "OnClose()",
        formatText("File '%s' is marked as read-only and there are unsaved changes.\n\nDo you wish to exit?",
                        currentFile_.c_str()));
  if (!currentFile_.empty()) {
    switch (ports().messages->askYesNoCancel("OnClose()", "Save " + currentFile_ + "?")) {
      // A save that failed leaves the changes only in memory: closing now would lose them.
      case Answer::Yes: return CmSave();
      case Answer::No: return true;
      case Answer::Cancel: return false;
    }
  }
  return ports().messages->askYesNo("OnClose()", "Unsaved changes will be lost.\nDo you wish to exit?");
}

void FileWorkflow::CmViewFile() {
  ViewFile(*ports().processes, *ports().messages, ViewKind::GameFile, frame_.appSettings().sgfViewer, currentFile_);
}

void FileWorkflow::CmHelp() {
  showHelp(*ports().processes, *ports().messages, files_, ports().viewer, frame_.environment().helpDirectory, "CmHelp()");
}

void FileWorkflow::decideStartupFile(const std::vector<std::string>& commandLineNames) {
  std::string startup;
  if (frame_.appSettings().openLast && !recentFiles_.empty()) startup = recentFiles_.entries().front();
  std::string others;
  if (!commandLineNames.empty()) {
    startup = commandLineNames.front();
    for (std::size_t i = 1; i < commandLineNames.size(); ++i) others += commandLineNames[i] + "\r\n";
  }
  while (!startup.empty() && startup.front() == '"') startup.erase(0, 1);
  while (!startup.empty() && startup.back() == '"') startup.pop_back();
  if (!startup.empty() && startup.front() != '/' && !frame_.environment().workingDirectory.empty())
    startup = frame_.environment().workingDirectory + "/" + startup;
  // A name given on the command line is loaded whatever it names, so that a missing file gets the message
  // it gets when opened from the menu; the most recent file, gone since, is passed over without a word.
  if (commandLineNames.empty()) {
    const SysResult<FileStatus> status = files_.status(startup);
    if (!status.ok() || status.value().type != EntryType::File) startup.clear();
  }
  if (!startup.empty() && !others.empty())
    ports().messages->tell({"FrameWin::FrameWin ()",
                           formatText("Unable to load multiple files.\r\n\r\n'%s'\r\n\r\nwill been loaded.\r\nThe "
                                           "following will not be loaded:\r\n\r\n%s",
                                           startup.c_str(), others.c_str()),
                           MessageIcon::Warning});
  startupFile_ = startup;
}

}  // namespace meridax
