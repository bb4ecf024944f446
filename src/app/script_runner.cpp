#include "app/script_runner.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

#include "app/command_registry.h"
#include "app/frame_keys.h"
#include "app/move_box_text.h"
#include "app/scripted_ports.h"
#include "app/settings_io.h"
#include "export/ascii_diagram.h"
#include "sgf/sgf_writer.h"

namespace meridax {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  return s;
}

// The words of a line up to a word that begins with '#'.
std::vector<std::string> wordsOf(std::string_view s) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && isBlank(s[i])) ++i;
    if (i == s.size() || s[i] == '#') break;
    const std::size_t start = i;
    while (i < s.size() && !isBlank(s[i])) ++i;
    words.emplace_back(s.substr(start, i - start));
  }
  return words;
}

std::optional<int> parseInt(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::optional<Answer> parseAnswer(const std::string& word) {
  if (word == "yes") return Answer::Yes;
  if (word == "no") return Answer::No;
  if (word == "cancel") return Answer::Cancel;
  return std::nullopt;
}

// A line that failed: why, and the run stops.
struct LineError {
  std::string text;
};

class Runner {
 public:
  Runner(FrameWin& frame, ScriptedPorts& ports, std::ostream& out, const WindowPrint& windowPrint)
      : out_(out), ports_(ports), frame_(frame), windowPrint_(windowPrint) {}

  ScriptResult run(std::string_view script) {
    ScriptResult result;
    int number = 0;
    while (!script.empty()) {
      ++number;
      const std::size_t end = script.find('\n');
      const std::string_view line = script.substr(0, end);
      script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
      if (std::optional<LineError> error = runLine(trimmed(line)))
        return stopAt(number, error->text);
      // An engine's answers to what the line asked come in before the next line.
      frame_.engine().settle();
      if (ports_.stopped()) return stopAt(number, stopText(ports_.stop()));
    }
    if (const std::size_t unused = ports_.unusedAnswers(); unused > 0)
      return ScriptResult{kScriptStopped, 0, std::to_string(unused) + " queued answer(s) were not used"};
    return result;
  }

 private:
  static ScriptResult stopAt(int line, const std::string& why) {
    return ScriptResult{kScriptStopped, line, "line " + std::to_string(line) + ": " + why};
  }

  static std::string stopText(ScriptStop stop) {
    switch (stop) {
      case ScriptStop::Unanswered: return "a question found no queued answer";
      case ScriptStop::NotOffered: return "the question offers only yes and no";
      case ScriptStop::NotInList: return "the queued text is not an entry of the list";
      case ScriptStop::None: break;
    }
    return {};
  }

  std::optional<LineError> runLine(std::string_view line) {
    if (line.empty() || line.front() == '#') return std::nullopt;
    const std::size_t blank = line.find_first_of(" \t");
    const std::string command(line.substr(0, blank));
    const std::string_view rest = blank == std::string_view::npos ? std::string_view() : trimmed(line.substr(blank));
    if (command == "load" || command == "input" || command == "choose") return runTextCommand(command, rest);
    const std::vector<std::string> words = wordsOf(rest);
    if (command == "answer") return runAnswer(words);
    if (command == "play") return runPlay(words);
    if (command == "key") return runKey(words);
    if (command == "cmd") return runCmd(words);
    if (command == "tree") return runTree(words);
    if (command == "ctx") return runContext(words);
    if (command == "area") return runArea(words);
    if (command == "boardkey") return runBoardKey(words);
    if (command == "select") return runSelect(words);
    if (command == "print") return runPrint(words);
    return LineError{"unknown command '" + command + "'"};
  }

  std::optional<LineError> runTextCommand(const std::string& command, std::string_view rest) {
    if (command != "load" && rest == "--cancel") {
      if (command == "input") ports_.queueInput(std::nullopt);
      else ports_.queueChoice(std::nullopt);
      return std::nullopt;
    }
    std::optional<std::string> text = unescapeTranscriptText(rest);
    if (!text) return LineError{"a backslash in the text of '" + command + "' is not one of \\\\ \\r \\n \\t"};
    if (command == "load") {
      frame_.files().ReLoad(*text);
      frame_.engine().afterAction();  // as after Load File: the engines of the games that went are ended
    } else if (command == "input") ports_.queueInput(std::move(text));
    else ports_.queueChoice(std::move(text));
    return std::nullopt;
  }

  std::optional<LineError> runAnswer(const std::vector<std::string>& words) {
    if (words.empty()) return LineError{"answer needs yes, no or cancel"};
    std::vector<Answer> answers;
    for (const std::string& w : words) {
      const std::optional<Answer> a = parseAnswer(w);
      if (!a) return LineError{"'" + w + "' is not yes, no or cancel"};
      answers.push_back(*a);
    }
    for (Answer a : answers) ports_.queueAnswer(a);
    return std::nullopt;
  }

  std::optional<LineError> runPlay(const std::vector<std::string>& words) {
    const std::optional<int> x = words.size() == 2 ? parseInt(words[0]) : std::nullopt;
    const std::optional<int> y = words.size() == 2 ? parseInt(words[1]) : std::nullopt;
    if (!x || !y) return LineError{"play needs a column and a row"};
    frame_.clickBoard(*x, *y);
    return std::nullopt;
  }

  std::optional<LineError> runKey(const std::vector<std::string>& words) {
    if (words.size() != 1) return LineError{"key needs one key name"};
    if (frame_.lists().listOpen()) {
      // An open list window is modal: its own keys act, and no other key reaches the frame.
      const std::optional<std::string> key = canonicalKeyName(words[0]);
      if (!key) return LineError{"unknown key '" + words[0] + "'"};
      if (const std::optional<std::string> command = frame_.lists().listCommandForKey(*key)) frame_.runCommand(*command);
      return std::nullopt;
    }
    const std::optional<std::string> command = commandForKey(words[0]);
    if (!command) return LineError{"unknown key '" + words[0] + "'"};
    frame_.runCommand(*command);
    return std::nullopt;
  }

  std::optional<LineError> runCmd(const std::vector<std::string>& words) {
    if (words.size() != 1) return LineError{"cmd needs one command identifier or name"};
    const std::optional<int> id = parseInt(words[0]);
    const bool ran = id ? frame_.runCommand(*id) : frame_.runCommand(words[0]);
    if (!ran) return LineError{"unknown command '" + words[0] + "'"};
    return std::nullopt;
  }

  // The node of move N on the current line.
  std::optional<GameNode*> nodeOnLine(const std::string& word) {
    const std::optional<int> number = parseInt(word);
    if (!number || *number < 0) return std::nullopt;
    GameNode* n = frame_.game().firstNode;
    for (int i = 0; i < *number && n != nullptr; ++i) n = n->next();
    if (n == nullptr) return std::nullopt;
    return n;
  }

  std::optional<LineError> runTree(const std::vector<std::string>& words) {
    const std::optional<GameNode*> node = words.size() == 1 || words.size() == 2 ? nodeOnLine(words[0]) : std::nullopt;
    if (!node) return LineError{"tree needs the number of a move on the current line"};
    if (words.size() == 1) {
      frame_.navigation().treeClick(*node, TreeClick::MoveBox);
      return std::nullopt;
    }
    const std::optional<int> v = parseInt(words[1]);
    const auto lines = frame_.game().variations.linesBelow(*node);
    if (!v || *v < 1 || static_cast<std::size_t>(*v) > lines.size())
      return LineError{"move " + words[0] + " has no variation line " + words[1]};
    frame_.navigation().treeClick(lines[static_cast<std::size_t>(*v - 1)]->head, TreeClick::VariationLine);
    return std::nullopt;
  }

  std::optional<LineError> runContext(const std::vector<std::string>& words) {
    if (words.size() == 1 && words[0] == "list") {
      if (!frame_.lists().listOpen()) return LineError{"ctx list needs an open list"};
      menu_.clear();
      for (const ListMenuEntry& entry : frame_.lists().listContextMenu())
        if (!entry.command.empty()) menu_.push_back(MenuItem{entry.text, entry.command});
      return std::nullopt;
    }
    if (words.size() == 2 && words[0] == "tree") {
      const std::optional<GameNode*> node = nodeOnLine(words[1]);
      if (!node) return LineError{"ctx tree needs the number of a move on the current line"};
      menu_ = frame_.annotations().treeContextAt(*node);
      return std::nullopt;
    }
    const LineError usage{"ctx needs 'tree N' or 'board X Y'"};
    if (words.size() != 3 || words[0] != "board") return usage;
    const std::optional<int> x = parseInt(words[1]);
    const std::optional<int> y = parseInt(words[2]);
    if (!x || !y) return usage;
    menu_ = frame_.annotations().boardContextAt(*x, *y, *x, *y);
    return std::nullopt;
  }

  std::optional<LineError> runArea(const std::vector<std::string>& words) {
    std::vector<int> corners;
    for (const std::string& w : words)
      if (const std::optional<int> v = parseInt(w)) corners.push_back(*v);
    if (words.size() != 4 || corners.size() != 4) return LineError{"area needs two corners X1 Y1 X2 Y2"};
    menu_ = frame_.annotations().boardContextAt(corners[0], corners[1], corners[2], corners[3]);
    return std::nullopt;
  }

  std::optional<LineError> runBoardKey(const std::vector<std::string>& words) {
    if (words.size() != 1) return LineError{"boardkey needs Insert, Delete or one character"};
    frame_.annotations().boardKey(words[0]);
    return std::nullopt;
  }

  // Rows of the open list window, counted from 1; no words clears the selection.
  std::optional<LineError> runSelect(const std::vector<std::string>& words) {
    if (!frame_.lists().listOpen()) return LineError{"select needs an open list"};
    std::vector<std::size_t> rows;
    for (const std::string& w : words) {
      const std::optional<int> row = parseInt(w);
      if (!row || *row < 1 || static_cast<std::size_t>(*row) > frame_.lists().topList()->rows())
        return LineError{"'" + w + "' is not a row of the list"};
      rows.push_back(static_cast<std::size_t>(*row - 1));
    }
    frame_.lists().selectListRows(std::move(rows));
    return std::nullopt;
  }

  // The open list: its column headers, then one line per row with "*" before a selected row; cells are
  // separated by tabs and escaped.
  std::string listText() {
    frame_.lists().syncListsWithCollection();
    const ListWindow* list = frame_.lists().topList();
    if (list == nullptr) return "(no list)\n";
    const bool games = list->mode == ListMode::Games;
    std::string text;
    const auto line = [&](const std::string& mark, std::size_t columns, const auto& cell) {
      text += mark;
      for (std::size_t c = 0; c < columns; ++c) text += (c == 0 ? "" : "\t") + escapeTranscriptText(cell(c));
      text += "\n";
    };
    const auto header = [&](std::size_t c) {
      return std::string(games ? kGamesColumns[c].header : kPlayersColumns[c].header);
    };
    // The players list's eight unnamed columns stay empty and are left out.
    const std::size_t columns = games ? kGamesColumns.size() : static_cast<std::size_t>(PlayersColumn::Unfinished) + 1;
    line("  ", columns, header);
    for (std::size_t row = 0; row < list->rows(); ++row) {
      const bool selected = std::find(list->selected.begin(), list->selected.end(), row) != list->selected.end();
      line(selected ? "* " : "  ", columns, [&](std::size_t c) {
        return games ? list->games.cell(row, static_cast<GamesColumn>(c)) : list->players.cell(row, static_cast<int>(c));
      });
    }
    return text;
  }

  std::string menuText() const {
    std::string text;
    for (const MenuItem& item : menu_)
      text += item.name + " " + escapeTranscriptText(item.text) + "\n";
    return text;
  }

  // Every command of the registry with its state now, one "ID NAME ENABLED CHECKED TEXT" a line.
  std::string commandsText() {
    std::string text = "\n";
    for (const FrameCommand* c : allCommands()) {
      const char* checked = c->checked == nullptr ? "-" : frame_.commandChecked(*c) ? "checked" : "unchecked";
      text += std::to_string(c->id) + " " + c->name + " " + (frame_.commandEnabled(*c) ? "enabled" : "disabled") +
              " " + checked + " " + escapeTranscriptText(frame_.commandMenuText(*c)) + "\n";
    }
    return text;
  }

  std::optional<LineError> runPrint(const std::vector<std::string>& words) {
    if (words.size() != 1)
      return LineError{"print needs one of title, status, board, node, sgf, menu, list, commands, gtp"};
    const std::string& what = words[0];
    SGridFrame& g = frame_.game();
    if (what == "title") {
      print("title", ports_.title());
    } else if (what == "status") {
      for (StatusField field : kStatusFields)
        print("status" + std::to_string(fieldIndex(field)), ports_.status(field));
    } else if (what == "board") {
      print("board", asciiDiagramOfNode(g, g.currentNode));
    } else if (what == "node") {
      const std::string box = moveBoxText(g, g.currentNode);
      print("node", std::to_string(g.currentNode->moveNumber()) + (box.empty() ? "" : " " + box));
    } else if (what == "gtp") {
      for (const std::string& line : frame_.engine().log()) print("gtp", line);
    } else if (what == "menu") {
      print("menu", menuText());
    } else if (what == "list") {
      print("list", listText());
    } else if (what == "commands") {
      print("commands", commandsText());
    } else if (what == "sgf") {
      std::string text;
      WriteGameOptions options;
      options.isCurrentGame = true;
      if (!WriteGameText(g, text, options)) return LineError{"the current game cannot be written"};
      print("sgf", text);
    } else if (std::optional<std::string> text = windowPrint_ ? windowPrint_(what) : std::nullopt) {
      print(what, *text);
    } else {
      return LineError{"print needs one of title, status, board, node, sgf, menu, list, commands, gtp" +
                       std::string(what == "menus" ? " (menus: in the desktop window only)" : "")};
    }
    return std::nullopt;
  }

  void print(const std::string& label, const std::string& text) {
    out_ << label << ": " << text;
    if (text.empty() || text.back() != '\n') out_ << '\n';
  }

  std::ostream& out_;
  ScriptedPorts& ports_;
  FrameWin& frame_;
  const WindowPrint& windowPrint_;
  std::vector<MenuItem> menu_;  // the last context menu shown
};

}  // namespace

ScriptResult runScript(std::string_view script, const ScriptSetup& setup, std::ostream& out) {
  ScriptedPorts ports([&out](const std::string& line) { out << line << '\n'; });
  FramePorts framePorts = ports.framePorts();
  framePorts.engines = setup.engines;
  FrameWin frame(framePorts, setup.profile, setup.files, readAppSettings(setup.profile), setup.environment);
  // The window shows its title and status bar from the start.
  frame.refreshTitle();
  frame.refreshStatus();
  frame.files().firstPaint();
  return runScriptOn(frame, ports, script, out);
}

ScriptResult runScriptOn(FrameWin& frame, ScriptedPorts& ports, std::string_view script, std::ostream& out,
                         const WindowPrint& windowPrint) {
  Runner runner(frame, ports, out, windowPrint);
  return runner.run(script);
}

}  // namespace meridax
