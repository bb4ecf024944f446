#pragma once
// The game information of a game: the 17 texts of its SGF root properties, each empty when absent.
// Player 1 is the side that moves first (White in Havannah, Margo and Side Stitch).

#include <array>
#include <cstddef>
#include <memory>
#include <string>

namespace meridax {

enum class DetailField : int {
  Player1 = 0,
  Player2,
  Place,      // PC
  Source,     // SO
  Annotator,  // AN
  Result,     // RE
  Date,       // DT
  FileFormat, // FF
  GameComment,// GC
  GameName,   // GN
  Player1Rank,
  Player2Rank,
  Event,      // EV
  Round,      // RO
  Komi,       // KM
  Rules,      // RU
  Handicap,   // HA
};

inline constexpr int kDetailFieldCount = 17;

// The texts take room only once one is written to: most games of a large collection of empty or refused
// games have none, and the 17 empty strings cost more than the rest of such a game. Reading a text of a
// game that has none gives an empty text; a text taken for writing makes the 17.
class SSGFDetails {
 public:
  using Texts = std::array<std::string, kDetailFieldCount>;

  SSGFDetails() = default;
  SSGFDetails(const SSGFDetails& other) : texts_(copyOf(other)) {}
  SSGFDetails& operator=(const SSGFDetails& other) {
    if (this != &other) texts_ = copyOf(other);
    return *this;
  }
  SSGFDetails(SSGFDetails&&) noexcept = default;
  SSGFDetails& operator=(SSGFDetails&&) noexcept = default;
  ~SSGFDetails() = default;

  static constexpr std::size_t size() { return kDetailFieldCount; }
  std::string& text(std::size_t i) {
    if (!texts_) texts_ = std::make_unique<Texts>();
    return (*texts_)[i];
  }
  const std::string& text(std::size_t i) const { return texts_ ? (*texts_)[i] : emptyText(); }
  std::string& operator[](DetailField f) { return text(static_cast<std::size_t>(f)); }
  const std::string& operator[](DetailField f) const { return text(static_cast<std::size_t>(f)); }

  friend bool operator==(const SSGFDetails& a, const SSGFDetails& b) {
    for (std::size_t i = 0; i < size(); ++i)
      if (a.text(i) != b.text(i)) return false;
    return true;
  }

 private:
  static std::unique_ptr<Texts> copyOf(const SSGFDetails& other) {
    return other.texts_ ? std::make_unique<Texts>(*other.texts_) : nullptr;
  }
  static const std::string& emptyText() {
    static const std::string empty;
    return empty;
  }

  std::unique_ptr<Texts> texts_;
};

}  // namespace meridax
