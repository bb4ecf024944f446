#pragma once
// Where the application keeps its files: the data directory ("APPDATA" where it is set, else the XDG data
// home), the backup and RTF image directories below it, and the program's own directory.

#include <functional>
#include <optional>
#include <string>

namespace meridax {

inline constexpr char kApplicationName[] = "Meridax";

// Looks up an environment variable; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// The process environment.
std::optional<std::string> processEnvironment(const char* name);

// $APPDATA when set and not empty, else $XDG_DATA_HOME when it is a full path, else $HOME/.local/share;
// empty when none of them is known.
std::string dataDirectory(const EnvironmentLookup& environment = processEnvironment);

// "<data>/Meridax/Backup"; empty for an empty data directory (backups then go beside the program).
std::string backupDirectoryIn(const std::string& dataDirectory);
// "<data>/Meridax/RTFImages"; empty for an empty data directory.
std::string rtfImageDirectoryIn(const std::string& dataDirectory);

// The directory part of the running program's path (up to its last '/'); "." when it has none.
std::string programDirectoryOf(const std::string& programPath);

// The directory of the HTML manual: `installedDirectory` ("<prefix>/share/meridax/help" of the prefix the
// program was built for) when it holds the manual's first page (`pageName`), else `buildDirectory` (the
// manual of the program's own build tree) when it holds it, else the installed one (whose absence the help
// command then reports). Only full paths count, so the manual is never looked for relative to the working
// directory or to wherever the program has been copied; empty when neither is a full path.
std::string helpDirectoryFor(const std::string& installedDirectory, const std::string& buildDirectory,
                             const std::string& pageName);

// The system's folder for temporary files ($TMPDIR, else /tmp).
std::string systemTemporaryDirectory();

}  // namespace meridax
