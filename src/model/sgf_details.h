#pragma once
// The game information of a game: the 17 texts of its SGF root properties, each empty when absent.
// Player 1 is the side that moves first (White in Havannah, Margo and Side Stitch).

#include <array>
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

struct SSGFDetails {
  std::array<std::string, kDetailFieldCount> texts;

  std::string& operator[](DetailField f) { return texts[static_cast<std::size_t>(f)]; }
  const std::string& operator[](DetailField f) const { return texts[static_cast<std::size_t>(f)]; }

  friend bool operator==(const SSGFDetails&, const SSGFDetails&) = default;
};

}  // namespace meridax
