#include "edit/navigation.h"

#include <algorithm>
#include <utility>

namespace meridax {

namespace {

SBranchDetails* sideLineWithHead(const SGridFrame& game, const GameNode* branch, const GameNode* head) {
  for (SBranchDetails* line : game.variations.linesBelow(branch))
    if (line->head == head) return line;
  return nullptr;
}

// The branch's continuation becomes the line's head; the record takes the former continuation.
void swapContinuation(GameNode* branch, SBranchDetails& line) {
  GameNode* former = branch->next();
  branch->setNext(line.head);
  line.head = former;
  line.tail = lineTail(former);
}

// After the continuation of a node on the current line changed: its new tail is the end node, and the
// record of the current line says so too.
void settleCurrentLine(SGridFrame& game) {
  game.endNode = lineTail(game.firstNode);
  const auto mainLines = game.variations.linesBelow(nullptr);
  if (!mainLines.empty()) mainLines.front()->tail = game.endNode;
  game.markLinesReordered();
}

}  // namespace

GameNode* lineTail(GameNode* node) {
  if (node == nullptr) return nullptr;
  while (node->next() != nullptr) node = node->next();
  return node;
}

bool isNodeOfGame(const SGridFrame& game, const GameNode* node) {
  if (node == nullptr || game.firstNode == nullptr) return false;
  bool found = false;
  forEachInTreeOrder(game, game.firstNode, [&](GameNode* n) { found = found || n == node; });
  return found;
}

bool sameNodes(std::vector<GameNode*> a, std::vector<GameNode*> b) {
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  return a == b;
}

bool isOnCurrentLine(const SGridFrame& game, const GameNode* node) {
  for (const GameNode* n = node; n != nullptr; n = n->prev()) {
    const GameNode* parent = n->prev();
    if (parent == nullptr) return n == game.firstNode;
    if (parent->next() != n) return false;
  }
  return false;
}

GameNode* upTarget(const SGridFrame& game, int steps) {
  GameNode* n = game.currentNode;
  if (n == nullptr || n->prev() == nullptr) return nullptr;
  for (int i = 0; i < steps && n->prev() != nullptr; ++i) n = n->prev();
  return n;
}

GameNode* downTarget(const SGridFrame& game, int steps) {
  GameNode* n = game.currentNode;
  if (n == nullptr || n->next() == nullptr) return nullptr;
  for (int i = 0; i < steps && n->next() != nullptr; ++i) n = n->next();
  return n;
}

GameNode* nextBranchNodeTarget(const SGridFrame& game) {
  GameNode* current = game.currentNode;
  if (current == nullptr || current->next() == nullptr) return nullptr;
  for (GameNode* n = current->next(); n != nullptr; n = n->next())
    if (n->branching()) return n;
  return lineTail(current);
}

GameNode* previousBranchNodeTarget(const SGridFrame& game) {
  GameNode* current = game.currentNode;
  if (current == nullptr || current->prev() == nullptr) return nullptr;
  GameNode* n = current->prev();
  for (; n->prev() != nullptr; n = n->prev())
    if (n->branching()) return n;
  return n;  // the first node
}

GameNode* numberedNodeTarget(const SGridFrame& game, int number) {
  if (number < 0) return nullptr;
  GameNode* n = game.firstNode;
  for (int i = 0; i < number && n != nullptr; ++i) n = n->next();
  return n;
}

GameNode* playedNodeTarget(const SGridFrame& game, int x, int y) {
  if (x < 0 || y < 0 || x >= game.width() || y >= game.width()) return nullptr;
  const unsigned point = static_cast<unsigned>(x + y * game.width());
  auto playedThere = [point](const GameNode* n) { return n->isPlacement() && n->point() == point; };
  for (GameNode* n = game.currentNode; n != nullptr && n->kind() != SpecialMoveKind::Compose; n = n->prev())
    if (playedThere(n)) return n;
  if (game.currentNode == nullptr) return nullptr;
  for (GameNode* n = game.currentNode->next(); n != nullptr && n->kind() != SpecialMoveKind::Compose; n = n->next())
    if (playedThere(n)) return n;
  return nullptr;
}

std::optional<BoardSquare> nextMoveSquare(const SGridFrame& game, const GameNode* node) {
  if (node == nullptr || game.width() <= 0) return std::nullopt;
  for (const GameNode* n = node->next(); n != nullptr; n = n->next()) {
    if (!n->isPlacement()) continue;
    const int point = static_cast<int>(n->point());
    return BoardSquare{point % game.width(), point / game.width()};
  }
  return std::nullopt;
}

bool selectLineOf(SGridFrame& game, GameNode* node) {
  // Every side line on the way up is found first, so that a mismatch changes nothing.
  std::vector<std::pair<GameNode*, SBranchDetails*>> promotions;
  for (GameNode* child = node; child != nullptr && child->prev() != nullptr; child = child->prev()) {
    GameNode* parent = child->prev();
    if (parent->next() == child) continue;
    SBranchDetails* line = sideLineWithHead(game, parent, child);
    if (line == nullptr) return false;
    promotions.emplace_back(parent, line);
  }
  if (promotions.empty()) return true;
  // Bottom up: each record takes a former continuation whose own chain is already settled.
  for (auto& [branch, line] : promotions) swapContinuation(branch, *line);
  settleCurrentLine(game);
  return true;
}

bool promoteSideLine(SGridFrame& game, SBranchDetails& line) {
  if (line.head == nullptr) return false;
  GameNode* branch = line.head->prev();
  if (branch == nullptr || branch->next() == nullptr || branch->next() == line.head) return false;
  if (sideLineWithHead(game, branch, line.head) != &line || !isOnCurrentLine(game, branch)) return false;
  swapContinuation(branch, line);
  settleCurrentLine(game);
  return true;
}

GameNode* rotateToNeighbouringBranch(SGridFrame& game, RotateDirection direction) {
  if (game.currentNode == nullptr) return nullptr;
  GameNode* branch = game.currentNode->prev();
  while (branch != nullptr && !branch->branching()) branch = branch->prev();
  if (branch == nullptr || branch->next() == nullptr) return nullptr;

  std::vector<SBranchDetails*> sideLines;
  for (SBranchDetails* line : game.variations.linesBelow(branch))
    if (line->head != nullptr && line->head != branch->next()) sideLines.push_back(line);
  if (sideLines.empty()) return nullptr;

  // The child lines in order, the current one first; the records keep their places in the index and
  // take the lines that now fall to them.
  std::vector<GameNode*> heads{branch->next()};
  for (const SBranchDetails* line : sideLines) heads.push_back(line->head);
  if (direction == RotateDirection::Forward) std::rotate(heads.begin(), heads.end() - 1, heads.end());
  else std::rotate(heads.begin(), heads.begin() + 1, heads.end());

  branch->setNext(heads.front());
  for (std::size_t i = 0; i < sideLines.size(); ++i) {
    sideLines[i]->head = heads[i + 1];
    sideLines[i]->tail = lineTail(heads[i + 1]);
  }
  settleCurrentLine(game);
  return branch->next();
}

}  // namespace meridax
