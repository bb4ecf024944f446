#include "model/grid_frame.h"

#include "model/game_tree.h"
#include "model/node_store.h"
#include "model/packed_position.h"

namespace meridax {

namespace {

GameKind storedKind(GameKind k) {
  return (k == GameKind::PenteAtCreation || k == GameKind::Connect6AtCreation) ? GameKind::Go : k;
}

}  // namespace

SGridFrame::SGridFrame(NodeStore& store, GameKind kind, int width, int height, std::uint32_t serial)
    : store_(&store),
      kind_(storedKind(kind)),
      width_(width),
      height_(isHexagonBoard(kind) ? (width + 1) / 2 : height),
      snapshotBytes_(snapshotSize(width * width)),
      serial_(serial) {
  if (kind == GameKind::PenteAtCreation) details[DetailField::Rules] = kPenteRules;
  if (kind == GameKind::Connect6AtCreation) details[DetailField::Rules] = kConnect6Rules;

  currentLine = variations.add(nullptr);
  const Colour firstColour = kind_ == GameKind::Unlur ? Colour::Black : Colour::White;
  cachedPosition = startingPosition(kind_, width_, height_);
  firstNode = list_insert(*this, nullptr, cachedPosition, firstColour, SpecialMoveKind::Pass, 0, true);
  firstNode->setBlackNext(!isWhiteFirst());
  currentLine->head = firstNode;
  currentNode = firstNode;
  cachedPositionNode = firstNode;
  if (kind_ == GameKind::Othello) {
    blackCounter = 2;
    whiteCounter = 2;
  }
}

SGridFrame::~SGridFrame() { freeAllNodes(*this); }

const std::uint8_t* SGridFrame::snapshotOf(const GameNode* node) const {
  if (node == nullptr || !node->hasSnapshot()) return nullptr;
  if (kind_ == GameKind::Kropki) {
    auto it = kropkiSnapshots.find(node);
    return it == kropkiSnapshots.end() ? nullptr : it->second.data();
  }
  return node->inlineSnapshot();
}

}  // namespace meridax
