#pragma once
// The engines the person set up (section "Engines" of the profile): a name, a command line and a working
// folder each, and the one the Engine menu attaches. On the first run the list holds GNU Go when it is
// installed; Debian puts it in /usr/games, which is not always on the path.

#include <optional>
#include <string>
#include <vector>

#include "app/profile_port.h"
#include "engine/engine_process.h"

namespace meridax {

struct EngineSettings {
  std::vector<EngineEntry> engines;
  int selected = 0;  // index of the engine attached; kept within the list when read
  // The selected engine; nullptr when the list is empty.
  const EngineEntry* current() const;
  friend bool operator==(const EngineSettings&, const EngineSettings&) = default;
};

// The GNU Go entry, when gnugo is found on `searchPath` (a PATH value) or in /usr/games.
std::optional<EngineEntry> gnuGoEntry(const std::string& searchPath);

// Reads section "Engines"; when the profile has none yet, the list holds gnuGoEntry(searchPath) if any.
EngineSettings readEngineSettings(const ProfilePort& profile, const std::string& searchPath);
// Writes section "Engines": "Count", "Selected", and "Name N", "Command N", "Folder N" from 1.
void writeEngineSettings(ProfilePort& profile, const EngineSettings& settings);

}  // namespace meridax
