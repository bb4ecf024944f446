#include "app/outside_programs.h"

#include <cerrno>

#include "model/text_format.h"

namespace meridax {
namespace {

constexpr char kNoRtfProgram[] =
    "A program to display the RTF file has not been specified.\r\n\r\nGo to the Others dialog ( Shift+Ctrl+O ) and "
    "set the program of your choice ( e.g. WinWord )";
constexpr char kNoViewer[] =
    "A viewer for the game files has not been specified.\r\n\r\nGo to the Others dialog ( Shift+Ctrl+O ) and set "
    "the viewer of your choice ( e.g. Wordpad, Notepad )";
constexpr char kNoDiffProgram[] =
    "A program for the files has not been specified.\r\n\r\nGo to the Others dialog ( Shift+Ctrl+O ) and set the "
    "program of your choice ( e.g. ExamDiff )";

// Starts the program; on failure tells the user under `caption`.
bool start(ProcessPort& processes, MessagePort& messages, const char* caption, const std::string& program,
           const std::vector<std::string>& arguments) {
  const std::optional<SystemError> error = processes.startDetached(program, arguments);
  if (!error) return true;
  messages.tell(UserMessage{caption,
                            formatText("CreateProcess( '%s' )\n\n%s\nError Code is %d",
                                            commandLineText(program, arguments).c_str(), error->text.c_str(),
                                            error->code),
                            MessageIcon::Error});
  return false;
}

bool isAddress(const std::string& target) { return target.find("://") != std::string::npos; }

// "'/path'\nNo such file or directory\nError Code is 2".
std::string failureText(const std::string& path, const SystemError& error) {
  return formatText("'%s'\n%s\nError Code is %d", path.c_str(), error.text.c_str(), error.code);
}

bool tellMissing(MessagePort& messages, const std::string& path, const std::string& caption) {
  messages.tell(UserMessage{caption, failureText(path, systemError(ENOENT)), MessageIcon::Error});
  return false;
}

}  // namespace

std::string commandLineText(const std::string& program, const std::vector<std::string>& arguments) {
  std::string line = "\"" + program + "\"";
  for (const std::string& argument : arguments) line += " \"" + argument + "\"";
  return line;
}

bool ViewFile(ProcessPort& processes, MessagePort& messages, ViewKind kind, const std::string& program,
              const std::string& file) {
  if (program.empty()) {
    messages.tell(UserMessage{"ViewFile()", kind == ViewKind::Rtf ? kNoRtfProgram : kNoViewer});
    return false;
  }
  return start(processes, messages, "ViewFile()", program, {file});
}

bool DiffFiles(ProcessPort& processes, MessagePort& messages, const std::string& program, const std::string& file1,
               const std::string& file2) {
  if (program.empty()) {
    messages.tell(UserMessage{"DiffFiles()", kNoDiffProgram});
    return false;
  }
  return start(processes, messages, "DiffFiles()", program, {file1, file2});
}

bool openWithShell(ProcessPort& processes, MessagePort& messages, FileSystem& files, const std::string& target,
                   const std::string& caption) {
  if (!isAddress(target)) {
    const SysResult<FileStatus> status = files.status(target);
    if (!status.ok()) {
      messages.tell(UserMessage{caption, failureText(target, status.error()), MessageIcon::Error});
      return false;
    }
  }
  const std::optional<SystemError> error = processes.openDocument(target);
  if (!error) return true;
  const std::string text = error->code == ENOENT  // the desktop's opener itself is missing
                               ? formatText("'%s'\n\nNo program to open it was found ( %s ).", target.c_str(),
                                            kDesktopOpener)
                               : formatText("'%s'\n\n%s could not be started.\n%s\nError Code is %d", target.c_str(),
                                            kDesktopOpener, error->text.c_str(), error->code);
  messages.tell(UserMessage{caption, text, MessageIcon::Error});
  return false;
}

std::string helpPagePath(const std::string& helpDirectory) {
  if (helpDirectory.empty()) return kHelpFileName;  // no place known: reported missing, never looked for here
  return helpDirectory + (helpDirectory.back() == '/' ? "" : "/") + kHelpFileName;
}

bool openHelp(ProcessPort& processes, MessagePort& messages, FileSystem& files, const std::string& helpDirectory,
              const std::string& caption) {
  if (helpDirectory.empty()) return tellMissing(messages, kHelpFileName, caption);
  return openWithShell(processes, messages, files, helpPagePath(helpDirectory), caption);
}

bool showHelp(ProcessPort& processes, MessagePort& messages, FileSystem& files, ViewerPort* viewer,
              const std::string& helpDirectory, const std::string& caption) {
  if (viewer == nullptr) return openHelp(processes, messages, files, helpDirectory, caption);
  if (helpDirectory.empty()) return tellMissing(messages, kHelpFileName, caption);
  const std::string page = helpPagePath(helpDirectory);
  const SysResult<FileStatus> status = files.status(page);
  if (!status.ok()) {
    messages.tell(UserMessage{caption, failureText(page, status.error()), MessageIcon::Error});
    return false;
  }
  if (!viewer->openInBrowser(page)) viewer->showHelpPage(page);
  return true;
}

}  // namespace meridax
