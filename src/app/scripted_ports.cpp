#include "app/scripted_ports.h"

#include <charconv>

#include "model/text_format.h"

namespace meridax {

namespace {

constexpr char kCancelled[] = "(cancel)";
constexpr char kUnanswered[] = "(unanswered)";
constexpr char kNumberCaption[] = "Integer Number Validation";

const char* answerWord(Answer a) {
  switch (a) {
    case Answer::Yes: return "yes";
    case Answer::No: return "no";
    case Answer::Cancel: return "cancel";
  }
  return "";
}

std::string messageLine(const std::string& caption, const std::string& text) {
  return "[" + escapeTranscriptText(caption) + "] " + escapeTranscriptText(text);
}

std::string dialogLine(const std::string& caption) { return "<" + escapeTranscriptText(caption) + "> ? "; }

std::string chooserLine(const FileDialogRequest& request) { return "{" + escapeTranscriptText(request.title) + "} ? "; }

std::optional<int> parseInt(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

std::vector<std::string> splitAtTabs(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (;;) {
    const std::size_t tab = text.find('\t', from);
    parts.push_back(text.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
    if (tab == std::string::npos) return parts;
    from = tab + 1;
  }
}

}  // namespace

std::string escapeTranscriptText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out;
}

std::optional<std::string> unescapeTranscriptText(std::string_view escaped) {
  std::string out;
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '\\') {
      out += escaped[i];
      continue;
    }
    if (++i == escaped.size()) return std::nullopt;
    switch (escaped[i]) {
      case '\\': out += '\\'; break;
      case 'r': out += '\r'; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      default: return std::nullopt;
    }
  }
  return out;
}

ScriptedPorts::ScriptedPorts(LineSink sink) : sink_(std::move(sink)) {}

FramePorts ScriptedPorts::framePorts() {
  FramePorts ports;
  ports.messages = this;
  ports.dialogs = this;
  ports.files = this;
  ports.clipboard = this;
  ports.window = this;
  ports.processes = this;
  ports.commands = this;
  ports.listDialogs = this;
  return ports;
}

void ScriptedPorts::write(const std::string& line) {
  if (stopped()) return;
  if (sink_) sink_(line);
  else lines_.push_back(line);
}

void ScriptedPorts::halt(ScriptStop why, const std::string& line) {
  write(line);
  stop_ = why;
}

std::optional<Answer> ScriptedPorts::nextAnswer(const std::string& question) {
  if (stopped()) return std::nullopt;
  if (answers_.empty()) {
    halt(ScriptStop::Unanswered, question + " ? " + kUnanswered);
    return std::nullopt;
  }
  const Answer a = answers_.front();
  answers_.pop_front();
  return a;
}

std::optional<std::optional<std::string>> ScriptedPorts::nextInput(const std::string& dialog) {
  if (stopped()) return std::nullopt;
  if (inputs_.empty()) {
    halt(ScriptStop::Unanswered, dialog + kUnanswered);
    return std::nullopt;
  }
  std::optional<std::string> text = std::move(inputs_.front());
  inputs_.pop_front();
  return text;
}

std::optional<std::optional<std::string>> ScriptedPorts::nextChoice(const FileDialogRequest& request) {
  lastFileRequest_ = request;
  const std::string line = chooserLine(request);
  if (stopped()) return std::nullopt;
  if (choices_.empty()) {
    halt(ScriptStop::Unanswered, line + kUnanswered);
    return std::nullopt;
  }
  std::optional<std::string> path = std::move(choices_.front());
  choices_.pop_front();
  write(line + (path ? escapeTranscriptText(*path) : std::string(kCancelled)));
  return path;
}

void ScriptedPorts::tell(const UserMessage& message) { write(messageLine(message.caption, message.text)); }

bool ScriptedPorts::askYesNo(const std::string& caption, const std::string& text) {
  return yesOrNo(messageLine(caption, text), "");
}

bool ScriptedPorts::yesOrNo(const std::string& question, const std::string& tick) {
  const std::optional<Answer> a = nextAnswer(question);
  if (!a) return false;
  if (*a == Answer::Cancel) {
    // A Yes/No box has no Cancel button: the script expected another question.
    halt(ScriptStop::NotOffered, question + " ? cancel (not offered)");
    return false;
  }
  write(question + " ? " + answerWord(*a) + tick);
  return *a == Answer::Yes;
}

