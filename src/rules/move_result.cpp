#include "rules/move_result.h"

namespace meridax {

const char* statusText(MoveResult r) {
  switch (r) {
    case MoveResult::OffBoard: return "Invalid Move.  Transparent node";
    case MoveResult::NoForeignNeighbour: return "Invalid Move - No bordering foreign colour";
    case MoveResult::NoHomeColour: return "Invalid Move - No home colour could be found";
    case MoveResult::Occupied: return "Invalid Move - Square already occupied";
    case MoveResult::ContractOnEdge: return "Invalid Move - Contract moves are not allowed on an edge.";
    case MoveResult::InsideTerritory: return "Invalid Move - Play is not permitted inside an area of territory.";
    case MoveResult::Ko: return "Invalid Move - ko capture not allowed";
    case MoveResult::SelfCapture: return "Invalid Move - Self capture is not permitted";
    default: return "";
  }
}

const char* loadText(MoveResult r) {
  switch (r) {
    case MoveResult::OffBoard: return "Not a valid board square.";
    case MoveResult::NoForeignNeighbour: return "There is no bordering foreign colour for the intended move.";
    case MoveResult::NoHomeColour: return "There is no home colour for the intended move.";
    case MoveResult::OutOfRange: return "The move is out of range.";
    case MoveResult::Occupied: return "The square for the intended move is already occupied.";
    case MoveResult::ContractOnEdge: return "Invalid contract move.";
    case MoveResult::InsideTerritory: return "The square for the intended move is within an area of territory.";
    case MoveResult::Ko: return "Ko capture is not allowed.";
    case MoveResult::SelfCapture: return "Self capture is not allowed.";
    case MoveResult::TooManyBranches: return "Too many branches.";
    default: return "";
  }
}

}  // namespace meridax
