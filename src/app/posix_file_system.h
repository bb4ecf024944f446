#pragma once
// The real file system, through the POSIX calls.

#include "app/file_system.h"

namespace meridax {

class PosixFileSystem : public FileSystem {
 public:
  SysResult<FileStatus> status(const std::string& path) override;
  std::optional<ReadFailure> readWholeFile(const std::string& path, std::string& out) override;
  SysResult<std::unique_ptr<OutputFile>> createFile(const std::string& path, CreateMode mode) override;
  SysResult<TempFile> createTempFile(const std::string& directory, const std::string& prefix) override;
  std::optional<SystemError> rename(const std::string& from, const std::string& to) override;
  std::optional<SystemError> hardLink(const std::string& from, const std::string& to) override;
  std::optional<SystemError> copyFile(const std::string& from, const std::string& to) override;
  std::optional<SystemError> remove(const std::string& path) override;
  std::optional<SystemError> createDirectory(const std::string& path) override;
  SysResult<std::vector<DirectoryEntry>> listDirectory(const std::string& directory) override;
  std::optional<SystemError> setModifiedTime(const std::string& path, std::optional<FileTime> time) override;
  std::optional<SystemError> setPermissions(const std::string& path, unsigned permissions) override;
};

}  // namespace meridax
