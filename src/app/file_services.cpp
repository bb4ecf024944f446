#include "app/file_services.h"

#include <algorithm>
#include <cerrno>
#include <exception>

#include "model/text_format.h"

namespace meridax {
namespace {

void tellError(MessagePort& messages, const char* caption, std::string text) {
  messages.tell(UserMessage{caption, std::move(text), MessageIcon::Error});
}

bool isMissing(const SystemError& error) { return error.code == ENOENT || error.code == ENOTDIR; }

std::string withExtension(const std::string& name, const std::string& extension) {
  return extension.empty() ? name : name + "." + extension;
}

// The directory levels of a path, shortest first: "/a/b" gives "/a", "/a/b".
std::vector<std::string> directoryLevels(const std::string& path) {
  std::vector<std::string> levels;
  for (std::size_t i = 1; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == '/') {
      if (path[i - 1] != '/') levels.push_back(path.substr(0, i));
    }
  }
  return levels;
}

}  // namespace

std::string systemCallFailureText(const std::string& path, const SystemError& error) {
  return formatText("'%s'\n%s\nError Code is %d", path.c_str(), error.text.c_str(), error.code);
}

std::optional<std::string> Load_File(const ShellPorts& ports, const std::string& path, const char* openCaption) {
  std::string contents;
  const std::optional<ReadFailure> failure = ports.files.readWholeFile(path, contents);
  if (!failure && !contents.empty()) return contents;
  if (!failure) {
    tellError(ports.messages, "Load_File()", "Zero bytes read");
    return std::nullopt;
  }
  switch (failure->step) {
    case ReadStep::Open:
      tellError(ports.messages, openCaption, systemCallFailureText(path, failure->error));
      break;
    case ReadStep::Size:
      tellError(ports.messages, "Load_File()", formatText("'%s'\nLoad_File(): GetFileSize failed", path.c_str()));
      break;
    case ReadStep::Memory:
      tellError(ports.messages, "Load_File()", "GlobalAlloc failed!");
      break;
    case ReadStep::Read:
      tellError(ports.messages, "Load_File()", "Zero bytes read");
      break;
    case ReadStep::NotAFile:
      tellError(ports.messages, "Load_File()",
                formatText("'%s'\nLoad_File(): not a regular file ( a device, a pipe or a socket )", path.c_str()));
      break;
  }
  return std::nullopt;
}

std::optional<TempFile> createTempBeside(const ShellPorts& ports, const std::string& target) {
  const std::size_t slash = target.rfind('/');
  const std::string directory = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  SysResult<TempFile> temp = ports.files.createTempFile(directory, name);
  if (temp.ok()) return std::move(temp.value());
  tellError(ports.messages, "GetTempFileName()",
            formatText("Directory '%s'\nFile '%s'\n\n%s\nError Code is %d", directory.c_str(), name.c_str(),
                            temp.error().text.c_str(), temp.error().code));
  return std::nullopt;
}

bool closeOutputFile(OutputFile& file, const std::string& path, MessagePort& messages) {
  const std::optional<SystemError> error = file.close();
  if (!error) return true;
  tellError(messages, "CloseHandle()", systemCallFailureText(path, *error));
  return false;
}

bool WriteFromPointer(OutputFile& file, const char* bytes, std::size_t length, MessagePort& messages) {
  const WriteOutcome outcome = file.write(std::string_view(bytes, length));
  if (outcome.error) {
    tellError(messages, "WriteFromPointer()",
              formatText("WriteFile()\n%s\nError Code is  %d", outcome.error->text.c_str(), outcome.error->code));
    return false;
  }
  if (outcome.written != length) {
    tellError(messages, "WriteFromPointer()",
              formatText("WriteFile()\nIncorrect number of bytes written.  Process wrote  %zu.  Expected  %zu",
                              outcome.written, length));
    return false;
  }
  return true;
}

std::optional<std::string> uniqueFileName(const ShellPorts& ports, const std::string& base,
                                          const std::string& extension) {
  for (long counter = 0;; ++counter) {
    const std::string name =
        withExtension(counter == 0 ? base : base + formatText("_%04ld", counter), extension);
    const SysResult<FileStatus> status = ports.files.status(name);
    if (status.ok()) continue;
    if (isMissing(status.error())) return name;
    tellError(ports.messages, "GetFileAttributes()",
              formatText("'%s'\n%s\nError Code is  %d", name.c_str(), status.error().text.c_str(),
                              status.error().code));
    return std::nullopt;
  }
}

