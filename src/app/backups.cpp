#include "app/backups.h"

#include <cerrno>
#include <optional>

#include "model/text_format.h"

namespace meridax {
namespace {

// A file name of this length or more is shortened in its backup's name.
constexpr std::size_t kLongFileName = 137;
constexpr std::size_t kShortenedRoom = 136;

std::string fileNamePart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The first `length` bytes of a UTF-8 text, without splitting a character.
std::string utf8Prefix(const std::string& text, std::size_t length) {
  if (length >= text.size()) return text;
  while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  return text.substr(0, length);
}

constexpr std::size_t kStampLength = 15;  // "yyyymmdd hhmmss"

// The part of a backup's name that names its document: everything before the time stamp.
std::string documentPart(const std::string& fileName) {
  if (fileName.size() < kLongFileName) return fileName + "   ";
  return utf8Prefix(fileName, kShortenedRoom - kStampLength) + "...   ";
}

std::string backupBase(const std::string& directory, const std::string& fileName, const std::string& stamp) {
  return directory + "/" + documentPart(fileName) + stamp;
}

bool allDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Errors for which a second name cannot be made and the file is copied instead.
bool linkUnsupported(int code) {
  return code == EXDEV || code == EPERM || code == EMLINK || code == ENOTSUP || code == ENOSYS;
}

std::string renameFailureText(const std::string& from, const std::string& to, const SystemError& error) {
  return formatText("'%s'\n\nUnable to rename file to '%s'\n\n%s\nError Code is %d", from.c_str(), to.c_str(),
                         error.text.c_str(), error.code);
}

void tellError(MessagePort& messages, const char* caption, std::string text) {
  messages.tell(UserMessage{caption, std::move(text), MessageIcon::Error});
}

// "<base>_<n>.<ext>" becomes "<base>_<n+1>.<ext>"; empty when the path has no such number.
std::string nextNumberedName(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t underscore = path.rfind('_', dot);
  if (dot == std::string::npos || underscore == std::string::npos || underscore + 1 == dot) return {};
  long n = 0;
  for (std::size_t i = underscore + 1; i < dot; ++i) {
    if (path[i] < '0' || path[i] > '9' || n > 1'000'000) return {};
    n = n * 10 + (path[i] - '0');
  }
  return path.substr(0, underscore + 1) + std::to_string(n + 1) + path.substr(dot);
}

// Keeps `target` under `backupPath`, or under the next free number when another program took that name
// between choosing it and now (two saves of same-named files in one second).
std::optional<SystemError> keepOldText(const ShellPorts& ports, const std::string& target, std::string& backupPath) {
  for (int attempt = 0;; ++attempt) {
    std::optional<SystemError> error = ports.files.hardLink(target, backupPath);
    if (error && linkUnsupported(error->code)) error = ports.files.copyFile(target, backupPath);
    if (!error || error->code != EEXIST || attempt == 100) return error;
    std::string next = nextNumberedName(backupPath);
    if (next.empty()) return error;
    backupPath = std::move(next);
  }
}

}  // namespace

bool isBackupOf(const std::string& backupName, const std::string& document, const std::string& extension) {
  const std::string prefix = documentPart(fileNamePart(document));
  const std::string suffix = "." + extension;
  if (!backupName.starts_with(prefix) || !backupName.ends_with(suffix)) return false;
  // "yyyymmdd hhmmss_<n>"
  const std::string_view rest =
      std::string_view(backupName).substr(prefix.size(), backupName.size() - prefix.size() - suffix.size());
  return rest.size() > kStampLength + 1 && allDigits(rest.substr(0, 8)) && rest[8] == ' ' &&
         allDigits(rest.substr(9, 6)) && rest[kStampLength] == '_' && allDigits(rest.substr(kStampLength + 1));
}

std::string backupDirectoryFor(const BackupPlace& place) {
  std::string directory = place.backupDirectory;
  while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
  if (directory.empty()) {
    directory = formatText("%s/%s_Backup", place.programDirectory.c_str(), place.applicationName.c_str());
  }
  return directory;
}

std::string backupTimeStamp(const std::tm& t) {
  return formatText("%02d%02d%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday) +
         formatText(" %02d%02d%02d", t.tm_hour, t.tm_min, t.tm_sec);
}

std::string GetBackupName(const ShellPorts& ports, const std::string& target, const BackupPlace& place,
                          const std::string& extension) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return GetBackupName(ports, target, place, extension, local);
}

std::string GetBackupName(const ShellPorts& ports, const std::string& target, const BackupPlace& place,
                          const std::string& extension, const std::tm& localTime) {
  const std::string directory = backupDirectoryFor(place);
  const SysResult<FileStatus> status = ports.files.status(directory);
  if (!(status.ok() && status.value().type == EntryType::Directory) && !ForceDirectories(ports, directory)) {
    tellError(ports.messages, "GetBackupName()",
              formatText("Unable to create directory\n'%s'", directory.c_str()));
    return {};
  }
  const std::string base = backupBase(directory, fileNamePart(target), backupTimeStamp(localTime));
  for (long n = 1;; ++n) {
    std::string candidate = base + formatText("_%ld.", n) + extension;
    const SysResult<FileStatus> taken = ports.files.status(candidate);
    if (!taken.ok() && (taken.error().code == ENOENT || taken.error().code == ENOTDIR)) return candidate;
    if (!taken.ok()) {
      tellError(ports.messages, "GetFileAttributes()",
                formatText("'%s'\n%s\nError Code is  %d", candidate.c_str(), taken.error().text.c_str(),
                                taken.error().code));
      return {};
    }
  }
}

// The old file is kept by a second name (or, across file systems, a copy) before the new text replaces it
// with one atomic rename, so the target never goes missing and never holds half a text.
//
// Pruning keeps the newest backups by their last-write time: the file system offers no settable creation
// time, so the backup is stamped with the time of the swap. Without that a backup would carry the old
// file's own last-write time, and the backup of a file untouched for a year would be the first one pruned.
bool SwapBackupFiles(const ShellPorts& ports, const std::string& target, const std::string& temporary,
                     const std::string& chosenBackupPath, const BackupPlace& place, int backupsToKeep) {
  std::string backupPath = chosenBackupPath;
  std::optional<SystemError> error = keepOldText(ports, target, backupPath);
  if (error) {
    tellError(ports.messages, "SwapBackupFiles_1(): MoveFile()", renameFailureText(target, backupPath, *error));
    return false;
  }
  // The new text keeps the permissions the user gave the file (a failure here only loses those bits).
  if (const SysResult<FileStatus> old = ports.files.status(target); old.ok()) {
    ports.files.setPermissions(temporary, old.value().permissions);
  }
  if ((error = ports.files.rename(temporary, target))) {
    tellError(ports.messages, "SwapBackupFiles_2(): MoveFile()", renameFailureText(temporary, target, *error));
    return false;
  }
  // A backup left with its old time could be pruned at once; prune only after it has been stamped.
  if (SetBackupFileTime(ports, backupPath)) {
    const std::size_t dot = backupPath.rfind('.');
    BackupDelete(ports, place, backupsToKeep, target, dot == std::string::npos ? "" : backupPath.substr(dot + 1));
  }
  return true;
}

bool BackupDelete(const ShellPorts& ports, const BackupPlace& place, int backupsToKeep, const std::string& document,
                  const std::string& extension) {
  const std::string directory = backupDirectoryFor(place);
  const std::optional<std::vector<DirectoryEntry>> listed = DirectoryFound(ports, directory);
  if (!listed) return false;
  // Only this document's backups: the folder may hold other documents' backups and anything else.
  std::vector<const DirectoryEntry*> files;
  for (const DirectoryEntry& entry : *listed)
    if (isBackupOf(entry.name, document, extension)) files.push_back(&entry);
  const std::size_t keep = static_cast<std::size_t>(clampBackupCount(backupsToKeep));
  for (std::size_t i = keep; i < files.size(); ++i) {
    const std::string path = directory + "/" + files[i]->name;
    if (const auto failure = ports.files.remove(path)) {
      tellError(ports.messages, "BackupDelete(): DeleteFile()",
                formatText("'%s'\n\nUnable to delete file\nError Code is %d", path.c_str(), failure->code));
    }
  }
  return true;
}

}  // namespace meridax
