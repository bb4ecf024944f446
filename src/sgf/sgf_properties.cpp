// Property dispatch, the root texts, annotations, markup and Kropki fields of territory.

#include <algorithm>
#include <array>
#include <utility>

#include "model/node_texts.h"
#include "rules/kropki_outline.h"
#include "rules/kropki_fields.h"
#include "sgf/property_id.h"
#include "sgf/sgf_markup.h"
#include "sgf/sgf_numbers.h"
#include "sgf/sgf_reader_state.h"
#include "sgf/text_decoding.h"

namespace meridax {

namespace {

constexpr int kQuickSlots = 10;  // "XN" values outside 0 to 9 are passed over
constexpr std::size_t kShownValueLength = 96;

// The root texts that are stored as they are read, and where they go.
struct RootTextField {
  std::string_view id;
  DetailField field;
};
constexpr std::array<RootTextField, 11> kPlainRootTexts = {{
    {"PC", DetailField::Place},       {"RE", DetailField::Result},   {"AN", DetailField::Annotator},
    {"DT", DetailField::Date},        {"FF", DetailField::FileFormat}, {"GC", DetailField::GameComment},
    {"SO", DetailField::Source},      {"GN", DetailField::GameName}, {"EV", DetailField::Event},
    {"RO", DetailField::Round},       {"KM", DetailField::Komi},
}};

// AP names the program that wrote the file: the writer puts its own. CA names the character set of the texts.
constexpr std::array<std::string_view, 11> kOtherRootIds = {"PB", "PW", "BR", "WR", "RU", "GM", "SZ",
                                                            "HA", "XS", "AP", "CA"};

constexpr auto kRootOnlyCodes = [] {
  std::array<std::uint32_t, kPlainRootTexts.size() + kOtherRootIds.size()> codes{};
  std::size_t i = 0;
  for (const auto& t : kPlainRootTexts) codes[i++] = propertyCode(t.id);
  for (std::string_view id : kOtherRootIds) codes[i++] = propertyCode(id);
  return codes;
}();

bool isRootOnly(std::string_view id) {
  if (id.size() != 2) return false;  // every root-only identifier has two letters
  const std::uint32_t code = propertyCode(id);
  return std::find(kRootOnlyCodes.begin(), kRootOnlyCodes.end(), code) != kRootOnlyCodes.end();
}

// Player texts: B is player 1 unless White moves first in the kind.
DetailField playerField(std::string_view id, bool whiteFirst) {
  const bool black = id[0] == 'P' ? id[1] == 'B' : id[0] == 'B';
  const bool player1 = black != whiteFirst;
  const bool rank = id[1] == 'R';
  if (rank) return player1 ? DetailField::Player1Rank : DetailField::Player2Rank;
  return player1 ? DetailField::Player1 : DetailField::Player2;
}

std::string trimmedBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

bool PendingItems::holdsNodeItems() const {
  return printDiagram || currentMark || primaryMark || bookmark || quickSlot || score || name || comment ||
         !markup.empty() || !blackFields.empty() || !whiteFields.empty();
}

void PendingItems::clearAttached() {
  printDiagram = currentMark = primaryMark = false;
  bookmark.reset();
  quickSlot.reset();
  score.reset();
  name.reset();
  comment.reset();
  markup.clear();
  blackFields.clear();
  whiteFields.clear();
  others.clear();
}

void PendingItems::clearAll() {
  clearAttached();
  setupCount = 0;
  setupColour = Colour::Black;
  lastSetupPoint.reset();
  sideToMove.reset();
}

void SgfReader::dispatch(const std::vector<ValueSpan>& values) {
  if (movesAllowed_ && isMarkupIdentifier(id_, game_->kind())) {
    handleMarkup(values);
    return;
  }
  const ValueSpan& v = values.front();
  if (isRootOnly(id_)) {
    // Game information below the first node is kept as it stands; the reader takes it from the root only.
    if (root_) handleRootProperty(v);
    else if (!inRootNode_ && id() != "XS") keepOtherProperty(v);
    return;
  }
  if (!readsProperty()) {
    keepOtherProperty(v);
    return;
  }
  if (!movesAllowed_) return;
  if (id() == "B" || id() == "W") handleMove(id() == "B" ? Colour::Black : Colour::White, v);
  else if (id() == "AB") handleSetup(cell::kBlack, v);
  else if (id() == "AW") handleSetup(cell::kWhite, v);
  else if (id() == "AE") handleSetup(cell::kEmpty, v);
  else if (id() == "PL") handlePlayerToMove(v.text);
  else if ((id() == "TB" || id() == "TW") && game_->kind() == GameKind::Kropki)
    handleKropkiTerritory(id() == "TB" ? Colour::Black : Colour::White, v);
  else handleAnnotation(v);
}

bool SgfReader::handleRootProperty(const ValueSpan& v) {
  if (id() == "GM" || id() == "SZ" || id() == "AP") return true;  // read before the game was made, or the writer's own
  if (id() == "CA") {
    if (rootTextsStored() && game_->characterSet.empty()) game_->characterSet = trimmedBlanks(decodeSgfText(v.text));
    return true;
  }
  if (id() == "HA") {
    handleHandicap(v.text);
    return true;
  }
  if (id() == "XS") {
    selected_ = true;
    movesAllowed_ = true;
    game_->treeLoaded = true;
    return true;
  }
  const std::string text = decodeSgfText(v.text);
  if (id() == "RU") {
    rootTexts_[DetailField::Rules] = text;
    // Moves read later depend on the rules text (Pente, Connect6, Little Golem Havannah).
    if (rootTextsStored()) game_->details[DetailField::Rules] = text;
    return true;
  }
  if (id() == "PB" || id() == "PW" || id() == "BR" || id() == "WR") {
    rootTexts_[playerField(id_, game_->isWhiteFirst())] = text;
    return true;
  }
  for (const auto& t : kPlainRootTexts)
    if (t.id == id_) rootTexts_[t.field] = text;
  return true;
}

void SgfReader::handleHandicap(std::string_view value) {
  const int stones = game_->kind() == GameKind::Go ? goHandicapStones(value) : decimalValue(value);
  rootTexts_[DetailField::Handicap] = std::to_string(stones);
  if (stones != 0 && rootTextsStored()) game_->firstNode->setBlackNext(false);
}

void SgfReader::handleAnnotation(const ValueSpan& v) {
  if (id() == "C") {
    const std::string text = decodeSgfText(v.text);
    if (text.empty()) return;
    pending_.comment = pending_.comment ? *pending_.comment + "\r\n" + text : text;
  } else if (id() == "N") {
    pending_.name = decodeSgfText(v.text);
  } else if (id() == "V") {
    pending_.score = decimalValue(v.text);
  } else if (id() == "FG") {
    pending_.printDiagram = true;
  } else if (id() == "XV") {
    pending_.currentMark = true;
  } else if (id() == "XP") {
    pending_.primaryMark = true;
  } else if (id() == "XN") {
    std::size_t end = 0;
    const int slot = decimalValue(v.text, &end);
    if (end == 0 || slot < 0 || slot >= kQuickSlots) return;  // only ten slots exist
    pending_.quickSlot = slot;
  } else if (id() == "XB") {
    std::size_t end = 0;
    Bookmark mark;
    mark.number = std::max(0, decimalValue(v.text, &end));
    const std::size_t colon = v.text.find(':', end);
    if (colon != std::string_view::npos) mark.name = decodeBookmarkName(v.text.substr(colon + 1));
    pending_.bookmark = std::move(mark);
  } else {
    return;  // not a property of this program
  }
  applyAtOnceWhenDue();
}

void SgfReader::handleMarkup(const std::vector<ValueSpan>& values) {
  std::vector<std::string_view> texts;
  texts.reserve(values.size());
  for (const ValueSpan& v : values) texts.push_back(v.text);
  const MarkupReading reading = readMarkup(geometry(), id_, texts);
  for (std::size_t i : reading.unreadable) reportPassedOver(values[i]);
  if (reading.text.empty()) return;
  pending_.markup += reading.text;
  applyAtOnceWhenDue();
}

void SgfReader::handleKropkiTerritory(Colour owner, const ValueSpan& v) {
  if (v.text.empty()) return;
  const auto outlines = splitFieldOutlines(withoutBlanks(v.text));
  if (!outlines) {
    reportPassedOver(v);
    return;
  }
  if (readFieldsInto(owner, *outlines, v)) applyAtOnceWhenDue();
}

bool SgfReader::readFieldsInto(Colour owner, const std::vector<std::string>& outlines, const ValueSpan& v) {
  bool any = false;
  for (const std::string& outline : outlines) {
    OutlineReading field = fieldFromOutline(game_->width(), outline, owner);
    if (!field.ok()) {
      reportPassedOver(v);
      continue;
    }
    (owner == Colour::Black ? pending_.blackFields : pending_.whiteFields).push_back(std::move(*field.field));
    any = true;
  }
  return any;
}

void SgfReader::applyAtOnceWhenDue() {
  if (root_ || moveInNode_) attachPending(game_->currentNode);
}

void SgfReader::reportPassedOver(const ValueSpan& v) {
  std::string shown(v.text.substr(0, kShownValueLength));
  addError(passedOverText(request_.ordinal, lineAt(v.open), id_ + "[" + shown + "]", errorExtractAround(text_, v.open)));
}

}  // namespace meridax
