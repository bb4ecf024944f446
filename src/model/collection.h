#pragma once
// The ordered list of games of an open file, one of them current, and the node store they share.

#include <cstddef>
#include <memory>
#include <vector>

#include "model/grid_frame.h"
#include "model/node_store.h"

namespace meridax {

class Collection {
 public:
  Collection() = default;
  Collection(const Collection&) = delete;
  Collection& operator=(const Collection&) = delete;
  ~Collection() { games_.clear(); }  // games free their nodes before the store goes

  NodeStore& store() { return store_; }

  // Creates a game (serial 1 + games created so far) and inserts it after the game at `after`
  // (at the end when after >= size()). Returns its index.
  std::size_t createGame(GameKind kind, int width, int height, std::size_t after);
  // Creates a game kept unread (see UnreadGameText) after `after`, as createGame places games.
  std::size_t createUnreadGame(std::shared_ptr<const UnreadGameText> unread, std::size_t after);
  // Inserts an existing game after `after` (at the end when after >= size()); returns its index.
  std::size_t insertGame(std::unique_ptr<SGridFrame> game, std::size_t after);
  // Removes and destroys the game at index; the current index moves to a neighbour.
  void removeGame(std::size_t index);
  // Takes the game at index out of the collection without destroying it; the current index moves as
  // removeGame moves it. nullptr when there is no such game.
  std::unique_ptr<SGridFrame> takeGame(std::size_t index);
  // Puts a game in place of the one at index and hands that one back; the current index stays.
  std::unique_ptr<SGridFrame> replaceGame(std::size_t index, std::unique_ptr<SGridFrame> game);
  // Removes and destroys `count` games from index `first` on (as many as there are); the current index
  // stays on its game when that game stays, else it moves to the game after the range (or the last).
  void removeGames(std::size_t first, std::size_t count);
  // Destroys every game.
  void clear();

  std::size_t size() const { return games_.size(); }
  bool empty() const { return games_.empty(); }
  SGridFrame& game(std::size_t i) { return *games_[i]; }
  const SGridFrame& game(std::size_t i) const { return *games_[i]; }
  std::size_t indexOf(const SGridFrame* game) const;  // npos when absent; constant time

  std::size_t currentIndex() const { return current_; }
  SGridFrame* current() { return games_.empty() ? nullptr : games_[current_].get(); }
  // Makes the game at i current; a game kept unread is never current while a readable game exists, so
  // the nearest readable game after it (else before it) is taken instead.
  void setCurrent(std::size_t i);
  // The first readable game at `from`, from + step, from + 2 * step... (step +1 or -1); npos when none.
  std::size_t readableFrom(std::size_t from, int step) const;
  // How many games are not kept unread.
  std::size_t readableCount() const;

  // Moves the game at index one place up (-1) or down (+1); false at either end.
  bool moveGame(std::size_t index, int step);

  std::uint32_t nextSerial() { return ++gamesCreated_; }

  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

 private:
  // Writes each game's index into the game, from index `from` to the end.
  void renumberFrom(std::size_t from);
  // Moves the current index off a game kept unread.
  void settleCurrent();

  NodeStore store_;  // declared first so that it outlives the games
  std::vector<std::unique_ptr<SGridFrame>> games_;
  std::size_t current_ = 0;
  std::uint32_t gamesCreated_ = 0;
};

}  // namespace meridax
