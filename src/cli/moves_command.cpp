// meridax-cli moves FILE: the current line of every game, node after node as the SGF writer writes
// them, without annotations, line breaks or the blanks that lay out the writer's lines.

#include "cli/cli_files.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "sgf/sgf_writer.h"
#include "sgf/sgf_writer_parts.h"

namespace meridax::cli {
namespace {

// Drops line breaks, and blanks outside bracketed values.
std::string withoutLayout(const std::string& text) {
  std::string out;
  bool inValue = false;
  bool escaped = false;
  for (char c : text) {
    if (inValue) {
      out += c;
      if (escaped) escaped = false;
      else if (c == '\\') escaped = true;
      else if (c == ']') inValue = false;
      continue;
    }
    if (c == '\r' || c == '\n' || c == ' ' || c == '\t') continue;
    if (c == '[') inValue = true;
    out += c;
  }
  return out;
}

// The moves of the current line below the first node (whose set-up the header holds).
std::string currentLineMoves(const SGridFrame& game) {
  std::string text;
  int counter = 0;
  const WriteGameOptions options;
  unsigned walked = 0;  // a line holds at most one node per move number
  for (const GameNode* n = game.firstNode->next(); n != nullptr && walked <= GameNode::kMaxMoveNumber;
       n = n->next(), ++walked)
    sgf_writer::writeNodeMove(game, n, options, text, counter);
  return withoutLayout(text);
}

}  // namespace

int runMoves(const Arguments& args, const CommandStreams& io) {
  if (args.size() != 1) {
    io.err << "usage: meridax-cli moves FILE\n";
    return kExitTrouble;
  }
  std::optional<LoadedFile> file = loadFile(args[0], io.err);
  if (!file) return kExitTrouble;
  buildAllTrees(*file, file->errors, io.err);
  for (std::size_t i = 0; i < file->games->size(); ++i)
    if (!file->games->game(i).isUnread())
      io.out << recordLine({std::to_string(i + 1), currentLineMoves(file->games->game(i))});
  return kExitOk;
}

}  // namespace meridax::cli
