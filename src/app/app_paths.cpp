#include "app/app_paths.h"

#include <filesystem>

#include <cstdlib>

namespace meridax {
namespace {

std::string below(const std::string& dataDirectory, const char* leaf) {
  if (dataDirectory.empty()) return {};
  std::string path = dataDirectory;
  if (path.back() != '/') path += '/';
  return path + kApplicationName + "/" + leaf;
}

}  // namespace

std::optional<std::string> processEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (!value) return std::nullopt;
  return std::string(value);
}

std::string dataDirectory(const EnvironmentLookup& environment) {
  if (const auto appData = environment("APPDATA"); appData && !appData->empty()) return *appData;
  if (const auto xdg = environment("XDG_DATA_HOME"); xdg && !xdg->empty() && xdg->front() == '/') return *xdg;
  if (const auto home = environment("HOME"); home && !home->empty()) {
    return *home + (home->back() == '/' ? "" : "/") + ".local/share";
  }
  return {};
}

std::string backupDirectoryIn(const std::string& dataDirectory) { return below(dataDirectory, "Backup"); }

std::string rtfImageDirectoryIn(const std::string& dataDirectory) { return below(dataDirectory, "RTFImages"); }

std::string programDirectoryOf(const std::string& programPath) {
  const std::size_t slash = programPath.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return programPath.substr(0, slash);
}

std::string helpDirectoryFor(const std::string& installedDirectory, const std::string& buildDirectory,
                             const std::string& pageName) {
  const auto isFull = [](const std::string& directory) { return !directory.empty() && directory.front() == '/'; };
  std::error_code ignored;
  const auto holdsManual = [&](const std::string& directory) {
    return isFull(directory) && std::filesystem::is_regular_file(directory + "/" + pageName, ignored);
  };
  if (holdsManual(installedDirectory)) return installedDirectory;
  if (holdsManual(buildDirectory)) return buildDirectory;
  if (isFull(installedDirectory)) return installedDirectory;
  return isFull(buildDirectory) ? buildDirectory : std::string();
}

std::string systemTemporaryDirectory() {
  std::error_code error;
  const std::filesystem::path system = std::filesystem::temp_directory_path(error);
  return error || system.empty() ? std::string("/tmp") : system.string();
}

}  // namespace meridax