Answer ScriptedPorts::askYesNoCancel(const std::string& caption, const std::string& text) {
  const std::string question = messageLine(caption, text);
  const std::optional<Answer> a = nextAnswer(question);
  if (!a) return Answer::Cancel;
  write(question + " ? " + answerWord(*a));
  return *a;
}

CheckedAnswer ScriptedPorts::askYesNoWithCheck(const std::string& caption, const std::string& text,
                                              const std::string& check) {
  if (ticks_ == 0) return {askYesNo(caption, text), false};
  --ticks_;
  return {yesOrNo(messageLine(caption, text), " [x] " + escapeTranscriptText(check)), true};
}

bool ScriptedPorts::tellWithCheck(const UserMessage& message, const std::string& check) {
  if (ticks_ == 0) {
    tell(message);
    return false;
  }
  --ticks_;
  write(messageLine(message.caption, message.text) + " [x] " + escapeTranscriptText(check));
  return true;
}

std::optional<std::string> ScriptedPorts::askText(const std::string& caption, const std::string&, const std::string&) {
  const std::string line = dialogLine(caption);
  const auto input = nextInput(line);
  if (!input) return std::nullopt;
  write(line + (*input ? escapeTranscriptText(**input) : std::string(kCancelled)));
  return *input;
}

std::optional<int> ScriptedPorts::askNumber(const std::string& caption, const std::string&, int min, int max, int) {
  const std::string line = dialogLine(caption);
  // Like the dialog, a value that is not a number in range is refused and the dialog stays open.
  for (;;) {
    const auto input = nextInput(line);
    if (!input) return std::nullopt;
    write(line + (*input ? escapeTranscriptText(**input) : std::string(kCancelled)));
    if (!*input) return std::nullopt;
    const std::optional<int> value = parseInt(**input);
    if (value && *value >= min && *value <= max) return value;
    tell(UserMessage{kNumberCaption, formatText("Please enter a value between %d and %d", min, max),
                     MessageIcon::Warning});
  }
}

std::optional<int> ScriptedPorts::chooseFromList(const std::string& caption, const std::vector<std::string>& entries,
                                                 int) {
  const std::string line = dialogLine(caption);
  const auto input = nextInput(line);
  if (!input) return std::nullopt;
  if (!*input) {
    write(line + kCancelled);
    return std::nullopt;
  }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i] == **input) {
      write(line + escapeTranscriptText(**input));
      return static_cast<int>(i);
    }
  }
  halt(ScriptStop::NotInList, line + escapeTranscriptText(**input) + " (not in the list)");
  return std::nullopt;
}

std::optional<std::string> ScriptedPorts::chooseFileToOpen(const FileDialogRequest& request) {
  const auto choice = nextChoice(request);
  return choice ? *choice : std::nullopt;
}

std::vector<std::string> ScriptedPorts::chooseFilesToOpen(const FileDialogRequest& request) {
  const auto choice = nextChoice(request);
  if (!choice || !*choice) return {};
  return splitAtTabs(**choice);
}

std::optional<std::string> ScriptedPorts::chooseFileToSave(const FileDialogRequest& request) {
  const auto choice = nextChoice(request);
  return choice ? *choice : std::nullopt;
}

void ScriptedPorts::setText(const std::string& text) {
  clipboard_ = text;
  write("(clipboard) " + escapeTranscriptText(text));
}

void ScriptedPorts::setStatus(StatusField field, const std::string& text) { status_[fieldIndex(field)] = text; }

void ScriptedPorts::carryOut(const FrameCommand& command) {
  write(std::string(command.route == CommandRoute::Window ? "(window) " : "(later) ") + command.name);
}

std::optional<SystemError> ScriptedPorts::startDetached(const std::string& program,
                                                        const std::vector<std::string>& arguments) {
  std::string line = "(process) " + escapeTranscriptText(program);
  for (const std::string& a : arguments) line += " " + escapeTranscriptText(a);
  write(line);
  return std::nullopt;
}

std::optional<SystemError> ScriptedPorts::openDocument(const std::string& pathOrUrl) {
  write("(open) " + escapeTranscriptText(pathOrUrl));
  return std::nullopt;
}

std::optional<SSGFDetails> ScriptedPorts::editGameDetails(const GameDetailsForm& form) {
  return editGameDetailsByText(*this, form);
}

std::optional<std::string> ScriptedPorts::askNewPlayerName(const std::string& name) {
  return askNewPlayerNameByText(*this, name);
}

}  // namespace meridax