bool SetBackupFileTime(const ShellPorts& ports, const std::string& path) {
  const SysResult<FileStatus> status = ports.files.status(path);
  if (!status.ok()) {
    tellError(ports.messages, "SetBackupFileTime()", systemCallFailureText(path, status.error()));
    return false;
  }
  if (const auto error = ports.files.setModifiedTime(path, std::nullopt)) {
    tellError(ports.messages, "SetBackupFileTime()",
              formatText("SetFileTime( '%s' )\n%s\nError Code is %d", path.c_str(), error->text.c_str(),
                              error->code));
    return false;
  }
  return true;
}

std::optional<FileTime> GetModifiedTime(const ShellPorts& ports, const std::string& path) {
  const SysResult<FileStatus> status = ports.files.status(path);
  if (!status.ok()) {
    tellError(ports.messages, "GetModifiedTime(): CreateFile()",
              formatText("CreateFile( '%s' )\n%s\nError Code is %d", path.c_str(),
                              status.error().text.c_str(), status.error().code));
    return std::nullopt;
  }
  return status.value().modified;
}

bool ForceDirectories(const ShellPorts& ports, const std::string& path) {
  for (const std::string& level : directoryLevels(path)) {
    const SysResult<FileStatus> status = ports.files.status(level);
    if (status.ok() && status.value().type == EntryType::Directory) continue;
    std::optional<SystemError> error;
    if (status.ok()) {
      error = systemError(ENOTDIR);
    } else if (!isMissing(status.error())) {
      error = status.error();
    } else if ((error = ports.files.createDirectory(level)) && error->code == EEXIST) {
      const SysResult<FileStatus> again = ports.files.status(level);  // made by someone else meanwhile
      if (again.ok() && again.value().type == EntryType::Directory) error.reset();
    }
    if (error) {
      tellError(ports.messages, "ForceDirectories()",
                formatText("CreateDirectory( '%s' )\n%s\nError Code is %d", level.c_str(), error->text.c_str(),
                                error->code));
      return false;
    }
  }
  return true;
}

std::optional<std::vector<DirectoryEntry>> DirectoryFound(const ShellPorts& ports, const std::string& directory) {
  const SysResult<FileStatus> status = ports.files.status(directory);
  if (!status.ok() || status.value().type != EntryType::Directory) {
    tellError(ports.messages, "DirectoryFound()",
              formatText("Unable to SetCurrentDirectory() to '%s'", directory.c_str()));
    return std::nullopt;
  }
  SysResult<std::vector<DirectoryEntry>> listing = ports.files.listDirectory(directory);
  if (!listing.ok()) {
    tellError(ports.messages, "DirectoryFound()",
              formatText("Unable to FindFirstFile() in '%s'", directory.c_str()));
    return std::nullopt;
  }
  std::vector<DirectoryEntry> files;
  for (DirectoryEntry& entry : listing.value()) {
    if (entry.type == EntryType::File) files.push_back(std::move(entry));
  }
  // Newest first; equal times fall back to the name so that the order never depends on the listing.
  std::sort(files.begin(), files.end(), [](const DirectoryEntry& a, const DirectoryEntry& b) {
    return a.modified != b.modified ? a.modified > b.modified : a.name > b.name;
  });
  return files;
}

bool IsWriteProtected(FileSystem& files, const std::string& path) {
  const SysResult<FileStatus> status = files.status(path);
  return status.ok() && status.value().writeProtected;
}

UserMessage writeProtectedMessage(const std::string& path) {
  return UserMessage{"CmSave(): IsWriteProtected()",
                     formatText("'%s'\n\nUnable to replace file.  File is marked as being write protected",
                                     path.c_str()),
                     MessageIcon::Error};
}

bool CheckDirectory(const ShellPorts& ports, const std::string& directory) {
  static constexpr char kCaption[] = "CheckDirectory()";
  if (directory.empty()) {
    tellError(ports.messages, kCaption, "A NULL directory has been detected\r\nYou will need to specify a directory");
    return false;
  }
  if (directory.front() != '/') {
    tellError(ports.messages, kCaption, "A full path string needs to be supplied for the directory");
    return false;
  }
  const SysResult<FileStatus> status = ports.files.status(directory);
  if (status.ok() && status.value().type == EntryType::Directory) return true;
  if (!ports.messages.askYesNo(kCaption,
                               formatText("Directory\n'%s'\ndoes not exist\n\nCreate ?", directory.c_str()))) {
    return false;
  }
  if (!ForceDirectories(ports, directory)) {
    tellError(ports.messages, kCaption, formatText("Unable to create directory\n'%s'", directory.c_str()));
    return false;
  }
  return true;
}

}  // namespace meridax
