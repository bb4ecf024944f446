#include "app/engine_settings.h"

#include <algorithm>

#include "app/posix_process_port.h"

namespace meridax {

namespace {

constexpr char kSection[] = "Engines";
constexpr int kMostEngines = 64;

std::string numbered(const char* key, int n) { return std::string(key) + " " + std::to_string(n); }

}  // namespace

const EngineEntry* EngineSettings::current() const {
  if (engines.empty()) return nullptr;
  return &engines[static_cast<std::size_t>(std::clamp(selected, 0, static_cast<int>(engines.size()) - 1))];
}

std::optional<EngineEntry> gnuGoEntry(const std::string& searchPath) {
  const std::string found = findExecutable("gnugo", searchPath.empty() ? "/usr/games" : searchPath + ":/usr/games");
  if (found.empty()) return std::nullopt;
  return EngineEntry{"GNU Go", found + " --mode gtp", ""};
}

EngineSettings readEngineSettings(const ProfilePort& profile, const std::string& searchPath) {
  EngineSettings settings;
  const std::optional<std::int32_t> count = profile.readInt(kSection, "Count");
  if (!count) {
    if (std::optional<EngineEntry> gnuGo = gnuGoEntry(searchPath)) settings.engines.push_back(*gnuGo);
    return settings;
  }
  for (int n = 1; n <= std::min(*count, kMostEngines); ++n) {
    EngineEntry entry{readString(profile, kSection, numbered("Name", n), ""),
                      readString(profile, kSection, numbered("Command", n), ""),
                      readString(profile, kSection, numbered("Folder", n), "")};
    if (!entry.commandLine.empty()) settings.engines.push_back(std::move(entry));
  }
  const int last = std::max(0, static_cast<int>(settings.engines.size()) - 1);
  settings.selected = std::clamp(readInt(profile, kSection, "Selected", 0), 0, last);
  return settings;
}

void writeEngineSettings(ProfilePort& profile, const EngineSettings& settings) {
  profile.writeInt(kSection, "Count", static_cast<std::int32_t>(settings.engines.size()));
  profile.writeInt(kSection, "Selected", settings.selected);
  int n = 0;
  for (const EngineEntry& e : settings.engines) {
    ++n;
    profile.writeString(kSection, numbered("Name", n), e.name);
    profile.writeString(kSection, numbered("Command", n), e.commandLine);
    profile.writeString(kSection, numbered("Folder", n), e.folder);
  }
}

}  // namespace meridax
