#pragma once
// File services shared by the file workflow, the error list and the exports: whole-file reads, checked
// writes, unique names, file times, directory creation and listing. Every failure is shown to the user
// through the message port, captioned with the failing call or routine, and the function says so in its
// result.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/file_system.h"
#include "app/user_ports.h"

namespace meridax {

// The ports every file service works through.
struct ShellPorts {
  FileSystem& files;
  MessagePort& messages;
};

inline constexpr char kLoadFileOpenCaption[] = "Load_File(): CreateFile()";
inline constexpr char kReloadOpenCaption[] = "CreateFile()";  // the caption the reload shows for an open failure

// "'%s'\n%s\nError Code is %d": the path, the system's text and number of the error.
std::string systemCallFailureText(const std::string& path, const SystemError& error);

// A new temporary file in the target's directory, named after the target, open for writing; nullopt after
// telling the user ("GetTempFileName()"). Written there, the new text can replace the target by a rename.
std::optional<TempFile> createTempBeside(const ShellPorts& ports, const std::string& target);

// Closes a written file, making its contents durable; false after telling the user ("CloseHandle()").
bool closeOutputFile(OutputFile& file, const std::string& path, MessagePort& messages);

// The whole file, or nullopt after telling the user why not. An empty file counts as a failure
// ("Zero bytes read"). `openCaption` captions the message of a file that cannot be opened.
std::optional<std::string> Load_File(const ShellPorts& ports, const std::string& path,
                                     const char* openCaption = kLoadFileOpenCaption);

// Writes `length` bytes and checks the count; false after telling the user.
bool WriteFromPointer(OutputFile& file, const char* bytes, std::size_t length, MessagePort& messages);

// The first name that does not exist among: base, base_0001, base_0002, ... each followed by "." and
// `extension` when one is given. nullopt when a name cannot be tested (the user is told).
std::optional<std::string> uniqueFileName(const ShellPorts& ports, const std::string& base,
                                          const std::string& extension);

// Marks a backup as the newest one by giving it the current time; false after telling the user.
bool SetBackupFileTime(const ShellPorts& ports, const std::string& path);

// The file's last-write time, or nullopt after telling the user.
std::optional<FileTime> GetModifiedTime(const ShellPorts& ports, const std::string& path);

// Creates a directory and every missing parent; false after telling the user which level failed.
bool ForceDirectories(const ShellPorts& ports, const std::string& path);

// The files (not subdirectories) of a directory, newest first by their time; nullopt after telling the user.
std::optional<std::vector<DirectoryEntry>> DirectoryFound(const ShellPorts& ports, const std::string& directory);

// True when the file exists and may not be written (no write permission for this user).
bool IsWriteProtected(FileSystem& files, const std::string& path);

// The save's refusal of a write-protected file.
UserMessage writeProtectedMessage(const std::string& path);

// Checks a directory entered in an option dialog: it must be given, be a full path and exist; a missing
// one is created when the user agrees. False when the dialog should stay on the field.
bool CheckDirectory(const ShellPorts& ports, const std::string& directory);

}  // namespace meridax
