#pragma once
// Outside programs: the SGF viewer, the RTF editor, a file comparison program and the help file, each started
// as an independent process that is never waited for.

#include <string>
#include <vector>

#include "app/file_system.h"
#include "app/user_ports.h"
#include "app/viewer_port.h"
#include "model/program_version.h"

namespace meridax {

enum class ViewKind { Rtf, GameFile };

inline constexpr char kHelpFileName[] = "meridax.html";
// The program that hands documents and addresses to the desktop's default viewer.
inline constexpr char kDesktopOpener[] = "xdg-open";

// The command line as the user sees it: every part enclosed in double quotes, separated by single blanks.
std::string commandLineText(const std::string& program, const std::vector<std::string>& arguments);

// Opens `file` with `program` (the "SGFViewer" or "RTFEditor" setting); false after telling the user.
bool ViewFile(ProcessPort& processes, MessagePort& messages, ViewKind kind, const std::string& program,
              const std::string& file);

// Compares two files with `program`; false after telling the user.
bool DiffFiles(ProcessPort& processes, MessagePort& messages, const std::string& program, const std::string& file1,
               const std::string& file2);

// Opens a document or address in its default viewer; failures are shown with `caption`, in this system's
// words and naming the target: a local file that cannot be reached by its own error, a missing opener
// (xdg-open) as no program to open it.
bool openWithShell(ProcessPort& processes, MessagePort& messages, FileSystem& files, const std::string& target,
                   const std::string& caption);

// "<directory>/meridax.html".
std::string helpPagePath(const std::string& helpDirectory);

// Opens the help file "<directory>/meridax.html" in the browser.
bool openHelp(ProcessPort& processes, MessagePort& messages, FileSystem& files, const std::string& helpDirectory,
              const std::string& caption);

// Shows the manual: in the browser when one answers, else in the program's help window (`viewer`);
// without a viewer as openHelp does. A manual that is not there is told under `caption`, naming the file.
bool showHelp(ProcessPort& processes, MessagePort& messages, FileSystem& files, ViewerPort* viewer,
              const std::string& helpDirectory, const std::string& caption);

}  // namespace meridax
