#pragma once
// Injecting SGF node text below the current node of a game.

#include <optional>
#include <string>

#include "model/app_error.h"
#include "model/collection.h"
#include "sgf/sgf_error_list.h"
#include "sgf/sgf_reader.h"

namespace meridax {

inline constexpr char kInjectCaption[] = "CmInjectSGF()";
inline constexpr char kInjectDialogCaption[] = " Inject SGF Text";
inline constexpr char kInjectedText[] = "SGF Injected";

struct InjectOutcome {
  bool read = false;                // the reader read the text as a game
  std::optional<AppError> message;  // the failure that stopped the reader, to be shown
};

// Reads `nodes` (the text of one or more SGF nodes with their variations) below the current node of
// `game`, which belongs to `collection`. The error list is emptied first and collects the reading
// errors; nodes read before an error stay. Afterwards the current line and the current node are the
// ones from before, whatever the reader left current. Marks the game changed.
InjectOutcome injectSgf(Collection& collection, SGridFrame& game, const std::string& nodes,
                        const ReaderSettings& settings, SErrorList& errors);

}  // namespace meridax
