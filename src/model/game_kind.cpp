#include "model/game_kind.h"

namespace meridax {

GoVariant goVariant(GameKind k, const std::string& rulesText) {
  if (k != GameKind::Go) return GoVariant::NotGo;
  if (rulesText == kPenteRules) return GoVariant::Pente;
  if (rulesText == kConnect6Rules) return GoVariant::Connect6;
  return GoVariant::Go;
}

}  // namespace meridax
