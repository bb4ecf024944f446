#pragma once
// Outside programs: the SGF viewer, the RTF editor, a file comparison program and the help file, each started
// as an independent process that is never waited for.

#include <string>
#include <vector>

#include "app/file_system.h"
#include "app/user_ports.h"
#include "model/program_version.h"

namespace meridax {

enum class ViewKind { Rtf, GameFile };

inline constexpr char kHelpFileName[] = "meridax.html";

// The command line as the user sees it: every part enclosed in double quotes, separated by single blanks.
std::string commandLineText(const std::string& program, const std::vector<std::string>& arguments);

// Opens `file` with `program` (the "SGFViewer" or "RTFEditor" setting); false after telling the user.
bool ViewFile(ProcessPort& processes, MessagePort& messages, ViewKind kind, const std::string& program,
              const std::string& file);

// Compares two files with `program`; false after telling the user.
bool DiffFiles(ProcessPort& processes, MessagePort& messages, const std::string& program, const std::string& file1,
               const std::string& file2);

// The shell's text for an error code of opening a document.
std::string shellErrorText(int code);

// Shell error codes that the opening of a document reports.
namespace shell_error {
inline constexpr int kFileNotFound = 2;
inline constexpr int kNoAssociation = 31;
}  // namespace shell_error

// Opens a document or address in its default viewer; failures are shown with `caption`. A local file that
// does not exist is reported as "The specified file was not found."; no opener at all as a missing association.
bool openWithShell(ProcessPort& processes, MessagePort& messages, FileSystem& files, const std::string& target,
                   const std::string& caption);

// Opens the help file "<directory>/meridax.html" in the browser.
bool openHelp(ProcessPort& processes, MessagePort& messages, FileSystem& files, const std::string& helpDirectory,
              const std::string& caption);

}  // namespace meridax
