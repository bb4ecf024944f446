#pragma once
// "Move Correction": the question before a misplaced stone is moved, as a dialog that shows the move's
// point ("Position"), the point it goes to ("New Position") and what will be done.

#include <string>

namespace meridax {

struct MoveCorrectionRequest {
  std::string position;     // "%c%d"
  std::string newPosition;  // "%c%d"
  std::string text;         // what the correction does and leaves to the person
};

class MoveCorrectionPort {
 public:
  virtual ~MoveCorrectionPort() = default;
  // True when the person goes ahead.
  virtual bool confirmMoveCorrection(const MoveCorrectionRequest& request) = 0;
};

}  // namespace meridax
