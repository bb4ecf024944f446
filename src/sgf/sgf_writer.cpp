#include "sgf/sgf_writer.h"

#include <vector>

#include "model/node_texts.h"
#include "sgf/sgf_writer_parts.h"

namespace meridax {

namespace {

using sgf_writer::kLineEnd;
using sgf_writer::kMovesPerLine;

// A line holds at most one node per move number, and lines nest no deeper than that either.
constexpr std::size_t kLongestLine = GameNode::kMaxMoveNumber + 1;

// Walks the tree with its own stack of open branching nodes, so that deep nesting cannot exhaust the
// call stack and a damaged tree ends the walk instead of looping.
class TreeWriter {
 public:
  // `begin` is where the game's text starts in out: a line end before it does not count.
  TreeWriter(const SGridFrame& game, std::string& out, const WriteGameOptions& options, std::size_t begin)
      : game_(game), out_(out), options_(options), begin_(begin) {}

  bool write(const GameNode* start) {
    const GameNode* branching = nullptr;
    if (!writeChain(start, branching)) return false;
    if (branching != nullptr) open_.push_back(linesOf(branching));
    while (!open_.empty()) {
      if (open_.size() > kLongestLine) return false;
      OpenBranch& top = open_.back();
      if (top.next == top.heads.size()) {
        open_.pop_back();
        if (!open_.empty()) closeLine();
        continue;
      }
      const GameNode* head = top.heads[top.next++];
      openLine();
      if (!writeChain(head, branching)) return false;
      if (branching != nullptr) open_.push_back(linesOf(branching));
      else closeLine();
    }
    lineEnd();
    return true;
  }

 private:
  struct OpenBranch {
    std::vector<const GameNode*> heads;  // the continuation first, then the side lines in index order
    std::size_t next = 0;
  };

  OpenBranch linesOf(const GameNode* node) const {
    OpenBranch b;
    if (node->next() != nullptr) b.heads.push_back(node->next());
    for (const SBranchDetails* line : game_.variations.linesBelow(node))
      if (line->head != nullptr) b.heads.push_back(line->head);
    return b;
  }

  bool endsWithLineEnd() const { return out_.size() >= begin_ + 2 && out_.ends_with(kLineEnd); }
  void lineEnd() {
    if (!endsWithLineEnd()) out_ += kLineEnd;
  }
  void openLine() {
    lineEnd();
    out_ += "(\r\n";
  }
  void closeLine() {
    lineEnd();
    out_ += ")";
  }

  // Writes the nodes from n along next; stops after a branching node whose side lines are to be
  // written and hands it back in `branching`. False on a freed node or a line longer than any can be.
  bool writeChain(const GameNode* n, const GameNode*& branching) {
    branching = nullptr;
    int counter = 0;
    for (std::size_t written = 0; n != nullptr; n = n->next(), ++written) {
      if (!n->inUse() || written == kLongestLine) return false;
      if (n != game_.firstNode) {
        if (counter == kMovesPerLine || n->kind() == SpecialMoveKind::Compose) {
          out_ += kLineEnd;
          counter = 0;
        }
        sgf_writer::writeNodeMove(game_, n, options_, out_, counter);
        if (!game_.otherProperties.empty()) out_ += otherPropertiesOf(game_, n);  // beside the move, as read
        sgf_writer::writeNodeAnnotations(game_, n, out_, counter);
      }
      const bool current = n == game_.currentNode && n != game_.firstNode;
      if (n->hasComment() || n->hasMarkup() || n->printDiagram() || current) out_ += kLineEnd;
      if (options_.withSideLines && n->branching()) {
        branching = n;
        return true;
      }
    }
    return true;
  }

  const SGridFrame& game_;
  std::string& out_;
  const WriteGameOptions& options_;
  std::size_t begin_;
  std::vector<OpenBranch> open_;
};

}  // namespace

bool WriteGameText(const SGridFrame& game, std::string& out, const WriteGameOptions& options) {
  const GameNode* start = options.start != nullptr ? options.start : game.firstNode;
  if (start == nullptr) return false;
  const std::size_t before = out.size();
  if (options.withHeader) writeRootHeader(game, out, options.isCurrentGame);
  TreeWriter writer(game, out, options, before);
  if (!writer.write(start)) {
    out.resize(before);
    return false;
  }
  if (options.withHeader) out += ")\r\n\r\n";
  return true;
}

std::optional<std::string> writeGameWithCorrectedMove(const SGridFrame& game, const GameNode* node,
                                                      BoardPoint newPoint) {
  if (node == nullptr || node == game.firstNode || !node->inUse() || !node->isPlacement()) return std::nullopt;
  if (newPoint.x < 0 || newPoint.y < 0 || newPoint.x >= game.width() || newPoint.y >= game.width())
    return std::nullopt;
  WriteGameOptions options;
  options.replacedNode = node;
  options.replacementPoint = newPoint;
  std::string text;
  if (!WriteGameText(game, text, options)) return std::nullopt;
  return text;
}

}  // namespace meridax
