#include "sgf/sgf_error_list.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "model/text_format.h"

namespace meridax {

namespace {

// The line feeds of a text, eight bytes at a time: a byte of the word equals '\n' exactly when the
// word xor eight line feeds has a zero byte there, which the high-bit test below finds without carries.
std::size_t lineFeedsIn(std::string_view text) {
  constexpr std::uint64_t kFeeds = 0x0a0a0a0a0a0a0a0aULL;
  constexpr std::uint64_t kLow7 = 0x7f7f7f7f7f7f7f7fULL;
  std::size_t count = 0;
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    const std::uint64_t x = word ^ kFeeds;
    const std::uint64_t zeroHigh = ~(((x & kLow7) + kLow7) | x | kLow7);
    // One bit per matching byte, moved to the byte's lowest bit and summed into the top byte.
    count += static_cast<std::size_t>(((zeroHigh >> 7) * 0x0101010101010101ULL) >> 56);
  }
  for (; i < text.size(); ++i) count += text[i] == '\n';
  return count;
}

constexpr int kMaxErrorFiles = 100000;  // counter values tried before giving up

std::string temporaryDirectory() {
  std::error_code ec;
  const auto dir = std::filesystem::temp_directory_path(ec);
  return ec ? std::string("/tmp") : dir.string();
}

std::string withSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

AppError createFailure(const std::string& path, int code) {
  return AppError("CreateFile()", "'" + path + "'\n" + std::strerror(code) + "\nError Code is " + std::to_string(code));
}

}  // namespace

void SErrorList::add(std::string text, int gameOrdinal) {
  if (texts_.size() < kErrorsKeptInFull) texts_.push_back(std::move(text));
  else ++unlisted_;
  const auto at = std::lower_bound(ordinals_.begin(), ordinals_.end(), gameOrdinal);
  if (at == ordinals_.end() || *at != gameOrdinal) ordinals_.insert(at, gameOrdinal);
}

bool SErrorList::hasErrorsIn(int gameOrdinal) const {
  return std::binary_search(ordinals_.begin(), ordinals_.end(), gameOrdinal);
}

void SErrorList::addForFile(const std::string& filePath, std::string text, int gameOrdinal) {
  if (texts_.empty() && !filePath.empty()) add("\r\n" + filePath, gameOrdinal);
  add(std::move(text), gameOrdinal);
}

void SErrorList::clear() {
  texts_.clear();
  texts_.shrink_to_fit();
  unlisted_ = 0;
  ordinals_.clear();
  ordinals_.shrink_to_fit();
  lines_ = LineCounter();  // a new text may come at the same address
}

std::string SErrorList::joined() const {
  std::string out;
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    if (i > 0) out += kErrorSeparator;
    out += texts_[i];
  }
  if (unlisted_ > 0)
    out += kErrorSeparator + formatText("%zu more errors were found; only the first %zu are listed.", unlisted_,
                                        kErrorsKeptInFull);
  return out;
}

StoredErrors SErrorList::store(const std::string& directory, const std::string& stem) const {
  const std::string dir = withSeparator(directory.empty() ? temporaryDirectory() : directory);
  StoredErrors result;
  std::FILE* file = nullptr;
  for (int n = 1; n <= kMaxErrorFiles && file == nullptr; ++n) {
    result.path = dir + stem + "_" + std::to_string(n) + ".txt";
    file = std::fopen(result.path.c_str(), "wx");  // fails when the name exists
    if (file == nullptr && errno != EEXIST) {
      result.failure = createFailure(result.path, errno);
      return result;
    }
  }
  if (file == nullptr) {
    result.failure = createFailure(result.path, EEXIST);
    return result;
  }
  const std::string text = joined();
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) result.failure = AppError("SErrorList::Store()", "WriteFile failed");
  return result;
}

bool SErrorList::display(const ErrorListPorts& ports) const {
  if (empty() || !ports.askYesNo || !ports.askYesNo(kErrorListCaption, kErrorListQuestion)) return false;
  if (ports.showText) {
    ports.showText(joined());
    return true;
  }
  const StoredErrors stored = store(ports.directory);
  if (!stored.ok()) {
    if (ports.tell) ports.tell(stored.failure->caption(), stored.failure->text());
    return false;
  }
  if (ports.openFile) ports.openFile(stored.path);
  return true;
}

void LineCounter::useText(std::string_view text) {
  if (text.data() == text_.data() && text.size() == text_.size()) return;
  text_ = text;
  countedTo_ = 0;
  line_ = 1;
}

int LineCounter::lineAt(std::size_t offset) {
  offset = std::min(offset, text_.size());
  // An offset before the one counted to is reached by taking back the line feeds in between.
  if (offset < countedTo_) line_ -= static_cast<int>(lineFeedsIn(text_.substr(offset, countedTo_ - offset)));
  else line_ += static_cast<int>(lineFeedsIn(text_.substr(countedTo_, offset - countedTo_)));
  countedTo_ = offset;
  return line_;
}

int lineNumberAt(std::string_view text, std::size_t offset) { return LineCounter(text).lineAt(offset); }

std::string errorExtract(std::string_view text, std::size_t from) {
  if (from >= text.size()) return {};
  return std::string(text.substr(from, kErrorExtractLength));
}

std::string errorExtractAround(std::string_view text, std::size_t at) {
  return errorExtract(text, at > kErrorExtractLead ? at - kErrorExtractLead : 0);
}

std::string gameNotLoadedText(int ordinal, int line, const std::string& error, const std::string& extract) {
  return formatText("Error, in game number %d, on line number %d.  That game has not been loaded.\r\n\r\n", ordinal,
                   line) +
         error + "\r\n\r\nThe error occurred within the following extract from the file.\r\n\r\n" + extract;
}

std::string moveErrorText(int ordinal, int line, const std::string& moveError) {
  return formatText("Error, in game number %d, on line number %d.  The following move caused the error.\r\n\r\n",
                   ordinal, line) +
         moveError + "\r\n\r\nThe game branch was truncated at this point.";
}

std::string passedOverText(int ordinal, int line, const std::string& property, const std::string& extract) {
  return formatText("Error, in game number %d, on line number %d.  The following value could not be read and was "
                   "passed over.\r\n\r\n",
                   ordinal, line) +
         property + "\r\n\r\nThe error occurred within the following extract from the file.\r\n\r\n" + extract;
}

std::string incompleteGameText(int ordinal, int line, const std::string& what, const std::string& extract) {
  return formatText("Error, in game number %d, on line number %d.  ", ordinal, line) + what +
         "\r\n\r\nThe game was loaded up to this point.\r\n\r\nThe error occurred within the following extract "
         "from the file.\r\n\r\n" +
         extract;
}

}  // namespace meridax
