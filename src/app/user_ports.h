#pragma once
// The two ways the application shell reaches the user and the rest of the desktop: message boxes and
// outside processes. The main frame implements them with real windows; tests use recording doubles.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace meridax {

enum class MessageIcon { Information, Warning, Error };

// A message box: caption (the name of the routine that raises it, written as a call) and text.
struct UserMessage {
  std::string caption;
  std::string text;
  MessageIcon icon = MessageIcon::Warning;

  friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

enum class Answer { Yes, No, Cancel };

// The answer to a question that carries a check box ("Do not ask again for this file").
struct CheckedAnswer {
  bool yes = false;
  bool checked = false;
};

// Modal questions and notices. Every call blocks until the user has answered.
class MessagePort {
 public:
  virtual ~MessagePort() = default;
  // An OK box.
  virtual void tell(const UserMessage& message) = 0;
  // A Yes/No box; true for Yes.
  virtual bool askYesNo(const std::string& caption, const std::string& text) = 0;
  // A Yes/No/Cancel box.
  virtual Answer askYesNoCancel(const std::string& caption, const std::string& text) = 0;
  // A Yes/No box with a check box labelled `check` below the text. A port that has no check boxes asks the
  // plain question, and the box counts as clear.
  virtual CheckedAnswer askYesNoWithCheck(const std::string& caption, const std::string& text,
                                          const std::string& check) {
    (void)check;
    return {askYesNo(caption, text), false};
  }
  // An OK box with a check box labelled `check`; true when it was ticked.
  virtual bool tellWithCheck(const UserMessage& message, const std::string& check) {
    (void)check;
    tell(message);
    return false;
  }
  // A Yes/No/Cancel box whose buttons a window names by what they do (`buttons`: the texts standing for
  // Yes, No and Cancel). A port that cannot name them asks an ordinary Yes/No/Cancel box.
  virtual Answer askNamedChoice(const std::string& caption, const std::string& text,
                                const std::array<std::string, 3>& buttons) {
    (void)buttons;
    return askYesNoCancel(caption, text);
  }
};

// A failed system call: the error number and the system's text for it.
struct SystemError {
  int code = 0;
  std::string text;

  friend bool operator==(const SystemError&, const SystemError&) = default;
};

// The system's error for errno value `code` (strerror text).
SystemError systemError(int code);

// Outside programs run as independent processes that are never waited for.
class ProcessPort {
 public:
  virtual ~ProcessPort() = default;
  // Starts `program` (a path, or a name looked up in PATH) with `arguments`; nullopt once it is running.
  virtual std::optional<SystemError> startDetached(const std::string& program,
                                                   const std::vector<std::string>& arguments) = 0;
  // Opens a document or address in the desktop's default viewer; nullopt once the opener is running.
  virtual std::optional<SystemError> openDocument(const std::string& pathOrUrl) = 0;
};

}  // namespace meridax
