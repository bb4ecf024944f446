#pragma once
// A file system held in memory, for runs that must not touch the disk: every name is taken relative to a
// base directory and made lexically normal, so "a.sgf", "./a.sgf" and "<base>/a.sgf" are one file. The
// base directory and its parents always exist; other directories exist once created or once a file is
// put in them. Failures come back as on POSIX (ENOENT, EEXIST, EISDIR, ENOTDIR).

#include <map>
#include <set>
#include <string>

#include "app/file_system.h"

namespace meridax::fuzzing {

class MemoryFileSystem : public FileSystem {
 public:
  explicit MemoryFileSystem(std::string baseDirectory);

  // Puts a file in place, with its directory.
  void putFile(const std::string& path, std::string contents);
  // The file's contents; nullptr when there is none.
  const std::string* file(const std::string& path) const;

  SysResult<FileStatus> status(const std::string& path) override;
  std::optional<ReadFailure> readWholeFile(const std::string& path, std::string& out) override;
  SysResult<std::unique_ptr<OutputFile>> createFile(const std::string& path, CreateMode mode) override;
  SysResult<TempFile> createTempFile(const std::string& directory, const std::string& prefix) override;
  // Memory holds no links: every name is the file itself.
  SysResult<std::string> linkedFile(const std::string& path) override { return path; }
  unsigned newFilePermissions() override { return 0644; }
  std::optional<SystemError> rename(const std::string& from, const std::string& to) override;
  std::optional<SystemError> hardLink(const std::string& from, const std::string& to) override;
  std::optional<SystemError> copyFile(const std::string& from, const std::string& to) override;
  std::optional<SystemError> remove(const std::string& path) override;
  std::optional<SystemError> createDirectory(const std::string& path) override;
  SysResult<std::vector<DirectoryEntry>> listDirectory(const std::string& directory) override;
  std::optional<SystemError> setModifiedTime(const std::string& path, std::optional<FileTime> time) override;
  std::optional<SystemError> setPermissions(const std::string& path, unsigned permissions) override;

 private:
  struct Entry {
    std::string contents;
    FileTime modified{};
    unsigned permissions = 0644;
  };
  class MemoryOutputFile;

  std::string normal(const std::string& path) const;
  bool isDirectory(const std::string& normalPath) const;
  // ENOENT when the file's directory is missing, ENOTDIR when it is a file.
  std::optional<SystemError> parentMissing(const std::string& normalPath) const;
  FileTime tick() { return FileTime(std::chrono::seconds(++clock_)); }

  std::string base_;
  std::map<std::string, Entry> files_;
  std::set<std::string> directories_;
  long long clock_ = 1700000000;  // file times advance by a second with each change, never from the real clock
  int tempCounter_ = 0;
};

}  // namespace meridax::fuzzing
