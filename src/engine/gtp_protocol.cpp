#include "engine/gtp_protocol.h"

#include <cctype>

namespace meridax {

namespace {

constexpr std::string_view kColumns = "ABCDEFGHJKLMNOPQRSTUVWXYZ";

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

bool isControl(char c) { return static_cast<unsigned char>(c) < 32 || c == 127; }

}  // namespace

void GtpAnswerReader::feed(std::string_view bytes) {
  for (char c : bytes) {
    if (c == '\n') endLine();
    else if (c == '\t') line_ += ' ';
    else if (!isControl(c)) line_ += c;
  }
}

void GtpAnswerReader::endLine() {
  const bool blank = trimmed(line_).empty();
  if (blank) {
    if (!pending_.empty()) done_.push_back(parse(pending_));
    pending_.clear();
  } else {
    pending_.push_back(line_);
  }
  line_.clear();
}

std::optional<GtpAnswer> GtpAnswerReader::next() {
  if (taken_ == done_.size()) return std::nullopt;
  GtpAnswer answer = std::move(done_[taken_++]);
  if (taken_ == done_.size()) {
    done_.clear();
    taken_ = 0;
  }
  return answer;
}

GtpAnswer GtpAnswerReader::parse(const std::vector<std::string>& lines) {
  GtpAnswer answer;
  std::string_view first = lines.front();
  if (first.front() != '=' && first.front() != '?') {
    answer.wellFormed = false;
    for (const std::string& l : lines) answer.text += (answer.text.empty() ? "" : "\n") + l;
    return answer;
  }
  answer.success = first.front() == '=';
  first.remove_prefix(1);
  std::size_t digits = 0;
  while (digits < first.size() && std::isdigit(static_cast<unsigned char>(first[digits])) != 0) ++digits;
  if (digits > 0 && digits <= 9) answer.id = std::stoi(std::string(first.substr(0, digits)));
  first.remove_prefix(digits);
  std::string text(trimmed(first));
  for (std::size_t i = 1; i < lines.size(); ++i) text += "\n" + std::string(trimmed(lines[i]));
  answer.text = std::move(text);
  return answer;
}

std::string gtpCommandLine(int id, std::string_view command) {
  std::string line = std::to_string(id) + ' ';
  for (char c : command) {
    if (c == '\n' || c == '\t') line += ' ';
    else if (!isControl(c)) line += c;
  }
  return line + '\n';
}

std::string gtpVertex(int x, int y, int size) {
  if (size < 1 || size > static_cast<int>(kColumns.size()) || x < 0 || y < 0 || x >= size || y >= size) return {};
  return std::string(1, kColumns[static_cast<std::size_t>(x)]) + std::to_string(size - y);
}

std::optional<GtpMove> parseGtpMove(std::string_view text, int size) {
  std::string word;
  for (char c : trimmed(text)) word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (word == "PASS") return GtpMove{GtpMove::Kind::Pass};
  if (word == "RESIGN") return GtpMove{GtpMove::Kind::Resign};
  if (word.size() < 2 || word.size() > 3) return std::nullopt;
  const std::size_t column = kColumns.find(word[0]);
  int row = 0;
  for (std::size_t i = 1; i < word.size(); ++i) {
    if (std::isdigit(static_cast<unsigned char>(word[i])) == 0) return std::nullopt;
    row = row * 10 + (word[i] - '0');
  }
  const int x = static_cast<int>(column);
  if (column == std::string_view::npos || x >= size || row < 1 || row > size) return std::nullopt;
  return GtpMove{GtpMove::Kind::Point, x, size - row};
}

std::optional<std::vector<GtpMove>> parseGtpVertexList(std::string_view text, int size) {
  std::vector<GtpMove> moves;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\n')) ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\n') ++i;
    if (start == i) break;
    const std::optional<GtpMove> move = parseGtpMove(text.substr(start, i - start), size);
    if (!move || move->kind != GtpMove::Kind::Point) return std::nullopt;
    moves.push_back(*move);
  }
  return moves;
}

std::optional<std::vector<std::string>> splitCommandLine(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  char quote = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
      else if (c == '\\' && quote == '"' && i + 1 < line.size()) word += line[++i];
      else word += c;
    } else if (c == '\'' || c == '"') {
      quote = c;
      inWord = true;
    } else if (c == '\\' && i + 1 < line.size()) {
      word += line[++i];
      inWord = true;
    } else if (c == ' ' || c == '\t') {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (quote != 0) return std::nullopt;
  if (inWord) words.push_back(std::move(word));
  return words;
}

}  // namespace meridax
