#pragma once
// The Go Text Protocol as the controller side speaks it: commands written with an id, answers read from the
// engine's output ("=id text" or "?id text", ended by an empty line), and board points written as vertices
// ("D4": a column letter without I, and the row counted from the bottom).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meridax {

// One answer of the engine.
struct GtpAnswer {
  bool wellFormed = true;  // false: the block began with neither '=' nor '?'; text holds the block
  bool success = false;    // '=' (true) or '?' (false)
  std::optional<int> id;   // the id the answer carries, when it carries one
  std::string text;        // the answer after the status and id, lines joined by '\n', outer blanks removed
  friend bool operator==(const GtpAnswer&, const GtpAnswer&) = default;
};

// Cuts the engine's output into answers. Output comes in pieces of any size; carriage returns and other
// control characters but tab and newline are dropped, a tab counts as a blank, and an answer is complete
// at the first empty line after its text. Empty lines before an answer are skipped.
class GtpAnswerReader {
 public:
  void feed(std::string_view bytes);
  // The next complete answer, in the order they came; nullopt when none is complete yet.
  std::optional<GtpAnswer> next();
  // True while part of an answer has come but not its end.
  bool partial() const { return !pending_.empty() || !line_.empty(); }

 private:
  void endLine();
  static GtpAnswer parse(const std::vector<std::string>& lines);

  std::string line_;
  std::vector<std::string> pending_;  // lines of the answer under way
  std::vector<GtpAnswer> done_;
  std::size_t taken_ = 0;
};

// The text written for a command: "12 play B D4\n". The command's own control characters are dropped
// and a newline in it becomes a blank, so one command stays one line.
std::string gtpCommandLine(int id, std::string_view command);

// The vertex of board point (x, y) (x from the left, y from the top) on a board of `size` rows: "A19" for
// (0, 0) on 19 rows. Empty for a point off the board or a board larger than 25.
std::string gtpVertex(int x, int y, int size);

// A vertex read back: a point, a pass or a resignation. Letters are read in either case.
struct GtpMove {
  enum class Kind { Point, Pass, Resign } kind = Kind::Pass;
  int x = 0;
  int y = 0;
  friend bool operator==(const GtpMove&, const GtpMove&) = default;
};
// nullopt when the text is none of these or its point is off a board of `size` rows.
std::optional<GtpMove> parseGtpMove(std::string_view text, int size);

// The vertices of a list answer ("C3 D4\nE5"), read as parseGtpMove reads them; nullopt when one is not a
// point of the board.
std::optional<std::vector<GtpMove>> parseGtpVertexList(std::string_view text, int size);

// The words of a command line as a shell would cut them for a simple program: blanks separate words,
// single and double quotes keep blanks, a backslash keeps the next character. nullopt when a quote is
// not closed.
std::optional<std::vector<std::string>> splitCommandLine(std::string_view line);

}  // namespace meridax
