#pragma once
// Moving the collection between disk and memory: the start-up file, loading and reloading, saving and
// saving as, exports of games, imports and pasted text, an empty collection, new games, removing a game,
// closing, and the reading errors. It keeps the loaded file's name, its held text (for games whose trees
// are built on first use) and whether the collection has unsaved changes. A part of the main frame
// (FrameWin::files()) that reaches the frame only through FrameServices.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/backups.h"
#include "app/collection_writer.h"
#include "app/file_services.h"
#include "app/file_stamp.h"
#include "app/file_system.h"
#include "app/frame_services.h"
#include "app/recent_files.h"
#include "sgf/sgf_error_list.h"
#include "sgf/work_progress.h"

namespace meridax {

class FileWorkflow {
 public:
  FileWorkflow(FrameServices& frame, FileSystem& files, RecentFileList& recentFiles)
      : frame_(frame), files_(files), recentFiles_(recentFiles) {}
  FileWorkflow(const FileWorkflow&) = delete;
  FileWorkflow& operator=(const FileWorkflow&) = delete;

  // ---- State ----
  const std::string& currentFile() const { return currentFile_; }
  bool modified() const { return modified_; }
  void setModified(bool modified) { modified_ = modified; }
  const std::optional<std::string>& heldText() const { return heldText_; }
  std::optional<std::string>& heldText() { return heldText_; }
  // The game saved with the "selected" mark; found by serial, so a removed game is never named.
  void setMarkedGame(std::uint32_t serial) { markedGameSerial_ = serial; }
  SErrorList& errorList() { return errors_; }

  // ---- Start-up ----
  // Decides the start-up file from "OpenLast" and the command line; reports names that will not load.
  void decideStartupFile(const std::vector<std::string>& commandLineNames);
  const std::string& startupFile() const { return startupFile_; }
  // The first paint loads the start-up file.
  void firstPaint();

  // ---- Commands ----
  void LoadSGF();
  bool ReLoad(const std::string& path);
  bool CmSave();
  bool SaveAs(SaveScope scope);
  void CmExportCurrentGame();
  void From_MRU(std::size_t index);
  void CollImport();
  void CmCollAddSGF();
  void CmCollEmpty();
  void CmCollDelete();
  void CmNewGame();
  void CmNewGameOfType();
  // True when the program may close.
  bool OnClose();
  void CmViewFile();
  void CmHelp();

  // ---- Games read and built ----
  // Builds a lazy game's tree from the held file text (its flag byte kept); false when no text is held.
  bool buildTree(SGridFrame& game);
  // The common step after the current game changed: builds its tree from the held text when needed
  // (showing the reading errors), then the frame refreshes.
  void openCurrentGame(bool layout);
  // Reads the games of a text into the collection after the game at insertAfter (lazily: only the first
  // tree); returns how many were read, and the game the text marked as selected, if any. A cancelled
  // reading keeps the games read so far; the caller removes them.
  int readGamesFromText(const std::string& text, const std::string& path, std::size_t insertAfter, bool lazy,
                        bool& anySelected, std::size_t& selectedIndex, const ProgressCallback& progress,
                        bool& cancelled);
  int readGamesFromText(const std::string& text, const std::string& path, std::size_t insertAfter, bool lazy,
                        bool& anySelected, std::size_t& selectedIndex);
  // Offers the error list, when it holds entries: in the program's text window, or, with an SGF viewer
  // named in the preferences (or no window to show it in), as a private temporary file opened outside. The
  // question carries "Do not ask again for this file": once ticked, until a file is loaded, the errors of games
  // opened later are gathered in the list and the status bar says that a game had errors.
  void showErrors();
  bool asksAboutErrors() const { return askAboutErrors_; }

 private:
  void showErrorText(const std::string& text);
  const FramePorts& ports() const { return frame_.ports(); }
  Collection& collection() { return frame_.collection(); }
  SGridFrame& game() { return frame_.game(); }
  ShellPorts shell() const { return ShellPorts{files_, *ports().messages}; }
  BackupPlace backupPlace() const;
  HeldFileText heldForSave();
  SaveOptions saveOptions(SaveScope scope);
  // Takes its arguments by value: they are often read from the game that is about to go.
  void replaceCollectionWith(GameKind kind, int width, int height, std::string rules);
  // Writes into a temporary file beside `path`; `newFile` for Save As, whose failures name the file's creation.
  bool writeCollectionTo(const std::string& path, SaveScope scope, std::optional<SaveOutcome>& outcome, bool newFile);
  // Where Save As starts: the current file itself, or beside it for an export of some games.
  std::string saveAsStart(SaveScope scope);
  // "File saved" in a box with "Do not show this again", or on the status bar once that was ticked.
  void reportSaved(const UserMessage& message);
  // The file a save of `path` replaces: the one a symbolic link leads to, so that the link stays. nullopt
  // after telling the user (`caption`).
  std::optional<std::string> saveTarget(const std::string& path, const char* caption);
  // Gives the last temporary file the permissions of the file it replaces (a new file: those of the umask)
  // and moves it to `target`; false after telling the user (`caption`), the temporary file removed.
  bool placeTemporary(const std::string& target, const char* caption);
  // Whether a save may replace `target`: when it changed on disk since it was loaded or saved here, the
  // user chooses. `missing` tells that the file is gone and is written anew.
  enum class ReplaceChoice { Replace, SaveElsewhere, Cancel };
  ReplaceChoice confirmReplacing(const std::string& target, bool& missing);
  // Remembers what the current file is on disk after this program read or wrote it.
  void rememberDiskState(const std::string& path, std::uint64_t hash);
  // After the collection was written whole: the undo steps know the saved state, the changes are gone.
  void savedWhole();

  FrameServices& frame_;
  FileSystem& files_;
  RecentFileList& recentFiles_;
  std::optional<std::string> heldText_;
  std::uint32_t markedGameSerial_ = 0;  // the game that carried "XS" in the loaded file; 0 for none
  std::string currentFile_;
  std::string startupFile_;
  bool modified_ = false;
  bool firstPainted_ = false;
  bool askAboutErrors_ = true;  // "Do not ask again for this file" not ticked since the file was loaded
  std::string lastTemporaryFile_;  // where the last collection text was written
  std::uint64_t lastWrittenHash_ = 0;  // and the hash of that text
  std::optional<FileStamp> diskStamp_;  // the current file as last read or written here
  SErrorList errors_;
};

}  // namespace meridax
