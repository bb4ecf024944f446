#include "model/node_texts.h"
#include "sgf/sgf_escape.h"
#include "sgf/sgf_markup_writer.h"
#include "sgf/sgf_writer_parts.h"

namespace meridax::sgf_writer {

namespace {

char colourLetter(const GameNode* node) { return node->blackMove() ? 'B' : 'W'; }

void specialMove(const GameNode* node, const char* word, std::string& out, int& counter) {
  out += ';';
  out += colourLetter(node);
  out += '[';
  out += word;
  out += ']';
  counter = kMovesPerLine;
}

// Go boards follow a pass with two blanks and hexagon boards with three; other kinds write none.
void passMove(const SGridFrame& game, const GameNode* node, std::string& out) {
  const char* blanks = game.kind() == GameKind::Go ? "  " : isHexagonBoard(game.kind()) ? "   " : nullptr;
  if (blanks == nullptr) return;
  out += ';';
  out += colourLetter(node);
  out += "[]";
  out += blanks;
}

BoardPoint pointOf(const SGridFrame& game, const GameNode* node, const WriteGameOptions& options) {
  if (node == options.replacedNode) return options.replacementPoint;
  const int w = game.width();
  return {static_cast<int>(node->point()) % w, static_cast<int>(node->point()) / w};
}

// A Kropki move that closed fields carries their outlines in its value and ends the line. Fields of
// the other colour stored at the same node follow as TB or TW.
bool kropkiMoveWithFields(const SGridFrame& game, const GameNode* node, BoardPoint p, std::string& out, int& counter) {
  const Colour mover = node->blackMove() ? Colour::Black : Colour::White;
  const std::string own = kropkiOutlines(game, node, mover);
  const std::string other = kropkiOutlines(game, node, opponent(mover));
  if (own.empty() && other.empty()) return false;
  if (own.empty()) {
    out += ';';
    out += colourLetter(node);
    out += "[" + twoLetters(p.x, p.y) + "]";
  } else {
    out += "\r\n;";
    out += colourLetter(node);
    out += "[" + twoLetters(p.x, p.y) + own + "]";
  }
  if (!other.empty()) out += (mover == Colour::Black ? "\r\nTW[" : "\r\nTB[") + other + "]";
  counter = kMovesPerLine;
  return true;
}

void placement(const SGridFrame& game, const GameNode* node, const WriteGameOptions& options, std::string& out,
               int& counter) {
  const BoardPoint p = pointOf(game, node, options);
  if (game.kind() == GameKind::Kropki && kropkiMoveWithFields(game, node, p, out, counter)) return;
  const std::string value = movePointText(pointGeometry(game), p.x, p.y);
  if (value.empty()) return;  // kinds whose moves are not written
  out += ';';
  out += colourLetter(node);
  out += value;
  ++counter;
}

void annotationLine(std::string& out, int& counter, const std::string& text) {
  out += kLineEnd;
  out += text;
  counter = kMovesPerLine;
}

}  // namespace

std::string bookmarkProperty(const SGridFrame& game, const GameNode* node) {
  std::string values;
  for (const Bookmark& b : game.bookmarks) {
    if (b.node != node) continue;
    values += "[" + std::to_string(b.number);
    if (!b.name.empty()) values += ":" + escapeText(b.name);
    values += "]";
  }
  return values.empty() ? values : "XB" + values;
}

int quickSlotOf(const SGridFrame& game, const GameNode* node) {
  if (!node->inQuickSlot()) return -1;
  for (std::size_t i = 0; i < game.quickSlots.size(); ++i)
    if (game.quickSlots[i] == node) return static_cast<int>(i);
  return -1;
}

std::string nodeMarkupText(const SGridFrame& game, const GameNode* node) {
  return writeMarkupText(pointGeometry(game), markupOf(game, node));
}

void writeNodeMove(const SGridFrame& game, const GameNode* node, const WriteGameOptions& options, std::string& out,
                   int& counter) {
  switch (node->kind()) {
    case SpecialMoveKind::Compose:
      out += "\r\n;" + setupText(game, node);
      counter = kMovesPerLine;
      return;
    case SpecialMoveKind::Pass: return passMove(game, node, out);
    case SpecialMoveKind::Forfeit: return specialMove(node, "forfeit", out, counter);
    case SpecialMoveKind::Resign: return specialMove(node, "resign", out, counter);
    case SpecialMoveKind::SwapSides: return specialMove(node, "swap-sides", out, counter);
    case SpecialMoveKind::SwapPieces: return specialMove(node, "swap-pieces", out, counter);
    case SpecialMoveKind::Placement: return placement(game, node, options, out, counter);
  }
}

void writeNodeAnnotations(const SGridFrame& game, const GameNode* node, std::string& out, int& counter) {
  const std::string bookmark = bookmarkProperty(game, node);
  if (!bookmark.empty()) annotationLine(out, counter, bookmark);
  if (game.primaryNode == node) annotationLine(out, counter, "XP[]");
  if (const int slot = quickSlotOf(game, node); slot >= 0)
    annotationLine(out, counter, "XN[" + std::to_string(slot) + "]");
  if (const auto score = scoreOf(game, node)) annotationLine(out, counter, "V[" + std::to_string(*score) + "]");
  if (node->hasName()) annotationLine(out, counter, "N[" + escapeText(nameOf(game, node)) + "]");
  if (node->hasMarkup()) {
    const std::string markup = nodeMarkupText(game, node);
    if (!markup.empty()) annotationLine(out, counter, markup);
  }
  if (node->printDiagram()) annotationLine(out, counter, "FG[]");
  if (game.currentNode == node) annotationLine(out, counter, "XV[]");
  if (node->hasComment()) annotationLine(out, counter, "C[" + escapeText(commentOf(game, node)) + "]");
}

}  // namespace meridax::sgf_writer
