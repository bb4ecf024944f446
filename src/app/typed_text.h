#pragma once
// Text the user types, in the character set of the game it goes into. Widgets and dialogs work in UTF-8;
// a game keeps its texts in the set its "CA" names.

#include <string>
#include <string_view>

#include "app/frame_services.h"

namespace meridax {

inline constexpr char kTypedTextCaption[] = "FrameWin::StoreText()";

// A stored text of the game as the user sees and edits it: UTF-8.
std::string textForEditing(const SGridFrame& game, std::string_view stored);

// The typed UTF-8 text as the game keeps it: in the game's character set. When that set has no form for
// one of its characters, every text of the game goes over to UTF-8 first, the game is marked changed and
// the user is told; nothing typed is lost.
std::string textForStoring(FrameServices& frame, SGridFrame& game, const std::string& typed);

// The game's information as the user sees and edits it: every text in UTF-8.
SSGFDetails detailsForEditing(const SGridFrame& game);

// Edited information (UTF-8) as the game keeps it: a text left as it was shown keeps its stored bytes,
// so that a text the character set cannot show faithfully is not damaged; a changed text is stored as
// textForStoring stores it.
SSGFDetails detailsForStoring(FrameServices& frame, SGridFrame& game, const SSGFDetails& edited);

}  // namespace meridax
