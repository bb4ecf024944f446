#pragma once
// Time-stamped backups: every save over an existing file keeps the replaced file in the backup directory
// under "<name>   <yyyymmdd hhmmss>_<n>.<ext>", and the document's backups are pruned to the newest few.

#include <ctime>
#include <string>

#include "app/app_paths.h"
#include "app/file_services.h"
#include "app/preferences.h"

namespace meridax {

inline constexpr int kDefaultBackupsToKeep = 120;

// Where backups go. An empty backup directory means "<programDirectory>/<applicationName>_Backup".
struct BackupPlace {
  std::string backupDirectory;
  std::string programDirectory;
  std::string applicationName = kApplicationName;
};

// The backup directory a place names, without a trailing '/'.
std::string backupDirectoryFor(const BackupPlace& place);

// "yyyymmdd hhmmss" of a local time.
std::string backupTimeStamp(const std::tm& localTime);

// The path under which `target` is kept when it is replaced now: the first of "<dir>/<name>   <stamp>_1.<ext>",
// "..._2.<ext>", ... that does not exist. Creates the directory when needed. Empty after telling the user.
std::string GetBackupName(const ShellPorts& ports, const std::string& target, const BackupPlace& place,
                          const std::string& extension);
// The same with the time stamp taken from `localTime`.
std::string GetBackupName(const ShellPorts& ports, const std::string& target, const BackupPlace& place,
                          const std::string& extension, const std::tm& localTime);

// Keeps `target` as `backupPath` (or the next free number after it, when another program took that name since
// it was chosen), moves `temporary` into its place and prunes the target's backups.
// The target always holds either the old or the new text. False after telling the user; the new text is then
// still in `temporary`.
bool SwapBackupFiles(const ShellPorts& ports, const std::string& target, const std::string& temporary,
                     const std::string& backupPath, const BackupPlace& place, int backupsToKeep);

// Deletes every backup of `document` (with the extension) but the newest `backupsToKeep` (clamped to the
// range of "Backup Files"); other files of the directory are never touched. False when the directory
// cannot be listed; failed deletions are reported one by one and pruning goes on.
bool BackupDelete(const ShellPorts& ports, const BackupPlace& place, int backupsToKeep, const std::string& document,
                  const std::string& extension);

// True when `backupName` (a file name) is a name GetBackupName gives the backups of `document`.
bool isBackupOf(const std::string& backupName, const std::string& document, const std::string& extension);

}  // namespace meridax
