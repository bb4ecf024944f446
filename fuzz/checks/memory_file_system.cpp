#include "memory_file_system.h"

#include <cerrno>
#include <filesystem>

namespace meridax::fuzzing {

// Writes go straight into the entry, which the file system keeps for as long as the name exists; a file
// whose name went away writes into nothing.
class MemoryFileSystem::MemoryOutputFile : public OutputFile {
 public:
  MemoryOutputFile(MemoryFileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
  WriteOutcome write(std::string_view bytes) override {
    auto it = files_.files_.find(path_);
    if (it == files_.files_.end()) return {0, systemError(ENOENT)};
    it->second.contents.append(bytes);
    it->second.modified = files_.tick();
    return {bytes.size(), std::nullopt};
  }
  std::optional<SystemError> close() override { return std::nullopt; }

 private:
  MemoryFileSystem& files_;
  std::string path_;
};

MemoryFileSystem::MemoryFileSystem(std::string baseDirectory) {
  base_ = std::filesystem::path(baseDirectory).lexically_normal().string();
  for (std::filesystem::path p(base_); !p.empty(); p = p.parent_path()) {
    directories_.insert(p.string());
    if (p == p.parent_path()) break;
  }
}

std::string MemoryFileSystem::normal(const std::string& path) const {
  std::filesystem::path p(path);
  if (p.is_relative()) p = std::filesystem::path(base_) / p;
  std::string s = p.lexically_normal().string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

bool MemoryFileSystem::isDirectory(const std::string& normalPath) const {
  return directories_.count(normalPath) != 0;
}

std::optional<SystemError> MemoryFileSystem::parentMissing(const std::string& normalPath) const {
  const std::string parent = std::filesystem::path(normalPath).parent_path().string();
  if (isDirectory(parent)) return std::nullopt;
  return systemError(files_.count(parent) ? ENOTDIR : ENOENT);
}

void MemoryFileSystem::putFile(const std::string& path, std::string contents) {
  const std::string p = normal(path);
  for (std::filesystem::path d = std::filesystem::path(p).parent_path(); !d.empty(); d = d.parent_path()) {
    directories_.insert(d.string());
    if (d == d.parent_path()) break;
  }
  files_[p] = Entry{std::move(contents), tick(), 0644};
}

const std::string* MemoryFileSystem::file(const std::string& path) const {
  auto it = files_.find(normal(path));
  return it == files_.end() ? nullptr : &it->second.contents;
}

SysResult<FileStatus> MemoryFileSystem::status(const std::string& path) {
  const std::string p = normal(path);
  if (isDirectory(p)) return FileStatus{EntryType::Directory, 0, FileTime{}, 0755, false};
  auto it = files_.find(p);
  if (it == files_.end()) return systemError(ENOENT);
  const Entry& e = it->second;
  return FileStatus{EntryType::File, e.contents.size(), e.modified, e.permissions, (e.permissions & 0222) == 0};
}

std::optional<ReadFailure> MemoryFileSystem::readWholeFile(const std::string& path, std::string& out) {
  const std::string p = normal(path);
  if (isDirectory(p)) return ReadFailure{ReadStep::Read, systemError(EISDIR)};
  auto it = files_.find(p);
  if (it == files_.end()) return ReadFailure{ReadStep::Open, systemError(ENOENT)};
  out = it->second.contents;
  return std::nullopt;
}

SysResult<std::unique_ptr<OutputFile>> MemoryFileSystem::createFile(const std::string& path, CreateMode mode) {
  const std::string p = normal(path);
  if (auto missing = parentMissing(p)) return *missing;
  if (isDirectory(p)) return systemError(EISDIR);
  auto it = files_.find(p);
  if (it != files_.end() && mode == CreateMode::New) return systemError(EEXIST);
  if (it != files_.end() && (it->second.permissions & 0200) == 0) return systemError(EACCES);
  files_[p] = Entry{{}, tick(), 0644};
  return std::unique_ptr<OutputFile>(std::make_unique<MemoryOutputFile>(*this, p));
}

SysResult<TempFile> MemoryFileSystem::createTempFile(const std::string& directory, const std::string& prefix) {
  const std::string path = normal(directory + "/" + prefix + "_" + std::to_string(++tempCounter_) + ".tmp");
  SysResult<std::unique_ptr<OutputFile>> file = createFile(path, CreateMode::New);
  if (!file.ok()) return file.error();
  return TempFile{path, std::move(file.value())};
}

std::optional<SystemError> MemoryFileSystem::rename(const std::string& from, const std::string& to) {
  const std::string f = normal(from);
  const std::string t = normal(to);
  auto it = files_.find(f);
  if (it == files_.end()) return systemError(isDirectory(f) ? EISDIR : ENOENT);
  if (auto missing = parentMissing(t)) return missing;
  if (isDirectory(t)) return systemError(EISDIR);
  if (f == t) return std::nullopt;
  Entry moved = std::move(it->second);
  files_.erase(it);
  files_[t] = std::move(moved);
  return std::nullopt;
}

std::optional<SystemError> MemoryFileSystem::hardLink(const std::string& from, const std::string& to) {
  return copyFile(from, to);  // no file is changed in place, so a copy serves as a second name
}

std::optional<SystemError> MemoryFileSystem::copyFile(const std::string& from, const std::string& to) {
  const std::string f = normal(from);
  const std::string t = normal(to);
  auto it = files_.find(f);
  if (it == files_.end()) return systemError(isDirectory(f) ? EISDIR : ENOENT);
  if (auto missing = parentMissing(t)) return missing;
  if (files_.count(t) || isDirectory(t)) return systemError(EEXIST);
  files_[t] = it->second;
  return std::nullopt;
}

std::optional<SystemError> MemoryFileSystem::remove(const std::string& path) {
  const std::string p = normal(path);
  if (isDirectory(p)) return systemError(EISDIR);
  if (files_.erase(p) == 0) return systemError(ENOENT);
  return std::nullopt;
}

std::optional<SystemError> MemoryFileSystem::createDirectory(const std::string& path) {
  const std::string p = normal(path);
  if (isDirectory(p) || files_.count(p)) return systemError(EEXIST);
  if (auto missing = parentMissing(p)) return missing;
  directories_.insert(p);
  return std::nullopt;
}

SysResult<std::vector<DirectoryEntry>> MemoryFileSystem::listDirectory(const std::string& directory) {
  const std::string d = normal(directory);
  if (!isDirectory(d)) return systemError(files_.count(d) ? ENOTDIR : ENOENT);
  std::vector<DirectoryEntry> entries;
  const auto inside = [&d](const std::string& p) {
    return std::filesystem::path(p).parent_path().string() == d && p != d;
  };
  for (const std::string& sub : directories_)
    if (inside(sub)) entries.push_back({std::filesystem::path(sub).filename().string(), EntryType::Directory, 0, {}});
  for (const auto& [p, e] : files_)
    if (inside(p))
      entries.push_back({std::filesystem::path(p).filename().string(), EntryType::File, e.contents.size(), e.modified});
  return entries;
}

std::optional<SystemError> MemoryFileSystem::setModifiedTime(const std::string& path, std::optional<FileTime> time) {
  auto it = files_.find(normal(path));
  if (it == files_.end()) return systemError(ENOENT);
  it->second.modified = time ? *time : tick();
  return std::nullopt;
}

std::optional<SystemError> MemoryFileSystem::setPermissions(const std::string& path, unsigned permissions) {
  auto it = files_.find(normal(path));
  if (it == files_.end()) return systemError(ENOENT);
  it->second.permissions = permissions & 0777;
  return std::nullopt;
}

}  // namespace meridax::fuzzing
