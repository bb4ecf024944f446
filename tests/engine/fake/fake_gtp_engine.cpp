// A GTP engine for the tests: it answers the commands a controller sends with scripted answers, writes
// every line it reads to a log, and can be told to fail in the ways real engines fail.
//
//   fake_gtp_engine [--log FILE] [--moves D4,pass,...] [--crash-on CMD] [--hang-on CMD] [--garbage-on CMD]
//                   [--refuse CMD] [--exit-on CMD] [--no-ids] [--crlf] [--bytewise] [--no-free-handicap]
//
// A fault option fires on the first command whose name is CMD. genmove and reg_genmove answer the next of
// --moves (then "pass"); final_score answers "B+3.5", final_status_list "D4 E5\nF6"; every other command
// is accepted with an empty answer.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Options {
  std::string log;
  std::vector<std::string> moves;
  std::string crashOn, hangOn, garbageOn, refuse, exitOn;
  bool ids = true;
  bool crlf = false;
  bool bytewise = false;
  bool freeHandicap = true;
};

void put(const Options& o, const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n' && o.crlf) out += '\r';
    out += c;
  }
  if (o.bytewise) {
    for (char c : out) {
      std::cout << c << std::flush;
      usleep(200);
    }
  } else {
    std::cout << out << std::flush;
  }
}

std::vector<std::string> split(const std::string& s, char by) {
  std::vector<std::string> parts;
  std::stringstream in(s);
  for (std::string part; std::getline(in, part, by);) parts.push_back(part);
  return parts;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
    if (a == "--log") o.log = value();
    else if (a == "--moves") o.moves = split(value(), ',');
    else if (a == "--crash-on") o.crashOn = value();
    else if (a == "--hang-on") o.hangOn = value();
    else if (a == "--garbage-on") o.garbageOn = value();
    else if (a == "--refuse") o.refuse = value();
    else if (a == "--exit-on") o.exitOn = value();
    else if (a == "--no-ids") o.ids = false;
    else if (a == "--crlf") o.crlf = true;
    else if (a == "--bytewise") o.bytewise = true;
    else if (a == "--no-free-handicap") o.freeHandicap = false;
  }
  FILE* log = o.log.empty() ? nullptr : std::fopen(o.log.c_str(), "w");
  std::size_t nextMove = 0;
  for (std::string line; std::getline(std::cin, line);) {
    if (log != nullptr) {
      std::fprintf(log, "%s\n", line.c_str());
      std::fflush(log);
    }
    std::vector<std::string> words = split(line, ' ');
    std::string id;
    if (!words.empty() && !words[0].empty() && words[0].find_first_not_of("0123456789") == std::string::npos) {
      id = words[0];
      words.erase(words.begin());
    }
    if (words.empty()) continue;
    const std::string& command = words[0];
    const std::string head = o.ids ? id : std::string();
    if (command == o.crashOn) std::abort();
    if (command == o.exitOn) std::exit(3);
    if (command == o.hangOn) {
      for (;;) pause();
    }
    if (command == o.garbageOn) {
      put(o, "thinking very hard\n\n");
      continue;
    }
    if (command == o.refuse) {
      put(o, "?" + head + " illegal move\n\n");
      continue;
    }
    std::string answer;
    if (command == "name") answer = "Fake\tEngine";
    else if (command == "version") answer = "1.0";
    else if (command == "list_commands") {
      answer = "protocol_version\nname\nversion\nlist_commands\nquit\nboardsize\nclear_board\nkomi\nplay\ngenmove\n"
               "reg_genmove\nfinal_score\nfinal_status_list\ntime_settings";
      if (o.freeHandicap) answer += "\nset_free_handicap";
    } else if (command == "genmove" || command == "reg_genmove") {
      answer = nextMove < o.moves.size() ? o.moves[nextMove++] : "pass";
    } else if (command == "final_score" || command == "estimate_score") {
      answer = "B+3.5";
    } else if (command == "final_status_list") {
      answer = "D4 E5\nF6";
    }
    put(o, "=" + head + (answer.empty() ? "" : " " + answer) + "\n\n");
    if (command == "quit") break;
  }
  if (log != nullptr) std::fclose(log);
  return 0;
}
