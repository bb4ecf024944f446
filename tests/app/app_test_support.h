#pragma once
// Test doubles of the application shell's ports: a message port that records, a process port that records,
// a real file system that fails on request, and a temporary directory.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "app/posix_file_system.h"
#include "app/user_ports.h"

namespace meridax::testing {

class RecordingMessages : public MessagePort {
 public:
  void tell(const UserMessage& message) override { told.push_back(message); }
  bool askYesNo(const std::string& caption, const std::string& text) override {
    asked.push_back(UserMessage{caption, text});
    return yesNoAnswer;
  }
  Answer askYesNoCancel(const std::string& caption, const std::string& text) override {
    asked.push_back(UserMessage{caption, text});
    return threeWayAnswer;
  }

  // The one message told; fails the test when there were none or several.
  UserMessage only() const {
    EXPECT_EQ(told.size(), 1u);
    return told.empty() ? UserMessage{} : told.front();
  }

  std::vector<UserMessage> told;
  std::vector<UserMessage> asked;
  bool yesNoAnswer = true;
  Answer threeWayAnswer = Answer::Yes;
};

class RecordingProcesses : public ProcessPort {
 public:
  struct Start {
    std::string program;
    std::vector<std::string> arguments;
    friend bool operator==(const Start&, const Start&) = default;
  };

  std::optional<SystemError> startDetached(const std::string& program,
                                           const std::vector<std::string>& arguments) override {
    started.push_back(Start{program, arguments});
    return failure;
  }
  std::optional<SystemError> openDocument(const std::string& pathOrUrl) override {
    opened.push_back(pathOrUrl);
    return failure;
  }

  std::vector<Start> started;
  std::vector<std::string> opened;
  std::optional<SystemError> failure;
};

// The operations of the file system that a test can make fail.
enum class FsOp {
  Status, Read, Create, CreateTemp, Write, Close, Rename, HardLink, Copy, Remove, CreateDirectory, List, SetTime,
  SetPermissions, SyncDirectory
};

// The real file system, except that a chosen call fails with a chosen error. A failing write first writes
// `partialBytes` bytes for real, like a disk that fills up in the middle of a write.
class FailingFileSystem : public PosixFileSystem {
 public:
  // The `nth` call (counted from 1) of `op` and every later one fails with `code`.
  void failAt(FsOp op, int code, int nth = 1) { plans_[op] = Plan{code, nth}; }
  std::size_t partialBytes = 0;

  SysResult<FileStatus> status(const std::string& path) override {
    if (auto e = injected(FsOp::Status)) return *e;
    return PosixFileSystem::status(path);
  }
  std::optional<ReadFailure> readWholeFile(const std::string& path, std::string& out) override {
    if (auto e = injected(FsOp::Read)) return ReadFailure{readStep, *e};
    return PosixFileSystem::readWholeFile(path, out);
  }
  SysResult<std::unique_ptr<OutputFile>> createFile(const std::string& path, CreateMode mode) override {
    if (auto e = injected(FsOp::Create)) return *e;
    auto file = PosixFileSystem::createFile(path, mode);
    if (!file.ok()) return file;
    return std::unique_ptr<OutputFile>(std::make_unique<FailingOutput>(*this, std::move(file.value())));
  }
  SysResult<TempFile> createTempFile(const std::string& directory, const std::string& prefix) override {
    if (auto e = injected(FsOp::CreateTemp)) return *e;
    auto temp = PosixFileSystem::createTempFile(directory, prefix);
    if (!temp.ok()) return temp;
    temp.value().file = std::make_unique<FailingOutput>(*this, std::move(temp.value().file));
    return temp;
  }
  std::optional<SystemError> rename(const std::string& from, const std::string& to) override {
    if (auto e = injected(FsOp::Rename)) return e;
    return PosixFileSystem::rename(from, to);
  }
  std::optional<SystemError> hardLink(const std::string& from, const std::string& to) override {
    if (auto e = injected(FsOp::HardLink)) return e;
    return PosixFileSystem::hardLink(from, to);
  }
  std::optional<SystemError> copyFile(const std::string& from, const std::string& to) override {
    if (auto e = injected(FsOp::Copy)) return e;
    return PosixFileSystem::copyFile(from, to);
  }
  std::optional<SystemError> remove(const std::string& path) override {
    if (auto e = injected(FsOp::Remove)) return e;
    return PosixFileSystem::remove(path);
  }
  std::optional<SystemError> createDirectory(const std::string& path) override {
    if (auto e = injected(FsOp::CreateDirectory)) return e;
    return PosixFileSystem::createDirectory(path);
  }
  SysResult<std::vector<DirectoryEntry>> listDirectory(const std::string& directory) override {
    if (auto e = injected(FsOp::List)) return *e;
    return PosixFileSystem::listDirectory(directory);
  }
  std::optional<SystemError> setModifiedTime(const std::string& path, std::optional<FileTime> time) override {
    if (auto e = injected(FsOp::SetTime)) return e;
    return PosixFileSystem::setModifiedTime(path, time);
  }
  std::optional<SystemError> setPermissions(const std::string& path, unsigned permissions) override {
    if (auto e = injected(FsOp::SetPermissions)) return e;
    return PosixFileSystem::setPermissions(path, permissions);
  }

  ReadStep readStep = ReadStep::Open;  // the step a failing read reports

 protected:
  std::optional<SystemError> syncDirectory(const std::string& directory) override {
    if (auto e = injected(FsOp::SyncDirectory)) return e;
    return PosixFileSystem::syncDirectory(directory);
  }

 private:
  struct Plan {
    int code = 0;
    int nth = 1;
    int calls = 0;
  };

  class FailingOutput : public OutputFile {
   public:
    FailingOutput(FailingFileSystem& owner, std::unique_ptr<OutputFile> real) : owner_(owner), real_(std::move(real)) {}
    WriteOutcome write(std::string_view bytes) override {
      if (auto e = owner_.injected(FsOp::Write)) {
        const WriteOutcome partial = real_->write(bytes.substr(0, std::min(owner_.partialBytes, bytes.size())));
        return WriteOutcome{partial.written, *e};
      }
      return real_->write(bytes);
    }
    std::optional<SystemError> close() override {
      if (auto e = owner_.injected(FsOp::Close)) {
        real_->close();
        return e;
      }
      return real_->close();
    }

   private:
    FailingFileSystem& owner_;
    std::unique_ptr<OutputFile> real_;
  };

  std::optional<SystemError> injected(FsOp op) {
    auto it = plans_.find(op);
    if (it == plans_.end()) return std::nullopt;
    if (++it->second.calls < it->second.nth) return std::nullopt;
    return systemError(it->second.code);
  }

  std::map<FsOp, Plan> plans_;
};

// A fresh directory under the system's temporary directory, removed with everything in it afterwards.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "meridax_app_XXXXXX").string();
    path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    EXPECT_FALSE(path_.empty());
  }
  ~TempDir() {
    std::error_code ignored;
    // Restore write permission so that protected test files can be removed.
    for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                   ignored);
    }
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline void writeTextFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

inline std::string readTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The names in a directory, sorted.
inline std::vector<std::string> fileNames(const std::string& directory) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace meridax::testing
