#pragma once
// A std::map that takes one pointer until it holds an entry. A game keeps several indexes keyed by node
// (comments, names, markup, scores...), most of them empty, and a big collection holds tens of thousands
// of games: an empty std::map costs 48 bytes, this costs 8, and clear() gives its memory back.

#include <map>
#include <memory>
#include <utility>

namespace meridax {

template <typename Key, typename Value>
class LazyMap {
 public:
  using Map = std::map<Key, Value>;
  using key_type = typename Map::key_type;
  using mapped_type = typename Map::mapped_type;
  using value_type = typename Map::value_type;
  using size_type = typename Map::size_type;
  using iterator = typename Map::iterator;
  using const_iterator = typename Map::const_iterator;

  LazyMap() = default;
  LazyMap(const LazyMap& other) : map_(copyOf(other)) {}
  LazyMap(LazyMap&&) noexcept = default;
  LazyMap& operator=(const LazyMap& other) {
    if (this != &other) map_ = copyOf(other);
    return *this;
  }
  LazyMap& operator=(LazyMap&&) noexcept = default;
  ~LazyMap() = default;

  bool empty() const { return !map_ || map_->empty(); }
  size_type size() const { return map_ ? map_->size() : 0; }

  // Without a map, iteration and look-ups run over one shared empty map, which nothing ever changes.
  const_iterator begin() const { return view().begin(); }
  const_iterator end() const { return view().end(); }
  iterator begin() { return map_ ? map_->begin() : emptyMap().begin(); }
  iterator end() { return map_ ? map_->end() : emptyMap().end(); }
  const_iterator find(const Key& key) const { return view().find(key); }
  iterator find(const Key& key) { return map_ ? map_->find(key) : emptyMap().end(); }
  size_type count(const Key& key) const { return map_ ? map_->count(key) : 0; }
  bool contains(const Key& key) const { return map_ && map_->contains(key); }
  const Value& at(const Key& key) const { return view().at(key); }
  Value& at(const Key& key) { return mutableMap().at(key); }

  Value& operator[](const Key& key) { return mutableMap()[key]; }
  template <typename... Args>
  std::pair<iterator, bool> emplace(Args&&... args) {
    return mutableMap().emplace(std::forward<Args>(args)...);
  }
  template <typename... Args>
  std::pair<iterator, bool> try_emplace(const Key& key, Args&&... args) {
    return mutableMap().try_emplace(key, std::forward<Args>(args)...);
  }
  template <typename V>
  std::pair<iterator, bool> insert_or_assign(const Key& key, V&& value) {
    return mutableMap().insert_or_assign(key, std::forward<V>(value));
  }
  size_type erase(const Key& key) { return map_ ? map_->erase(key) : 0; }
  iterator erase(iterator at) { return map_->erase(at); }
  void clear() { map_.reset(); }

  operator const Map&() const { return view(); }  // NOLINT: read as the map it stands for

  friend bool operator==(const LazyMap& a, const LazyMap& b) { return a.view() == b.view(); }

 private:
  static std::unique_ptr<Map> copyOf(const LazyMap& other) {
    return other.empty() ? nullptr : std::make_unique<Map>(*other.map_);
  }
  static Map& emptyMap() {
    static Map empty;
    return empty;
  }
  const Map& view() const { return map_ ? *map_ : emptyMap(); }
  Map& mutableMap() {
    if (!map_) map_ = std::make_unique<Map>();
    return *map_;
  }

  std::unique_ptr<Map> map_;
};

}  // namespace meridax
