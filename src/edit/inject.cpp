#include "edit/inject.h"

#include "edit/line_records.h"
#include "edit/navigation.h"
#include "rules/navigation_step.h"

namespace meridax {

namespace {

// The current line's record from before, put back when the reader left another line current.
void restoreCurrentLine(SGridFrame& game, SBranchDetails* former) {
  if (former == nullptr || game.currentLine == former) return;
  const GameNode* key = nullptr;
  if (!game.variations.keyOf(former, key)) return;  // the record is gone: the reader's line stays
  game.currentLine = former;
  setLineTail(game, former, lineTail(former->head));
}

}  // namespace

InjectOutcome injectSgf(Collection& collection, SGridFrame& game, const std::string& nodes,
                        const ReaderSettings& settings, SErrorList& errors) {
  GameNode* formerCurrent = game.currentNode;
  SBranchDetails* formerLine = game.currentLine;
  errors.clear();

  const std::string text = injectedText(nodes);
  SgfReadRequest request;
  request.mode = ReadMode::Inject;
  request.target = &game;
  request.settings = settings;
  const SgfReadResult result = Do_FileSGF(collection, text, request, errors);

  restoreCurrentLine(game, formerLine);
  if (!isOnCurrentLine(game, formerCurrent)) selectLineOf(game, formerCurrent);
  goToNode(game, formerCurrent);
  game.markTreeChanged();
  game.invalidateStatistics();

  InjectOutcome outcome;
  outcome.read = result.goOn && !result.message;
  outcome.message = result.message;
  return outcome;
}

}  // namespace meridax
