#include "model/node_texts.h"
#include "model/character_set.h"
#include "model/program_version.h"
#include "sgf/sgf_escape.h"
#include "sgf/sgf_numbers.h"
#include "sgf/sgf_writer.h"
#include "sgf/sgf_writer_parts.h"


namespace meridax {

namespace {

inline constexpr char kProgramName[] = "Meridax";
inline constexpr int kHandicapBoardWidth = 19;  // HA is written only for 19 x 19 Go

// "ID[escaped text]\r\n" when the text is not empty.
void textLine(std::string& out, const char* id, const std::string& text) {
  if (text.empty()) return;
  out += id;
  out += '[';
  out += escapeText(text);
  out += "]\r\n";
}

std::string sizeValue(const SGridFrame& game) {
  if (game.kind() == GameKind::Kropki && game.width() != game.height())
    return std::to_string(game.width()) + ":" + std::to_string(game.height());
  if (game.kind() == GameKind::Havannah || game.kind() == GameKind::SideStitch) return std::to_string(game.height());
  return std::to_string(game.width());
}

// HA is written as the number of stones the reader takes from it: a handicap typed as other text can
// neither break the file (a "]" in it) nor read back as something else.
int handicapToWrite(const SGridFrame& game) {
  if (game.kind() != GameKind::Go || game.width() != kHandicapBoardWidth) return 0;
  return goHandicapStones(game.details[DetailField::Handicap]);
}

// Player 1 moves first: White in the White-first kinds.
void playerLines(const SGridFrame& game, std::string& out) {
  const bool whiteFirst = game.isWhiteFirst();
  const SSGFDetails& d = game.details;
  textLine(out, whiteFirst ? "PW" : "PB", d[DetailField::Player1]);
  textLine(out, whiteFirst ? "PB" : "PW", d[DetailField::Player2]);
  textLine(out, whiteFirst ? "WR" : "BR", d[DetailField::Player1Rank]);
  textLine(out, whiteFirst ? "BR" : "WR", d[DetailField::Player2Rank]);
}

void informationLines(const SGridFrame& game, std::string& out) {
  const SSGFDetails& d = game.details;
  out += "(;\r\nFF[4]\r\nGM[";
  out += gameKindIdentifier(game.kind());
  out += "]\r\n";
  textLine(out, "RU", d[DetailField::Rules]);
  out += "SZ[" + sizeValue(game) + "]\r\n";
  out += std::string("AP[") + kProgramName + ":" + kProgramVersion + "]\r\n";
  textLine(out, "CA", characterSetForWriting(game.characterSet));
  if (const int stones = handicapToWrite(game); stones != 0) out += "HA[" + std::to_string(stones) + "]\r\n";
  playerLines(game, out);
  const std::pair<const char*, DetailField> texts[] = {
      {"KM", DetailField::Komi},  {"PC", DetailField::Place}, {"SO", DetailField::Source},
      {"EV", DetailField::Event}, {"RO", DetailField::Round}, {"DT", DetailField::Date},
      {"GN", DetailField::GameName}, {"RE", DetailField::Result}, {"AN", DetailField::Annotator},
      {"GC", DetailField::GameComment}};
  for (const auto& [id, field] : texts) textLine(out, id, d[field]);
  // The root's properties this program does not read, as they were read.
  if (game.firstNode != nullptr && !game.otherProperties.empty()) {
    const std::string& others = otherPropertiesOf(game, game.firstNode);
    if (!others.empty()) out += others + "\r\n";
  }
}

// The first node's own marks (bookmark, primary, selected game, current node), set-up, markup and comment.
void firstNodeLines(const SGridFrame& game, std::string& out, bool isCurrentGame) {
  const GameNode* first = game.firstNode;
  const std::string bookmark = sgf_writer::bookmarkProperty(game, first);
  if (!bookmark.empty()) out += bookmark + "\r\n";
  // Unwritten, a primary first node would come back on the current node, which a read game without a
  // primary takes as its primary.
  if (game.primaryNode == first) out += "XP[]\r\n";
  if (isCurrentGame) out += "XS[]\r\n";
  if (game.currentNode == first) out += "XV[]\r\n";
  if (first->printDiagram()) out += "FG[]\r\n";
  textLine(out, "N", nameOf(game, first));
  // A score or quick slot on the first node would otherwise be lost on saving.
  if (const auto score = scoreOf(game, first)) out += "V[" + std::to_string(*score) + "]\r\n";
  if (const int slot = sgf_writer::quickSlotOf(game, first); slot >= 0) out += "XN[" + std::to_string(slot) + "]\r\n";
  if (first->kind() == SpecialMoveKind::Compose || !game.details[DetailField::Handicap].empty()) {
    const std::string setup = setupText(game, first);
    if (!setup.empty()) out += "\r\n" + setup;
  }
  if (first->hasMarkup()) {
    const std::string markup = sgf_writer::nodeMarkupText(game, first);
    if (!markup.empty()) out += markup + "\r\n";
  }
  if (first->hasComment()) out += "C[" + escapeText(commentOf(game, first)) + "]\r\n";
  out += "\r\n";
}

}  // namespace

bool sgf_writer::headerGivesWhiteTheMove(const SGridFrame& game) {
  // The reader takes a handicap of two stones or more as White to move.
  return handicapToWrite(game) >= 2;
}

const char* gameKindIdentifier(GameKind kind) {
  switch (kind) {
    case GameKind::Go: return "1";
    case GameKind::Othello: return "2";
    case GameKind::Hex: return "11";
    case GameKind::Unlur: return "4000";
    case GameKind::Havannah: return "4100";
    case GameKind::Kropki: return "40";
    default: return "";
  }
}

void writeRootHeader(const SGridFrame& game, std::string& out, bool isCurrentGame) {
  informationLines(game, out);
  if (game.firstNode != nullptr) firstNodeLines(game, out, isCurrentGame);
  else out += "\r\n";
}

}  // namespace meridax
