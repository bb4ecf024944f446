#include "model/game_tree.h"

#include <algorithm>
#include <unordered_set>

#include "model/app_error.h"
#include "model/node_store.h"
#include "model/packed_position.h"

namespace meridax {

namespace {

bool alwaysSnapshotted(SpecialMoveKind k) {
  return k == SpecialMoveKind::Pass || k == SpecialMoveKind::SwapSides || k == SpecialMoveKind::SwapPieces ||
         k == SpecialMoveKind::Compose;
}

// The steps from a node up to the nearest node with a snapshot, kSnapshotSpacing when none is that near.
int stepsToSnapshot(const GameNode* node) {
  int seen = 0;
  for (const GameNode* n = node; n != nullptr && seen < kSnapshotSpacing; n = n->prev(), ++seen)
    if (n->hasSnapshot()) return seen;
  return kSnapshotSpacing;
}

// The last node inserted on this thread and its steps to a snapshot. A tree is mostly built one child
// below the last node, and counting from it spares walking up the line for every node. Nodes above it
// never lose their snapshots, and a node freed meanwhile cannot be a parent until a new insertion took
// its place here.
struct LastInserted {
  const SGridFrame* game = nullptr;
  const GameNode* node = nullptr;
  int steps = 0;
};
thread_local LastInserted lastInserted;

int stepsToSnapshotAbove(const SGridFrame& game, const GameNode* parent) {
  if (parent == lastInserted.node && &game == lastInserted.game) return lastInserted.steps;
  return stepsToSnapshot(parent);
}

bool takesSnapshot(const SGridFrame& game, const GameNode* parent, SpecialMoveKind kind, bool force,
                   int parentSteps) {
  if (parent == nullptr && game.kind() != GameKind::Kropki) return true;
  if (alwaysSnapshotted(kind) || force) return true;
  if (game.kind() == GameKind::Othello || game.kind() == GameKind::Kropki) return false;
  return parentSteps >= kSnapshotSpacing;
}

// The record of the line the node lies on: walk up while each node is its parent's continuation to the
// line's head, which is the first node (the current line's record) or the head of a side line.
SBranchDetails* lineOf(SGridFrame& game, GameNode* node) {
  GameNode* head = node;
  while (head->prev() != nullptr && head->prev()->next() == head) head = head->prev();
  for (SBranchDetails* line : game.variations.linesBelow(head->prev()))
    if (line->head == head) return line;
  return nullptr;
}

// Removes a node's entries from every per-game index and frees its slot.
template <typename Index>
void eraseEntry(Index& index, const GameNode* n) {
  if (!index.empty()) index.erase(n);
}

void freeNode(SGridFrame& game, GameNode* n) {
  eraseEntry(game.comments, n);
  eraseEntry(game.names, n);
  eraseEntry(game.markup, n);
  eraseEntry(game.scores, n);
  eraseEntry(game.captureCounts, n);
  eraseEntry(game.kropkiFields, n);
  eraseEntry(game.kropkiSnapshots, n);
  eraseEntry(game.otherProperties, n);
  if (n->inQuickSlot())
    for (auto& slot : game.quickSlots)
      if (slot == n) slot = nullptr;
  if (game.primaryNode == n) game.primaryNode = nullptr;
  if (game.cachedPositionNode == n) game.cachedPositionNode = nullptr;
  game.store().release(n);
}

}  // namespace

GameNode* list_insert(SGridFrame& game, GameNode* parent, const BoardPosition& position, Colour colour,
                      SpecialMoveKind kind, unsigned point, bool forceSnapshot) {
  const int parentSteps = parent == nullptr ? kSnapshotSpacing : stepsToSnapshotAbove(game, parent);
  const bool snapshot = takesSnapshot(game, parent, kind, forceSnapshot, parentSteps);
  const bool inlineSnapshot = snapshot && game.kind() != GameKind::Kropki;
  GameNode* node = inlineSnapshot ? game.store().allocate(game.width(), game.snapshotBytes())
                                  : game.store().allocate(NodeStore::kBareClass, 0);
  if (node == nullptr) throw AppError("list_insert()", "Unable to find a free segment");

  // The reader can step along an existing line onto the last node of a line other than the one it was
  // extending (a variation the file repeats); the new node then extends that node's own line.
  if (parent != nullptr && game.endNode != nullptr && game.endNode != parent && parent->next() == nullptr) {
    if (SBranchDetails* own = lineOf(game, parent)) game.currentLine = own;
    game.endNode = parent;
  }

  node->setPrev(parent);
  if (game.endNode != nullptr) game.endNode->setNext(node);
  node->setMoveNumber(game.endNode != nullptr ? game.endNode->moveNumber() + 1 : 0);
  node->setPoint(point);
  node->setKind(kind);
  node->setBlackMove(colour == Colour::Black);

  game.endNode = node;
  if (game.currentLine != nullptr) game.currentLine->tail = node;
  game.invalidateStatistics();

  if (inlineSnapshot) {
    packPosition(position, node->inlineSnapshot());
    node->setHasSnapshot(true);
  } else if (snapshot) {
    std::vector<std::uint8_t> packed(game.snapshotBytes());
    packPosition(position, packed.data());
    game.kropkiSnapshots[node] = std::move(packed);
    node->setHasSnapshot(true);
  }
  lastInserted = {&game, node, snapshot ? 0 : std::min(parentSteps + 1, kSnapshotSpacing)};
  return node;
}

bool readSnapshot(const SGridFrame& game, const GameNode* node, BoardPosition& out) {
  const std::uint8_t* bytes = game.snapshotOf(node);
  if (bytes == nullptr) return false;
  out = BoardPosition(game.width());
  unpackPosition(bytes, out);
  return true;
}

bool rewriteSnapshot(SGridFrame& game, GameNode* node, const BoardPosition& position) {
  if (!node->hasSnapshot()) return false;
  if (game.kind() == GameKind::Kropki) {
    std::vector<std::uint8_t> packed(game.snapshotBytes());
    packPosition(position, packed.data());
    game.kropkiSnapshots[node] = std::move(packed);
  } else {
    packPosition(position, node->inlineSnapshot());
  }
  if (game.cachedPositionNode == node) game.cachedPositionNode = nullptr;
  return true;
}

void exchangeWithContinuation(SGridFrame& game, SBranchDetails& line) {
  GameNode* current = game.currentNode;
  GameNode* oldChild = current->next();
  GameNode* oldTail = game.endNode;
  GameNode* newTail = line.tail;
  current->setNext(line.head);
  line.head = oldChild;
  line.tail = oldTail;
  game.endNode = newTail;
  if (game.currentLine != nullptr) game.currentLine->tail = newTail;
  game.markLinesReordered();
}

SBranchDetails* openNewLine(SGridFrame& game, bool loading) {
  GameNode* current = game.currentNode;
  current->setBranching(true);
  if (loading) {
    SBranchDetails* line = game.variations.add(current);
    game.currentLine = line;
    game.endNode = nullptr;
    return line;
  }
  SBranchDetails* line = game.variations.add(current, current->next(), game.endNode);
  current->setNext(nullptr);
  game.endNode = current;
  if (game.currentLine != nullptr) game.currentLine->tail = current;
  return line;
}

void adoptNewLine(SGridFrame&, SBranchDetails& line, GameNode* branchingNode, GameNode* newNode) {
  line.head = newNode;
  line.tail = newNode;
  newNode->setPrev(branchingNode);
  newNode->setMoveNumber(branchingNode->moveNumber() + 1);
}

void deleteChain(SGridFrame& game, GameNode* node) {
  const bool bookmarked = !game.bookmarks.empty();
  std::unordered_set<const GameNode*> freed;  // kept only when bookmarks may name a freed node
  std::vector<GameNode*> chains{node};
  while (!chains.empty()) {
    GameNode* n = chains.back();
    chains.pop_back();
    while (n != nullptr && n->inUse()) {
      if (n->branching()) {
        for (SBranchDetails* line : game.variations.linesBelow(n)) {
          if (line->head != nullptr) chains.push_back(line->head);
          if (game.currentLine == line) game.currentLine = nullptr;  // its record is destroyed below
        }
        game.variations.removeAll(n);
      }
      GameNode* next = n->next();
      if (bookmarked) freed.insert(n);
      freeNode(game, n);
      n = next;
    }
  }
  if (bookmarked) std::erase_if(game.bookmarks, [&](const Bookmark& b) { return freed.count(b.node) != 0; });
  game.markTreeChanged();
  game.invalidateStatistics();
}

void freeAllNodes(SGridFrame& game) noexcept {
  game.comments.clear();
  game.names.clear();
  game.markup.clear();
  game.scores.clear();
  game.captureCounts.clear();
  game.kropkiFields.clear();
  game.kropkiSnapshots.clear();
  game.otherProperties.clear();
  game.bookmarks.clear();
  game.quickSlots.fill(nullptr);
  // Every node lies on the main line or on one side line: each chain is freed once, and the line
  // records all go together afterwards instead of branch by branch. Nothing here allocates: a game is
  // destroyed this way when memory has run out too.
  const auto freeChain = [&game](GameNode* n) noexcept {
    while (n != nullptr && n->inUse()) {
      GameNode* next = n->next();
      game.store().release(n);
      n = next;
    }
  };
  freeChain(game.firstNode);
  game.variations.forEach([&](const GameNode*, const SBranchDetails& line) { freeChain(line.head); });
  game.variations.clear();
  game.markTreeChanged();
  game.invalidateStatistics();
  game.firstNode = game.endNode = game.currentNode = game.primaryNode = nullptr;
  game.currentLine = nullptr;
  // No node, no position: a game emptied to be built again later keeps no board meanwhile.
  game.cachedPosition = BoardPosition();
  game.cachedPositionNode = nullptr;
}

namespace {

std::string checkLine(const SGridFrame& game, const GameNode* head, const GameNode* tail, const GameNode* parent) {
  const GameNode* n = head;
  const GameNode* last = nullptr;
  while (n != nullptr) {
    if (!n->inUse()) return "a freed node is linked into a line";
    const GameNode* expectedParent = (last != nullptr) ? last : parent;
    if (n->prev() != expectedParent) return "a node's parent link does not match its line";
    if (expectedParent != nullptr && n->moveNumber() != expectedParent->moveNumber() + 1)
      return "move numbers are not consecutive at move " + std::to_string(n->moveNumber());
    if (n->branching() && game.variations.linesBelow(n).empty()) return "a branching node has no side line";
    if (!n->branching() && !game.variations.linesBelow(n).empty()) return "side lines below a node without branching";
    last = n;
    n = n->next();
  }
  if (last != tail) return "a line record's tail is not the end of its line";
  return {};
}

}  // namespace

std::string validateTree(const SGridFrame& game) {
  if (game.firstNode == nullptr) return "the game has no first node";
  if (game.firstNode->moveNumber() != 0 || game.firstNode->prev() != nullptr) return "the first node is not a root";
  const auto mainLines = game.variations.linesBelow(nullptr);
  if (mainLines.size() != 1) return "the current line is not held once under the empty key";
  if (mainLines[0]->head != game.firstNode) return "the current line does not start at the first node";
  if (mainLines[0]->tail != game.endNode) return "the end node is not the tail of the current line";
  std::string problem;
  game.variations.forEach([&](const GameNode* key, const SBranchDetails& line) {
    if (problem.empty()) problem = checkLine(game, line.head, line.tail, key);
  });
  if (!problem.empty()) return problem;
  for (const auto* index : {&game.comments, &game.names, &game.markup, &game.otherProperties})
    for (const auto& [node, text] : *index)
      if (!node->inUse()) return "an index names a freed node";
  for (const auto& [node, text] : game.comments)
    if (!node->hasComment()) return "a comment without its flag";
  for (const auto& [node, text] : game.names)
    if (!node->hasName()) return "a name without its flag";
  for (const auto& [node, text] : game.markup)
    if (!node->hasMarkup()) return "markup without its flag";
  return {};
}

}  // namespace meridax
