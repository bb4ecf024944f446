#pragma once
// The real file system, through the POSIX calls. A saved file survives a crash of the program or of the
// machine: a file is synced before it is closed, and a directory is synced before and after a rename or a
// new link in it, so that after a crash a name holds either its old file or its new one, whole.

#include <functional>

#include "app/file_system.h"

namespace meridax {

// The points of a write, a rename or a link after which a crash leaves the disk in a different state.
enum class FsStep {
  Written,              // one write of bytes to an open file returned
  BeforeFileSync,
  AfterFileSync,
  BeforeDirectorySync,
  AfterDirectorySync,
  BeforeRename,
  AfterRename,
  BeforeLink,           // before a second name (or a copy) is made
  AfterLink,
};

// Called at each step; a test sets one to stop the process at a chosen step.
using FsStepHook = std::function<void(FsStep)>;

class PosixFileSystem : public FileSystem {
 public:
  // Every later call reports its steps to `hook` (an empty hook stops the reports).
  void setStepHook(FsStepHook hook) { stepHook_ = std::move(hook); }

  SysResult<FileStatus> status(const std::string& path) override;
  std::optional<ReadFailure> readWholeFile(const std::string& path, std::string& out) override;
  SysResult<std::unique_ptr<OutputFile>> createFile(const std::string& path, CreateMode mode) override;
  SysResult<TempFile> createTempFile(const std::string& directory, const std::string& prefix) override;
  SysResult<std::string> linkedFile(const std::string& path) override;
  unsigned newFilePermissions() override;
  // Syncs the directory of `from`, renames, then syncs the directory of `to` (and of `from` when it differs).
  // An error of the last sync comes after the rename: `to` then holds the new file, not yet surely durable.
  std::optional<SystemError> rename(const std::string& from, const std::string& to) override;
  // Links, then syncs the directory of `to`; an error of that sync leaves the new name in place.
  std::optional<SystemError> hardLink(const std::string& from, const std::string& to) override;
  std::optional<SystemError> copyFile(const std::string& from, const std::string& to) override;
  std::optional<SystemError> remove(const std::string& path) override;
  std::optional<SystemError> createDirectory(const std::string& path) override;
  SysResult<std::vector<DirectoryEntry>> listDirectory(const std::string& directory) override;
  std::optional<SystemError> setModifiedTime(const std::string& path, std::optional<FileTime> time) override;
  std::optional<SystemError> setPermissions(const std::string& path, unsigned permissions) override;

 protected:
  // Makes the entries of a directory durable. A directory that cannot be synced on its file system counts
  // as synced. Virtual so that a test can make it fail.
  virtual std::optional<SystemError> syncDirectory(const std::string& directory);

 private:
  void step(FsStep at) const {
    if (stepHook_) stepHook_(at);
  }
  std::optional<SystemError> syncDirectoryOf(const std::string& path);

  FsStepHook stepHook_;
};

}  // namespace meridax
