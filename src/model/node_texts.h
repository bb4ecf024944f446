#pragma once
// Texts and values kept beside the tree, keyed by node: comments, names, scores and markup.
// Setting an entry and its flag bit in the node always go together.

#include <optional>
#include <string>
#include <string_view>

#include "model/grid_frame.h"

namespace meridax {

// Replaces the node's comment; a text of only blanks, tabs, CR and LF removes it.
void setComment(SGridFrame& game, GameNode* node, const std::string& text);
// While reading: appends after CR LF to an existing comment, else stores the text.
void addCommentWhileReading(SGridFrame& game, GameNode* node, const std::string& text);
// Replaces the node's name; leading blanks and tabs are skipped and an empty rest removes it.
void setName(SGridFrame& game, GameNode* node, const std::string& text);
void setScore(SGridFrame& game, GameNode* node, int score);
void removeScore(SGridFrame& game, GameNode* node);
// Appends to the node's markup text, or stores it as a new entry.
void addMarkup(SGridFrame& game, GameNode* node, const std::string& text);
void removeMarkup(SGridFrame& game, GameNode* node);
// Appends raw property text ("TM[300]") to the properties kept unread for the node.
void addOtherProperties(SGridFrame& game, const GameNode* node, std::string_view raw);

// Look-ups: the entry, or an empty text / nullopt when the node has none.
const std::string& commentOf(const SGridFrame& game, const GameNode* node);
const std::string& nameOf(const SGridFrame& game, const GameNode* node);
const std::string& markupOf(const SGridFrame& game, const GameNode* node);
const std::string& otherPropertiesOf(const SGridFrame& game, const GameNode* node);
std::optional<int> scoreOf(const SGridFrame& game, const GameNode* node);

}  // namespace meridax
