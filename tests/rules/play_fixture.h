#pragma once
// A game in a collection with a fake main frame, played the way the board pane and the reader play:
// the board pane passes the side to move of the current node, the reader the colour of the move read.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "model/collection.h"
#include "model/game_tree.h"
#include "rules/move_acceptance.h"
#include "rules/navigation_step.h"
#include "rules/position_at.h"

namespace meridax::testing {

// Records what move acceptance tells and marks.
class FakePlayHost : public PlayHost {
 public:
  void notice(const std::string& text) override { shown.push_back(text); }
  void markFileModified() override { ++fileModified; }
  void treeGrew() override { ++treeGrewCount; }

  void forget() {
    shown.clear();
    fileModified = 0;
    treeGrewCount = 0;
  }

  std::vector<std::string> shown;  // the notices, in order
  int fileModified = 0;
  int treeGrewCount = 0;
};

// (x, y) from SGF point letters: "a" is 0, "s" is 18.
inline std::pair<int, int> at(const char* sgf) { return {sgf[0] - 'a', sgf[1] - 'a'}; }

inline Colour sideToMove(const GameNode* n) { return n->blackNext() ? Colour::Black : Colour::White; }

class PlayFixture {
 public:
  explicit PlayFixture(GameKind kind = GameKind::Go, int width = 19, int height = 0)
      : game(&coll.game(coll.createGame(kind, width, height == 0 ? width : height, 0))) {}

  // The board pane: the side to move of the current node plays at the point.
  MoveResult click(int x, int y) { return play(x, y, sideToMove(game->currentNode), false); }
  MoveResult click(const char* sgf) { return click(at(sgf).first, at(sgf).second); }
  // The reader: a B or W value played quietly.
  MoveResult read(const char* sgf, Colour c) { return play(at(sgf).first, at(sgf).second, c, true); }

  MoveResult play(int x, int y, Colour c, bool quiet) {
    PlayContext ctx = context(quiet);
    ctx.x = x;
    ctx.y = y;
    BoardPosition pos = PositionAt(*game, game->currentNode);
    const BoardPosition before = pos;
    const MoveResult r = Accept_Move(ctx, c, pos);
    if (r != MoveResult::Accepted) lastRefusedPositionKept = pos == before;
    return r;
  }

  // A special move by the side to move of the current node.
  void special(SpecialMoveKind kind, bool quiet = false) {
    PlayContext ctx = context(quiet);
    BoardPosition pos = PositionAt(*game, game->currentNode);
    addSpecialMove(ctx, kind, sideToMove(game->currentNode), pos);
  }

  GameNode* compose(const std::string& diagram, Colour toMove, bool quiet = false) {
    PlayContext ctx = context(quiet);
    return addComposeNode(ctx, toMove, fromDiagram(diagram));
  }

  PlayContext context(bool quiet) {
    return PlayContext{*game, 0, 0, quiet, options, &host};
  }

  std::string board() const { return toDiagram(PositionAt(*game, game->currentNode)); }
  // The last notice move acceptance gave, or "" when it gave none.
  std::string notice() const { return host.shown.empty() ? std::string() : host.shown.back(); }
  // The current move number and the last one of the current line.
  std::pair<unsigned, unsigned> moveNumbers() const {
    return {game->currentNode->moveNumber(), game->endNode != nullptr ? game->endNode->moveNumber() : 0u};
  }
  // The kind's counters: captures, stones on the board or scores, Black's first.
  std::pair<int, int> counters() const { return {game->blackCounter, game->whiteCounter}; }
  void goTo(GameNode* n) { goToNode(*game, n); }
  std::size_t liveNodes() { return coll.store().liveNodes(); }
  std::string problems() {
    std::string p = validateTree(*game);
    return p.empty() ? coll.store().validate() : p;
  }

  Collection coll;
  SGridFrame* game;
  FakePlayHost host;
  PlayOptions options;
  bool lastRefusedPositionKept = true;
};

// Normalises a drawn board so that failures print both boards in the same form.
inline std::string board(const std::string& rows) { return toDiagram(fromDiagram(rows)); }

}  // namespace meridax::testing
