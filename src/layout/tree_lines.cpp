#include "layout/tree_lines.h"

#include <algorithm>

#include "app/move_box_text.h"
#include "edit/quick_slots.h"
#include "layout/display_text.h"
#include "model/character_set.h"
#include "model/move_annotations.h"
#include "model/node_texts.h"

namespace meridax {

namespace {

// The box text with the move's annotation after it ("Bq16!?").
std::string boxText(const SGridFrame& game, const GameNode* node) {
  return moveBoxText(game, node) + std::string(moveAnnotationSymbol(annotationsOf(game, node).move));
}

bool isTextOrMarker(const std::vector<TreeLine>& lines) {
  return !lines.empty() &&
         (lines.back().type == TreeLineType::Text || lines.back().type == TreeLineType::Markers);
}

void addEmptyLine(std::vector<TreeLine>& lines) { lines.push_back(TreeLine{}); }

// A comment on one line: line feeds shown as a backslash, carriage returns dropped, cut to its budget. Only
// the start of the comment is converted, a longer start each time until it fills the budget with room to
// spare (a character cut at the end of a start converts to something else): a comment of megabytes costs
// no more than a short one each time the lines are made.
std::string commentLineText(const SGridFrame& game, const std::string& comment) {
  constexpr std::size_t kSpare = 16;
  for (std::size_t take = 4 * kTreeCommentBytes;; take *= 4) {
    const bool whole = take >= comment.size();
    std::string shown;
    for (char c : gameTextToUtf8(game, std::string_view(comment).substr(0, take))) {
      if (c == '\r') continue;
      shown += c == '\n' ? '\\' : c;
    }
    if (whole || shown.size() >= kTreeCommentBytes + kSpare) return std::string(cutUtf8(shown, kTreeCommentBytes));
  }
}

std::string bracketed(const std::string& text) { return "[ " + text + " ]"; }

// The name line "[ name ]" with the score "[ n ]" after it, or the score alone.
void addNameAndScore(const SGridFrame& game, GameNode* node, std::vector<TreeLine>& lines) {
  const bool named = node->hasName() && !nameOf(game, node).empty();
  const std::optional<int> score = node->hasScore() ? scoreOf(game, node) : std::nullopt;
  if (!named && !score) return;
  TreeLine line{TreeLineType::Text, node, {}, {}, {}};
  if (named) line.text = bracketed(gameTextToUtf8(game, nameOf(game, node)));
  if (score) line.text += bracketed(std::to_string(*score));
  lines.push_back(std::move(line));
}

void addComment(const SGridFrame& game, GameNode* node, bool afterName, std::vector<TreeLine>& lines) {
  if (!node->hasComment() || commentOf(game, node).empty()) return;
  if (!afterName && !lines.empty()) addEmptyLine(lines);
  lines.push_back(TreeLine{TreeLineType::Text, node, {}, commentLineText(game, commentOf(game, node)), {}});
}

std::vector<std::string> markerLabels(const SGridFrame& game, const GameNode* node) {
  std::vector<std::string> labels;
  if (game.primaryNode == node) labels.emplace_back("  Primary  ");
  const auto bookmarked = [&](const Bookmark& b) { return b.node == node; };
  if (std::any_of(game.bookmarks.begin(), game.bookmarks.end(), bookmarked)) labels.emplace_back("  BMarked  ");
  if (game.kind() == GameKind::Kropki && node->captureRecord()) labels.emplace_back("  Stop  ");
  if (node->printDiagram()) labels.emplace_back("  Diagram  ");
  if (node->inQuickSlot())
    if (const std::optional<int> slot = quickSlotOf(game, node))
      labels.push_back("  store " + std::to_string(*slot) + "  ");
  return labels;
}

int nodesFrom(const GameNode* head) {
  int count = 0;
  for (const GameNode* n = head; n != nullptr; n = n->next()) ++count;
  return count;
}

// One variation line: the first box of the line that starts at `head`, its length, name and score.
TreeLine variationLine(const SGridFrame& game, GameNode* head, int column) {
  std::string box = boxText(game, head);
  if (box.size() < kVariationBoxWidth) box.resize(kVariationBoxWidth, ' ');
  std::string rest = " (" + std::to_string(nodesFrom(head)) + ")";
  const bool named = head->hasName() && !nameOf(game, head).empty();
  if (named) rest += "   " + bracketed(gameTextToUtf8(game, nameOf(game, head)));
  if (head->hasScore())
    if (const std::optional<int> score = scoreOf(game, head))
      rest += (named ? "" : "   ") + bracketed(std::to_string(*score));
  return TreeLine{TreeLineType::Variation, head, {TreeBox{column, std::move(box), head}}, rest, {}};
}

// One line per child line leaving the node other than `shown`, the child the rows go on with; its box
// in the column after the node's box. The continuation comes first when the rows leave it.
void addVariations(const SGridFrame& game, GameNode* node, const GameNode* shown, int column,
                   std::vector<TreeLine>& lines) {
  if (!node->branching()) return;
  std::vector<GameNode*> heads;
  if (node->next() != nullptr && node->next() != shown) heads.push_back(node->next());
  for (const SBranchDetails* side : game.variations.linesBelow(node))
    if (side->head != nullptr && side->head != node->next() && side->head != shown) heads.push_back(side->head);
  if (!heads.empty() && isTextOrMarker(lines)) addEmptyLine(lines);
  for (GameNode* head : heads) lines.push_back(variationLine(game, head, column));
}

// The nodes from the first node down to `through`, by the parent links; empty when `through` is null.
std::vector<GameNode*> pathTo(GameNode* through) {
  std::vector<GameNode*> path;
  for (GameNode* n = through; n != nullptr; n = n->prev()) path.push_back(n);
  std::reverse(path.begin(), path.end());
  return path;
}

// Whether the move after this node skips the other side's turn (Othello: the same side moves again).
bool takesTwoPlaces(const SGridFrame& game, const GameNode* node) {
  return game.kind() == GameKind::Othello && node->captureRecord();
}

}  // namespace

std::vector<TreeLine> buildTreeLines(const SGridFrame& game, const TreeLineOptions& options) {
  return buildTreeLinesThrough(game, nullptr, options);
}

std::vector<TreeLine> buildTreeLinesThrough(const SGridFrame& game, GameNode* through,
                                            const TreeLineOptions& options) {
  std::vector<TreeLine> lines;
  GameNode* start = game.firstNode;
  if (start == nullptr) return lines;
  const int columns = std::max(1, options.columns);
  const std::vector<GameNode*> path = pathTo(through);
  if (!path.empty() && path.front() != start) return lines;  // not a node of this game
  // The child the rows go on with: along the path while it lasts, then the continuation.
  std::size_t depth = 0;
  const auto shownChild = [&](GameNode* node) {
    return depth + 1 < path.size() && path[depth] == node ? path[depth + 1] : node->next();
  };

  addNameAndScore(game, start, lines);
  addComment(game, start, !lines.empty(), lines);
  addVariations(game, start, shownChild(start), 1, lines);

  int place = 0;  // box places used so far on the line, counting skipped turns
  bool rowDue = true;
  for (GameNode* node = shownChild(start); node != nullptr; node = shownChild(node)) {
    ++depth;
    const int column = place % columns + 1;
    if (rowDue) {
      if (isTextOrMarker(lines)) addEmptyLine(lines);
      lines.push_back(TreeLine{TreeLineType::Moves, node, {}, {}, {}});
      rowDue = false;
    }
    lines.back().boxes.push_back(TreeBox{column, boxText(game, node), node});
    const int placeBefore = place;
    place += takesTwoPlaces(game, node) ? 2 : 1;
    const bool rowEnds = place / columns != placeBefore / columns;

    const std::size_t before = lines.size();
    addNameAndScore(game, node, lines);
    addComment(game, node, lines.size() > before, lines);
    std::vector<std::string> markers = markerLabels(game, node);
    if (!markers.empty()) {
      addEmptyLine(lines);
      lines.push_back(TreeLine{TreeLineType::Markers, node, {}, {}, std::move(markers)});
    }
    addVariations(game, node, shownChild(node), column == columns ? 1 : column + 1, lines);
    rowDue = rowEnds || lines.size() > before;
  }
  return lines;
}

int lineOfMove(const std::vector<TreeLine>& lines, const GameNode* node) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].type != TreeLineType::Moves && lines[i].type != TreeLineType::OtherMoves) continue;
    for (const TreeBox& box : lines[i].boxes)
      if (box.node == node) return static_cast<int>(i);
  }
  return -1;
}

int markerLineOf(const std::vector<TreeLine>& lines, const GameNode* node) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].type == TreeLineType::Markers && lines[i].node == node) return static_cast<int>(i);
  return -1;
}

std::string treeLinesText(const std::vector<TreeLine>& lines) {
  std::string text;
  for (const TreeLine& line : lines) {
    std::string row;
    const auto put = [&](const TreeBox& box) {
      const std::size_t at = 3 + 6 * static_cast<std::size_t>(box.column - 1);
      if (row.size() < at) row.resize(at, ' ');
      row += box.text;
    };
    switch (line.type) {
      case TreeLineType::Empty: break;
      case TreeLineType::Moves:
      case TreeLineType::OtherMoves:
        for (const TreeBox& box : line.boxes) put(box);
        break;
      case TreeLineType::Text: row = " " + line.text; break;
      case TreeLineType::Markers:
        for (const std::string& m : line.markers) row += "<" + m + ">";
        break;
      case TreeLineType::Variation:
        put(line.boxes.front());
        row += line.text;
        break;
    }
    while (!row.empty() && row.back() == ' ') row.pop_back();
    text += row + "\n";
  }
  return text;
}

}  // namespace meridax
