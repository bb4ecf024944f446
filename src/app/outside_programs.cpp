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

std::string shellErrorText(int code) {
  switch (code) {
    case 0: return "The system is out of memory or resources.";
    case 2: return "The specified file was not found.";
    case 3: return "The specified path was not found.";
    case 5: return "The operating system denied access to the specified file.";
    case 8: return "Out of memory.";
    case 11: return "The .EXE file is invalid ( non-Win32 .EXE or error in .EXE image ).";
    case 26: return "A sharing violation occurred.";
    case 27: return "The filename association is incomplete or invalid.";
    case 28: return "The DDE transaction could not be completed because the request timed out.";
    case 29: return "The DDE transaction failed.";
    case 30: return "The DDE transaction could not be completed because other DDE transactions were being processed.";
    case 31:
      return "This file does not have a program associated with it for performing this action.  Create an "
             "association in My Computer by clicking View and then clicking Options.";
    case 32: return "The specified dynamic-link library (DLL) was not found.";
    default: return formatText("ShellExecute().  Unkown error return code %d", code);
  }
}

bool openWithShell(ProcessPort& processes, MessagePort& messages, FileSystem& files, const std::string& target,
                   const std::string& caption) {
  if (!isAddress(target) && !files.status(target).ok()) {
    messages.tell(UserMessage{caption, shellErrorText(shell_error::kFileNotFound), MessageIcon::Error});
    return false;
  }
  const std::optional<SystemError> error = processes.openDocument(target);
  if (!error) return true;
  if (error->code == ENOENT) {  // the desktop's opener itself is missing
    messages.tell(UserMessage{caption, shellErrorText(shell_error::kNoAssociation), MessageIcon::Error});
  } else {
    messages.tell(UserMessage{"CreateProcess()", formatText("%s\nError Code is %d", error->text.c_str(), error->code),
                              MessageIcon::Error});
  }
  return false;
}

bool openHelp(ProcessPort& processes, MessagePort& messages, FileSystem& files, const std::string& helpDirectory,
              const std::string& caption) {
  std::string path = helpDirectory;
  if (!path.empty() && path.back() != '/') path += '/';
  return openWithShell(processes, messages, files, path + kHelpFileName, caption);
}

}  // namespace meridax
