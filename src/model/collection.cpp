#include "model/collection.h"

#include <algorithm>
#include <utility>

namespace meridax {

std::size_t Collection::createGame(GameKind kind, int width, int height, std::size_t after) {
  auto game = std::make_unique<SGridFrame>(store_, kind, width, height, nextSerial());
  return insertGame(std::move(game), after);
}

std::size_t Collection::createUnreadGame(std::shared_ptr<const UnreadGameText> unread, std::size_t after) {
  // The placeholder tree is the smallest game there is; nothing reads it.
  auto game = std::make_unique<SGridFrame>(store_, GameKind::Go, 19, 19, nextSerial());
  game->unread = std::move(unread);
  return insertGame(std::move(game), after);
}

std::size_t Collection::insertGame(std::unique_ptr<SGridFrame> game, std::size_t after) {
  const std::size_t at = after >= games_.size() ? games_.size() : after + 1;
  games_.insert(games_.begin() + static_cast<std::ptrdiff_t>(at), std::move(game));
  renumberFrom(at);
  if (games_.size() > 1 && current_ >= at) ++current_;
  return at;
}

void Collection::removeGame(std::size_t index) { takeGame(index); }

std::unique_ptr<SGridFrame> Collection::takeGame(std::size_t index) {
  if (index >= games_.size()) return nullptr;
  std::unique_ptr<SGridFrame> taken = std::move(games_[index]);
  games_.erase(games_.begin() + static_cast<std::ptrdiff_t>(index));
  renumberFrom(index);
  if (current_ > index || current_ >= games_.size()) current_ = current_ > 0 ? current_ - 1 : 0;
  settleCurrent();
  taken->collectionIndex = npos;
  return taken;
}

std::unique_ptr<SGridFrame> Collection::replaceGame(std::size_t index, std::unique_ptr<SGridFrame> game) {
  if (index >= games_.size() || game == nullptr) return game;
  std::swap(games_[index], game);
  games_[index]->collectionIndex = index;
  game->collectionIndex = npos;
  return game;
}

void Collection::removeGames(std::size_t first, std::size_t count) {
  if (first >= games_.size()) return;
  const std::size_t last = first + std::min(count, games_.size() - first);
  games_.erase(games_.begin() + static_cast<std::ptrdiff_t>(first), games_.begin() + static_cast<std::ptrdiff_t>(last));
  renumberFrom(first);
  if (current_ >= last) current_ -= last - first;
  else if (current_ >= first) current_ = first;
  if (current_ >= games_.size()) current_ = games_.empty() ? 0 : games_.size() - 1;
  settleCurrent();
}

void Collection::setCurrent(std::size_t i) {
  if (i >= games_.size()) return;
  current_ = i;
  settleCurrent();
}

std::size_t Collection::readableFrom(std::size_t from, int step) const {
  for (std::size_t i = from; i < games_.size(); i += static_cast<std::size_t>(static_cast<std::ptrdiff_t>(step)))
    if (!games_[i]->isUnread()) return i;
  return npos;
}

std::size_t Collection::readableCount() const {
  return static_cast<std::size_t>(
      std::count_if(games_.begin(), games_.end(), [](const auto& g) { return !g->isUnread(); }));
}

void Collection::settleCurrent() {
  if (current_ >= games_.size() || !games_[current_]->isUnread()) return;
  std::size_t readable = readableFrom(current_, +1);
  if (readable == npos) readable = readableFrom(current_, -1);
  if (readable != npos) current_ = readable;
}

void Collection::clear() {
  games_.clear();
  current_ = 0;
}

std::size_t Collection::indexOf(const SGridFrame* game) const {
  if (game == nullptr) return npos;
  // The index a game carries may be stale when the game was taken out of this collection.
  const std::size_t i = game->collectionIndex;
  return i < games_.size() && games_[i].get() == game ? i : npos;
}

void Collection::renumberFrom(std::size_t from) {
  for (std::size_t i = from; i < games_.size(); ++i) games_[i]->collectionIndex = i;
}

bool Collection::moveGame(std::size_t index, int step) {
  if (index >= games_.size()) return false;
  const auto target = static_cast<std::ptrdiff_t>(index) + step;
  if (target < 0 || target >= static_cast<std::ptrdiff_t>(games_.size())) return false;
  std::swap(games_[index], games_[static_cast<std::size_t>(target)]);
  games_[index]->collectionIndex = index;
  games_[static_cast<std::size_t>(target)]->collectionIndex = static_cast<std::size_t>(target);
  if (current_ == index) current_ = static_cast<std::size_t>(target);
  else if (current_ == static_cast<std::size_t>(target)) current_ = index;
  return true;
}

}  // namespace meridax
