// The Engine menu: a GTP engine beside the board.

#include "app/command_registry.h"
#include "app/frame_win.h"

namespace meridax {

namespace {

using G = CommandGroup;

bool canAsk(FrameWin& f) { return f.engine().canAsk(); }

const FrameCommand kCommands[] = {
    {.name = "CmAttachEngine", .group = G::Engine, .menuText = "&Attach Engine",
     .tip = "Start the engine chosen in the preferences beside this game",
     .run = [](FrameWin& f) { f.engine().CmAttachEngine(); },
     .enabled = [](FrameWin& f) { return !f.engine().attached(); }},
    {.name = "CmDetachEngine", .group = G::Engine, .menuText = "&Detach Engine",
     .tip = "Stop the engine",
     .run = [](FrameWin& f) { f.engine().CmDetachEngine(); },
     .enabled = [](FrameWin& f) { return f.engine().attached(); }},
    {.name = "CmEngineMove", .group = G::Engine, .menuText = "&Play the Engine's Move",
     .tip = "Let the engine play the next move",
     .run = [](FrameWin& f) { f.engine().CmEngineMove(); }, .enabled = canAsk},
    {.name = "CmSuggestMove", .group = G::Engine, .menuText = "&Suggest a Move",
     .tip = "Mark the engine's choice on the board without playing it",
     .run = [](FrameWin& f) { f.engine().CmSuggestMove(); }, .enabled = canAsk},
    {.name = "CmPlayAgainstEngine", .group = G::Engine, .menuText = "Pla&y Against the Engine...",
     .tip = "Play a game against the engine: it answers each of your moves",
     .run = [](FrameWin& f) { f.engine().CmPlayAgainstEngine(); },
     .enabled = [](FrameWin& f) { return f.engine().playingAgainst() || f.engine().canAsk(); },
     .checked = [](FrameWin& f) { return f.engine().playingAgainst(); }},
    {.name = "CmEstimateScore", .group = G::Engine, .menuText = "&Estimate the Score",
     .tip = "Show the engine's estimate of the score in the status bar",
     .run = [](FrameWin& f) { f.engine().CmEstimateScore(); }, .enabled = canAsk},
    {.name = "CmShowDeadStones", .group = G::Engine, .menuText = "Show Dead St&ones",
     .tip = "Cross out the stones the engine holds dead",
     .run = [](FrameWin& f) { f.engine().CmShowDeadStones(); }, .enabled = canAsk},
    {.name = "CmAnalyseGame", .group = G::Engine, .menuText = "Analyse the &Game",
     .tip = "Ask the engine for its move at every move of the current line; its other choices become variations",
     .run = [](FrameWin& f) { f.engine().CmAnalyseGame(); }, .enabled = canAsk},
    {.name = "CmEngines", .group = G::Engine, .menuText = "E&ngines...",
     .tip = "Set up the engines: their names, command lines and working folders",
     .route = CommandRoute::Window},
    {.name = "CmEngineLog", .group = G::Engine, .menuText = "GTP &Log",
     .tip = "Show what was said to the engine and what it answered", .route = CommandRoute::Window},
};

}  // namespace

FrameCommandTable engineCommandTable() { return kCommands; }

}  // namespace meridax
