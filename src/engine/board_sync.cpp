#include "engine/board_sync.h"

#include <charconv>
#include <cstdio>
#include <vector>

#include "engine/gtp_protocol.h"
#include "rules/position_at.h"

namespace meridax {

namespace {

constexpr int kLargestEngineBoard = 25;

std::string colourWord(bool black) { return black ? "B" : "W"; }

std::vector<const GameNode*> lineTo(const GameNode* node) {
  std::vector<const GameNode*> line;
  for (const GameNode* n = node; n != nullptr; n = n->prev()) line.push_back(n);
  return {line.rbegin(), line.rend()};
}

// Black and white stones of a position as vertices.
void stonesOf(const BoardPosition& pos, int size, std::vector<std::string>& black, std::vector<std::string>& white) {
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      if (pos.at(x, y) == cell::kBlack) black.push_back(gtpVertex(x, y, size));
      if (pos.at(x, y) == cell::kWhite) white.push_back(gtpVertex(x, y, size));
    }
}

}  // namespace

std::optional<std::string> engineGameFault(const SGridFrame& game) {
  if (game.isUnread() || game.variant() != GoVariant::Go) return std::string("Engines play plain Go games only.");
  if (game.width() != game.height() || game.width() < 2 || game.width() > kLargestEngineBoard)
    return std::string("Engines play on square boards of 2 x 2 to 25 x 25 only.");
  return std::nullopt;
}

std::string gtpKomi(const std::string& komiText) {
  std::string text;
  for (char c : komiText) text += c == ',' ? '.' : c;
  while (!text.empty() && text.front() == ' ') text.erase(text.begin());
  while (!text.empty() && text.back() == ' ') text.pop_back();
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < -1000 || value > 1000)
    return "0";
  char out[32];
  std::snprintf(out, sizeof out, "%g", value);
  return out;
}

std::optional<std::vector<std::string>> boardSyncCommands(const SGridFrame& game, const GameNode* node,
                                                          const BoardSyncOptions& options) {
  if (engineGameFault(game) || node == nullptr) return std::nullopt;
  const int size = game.width();
  const std::vector<const GameNode*> line = lineTo(node);
  // The position is set up from the last composed node on the line, or from the first node.
  std::size_t base = 0;
  for (std::size_t i = 1; i < line.size(); ++i)
    if (line[i]->kind() == SpecialMoveKind::Compose) base = i;

  std::vector<std::string> commands{"boardsize " + std::to_string(size), "clear_board",
                                    "komi " + gtpKomi(game.details[DetailField::Komi])};
  std::vector<std::string> black;
  std::vector<std::string> white;
  stonesOf(PositionAt(game, line[base]), size, black, white);
  if (options.freeHandicap && base == 0 && white.empty() && black.size() >= 2) {
    std::string handicap = "set_free_handicap";
    for (const std::string& v : black) handicap += ' ' + v;
    commands.push_back(handicap);
  } else {
    for (const std::string& v : black) commands.push_back("play B " + v);
    for (const std::string& v : white) commands.push_back("play W " + v);
  }
  for (std::size_t i = base + 1; i < line.size(); ++i) {
    const GameNode& n = *line[i];
    if (n.kind() == SpecialMoveKind::Pass) {
      commands.push_back("play " + colourWord(n.blackMove()) + " pass");
    } else if (n.isPlacement()) {
      const int x = static_cast<int>(n.point()) % size;
      const int y = static_cast<int>(n.point()) / size;
      const std::string vertex = gtpVertex(x, y, size);
      if (!vertex.empty()) commands.push_back("play " + colourWord(n.blackMove()) + ' ' + vertex);
    }
  }
  return commands;
}

}  // namespace meridax
