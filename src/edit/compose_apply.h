#pragma once
// What OK in the composition dialog does with the composed board: the empty-composition check, the
// choice between a new game and a modification, and either one carried out on the game record.

#include <optional>
#include <string>
#include <vector>

#include "edit/compose_model.h"
#include "edit/edit_notice.h"
#include "model/collection.h"
#include "rules/play_context.h"

namespace meridax {

inline constexpr char kComposeOkCaption[] = "SDlgCompose::OnOK()";
inline constexpr char kEmptyCompositionText[] = "Empty composition";
inline constexpr char kComposeOptionsCaption[] = "Composition Options";
inline constexpr char kComposeCaption[] = "Compose()";
inline constexpr char kNoChangesText[] = "No changes were detected";

// The entries of the "Composition Options" list, in this order; the third is preselected.
enum class ComposeChoice : int { NewGame = 0, Modification = 1, ReturnToDialog = 2 };
std::vector<std::string> composeChoiceTexts();

// "Empty composition" when the model holds no board cell; nullopt when OK may go on.
std::optional<EditNotice> emptyCompositionNotice(const ComposeModel& model);

// What a composition did to the game record.
struct ComposeOutcome {
  GameNode* node = nullptr;           // the composition node, or nullptr when nothing was added
  std::optional<EditNotice> notice;   // "No changes were detected"
  std::string statusText;             // Othello: why the side to move changed, or that the game is over
};

// True when the composition differs from the current node's position, side to move or (Kropki)
// territory.
bool compositionChanges(SGridFrame& game, const Composition& composition);

// Adds a composition node with the composed position below the current node (a new line when the
// current node has a continuation), marked for a print diagram and carrying the composed territory.
// Othello: a side to move without a square gives way to its opponent.
ComposeOutcome composeModification(PlayContext& ctx, const Composition& composition);

// Inserts a new game of the current game's kind, size and rules after it and makes it current; its
// first node becomes a composition node with the composed position, side to move and cursor, marked
// for a print diagram. Othello's side to move is tested as above; Connect6 starts with Black, whose
// single first stone opens the game; Kropki territory becomes fields of the first node.
ComposeOutcome composeNewGame(Collection& collection, const Composition& composition);

}  // namespace meridax
