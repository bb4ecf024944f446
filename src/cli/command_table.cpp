#include "cli/command_table.h"

#include <algorithm>

#include "cli/cli_output.h"
#include "cli/run_command.h"
#include "model/program_version.h"

namespace meridax::cli {
namespace {

int info(const Arguments& a, const CommandStreams& io, BoardImagePort*) { return runInfo(a, io); }
int check(const Arguments& a, const CommandStreams& io, BoardImagePort*) { return runCheck(a, io); }
int save(const Arguments& a, const CommandStreams& io, BoardImagePort*) { return runSave(a, io); }
int rewrite(const Arguments& a, const CommandStreams& io, BoardImagePort*) { return runRewrite(a, io); }
int moves(const Arguments& a, const CommandStreams& io, BoardImagePort*) { return runMoves(a, io); }
int comments(const Arguments& a, const CommandStreams& io, BoardImagePort*) { return runComments(a, io); }
int ascii(const Arguments& a, const CommandStreams& io, BoardImagePort*) { return runAscii(a, io); }
int find(const Arguments& a, const CommandStreams& io, BoardImagePort*) { return runFind(a, io); }
int script(const Arguments& a, const CommandStreams& io, BoardImagePort*) { return runScriptCommand(a, io); }

constexpr CliCommand kCommands[] = {
    {"info", "info FILE", "one line per game: the games-list columns",
     "Prints one line per game with the columns of the games list, separated by tabs: row, game name, event,\n"
     "player 1, player 2, result, type, size, handicap, nodes, branches, date, game comment.\n",
     info},
    {"check", "check FILE...", "every reading error, then \"N games, M errors\"",
     "Reads every game of each file whole and prints the error list of each file that has errors, then\n"
     "\"N games, M errors\". Control characters quoted from a file are written \\xHH.\n"
     "Exit status 0 without errors, 1 with errors, 2 when a file cannot be read.\n",
     check},
    {"save", "save FILE -o OUT", "load and save as the editor does",
     "Writes the collection as the editor's save does: unchanged games byte for byte. OUT is written through\n"
     "a new file that then takes its name, so a failed save leaves OUT as it was. OUT may be FILE.\n",
     save},
    {"rewrite", "rewrite FILE -o OUT", "every game written anew by the SGF writer",
     "Reads every game whole and writes each anew with the SGF writer, side lines included.\n", rewrite},
    {"moves", "moves FILE", "the current line of every game",
     "Prints one line per game: its number and the nodes of its current line as the SGF writer writes them.\n",
     moves},
    {"comments", "comments FILE [--game N]", "every comment, in UTF-8",
     "Prints one line per comment: game number, move number, the node's box text and the comment, decoded\n"
     "from the game's character set (its CA) to UTF-8.\n"
     "  --game N   only that game, from 1\n",
     comments},
    {"ascii", "ascii FILE [--game N] [--move M]", "the ASCII diagram of a position",
     "  --game N   the game, from 1 (default: the file's current game)\n"
     "  --move M   the node of the current line with move number M (0 the root; default: the current node)\n",
     ascii},
    {"find",
     "find FILE|DIR... --position SGF [--game N] [--move M] [--area A1:G7] [--anywhere] [--swap-colours]\n"
     "       [--all-lines] [--no-symmetry]",
     "the games that reach a position or a pattern",
     "Prints one line per match: file, game number, move number, and the move played next (\"B Q16\"; empty\n"
     "at the end of a line) in the orientation and colours of the position searched for. A match is a node\n"
     "that shows the position while the node before it does not. Folders are searched for .sgf and .hgf files.\n"
     "  --position SGF   the file whose game N at move M gives the position\n"
     "  --game N, --move M   as for ascii\n"
     "  --area A1:G7     a pattern: the stones and empty points of that area; default the whole board\n"
     "  --anywhere       the pattern anywhere on the board, else at its own place\n"
     "  --swap-colours   the colours swapped too\n"
     "  --all-lines      every variation, else the main lines\n"
     "  --no-symmetry    as shown only, without the board's rotations and reflections\n",
     find},
    {"image", "image FILE [--game N] [--move M] [--square S] [--bw] [--no-markup] -o OUT",
     "the picture of a position as the board pane draws it",
     "Writes GIF, BMP, PNG or SVG by the extension of OUT.\n"
     "  --game N, --move M   the position, as for ascii\n"
     "  --square S           square size in pixels, 12 to 70 (default 24)\n"
     "  --bw                 black and white\n"
     "  --no-markup          without the node's marks and labels\n",
     runImage},
    {"rtf", "rtf FILE [--game N] [--options INI] [--images DIR] [--diagrams gif|bmp|png] -o OUT.rtf",
     "the RTF document of a game with its diagrams",
     "  --game N        the game, from 1 (default: the file's current game)\n"
     "  --options INI   the RTF options, header and footer of a settings profile\n"
     "  --images DIR    the folder of the diagram pictures (default: $APPDATA/Meridax/RTFImages)\n"
     "  --diagrams F    gif, bmp or png (default: by the options; LibreOffice shows only png)\n",
     runRtf},
    {"run", "run SCRIPT [--profile FILE]", "a script of user actions; its transcript",
     "Plays a script of user actions against the editor's main frame and prints what it would have shown.\n"
     "SCRIPT - reads the standard input. Exit status 3 when the script stopped.\n",
     script},
};

void printUsage(std::ostream& out) {
  out << "usage: meridax-cli COMMAND ARGUMENTS\n"
         "       meridax-cli COMMAND --help\n"
         "       meridax-cli --version\n\ncommands:\n";
  for (const CliCommand& c : kCommands) out << "  " << c.name << std::string(9 - c.name.size(), ' ') << c.summary << '\n';
  out << "\nFields are separated by tabs; inside a field \\\\, \\r, \\n and \\t stand for a backslash,\n"
         "CR, LF and tab. Exit status: 0 success, 1 check found errors, 2 a file could not be read or\n"
         "written, or the arguments were wrong.\n";
}

void printCommandHelp(const CliCommand& c, std::ostream& out) {
  out << "usage: meridax-cli " << c.synopsis << "\n\n" << c.summary << ".\n" << c.help;
}

bool asksForHelp(const std::string& word) { return word == "--help" || word == "-h"; }

}  // namespace

std::span<const CliCommand> cliCommands() { return kCommands; }

const CliCommand* findCliCommand(std::string_view name) {
  for (const CliCommand& c : kCommands)
    if (c.name == name) return &c;
  return nullptr;
}

int dispatch(const Arguments& all, const CommandStreams& io, const std::function<BoardImagePort*()>& images) {
  if (all.empty()) {
    printUsage(io.err);
    return kExitTrouble;
  }
  if (asksForHelp(all[0]) || all[0] == "help") {
    const CliCommand* about = all.size() > 1 ? findCliCommand(all[1]) : nullptr;
    if (about != nullptr) printCommandHelp(*about, io.out);
    else printUsage(io.out);
    return kExitOk;
  }
  if (all[0] == "--version") {
    io.out << "meridax-cli " << kProgramVersion << '\n';
    return kExitOk;
  }
  const CliCommand* command = findCliCommand(all[0]);
  if (command == nullptr) {
    io.err << cliMessage("unknown command '" + all[0] + "'");
    printUsage(io.err);
    return kExitTrouble;
  }
  const Arguments rest(all.begin() + 1, all.end());
  if (std::any_of(rest.begin(), rest.end(), asksForHelp)) {
    printCommandHelp(*command, io.out);
    return kExitOk;
  }
  const bool drawsBoards = command->run == runImage || command->run == runRtf;
  return command->run(rest, io, drawsBoards ? images() : nullptr);
}

}  // namespace meridax::cli
