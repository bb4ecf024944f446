#pragma once
// The errors met while SGF text is read: texts in the order they arose, the games they belong to,
// and the text file they are stored in for the user to read.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/app_error.h"

namespace meridax {

inline constexpr char kErrorListCaption[] = "SErrorList::Display()";
inline constexpr char kErrorListQuestion[] =
    "Warning.\nSome errors have been detected in the game file.\n\nSome games might not have been loaded.\n"
    "Some games might have been truncated at the error points.\n\nDo you wish to view the errors?";
inline constexpr char kErrorSeparator[] = "\r\n\r\n--------------------------------------------------\r\n";
inline constexpr char kErrorFileStem[] = "Meridax";  // the product name
inline constexpr std::size_t kErrorExtractLength = 96;
inline constexpr std::size_t kErrorExtractLead = 48;  // an extract around a point starts this far before it
// The list keeps this many entries in full and only counts the rest: a file of a million broken games
// would otherwise hold hundreds of megabytes of error text.
inline constexpr std::size_t kErrorsKeptInFull = 1000;

// What the error list needs from the desktop to show itself.
struct ErrorListPorts {
  std::function<bool(const std::string& caption, const std::string& text)> askYesNo;
  std::function<void(const std::string& caption, const std::string& text)> tell;
  // Shows the joined texts; when set, nothing is stored and openFile is not used.
  std::function<void(const std::string& text)> showText;
  // Opens the stored file with the configured viewer, or else the system's default program.
  std::function<void(const std::string& path)> openFile;
  std::string directory;  // where the file goes; empty: the system's temporary directory
};

// Where Store put the errors, or why it could not.
struct StoredErrors {
  std::string path;
  std::optional<AppError> failure;  // "CreateFile()" or "SErrorList::Store()"
  bool ok() const { return !failure.has_value(); }
};

// Counts line numbers (1 + the LF characters before an offset) without rescanning the text from the
// start for every error of a long file.
class LineCounter {
 public:
  explicit LineCounter(std::string_view text = {}) : text_(text) {}
  int lineAt(std::size_t offset);
  // Counts in this text from now on; what was counted is kept while the text is the same one.
  void useText(std::string_view text);

 private:
  std::string_view text_;
  std::size_t countedTo_ = 0;
  int line_ = 1;
};

class SErrorList {
 public:
  // Appends the text (only counted once kErrorsKeptInFull entries are kept) and records the game's ordinal.
  void add(std::string text, int gameOrdinal);
  // As add, but when the list is still empty and a file path is given "\r\n" + path comes first.
  void addForFile(const std::string& filePath, std::string text, int gameOrdinal);
  void clear();

  bool empty() const { return texts_.empty(); }
  std::size_t size() const { return texts_.size(); }
  const std::vector<std::string>& texts() const { return texts_; }
  // The entries added past the first kErrorsKeptInFull, counted but not kept.
  std::size_t unlistedCount() const { return unlisted_; }
  // The ordinals of the games with errors, ascending.
  const std::vector<int>& gameOrdinals() const { return ordinals_; }
  bool hasErrorsIn(int gameOrdinal) const;

  // The line counter of the text being read: kept across the reader's calls of one load, so that each
  // error does not count the lines of the whole text again from its start.
  LineCounter& lineCounter(std::string_view text) {
    lines_.useText(text);
    return lines_;
  }

  // The texts joined by kErrorSeparator, and how many more there were when some were only counted.
  std::string joined() const;

  // Writes the joined texts to the first name "<dir>/Meridax_<n>.txt" (n from 1) that does not exist.
  StoredErrors store(const std::string& directory, const std::string& stem = kErrorFileStem) const;

  // When the list is not empty: asks whether to view the errors and, on Yes, shows them (showText) or
  // stores and opens them. A failure to store is told to the user. Returns true when they were shown.
  bool display(const ErrorListPorts& ports) const;

 private:
  std::vector<std::string> texts_;
  std::size_t unlisted_ = 0;
  std::vector<int> ordinals_;  // games are read in order: almost always appended
  LineCounter lines_;
};

// ---- Texts of reading errors ----


int lineNumberAt(std::string_view text, std::size_t offset);

// Up to 96 characters of the text from `from`.
std::string errorExtract(std::string_view text, std::size_t from);
// Up to 96 characters of the text beginning 48 characters before `at` (not before the start).
std::string errorExtractAround(std::string_view text, std::size_t at);

// A game that could not be created: "Error, in game number %d, on line number %d.  That game has not
// been loaded. ..." with the error text and the extract from the game's "(".
std::string gameNotLoadedText(int ordinal, int line, const std::string& error, const std::string& extract);
// A refused move: "Error, in game number %d, on line number %d.  The following move caused the error.
// ..." with the move's error text, and the note that the branch was truncated.
std::string moveErrorText(int ordinal, int line, const std::string& moveError);
// A value that holds nothing the reader can use; the rest of the game is read on.
std::string passedOverText(int ordinal, int line, const std::string& property, const std::string& extract);
// A game whose text ends before it is complete; what was read is kept.
std::string incompleteGameText(int ordinal, int line, const std::string& what, const std::string& extract);

}  // namespace meridax
