#include "rules/kropki_tree.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "rules/kropki_region.h"
#include "rules/kropki_territory.h"

namespace meridax {

namespace {

KropkiEdit refused(std::string message, const char* caption) {
  KropkiEdit edit;
  edit.message = std::move(message);
  edit.caption = caption;
  return edit;
}

KropkiEdit done(SGridFrame& game) {
  game.markTreeChanged();
  KropkiEdit edit;
  edit.changed = true;
  return edit;
}

// The mask of a node that carries fields (capture flag and index entry), or nullptr.
template <typename Game>
auto storedMask(Game& game, const GameNode* node) -> decltype(&game.kropkiFields.begin()->second) {
  if (!node->captureRecord()) return nullptr;
  const auto it = game.kropkiFields.find(node);
  return it == game.kropkiFields.end() ? nullptr : &it->second;
}

Colour dotColour(const GameNode* node) { return node->blackMove() ? Colour::Black : Colour::White; }

// The nearest node at or above the current one whose dot is of colour c; none past a compose node.
GameNode* receivingNode(const SGridFrame& game, Colour c) {
  for (GameNode* n = game.currentNode; n != nullptr; n = n->prev()) {
    if (n->kind() == SpecialMoveKind::Compose) return nullptr;
    if (dotColour(n) == c) return n;
  }
  return nullptr;
}

bool isInterior(const FieldOfTerritory& field, int x, int y) {
  if (x <= 0 || y <= 0 || x >= field.width() - 1 || y >= field.width() - 1) return false;
  return field.at(x + 1, y) != 0 && field.at(x - 1, y) != 0 && field.at(x, y + 1) != 0 && field.at(x, y - 1) != 0;
}

// A stored field clashes with the new one where they share a cell held by the opponent, or a cell
// inside the new field: only a shared ring of dots may belong to both.
bool clashes(const FieldOfTerritory& field, const std::vector<std::uint8_t>& stored, Colour c) {
  const int cells = std::min(field.cellCount(), static_cast<int>(stored.size()));
  for (int i = 0; i < cells; ++i) {
    const int x = i % field.width();
    const int y = i / field.width();
    if (field.at(x, y) == 0 || stored[i] == 0) continue;
    if (stored[i] != cellOf(c) || isInterior(field, x, y)) return true;
  }
  return false;
}

// Walks the node's line and every side line below it, stopping each line before a compose node.
bool clashesAtOrBelow(const SGridFrame& game, const GameNode* top, const FieldOfTerritory& field, Colour c) {
  std::vector<const GameNode*> lines{top};
  while (!lines.empty()) {
    const GameNode* n = lines.back();
    lines.pop_back();
    for (; n != nullptr && n->kind() != SpecialMoveKind::Compose; n = n->next()) {
      const std::vector<std::uint8_t>* stored = storedMask(game, n);
      if (stored != nullptr && clashes(field, *stored, c)) return true;
      if (!n->branching()) continue;
      for (const SBranchDetails* line : game.variations.linesBelow(n))
        if (line->head != nullptr && line->head->prev() == n) lines.push_back(line->head);
    }
  }
  return false;
}

}  // namespace

TerritoryMap territoryMap(const SGridFrame& game, const GameNode* node) {
  return TerritoryMap(game.width(), kropkiTerritoryMap(game, node));
}

FieldOfTerritory fieldsAt(const SGridFrame& game, const GameNode* node) {
  const std::vector<std::uint8_t>* stored = storedMask(game, node);
  return stored == nullptr ? FieldOfTerritory(game.width()) : FieldOfTerritory(game.width(), *stored);
}

void attachField(SGridFrame& game, GameNode* node, const FieldOfTerritory& field) {
  if (field.isEmpty()) return;
  FieldOfTerritory merged = fieldsAt(game, node);
  merged.merge(field);
  game.kropkiFields[node] = merged.cells();
  node->setCaptureRecord(true);
}

KropkiEdit createField(SGridFrame& game, const BoardPosition& current, int x, int y, Colour c) {
  const TerritoryMap map = territoryMap(game, game.currentNode);
  if (isTerritoryOf(map.valueAt(x, y), c))
    return refused(std::string("The selected square already forms part of ") + colourName(c) + "'s territory.",
                   kCreateFieldCaption);

  RegionResult region = buildRegion(current, map, x, y, c, PlayMode::User);
  if (!region.ok()) return refused(std::move(region.message), kCreateFieldCaption);

  GameNode* receiver = receivingNode(game, c);
  if (receiver == nullptr)
    return refused(std::string("Unable to find higher move to which the ") + colourName(c) +
                       " territory can be added.",
                   kCreateFieldCaption);
  if (clashesAtOrBelow(game, receiver, *region.field, c))
    return refused(
        "A conflict was detected.\r\n\r\nThe new field of territory overlaps territory lower down in the game tree.",
        kCreateFieldCaption);

  attachField(game, receiver, *region.field);
  return done(game);
}

KropkiEdit deleteField(SGridFrame& game, int x, int y) {
  const bool inSquare = x >= 0 && y >= 0 && x < game.width() && y < game.width();
  for (GameNode* n = game.currentNode; inSquare && n != nullptr; n = n->prev()) {
    std::vector<std::uint8_t>* stored = storedMask(game, n);
    const std::size_t at = static_cast<std::size_t>(x + y * game.width());
    if (stored != nullptr && at < stored->size() && (*stored)[at] != 0) {
      FieldOfTerritory mask(game.width(), *stored);
      eraseFieldAt(mask, x, y);
      if (mask.isEmpty())
        deleteNodeFields(game, n);
      else
        *stored = mask.cells();
      return done(game);
    }
    if (n->kind() == SpecialMoveKind::Compose) break;
  }
  return refused("Unable to find a higher move from which the territory can be deleted.", kDeleteTreeFieldCaption);
}

bool deleteNodeFields(SGridFrame& game, GameNode* node) {
  const bool carried = game.kropkiFields.erase(node) > 0 || node->captureRecord();
  node->setCaptureRecord(false);
  if (carried) game.markTreeChanged();
  return carried;
}

}  // namespace meridax
