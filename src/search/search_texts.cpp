#include "search/search_texts.h"

#include <algorithm>
#include <cctype>

#include "rules/display_coords.h"
#include "rules/placement.h"
#include "rules/position_at.h"

namespace meridax {

namespace {

std::string folded(std::string_view text, bool keepCase) {
  std::string out;
  for (char c : text)
    if (c != ' ') out += keepCase ? c : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::optional<BoardPoint> pointNamed(const SGridFrame& game, std::string_view text) {
  const bool keepCase = game.kind() == GameKind::Kropki;
  const std::string wanted = folded(text, keepCase);
  for (int y = 0; y < game.width(); ++y)
    for (int x = 0; x < game.width(); ++x)
      if (isOnBoard(game.kind(), game.width(), game.height(), x, y) &&
          folded(displayPoint(game, x, y), keepCase) == wanted)
        return BoardPoint{x, y};
  return std::nullopt;
}

const char* specialMoveWord(SpecialMoveKind kind) {
  switch (kind) {
    case SpecialMoveKind::Placement: return "";
    case SpecialMoveKind::Pass: return "pass";
    case SpecialMoveKind::Resign: return "resign";
    case SpecialMoveKind::Forfeit: return "forfeit";
    case SpecialMoveKind::SwapSides: return "swap-sides";
    case SpecialMoveKind::SwapPieces: return "swap-pieces";
    case SpecialMoveKind::Compose: return "setup";
  }
  return "";
}

}  // namespace

std::optional<SearchArea> parseArea(const SGridFrame& game, std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const auto a = pointNamed(game, text.substr(0, colon));
  const auto b = pointNamed(game, text.substr(colon + 1));
  if (!a || !b) return std::nullopt;
  return SearchArea{std::min(a->x, b->x), std::min(a->y, b->y), std::max(a->x, b->x), std::max(a->y, b->y)};
}

std::string areaText(const SGridFrame& game, const SearchArea& area) {
  return displayPoint(game, area.left, area.top) + ":" + displayPoint(game, area.right, area.bottom);
}

std::string nextMoveText(const SGridFrame& game, const NextMove& move) {
  const std::string colour = move.colour == Colour::Black ? "B " : "W ";
  if (move.kind != SpecialMoveKind::Placement) return colour + specialMoveWord(move.kind);
  if (move.x < 0) return colour + "?";
  return colour + displayPoint(game, move.x, move.y);
}

PositionQuery queryFor(const SGridFrame& game, const GameNode* node, std::optional<SearchArea> area) {
  PositionQuery q;
  q.kind = game.kind();
  q.width = game.width();
  q.height = game.height();
  q.position = PositionAt(game, node);
  q.area = area;
  return q;
}

}  // namespace meridax
