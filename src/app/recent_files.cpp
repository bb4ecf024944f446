#include "app/recent_files.h"

#include <algorithm>

#include "app/settings_values.h"
#include "model/text_format.h"

namespace meridax {
namespace {

std::string fileKey(int number) { return formatText("File%d", number); }

}  // namespace

void RecentFileList::add(const std::string& path) {
  if (path.empty()) return;
  remove(path);
  entries_.insert(entries_.begin(), path);
  if (entries_.size() > static_cast<std::size_t>(kRecentFileLimit)) entries_.resize(kRecentFileLimit);
}

void RecentFileList::remove(const std::string& path) {
  entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
}

RecentFileList readRecentFiles(const ProfilePort& profile) {
  RecentFileList list;
  // Read from the oldest so that adding each at the head restores the stored order.
  for (int number = kRecentFileLimit; number >= 1; --number) {
    list.add(readString(profile, section::kFileList, fileKey(number), ""));
  }
  return list;
}

void writeRecentFiles(ProfilePort& profile, const RecentFileList& list) {
  const std::vector<std::string>& entries = list.entries();
  for (int number = 1; number <= kRecentFileLimit; ++number) {
    const std::size_t index = static_cast<std::size_t>(number - 1);
    profile.writeString(section::kFileList, fileKey(number), index < entries.size() ? entries[index] : "");
  }
}

std::string abbreviatedPath(const std::string& path, std::size_t width) {
  if (path.size() <= width) return path;
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return path;
  const std::string name = path.substr(slash + 1);
  const std::string root = path.front() == '/' ? "/" : "";
  // Drop leading directories one at a time until "/.../rest" fits.
  std::size_t cut = root.size();
  for (;;) {
    const std::size_t next = path.find('/', cut);
    if (next == std::string::npos || next >= slash) break;
    cut = next + 1;
    const std::string shortened = root + ".../" + path.substr(cut);
    if (shortened.size() <= width) return shortened;
  }
  return name;
}

}  // namespace meridax
