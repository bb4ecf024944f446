#include "app/status_texts.h"

#include <cstdlib>

#include "model/character_set.h"
#include "model/move_annotations.h"
#include "model/node_texts.h"
#include "model/text_format.h"
#include "rules/connect6_rules.h"
#include "rules/display_coords.h"

namespace meridax {

namespace {

bool hasHandicap(const SGridFrame& game) { return std::atoi(game.details[DetailField::Handicap].c_str()) > 0; }

}  // namespace

std::string sideToMoveField(const SGridFrame& game) {
  const GameNode* node = game.currentNode;
  const Colour side = node->blackNext() ? Colour::Black : Colour::White;
  const std::string name = gameTextToUtf8(game, nameOf(game, node));
  const bool connect6 = game.variant() == GoVariant::Connect6;
  std::string text;
  if (connect6 ? !name.empty() : node->hasName()) text = " [ " + name + " ]  ";
  text += " " + std::string(colourName(side)) + " to move";
  if (!connect6) return text;
  if (auto stone = connect6StoneOfTurn(static_cast<int>(node->moveNumber()), game.cellCount()))
    text += formatText("  ( %d of 2 )", *stone);
  return text;
}

std::string kindField(const SGridFrame& game) {
  std::string text;
  switch (game.kind()) {
    case GameKind::Othello: text = formatText(" %d - %d", game.blackCounter, game.whiteCounter); break;
    case GameKind::Go:
      switch (game.variant()) {
        case GoVariant::Pente: text = formatText(" Pente %d - %d", game.blackCounter, game.whiteCounter); break;
        case GoVariant::Connect6: text = " Connect6"; break;
        default: text = formatText(" %d - %d", game.blackCounter, game.whiteCounter); break;
      }
      break;
    case GameKind::Hex: text = formatText(" Hex %d", game.width()); break;
    case GameKind::Havannah: text = " Havannah"; break;
    case GameKind::Unlur: text = " Unlur"; break;
    case GameKind::Margo: text = " Margo"; break;
    case GameKind::Kropki:
      text = game.width() == game.height() ? formatText(" Kropki %d", game.width())
                                           : formatText(" Kropki %d:%d", game.width(), game.height());
      break;
    case GameKind::Onyx: text = " Onyx"; break;
    case GameKind::SideStitch: text = " Side Stitch"; break;
    case GameKind::Sursum: text = " Sursum"; break;
    default: break;
  }
  if (auto score = scoreOf(game, game.currentNode)) text += formatText("   ( %d )", *score);
  return text;
}

std::string cursorField(const SGridFrame& game, bool cursorShown) {
  std::string text = " Cursor";
  if (cursorShown) text += " " + displayPoint(game, game.cursorX, game.cursorY);
  return text;
}

std::string moveField(const SGridFrame& game) {
  const int last = game.endNode != nullptr ? static_cast<int>(game.endNode->moveNumber()) : 0;
  const std::string_view sign = moveAnnotationSymbol(annotationsOf(game, game.currentNode).move);
  return formatText(" Move   %d/%d", static_cast<int>(game.currentNode->moveNumber()), last) +
         (sign.empty() ? "" : "  " + std::string(sign));
}

std::string kindTitleName(const SGridFrame& game) {
  switch (game.kind()) {
    case GameKind::Othello: return "Othello";
    case GameKind::Go:
      switch (game.variant()) {
        case GoVariant::Pente: return "Pente";
        case GoVariant::Connect6: return "Connect6";
        default: return "Go";
      }
    case GameKind::Hex: return "Hex";
    case GameKind::Havannah: return "Havannah";
    case GameKind::Unlur: return "Unlur";
    case GameKind::Kropki: return "Kropki";
    default: return "";
  }
}

std::string windowTitle(const SGridFrame& game, const std::string& fileName, std::size_t position, std::size_t count) {
  std::string title;
  if (fileName.empty()) {
    title = kindTitleName(game);
  } else {
    const auto slash = fileName.find_last_of('/');
    title = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
  }
  const std::string gameName = gameTextToUtf8(game, game.details[DetailField::GameName]);
  if (count >= 2) {
    title += formatText("  [%d/%d]", static_cast<int>(position), static_cast<int>(count));
    if (!gameName.empty()) title += "  " + gameName;
  } else if (!gameName.empty()) {
    title += "  " + gameName;
  }
  const std::string p1 = gameTextToUtf8(game, game.details[DetailField::Player1]);
  const std::string p2 = gameTextToUtf8(game, game.details[DetailField::Player2]);
  if (!p1.empty() || !p2.empty()) {
    const std::string first = p1.empty() ? "(null)" : p1;
    const std::string second = p2.empty() ? "(null)" : p2;
    const bool handicapGo = game.variant() == GoVariant::Go && game.width() == 19 && hasHandicap(game);
    title += "  " + (handicapGo ? second + " - " + first : first + " - " + second);
  }
  return title;
}

std::string statusLineOf(const std::string& text) {
  std::string line;
  bool breakPending = false;
  for (const char c : text) {
    if (c == '\r' || c == '\n') {
      breakPending = !line.empty();
      continue;
    }
    if (breakPending) line += "  ";
    breakPending = false;
    line += c;
  }
  return line;
}

}  // namespace meridax
