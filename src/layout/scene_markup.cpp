#include "layout/scene_markup.h"

#include <optional>
#include <string_view>

#include "model/character_set.h"
#include "sgf/sgf_markup_writer.h"

namespace meridax {

namespace {

constexpr int kPointOffset = 33;

std::optional<SymbolKind> symbolOf(std::string_view id, GameKind kind) {
  if (id == "MA" || id == "M") return SymbolKind::Cross;
  if (id == "TR") return SymbolKind::Triangle;
  if (id == "CR") return SymbolKind::Circle;
  if (id == "SQ") return SymbolKind::Square;
  const bool territoryShown = kind == GameKind::Go || kind == GameKind::Kropki;
  if (id == "TB" && territoryShown) return SymbolKind::BlackTerritory;
  if (id == "TW" && territoryShown) return SymbolKind::WhiteTerritory;
  return std::nullopt;
}

std::optional<BoardPoint> pointOf(const BoardScene& scene, std::string_view value) {
  if (value.size() < 2) return std::nullopt;
  const BoardPoint p{static_cast<unsigned char>(value[0]) - kPointOffset,
                     static_cast<unsigned char>(value[1]) - kPointOffset};
  if (scene.cellAt(p) == nullptr) return std::nullopt;
  return p;
}

SceneSymbol symbolAt(const SGridFrame& game, const SceneCell& cell, SymbolKind kind) {
  SceneSymbol s{cell.at, kind, cell.look == CellLook::Black || cell.look == CellLook::White ? cell.look
                                                                                            : CellLook::Empty};
  s.inField = s.on == CellLook::Empty && cell.field != FieldColour::None;
  const bool territory = kind == SymbolKind::BlackTerritory || kind == SymbolKind::WhiteTerritory;
  s.clearUnder = s.on == CellLook::Empty && !territory && game.kind() != GameKind::Othello && !s.inField;
  return s;
}

}  // namespace

std::string displayedLabel(std::string_view stored) {
  std::string text;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    char c = stored[i];
    if (c == '\\' && i + 1 < stored.size()) c = stored[++i];
    if (c != '\r' && c != '\n' && c != '\t') text += c;
  }
  return text;
}

void addMarkup(BoardScene& scene, const SGridFrame& game, const GameNode* node) {
  const auto found = game.markup.find(node);
  if (node == nullptr || found == game.markup.end()) return;
  char letter = 'a';
  for (const StoredMarkupValue& v : parseStoredMarkup(found->second)) {
    const bool oldLetters = v.identifier == "L";
    const char nextLetter = letter;
    if (oldLetters) ++letter;
    const std::optional<BoardPoint> p = pointOf(scene, v.value);
    if (!p) continue;
    const SceneCell& cell = *scene.cellAt(*p);
    const bool onPiece = cell.look == CellLook::Black || cell.look == CellLook::White;
    if (onPiece && scene.numberShownAt(*p)) continue;
    if (const std::optional<SymbolKind> kind = symbolOf(v.identifier, game.kind())) {
      scene.symbols.push_back(symbolAt(game, cell, *kind));
    } else if (v.identifier == "LB" || oldLetters) {
      const std::size_t colon = v.value.find(':');
      std::string text = oldLetters ? std::string(1, nextLetter)
                                    : colon == std::string::npos ? std::string()
                                                                 : gameTextToUtf8(game, displayedLabel(v.value.substr(colon + 1)));
      scene.labels.push_back({*p, std::move(text), cell.look == CellLook::Black});
    }
  }
}

}  // namespace meridax
