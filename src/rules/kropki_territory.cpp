#include "rules/kropki_territory.h"

namespace meridax {

std::vector<std::uint8_t> kropkiTerritoryMap(const SGridFrame& game, const GameNode* node) {
  std::vector<std::uint8_t> map(static_cast<std::size_t>(game.cellCount()), 0);
  for (const GameNode* n = node; n != nullptr; n = n->prev()) {
    if (n->captureRecord()) {
      auto it = game.kropkiFields.find(n);
      if (it != game.kropkiFields.end())
        for (std::size_t i = 0; i < map.size() && i < it->second.size(); ++i) map[i] |= it->second[i];
    }
    if (n->kind() == SpecialMoveKind::Compose) break;
  }
  return map;
}

}  // namespace meridax
