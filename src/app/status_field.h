#pragma once
// The four fields of the status bar, left to right.

#include <array>
#include <cstddef>

namespace meridax {

enum class StatusField {
  SideToMove,  // the side to move, or the notice of the last action
  Kind,        // the kind with its counters or size, and the node's score
  Cursor,      // the board cursor's point while it is shown
  Move,        // the current move number and the last one of the line
};

inline constexpr std::array<StatusField, 4> kStatusFields = {StatusField::SideToMove, StatusField::Kind,
                                                             StatusField::Cursor, StatusField::Move};

// The field's place in the bar, counted from 0 on the left.
constexpr std::size_t fieldIndex(StatusField field) { return static_cast<std::size_t>(field); }

}  // namespace meridax
