#include "edit/game_snapshot.h"

#include <algorithm>

#include "sgf/sgf_collection_read.h"
#include "sgf/sgf_reader.h"
#include "sgf/sgf_writer.h"

namespace meridax {

namespace {

// The children of a node in writing order: the continuation, then the side lines.
std::vector<GameNode*> childrenOf(const SGridFrame& game, const GameNode* node) {
  std::vector<GameNode*> children;
  if (node->next() != nullptr) children.push_back(node->next());
  if (!node->branching()) return children;
  for (const SBranchDetails* line : game.variations.linesBelow(node))
    if (line->head != nullptr) children.push_back(line->head);
  return children;
}

bool keptInHeldText(const SGridFrame& game, bool heldTextKept) {
  return heldTextKept && game.flags != 0 && (game.flags & game_flag::kTreeChanged) == 0 && game.lineRevision() == 0;
}

void copyFileFields(const SGridFrame& game, GameContent& c) {
  c.flags = game.flags;
  c.fileOrdinal = game.fileOrdinal;
  c.textOffset = game.textOffset;
  c.textLength = game.textLength;
  c.headerLength = game.headerLength;
}

void restoreFileFields(SGridFrame& game, const GameContent& c) {
  game.flags = c.flags;
  game.fileOrdinal = c.fileOrdinal;
  game.textOffset = c.textOffset;
  game.textLength = c.textLength;
  game.headerLength = c.headerLength;
}

// Reads one game of `text` at `cursor` into the collection; nullptr when none was read.
SGridFrame* readOne(Collection& collection, const std::string& text, SgfReadRequest request, SErrorList& errors,
                    bool& selected) {
  request.insertAfter = Collection::npos;
  const SgfReadResult r = Do_FileSGF(collection, text, request, errors);
  selected = r.selected;
  return r.game;
}

}  // namespace

std::size_t GameContent::bytes() const {
  std::size_t n = sizeof(GameContent) + text.capacity();
  if (details)
    for (std::size_t i = 0; i < details->size(); ++i) n += details->text(i).capacity();
  return n;
}

NodePath pathTo(const SGridFrame& game, const GameNode* node) {
  NodePath path;
  for (const GameNode* child = node; child != nullptr && child != game.firstNode; child = child->prev()) {
    const GameNode* parent = child->prev();
    if (parent == nullptr) return {};
    const std::vector<GameNode*> children = childrenOf(game, parent);
    const auto at = std::find(children.begin(), children.end(), child);
    if (at == children.end()) return {};
    path.push_back(static_cast<std::uint32_t>(at - children.begin()));
  }
  std::reverse(path.begin(), path.end());
  return path;
}

GameNode* nodeAtPath(const SGridFrame& game, const NodePath& path) {
  GameNode* node = game.firstNode;
  for (const std::uint32_t step : path) {
    if (node == nullptr) break;
    GameNode* child = step == 0 ? node->next() : nullptr;
    if (step > 0) {
      const std::vector<GameNode*> children = childrenOf(game, node);
      if (step < children.size()) child = children[step];
    }
    if (child == nullptr) break;
    node = child;
  }
  return node;
}

std::shared_ptr<const GameContent> captureGame(const SGridFrame& game, bool heldTextKept) {
  auto content = std::make_shared<GameContent>();
  copyFileFields(game, *content);
  if (game.isUnread()) {
    content->unread = game.unread;
    return content;
  }
  if (keptInHeldText(game, heldTextKept)) {
    content->inHeldText = true;
    if (game.flags & game_flag::kDetailsChanged) content->details = game.details;
    return content;
  }
  if (!WriteGameText(game, content->text)) return nullptr;
  content->withoutPrimary = game.primaryNode == nullptr;
  content->text.shrink_to_fit();
  return content;
}

RebuiltGame rebuildGame(Collection& collection, const GameContent& content, const std::string* heldText,
                        const ReaderSettings& heldSettings, bool withTree, SErrorList& errors) {
  RebuiltGame rebuilt;
  SgfReadRequest request;
  SGridFrame* game = nullptr;
  if (content.unread) {
    game = &collection.game(collection.createUnreadGame(content.unread, Collection::npos));
    restoreFileFields(*game, content);
  } else if (content.inHeldText) {
    if (heldText == nullptr || content.textOffset >= heldText->size()) return rebuilt;
    request.mode = ReadMode::RootOnly;
    request.cursor = content.textOffset;
    request.ordinal = static_cast<int>(content.fileOrdinal);
    request.settings = heldSettings;
    game = readOne(collection, *heldText, request, errors, rebuilt.selectedMark);
    if (game == nullptr) return rebuilt;
    restoreFileFields(*game, content);
    if (withTree) buildHeldTree(collection, *game, *heldText, "", heldSettings, errors);
    if (content.details) game->details = *content.details;
  } else {
    game = readOne(collection, content.text, request, errors, rebuilt.selectedMark);
    if (game == nullptr) return rebuilt;
    restoreFileFields(*game, content);
    if (content.withoutPrimary) game->primaryNode = nullptr;
    rebuilt.selectedMark = false;
  }
  rebuilt.game = collection.takeGame(collection.indexOf(game));
  return rebuilt;
}

}  // namespace meridax
