#pragma once
// The game record: kind, board size, the node tree and its per-game indexes, the game information,
// and the place of the game's text in the file it was read from.

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/board_position.h"
#include "model/game_kind.h"
#include "model/game_node.h"
#include "model/lazy_map.h"
#include "model/sgf_details.h"
#include "model/variation_index.h"

namespace meridax {

class NodeStore;

struct Bookmark {
  int number = 0;
  std::string name;
  GameNode* node = nullptr;
};

// The game's flag byte: how its text relates to the file it was read from.
namespace game_flag {
inline constexpr std::uint8_t kUnchanged = 1;    // read from the held text and unchanged
inline constexpr std::uint8_t kTreeChanged = 2;
inline constexpr std::uint8_t kDetailsChanged = 4;
}  // namespace game_flag

// A game the reader refused (a kind it does not know, a board size out of range): the text exactly as
// it was read and why it was refused. It keeps its place among the games and is written back as it stood.
struct UnreadGameText {
  std::string text;
  std::string reason;  // the first line of the reader's complaint
};

// Statistics of a game, computed on request.
struct GameStatistics {
  int nodes = 0;
  int lines = 0;
  int comments = 0;
  long commentCharacters = 0;
  int commentsOnCurrentLine = 0;
  int printDiagrams = 0;
  int nodesWithMarkup = 0;
};

class SGridFrame {
 public:
  // Builds a game with its first node (kind pass, colour White — Black for Unlur — with a snapshot
  // of the starting position). Kind 512 becomes Go + "Pente", 64 Go + "Connect6"; the hexagon kinds
  // take height (width + 1) / 2. Throws AppError when the store has no slot for the first node.
  SGridFrame(NodeStore& store, GameKind kind, int width, int height, std::uint32_t serial);
  ~SGridFrame();
  SGridFrame(const SGridFrame&) = delete;
  SGridFrame& operator=(const SGridFrame&) = delete;

  NodeStore& store() const { return *store_; }
  GameKind kind() const { return kind_; }
  GoVariant variant() const { return goVariant(kind_, details[DetailField::Rules]); }
  int width() const { return width_; }
  int height() const { return height_; }
  int cellCount() const { return width_ * width_; }
  std::size_t snapshotBytes() const { return snapshotBytes_; }
  std::uint32_t serial() const { return serial_; }
  bool isWhiteFirst() const { return meridax::isWhiteFirst(kind_); }

  // Tree pointers.
  GameNode* firstNode = nullptr;
  GameNode* endNode = nullptr;      // tail of the current line
  GameNode* currentNode = nullptr;
  GameNode* primaryNode = nullptr;  // SGF "XP"
  SBranchDetails* currentLine = nullptr;

  // Per-game indexes keyed by node.
  VariationIndex variations;
  LazyMap<const GameNode*, std::string> comments;
  LazyMap<const GameNode*, std::string> names;
  LazyMap<const GameNode*, std::string> markup;
  LazyMap<const GameNode*, int> scores;
  LazyMap<const GameNode*, std::uint16_t> captureCounts;               // Go and Pente: black * 256 + white
  LazyMap<const GameNode*, std::vector<std::uint8_t>> kropkiFields;    // Kropki: merged field mask per node
  LazyMap<const GameNode*, std::vector<std::uint8_t>> kropkiSnapshots; // Kropki: packed position per node
  // Properties this program does not read ("TM[300]OT[3x30]"), raw and in the order read, for the nodes
  // that carry any; the writer puts them back in their node.
  LazyMap<const GameNode*, std::string> otherProperties;

  std::array<GameNode*, 10> quickSlots{};
  std::vector<Bookmark> bookmarks;

  // Counters: captures (Go, Pente), pieces (Othello), white pieces present (Unlur).
  std::int16_t blackCounter = 0;
  std::int16_t whiteCounter = 0;
  int cursorX = 0;
  int cursorY = 0;
  std::uint16_t treeTopLine = 0;

  SSGFDetails details;
  // The character set of the game's texts as its "CA" names it; empty when it names none.
  std::string characterSet;

  // File fields.
  std::uint32_t fileOrdinal = 0;
  std::uint32_t textOffset = 0;
  std::uint32_t textLength = 0;
  std::uint32_t headerLength = 0;
  std::uint8_t flags = 0;
  bool treeLoaded = true;
  // While the tree is not built: its nodes and lines as counted in the game's text when it was read.
  int textNodes = 0;
  int textLines = 0;
  bool markedForExport = false;  // chosen in the games list, or the current game for its export

  // Set only for a game kept unread; its tree is a placeholder that nothing may open or edit.
  std::shared_ptr<const UnreadGameText> unread;
  bool isUnread() const { return unread != nullptr; }

  // The game's index in the collection that holds it, kept by the collection (npos-like when none).
  std::size_t collectionIndex = static_cast<std::size_t>(-1);

  // Statistics are computed on demand and invalidated by edits.
  std::optional<GameStatistics> cachedStatistics;

  // The position of the current node, kept by move acceptance and navigation.
  BoardPosition cachedPosition;
  const GameNode* cachedPositionNode = nullptr;

  void markTreeChanged() {
    flags |= game_flag::kTreeChanged;
    ++treeRevision_;
  }
  // Counts the changes to the tree and its texts since the game was made, so that panes can tell
  // whether what they drew is still current.
  std::uint64_t treeRevision() const { return treeRevision_; }
  void markDetailsChanged() {
    flags |= game_flag::kDetailsChanged;
    ++detailsRevision_;
  }
  std::uint64_t detailsRevision() const { return detailsRevision_; }
  // Navigation that makes a side line the continuation changes the order the game is written in
  // without changing the game; this counts those reorders.
  void markLinesReordered() { ++lineRevision_; }
  std::uint64_t lineRevision() const { return lineRevision_; }
  void invalidateStatistics() { cachedStatistics.reset(); }

  // The snapshot bytes of a node, or nullptr when it has none.
  const std::uint8_t* snapshotOf(const GameNode* node) const;

 private:
  NodeStore* store_;
  GameKind kind_;
  int width_;
  int height_;
  std::size_t snapshotBytes_;
  std::uint32_t serial_;
  std::uint64_t treeRevision_ = 0;
  std::uint64_t detailsRevision_ = 0;
  std::uint64_t lineRevision_ = 0;
};

}  // namespace meridax
