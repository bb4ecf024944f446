#pragma once
// How meridax-cli writes its results: UTF-8 lines whose fields are separated by tabs. Inside a field a
// backslash, CR, LF and tab are written "\\", "\r", "\n" and "\t", so that every record stays on one line.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/user_ports.h"

namespace meridax::cli {

// Exit statuses shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitErrorsFound = 1;  // check: the files hold errors
inline constexpr int kExitTrouble = 2;      // a file cannot be read or written, or the command line is wrong

// The text as UTF-8: valid UTF-8 sequences are kept, any other byte is taken as Latin-1.
std::string toUtf8(std::string_view text);

// One field: UTF-8, with backslash, CR, LF and tab escaped, and every other control character written
// \xHH, so that no byte of a file reaches the terminal as a command.
std::string escapeField(std::string_view text);

// A text shown as it stands (line breaks and tabs kept), but as UTF-8 and with every other control
// character written \xHH: the error lists of check, which quote the bytes of broken or binary files.
std::string terminalText(std::string_view text);

// A complaint of the program itself: "meridax-cli: TEXT" on one line (TEXT escaped as a field).
std::string cliMessage(std::string_view text);

// The fields escaped and joined by tabs, ending with a line feed.
std::string recordLine(const std::vector<std::string>& fields);

// Messages the library would show in a box, written to a stream as "meridax-cli: caption: text" on one line.
class StreamMessages : public MessagePort {
 public:
  explicit StreamMessages(std::ostream& out) : out_(out) {}
  void tell(const UserMessage& message) override;
  bool askYesNo(const std::string& caption, const std::string& text) override;  // writes it, answers No
  Answer askYesNoCancel(const std::string& caption, const std::string& text) override;  // answers Cancel

 private:
  std::ostream& out_;
};

}  // namespace meridax::cli
