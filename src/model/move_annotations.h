#pragma once
// The move and position annotations of a node: good move (TE), very good (TE[2]), bad (BM), very bad
// (BM[2]), doubtful (DO), interesting (IT); good for Black (GB), good for White (GW), even (DM), unclear
// (UC), and the hotspot mark (HO). They live among the node's kept properties, as the file had them, so
// that a file that carries them is written back byte for byte; these functions read and change them there.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/grid_frame.h"

namespace meridax {

enum class MoveAnnotation : std::uint8_t { None, Good, VeryGood, Bad, VeryBad, Doubtful, Interesting };
enum class PositionAnnotation : std::uint8_t { None, GoodForBlack, GoodForWhite, Even, Unclear };

struct NodeAnnotations {
  MoveAnnotation move = MoveAnnotation::None;
  PositionAnnotation position = PositionAnnotation::None;
  bool hotspot = false;
  friend bool operator==(const NodeAnnotations&, const NodeAnnotations&) = default;
};

// The annotations in a kept-properties text ("TE[2]TM[30]"); the first of each group counts.
NodeAnnotations readAnnotations(std::string_view kept);
NodeAnnotations annotationsOf(const SGridFrame& game, const GameNode* node);

// The kept-properties text with the group's annotation replaced (None removes it); other properties
// keep their bytes and their order.
std::string withMoveAnnotation(std::string_view kept, MoveAnnotation a);
std::string withPositionAnnotation(std::string_view kept, PositionAnnotation a);
std::string withHotspot(std::string_view kept, bool on);

// The same on a node; the game is marked changed when the text changes. False when nothing changed.
bool setMoveAnnotation(SGridFrame& game, const GameNode* node, MoveAnnotation a);
bool setPositionAnnotation(SGridFrame& game, const GameNode* node, PositionAnnotation a);
bool setHotspot(SGridFrame& game, const GameNode* node, bool on);

// "!", "!!", "?", "??", "?!", "!?"; empty for none.
std::string_view moveAnnotationSymbol(MoveAnnotation a);
// "Good for Black", "Good for White", "Even", "Unclear"; empty for none.
std::string_view positionAnnotationText(PositionAnnotation a);

// The position's annotation and the hotspot mark: "Unclear, hotspot", "Hotspot"; empty for neither.
std::string positionAnnotationsText(const NodeAnnotations& a);

// What a node's annotations add after its move in the tree pane's box, the status bar and the exports:
// the move's symbol, and the position's text in brackets with the hotspot ("!? [Unclear, hotspot]").
std::string annotationSuffix(const NodeAnnotations& a);

}  // namespace meridax
