#pragma once
// The list of recently used files, newest first, kept in the profile section "FileList" as "File1" ... "File15".

#include <string>
#include <vector>

#include "app/profile_port.h"

namespace meridax {

inline constexpr int kRecentFileLimit = 15;
inline constexpr std::size_t kRecentFileMenuWidth = 30;

class RecentFileList {
 public:
  // Puts a path at the head; an equal entry moves there instead of repeating, the oldest beyond 15 is dropped.
  void add(const std::string& path);
  void remove(const std::string& path);
  const std::vector<std::string>& entries() const { return entries_; }
  bool empty() const { return entries_.empty(); }

  friend bool operator==(const RecentFileList&, const RecentFileList&) = default;

 private:
  std::vector<std::string> entries_;
};

// The non-empty entries "File1" ... "File15", in order.
RecentFileList readRecentFiles(const ProfilePort& profile);
// All 15 keys: the entries, then empty texts, so that no older entry survives a shorter list.
void writeRecentFiles(ProfilePort& profile, const RecentFileList& list);

// A path shortened for the File menu: whole when it fits `width`, else "/.../" and as many trailing
// directories as fit, else the file name alone.
std::string abbreviatedPath(const std::string& path, std::size_t width = kRecentFileMenuWidth);

}  // namespace meridax
