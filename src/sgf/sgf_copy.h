#pragma once
// Copying a game's SGF text: the whole game, or the current position and below. The caller puts the
// text on the clipboard and shows the messages.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "model/grid_frame.h"

namespace meridax {

inline constexpr char kGetSgfCaption[] = "GetSGF()";
inline constexpr char kUnableToGetSgfText[] = "Unable to get SGF text";
inline constexpr char kClipboardMemoryFailedText[] = "GlobalAlloc failed!";

enum class CopyScope {
  WholeGame,        // from the first node, with the header
  FromCurrentNode,  // the current node and below, without the header
};

// The Yes/No/Cancel question to ask (caption kGetSgfCaption) before copying, or nullopt when no
// branching node lies on the line from the start node, in which case variations are included.
std::optional<std::string> variationsQuestion(const SGridFrame& game, CopyScope scope);

enum class CopyOutcome { Written, Cancelled, Failed };

struct SgfCopy {
  CopyOutcome outcome = CopyOutcome::Failed;
  std::string text;  // when written
};

// Answer to the variations question: true to include them, false for the current line only,
// nullopt to cancel.
using VariationsAnswer = std::function<std::optional<bool>(const std::string& question)>;

// Asks about variations when needed, then writes the text of the scope. The game is the current game
// of the collection, so the whole game carries the selected-game mark.
SgfCopy GetSGF(const SGridFrame& game, CopyScope scope, const VariationsAnswer& ask);

// "SGF string has been copied to the Windows Clipboard\r\n\r\nBytes = %d\r\n".
std::string copiedMessage(std::size_t bytes);

}  // namespace meridax
