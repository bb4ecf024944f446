#include "export/rtf_print_lines.h"

#include <algorithm>

#include "model/move_annotations.h"
#include "rules/display_coords.h"
#include "rules/special_move_suffix.h"

namespace meridax {
namespace {

// The move's text with its annotation after it ("BD4!?").
std::string annotatedMoveText(const SGridFrame& game, const GameNode& node) {
  return printMoveText(game, node) + std::string(moveAnnotationSymbol(annotationsOf(game, &node).move));
}

bool isBookmarked(const SGridFrame& game, const GameNode* node) {
  return std::any_of(game.bookmarks.begin(), game.bookmarks.end(), [&](const Bookmark& b) { return b.node == node; });
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (const char c : text) {
    if (c == '\r') continue;
    if (c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  if (lines.size() > static_cast<std::size_t>(kMaxCommentLines)) lines.resize(kMaxCommentLines);
  return lines;
}

// The alternatives printed after `node`: the other lines leaving its parent, when `node` is the parent's
// continuation (the head of a side line has its alternatives printed with the continuation).
std::vector<const GameNode*> alternativesTo(const SGridFrame& game, const GameNode* node) {
  std::vector<const GameNode*> heads;
  const GameNode* parent = node->prev();
  if (parent == nullptr || parent->next() != node || !parent->branching()) return heads;
  for (const SBranchDetails* line : game.variations.linesBelow(parent))
    if (line->head != nullptr && line->head->prev() == parent && line->head != node) heads.push_back(line->head);
  return heads;
}

class PrintLineBuilder {
 public:
  PrintLineBuilder(const SGridFrame& game, const RtfExportOptions& options) : game_(game), options_(options) {}

  std::vector<PrintLine> build() {
    addRoot();
    for (const GameNode* m = game_.firstNode->next(); m != nullptr; m = m->next()) addMainMove(*m);
    flushRow();
    return std::move(lines_);
  }

 private:
  bool wantsDiagram(const GameNode* node, bool endOfMainLine) const {
    return node->printDiagram() || (node->hasComment() && options_.on(rtf_field::kCommentDiagrams)) ||
           (endOfMainLine && options_.on(rtf_field::kEndDiagram)) ||
           (options_.on(rtf_field::kBookmarkDiagrams) && isBookmarked(game_, node));
  }

  void add(PrintLineKind kind, std::string text, const GameNode* node) {
    lines_.push_back(PrintLine{kind, std::move(text), node});
  }

  // Name and score lines, then the diagram, then the comment lines of a node; false when none was added.
  bool addNotes(const GameNode* node, bool endOfMainLine) {
    const std::size_t before = lines_.size();
    if (auto name = game_.names.find(node); name != game_.names.end() && !name->second.empty())
      add(PrintLineKind::Comment, "[ " + name->second + " ]", node);
    if (auto score = game_.scores.find(node); node->hasScore() && score != game_.scores.end())
      add(PrintLineKind::Comment, "[ " + std::to_string(score->second) + " ]", node);
    if (wantsDiagram(node, endOfMainLine)) add(PrintLineKind::Diagram, "", node);
    if (auto comment = game_.comments.find(node); comment != game_.comments.end())
      for (std::string& line : splitLines(comment->second)) add(PrintLineKind::Comment, std::move(line), node);
    return lines_.size() != before;
  }

  void addRoot() {
    const GameNode* root = game_.firstNode;
    addNotes(root, root->next() == nullptr);
    const std::string& handicap = game_.details[DetailField::Handicap];
    if (game_.variant() == GoVariant::Go && game_.width() == 19 && !handicap.empty() && handicap != "0")
      add(PrintLineKind::Comment, "[ Handicap: " + handicap + " ]", root);
  }

  void flushRow() {
    if (!row_.empty()) add(PrintLineKind::MainLine, std::move(row_), rowNode_);
    row_.clear();
  }

  void addMainMove(const GameNode& move) {
    const unsigned number = move.moveNumber();
    if (row_.empty()) {
      row_.assign(number > 0 ? (number - 1) % 4 : 0, '\t');
      rowNode_ = &move;
    }
    row_ += '\t' + annotatedMoveText(game_, move);
    std::vector<PrintLine> pending;
    lines_.swap(pending);
    addNotes(&move, move.next() == nullptr);
    if (options_.on(rtf_field::kAllLines))
      for (const GameNode* head : alternativesTo(game_, &move)) addVariation(head);
    lines_.swap(pending);
    if (!pending.empty() || number % 4 == 0) flushRow();
    for (PrintLine& line : pending) lines_.push_back(std::move(line));
  }

  // One variation line from `head`, nested alternatives inside it, kept on an explicit stack so that
  // deeply nested files cannot exhaust the call stack.
  void addVariation(const GameNode* head) {
    struct Frame {
      const GameNode* cursor;
      std::vector<const GameNode*> alternatives;
      std::size_t nextAlternative = 0;
    };
    std::string text = " [";
    const GameNode* lineNode = head;
    std::vector<Frame> stack{Frame{head, {}, 0}};
    while (!stack.empty()) {
      Frame& top = stack.back();
      if (top.nextAlternative < top.alternatives.size()) {
        const GameNode* alternative = top.alternatives[top.nextAlternative++];
        text += " [";
        stack.push_back(Frame{alternative, {}, 0});
        continue;
      }
      if (top.cursor == nullptr) {
        if (!text.empty() && text.back() != ']') text += ' ';
        text += ']';
        stack.pop_back();
        continue;
      }
      const GameNode* v = top.cursor;
      top.cursor = v->next();
      if (!text.empty() && text.back() != '[') text += ' ';
      text += annotatedMoveText(game_, *v);
      top.alternatives = alternativesTo(game_, v);
      top.nextAlternative = 0;
      std::vector<PrintLine> notes;
      lines_.swap(notes);
      addNotes(v, false);
      lines_.swap(notes);
      if (!notes.empty()) {
        add(PrintLineKind::Variation, std::move(text), lineNode);
        for (PrintLine& line : notes) lines_.push_back(std::move(line));
        text.clear();
        lineNode = v;
      }
    }
    add(PrintLineKind::Variation, std::move(text), lineNode);
  }

  const SGridFrame& game_;
  const RtfExportOptions& options_;
  std::vector<PrintLine> lines_;
  std::string row_;
  const GameNode* rowNode_ = nullptr;
};

char colourLetter(const SGridFrame& game, bool black) {
  const bool verticalHorizontal = game.kind() == GameKind::Hex || game.kind() == GameKind::Onyx;
  if (verticalHorizontal) return black ? 'V' : 'H';
  return black ? 'B' : 'W';
}

}  // namespace

std::string printMoveText(const SGridFrame& game, const GameNode& node) {
  if (node.kind() == SpecialMoveKind::Compose) return "_cp_";
  std::string text(1, colourLetter(game, node.blackMove()));
  if (!node.isPlacement()) return text + specialMoveSuffix(node.kind());
  const int w = game.width();
  const int point = static_cast<int>(node.point());
  text += displayPoint(game, point % w, point / w);
  if (game.kind() == GameKind::Othello && node.captureRecord()) text += '+';
  return text;
}

std::vector<PrintLine> buildPrintLines(const SGridFrame& game, const RtfExportOptions& options) {
  if (game.firstNode == nullptr) return {};
  return PrintLineBuilder(game, options).build();
}

}  // namespace meridax
