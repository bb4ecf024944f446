#include "model/move_annotations.h"

#include <array>
#include <vector>

#include "model/node_texts.h"

namespace meridax {

namespace {

// One property of a kept-properties text: its identifier and where it lies, values included.
struct KeptProperty {
  std::string_view id;
  std::string_view firstValue;  // without brackets
  std::size_t start = 0;
  std::size_t end = 0;
};

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }

std::vector<KeptProperty> splitProperties(std::string_view text) {
  std::vector<KeptProperty> out;
  std::size_t at = 0;
  while (at < text.size()) {
    KeptProperty p;
    p.start = at;
    const std::size_t idStart = at;
    while (at < text.size() && text[at] != '[') ++at;
    p.id = text.substr(idStart, at - idStart);
    bool first = true;
    while (at < text.size() && text[at] == '[') {
      const std::size_t open = ++at;
      while (at < text.size() && text[at] != ']') at += text[at] == '\\' ? 2 : 1;
      if (first) p.firstValue = text.substr(open, std::min(at, text.size()) - open);
      first = false;
      if (at < text.size()) ++at;
      while (at < text.size() && (text[at] == ' ' || text[at] == '\r' || text[at] == '\n' || text[at] == '\t')) ++at;
    }
    if (at == p.start) ++at;  // a stray character: passed over as a property of its own
    p.end = at;
    out.push_back(p);
  }
  return out;
}

// The identifier without blanks (a kept property may follow a line break).
std::string bareId(std::string_view id) {
  std::string out;
  for (char c : id)
    if (isUpper(c)) out += c;
  return out;
}

struct Code {
  const char* id;
  const char* value;
};

constexpr std::array<Code, 7> kMoveCodes = {
    Code{"", ""}, Code{"TE", "1"}, Code{"TE", "2"}, Code{"BM", "1"}, Code{"BM", "2"}, Code{"DO", ""}, Code{"IT", ""}};
constexpr std::array<Code, 5> kPositionCodes = {Code{"", ""}, Code{"GB", "1"}, Code{"GW", "1"}, Code{"DM", "1"},
                                                Code{"UC", "1"}};

bool isMoveId(const std::string& id) { return id == "TE" || id == "BM" || id == "DO" || id == "IT"; }
bool isPositionId(const std::string& id) { return id == "GB" || id == "GW" || id == "DM" || id == "UC"; }

// The text without the properties `drop` names, then `added` at its end.
template <typename Drop>
std::string replaced(std::string_view text, Drop drop, const std::string& added) {
  std::string out;
  for (const KeptProperty& p : splitProperties(text))
    if (!drop(bareId(p.id))) out.append(text.substr(p.start, p.end - p.start));
  return out + added;
}

std::string propertyText(const Code& c) { return c.id[0] == '\0' ? std::string() : std::string(c.id) + "[" + c.value + "]"; }

bool setKept(SGridFrame& game, const GameNode* node, const std::string& text) {
  if (text == otherPropertiesOf(game, node)) return false;
  if (text.empty()) game.otherProperties.erase(node);
  else game.otherProperties[node] = text;
  game.markTreeChanged();
  return true;
}

}  // namespace

NodeAnnotations readAnnotations(std::string_view kept) {
  NodeAnnotations a;
  bool moveSeen = false;
  bool positionSeen = false;
  for (const KeptProperty& p : splitProperties(kept)) {
    const std::string id = bareId(p.id);
    const bool emphasised = p.firstValue == "2";
    if (!moveSeen && isMoveId(id)) {
      moveSeen = true;
      if (id == "TE") a.move = emphasised ? MoveAnnotation::VeryGood : MoveAnnotation::Good;
      else if (id == "BM") a.move = emphasised ? MoveAnnotation::VeryBad : MoveAnnotation::Bad;
      else a.move = id == "DO" ? MoveAnnotation::Doubtful : MoveAnnotation::Interesting;
    } else if (!positionSeen && isPositionId(id)) {
      positionSeen = true;
      a.position = id == "GB"   ? PositionAnnotation::GoodForBlack
                   : id == "GW" ? PositionAnnotation::GoodForWhite
                   : id == "DM" ? PositionAnnotation::Even
                                : PositionAnnotation::Unclear;
    } else if (id == "HO") {
      a.hotspot = true;
    }
  }
  return a;
}

NodeAnnotations annotationsOf(const SGridFrame& game, const GameNode* node) {
  return readAnnotations(otherPropertiesOf(game, node));
}

std::string withMoveAnnotation(std::string_view kept, MoveAnnotation a) {
  return replaced(kept, isMoveId, propertyText(kMoveCodes[static_cast<std::size_t>(a)]));
}

std::string withPositionAnnotation(std::string_view kept, PositionAnnotation a) {
  return replaced(kept, isPositionId, propertyText(kPositionCodes[static_cast<std::size_t>(a)]));
}

std::string withHotspot(std::string_view kept, bool on) {
  return replaced(kept, [](const std::string& id) { return id == "HO"; }, on ? "HO[1]" : "");
}

bool setMoveAnnotation(SGridFrame& game, const GameNode* node, MoveAnnotation a) {
  if (annotationsOf(game, node).move == a) return false;
  return setKept(game, node, withMoveAnnotation(otherPropertiesOf(game, node), a));
}

bool setPositionAnnotation(SGridFrame& game, const GameNode* node, PositionAnnotation a) {
  if (annotationsOf(game, node).position == a) return false;
  return setKept(game, node, withPositionAnnotation(otherPropertiesOf(game, node), a));
}

bool setHotspot(SGridFrame& game, const GameNode* node, bool on) {
  if (annotationsOf(game, node).hotspot == on) return false;
  return setKept(game, node, withHotspot(otherPropertiesOf(game, node), on));
}

std::string_view moveAnnotationSymbol(MoveAnnotation a) {
  constexpr std::array<std::string_view, 7> kSymbols = {"", "!", "!!", "?", "??", "?!", "!?"};
  return kSymbols[static_cast<std::size_t>(a)];
}

std::string_view positionAnnotationText(PositionAnnotation a) {
  constexpr std::array<std::string_view, 5> kTexts = {"", "Good for Black", "Good for White", "Even", "Unclear"};
  return kTexts[static_cast<std::size_t>(a)];
}

std::string positionAnnotationsText(const NodeAnnotations& a) {
  std::string position(positionAnnotationText(a.position));
  if (a.hotspot) position += position.empty() ? "Hotspot" : ", hotspot";
  return position;
}

std::string annotationSuffix(const NodeAnnotations& a) {
  std::string out(moveAnnotationSymbol(a.move));
  const std::string position = positionAnnotationsText(a);
  if (!position.empty()) out += (out.empty() ? "[" : " [") + position + "]";
  return out;
}

}  // namespace meridax
