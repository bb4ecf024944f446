#include "app/app_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "app/app_test_support.h"

namespace meridax {
namespace {

EnvironmentLookup environmentOf(std::map<std::string, std::string> values) {
  return [values](const char* name) -> std::optional<std::string> {
    const auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
}

TEST(AppPaths, DataDirectory_PrefersAppDataThenXdgThenHome) {
  EXPECT_EQ(dataDirectory(environmentOf({{"APPDATA", "/data"}, {"XDG_DATA_HOME", "/xdg"}, {"HOME", "/home/p"}})),
            "/data");
  EXPECT_EQ(dataDirectory(environmentOf({{"APPDATA", ""}, {"XDG_DATA_HOME", "/xdg"}})), "/xdg");
  EXPECT_EQ(dataDirectory(environmentOf({{"XDG_DATA_HOME", "relative"}, {"HOME", "/home/p"}})),
            "/home/p/.local/share");
  EXPECT_EQ(dataDirectory(environmentOf({{"HOME", "/root/"}})), "/root/.local/share");
  EXPECT_EQ(dataDirectory(environmentOf({})), "");
}

TEST(AppPaths, Directories_LieBelowTheDataDirectory) {
  EXPECT_EQ(backupDirectoryIn("/home/p/.local/share"), "/home/p/.local/share/Meridax/Backup");
  EXPECT_EQ(rtfImageDirectoryIn("/data/"), "/data/Meridax/RTFImages");
  EXPECT_EQ(backupDirectoryIn(""), "");
}

TEST(AppPaths, ProgramDirectory_IsThePathUpToTheLastSlash) {
  EXPECT_EQ(programDirectoryOf("/usr/local/bin/meridax"), "/usr/local/bin");
  EXPECT_EQ(programDirectoryOf("/meridax"), "/");
  EXPECT_EQ(programDirectoryOf("meridax"), ".");
}

}  // namespace

TEST(AppPaths, HelpDirectory_InstalledManualFirstThenTheBuildTreesThenInstalledPlace) {
  struct Case {
    bool installed, built;
    const char* expected;  // "share" the installed place, "build" the build tree's
  };
  for (const Case c : {Case{true, true, "share"}, Case{false, true, "build"}, Case{true, false, "share"},
                       Case{false, false, "share"}}) {
    testing::TempDir dir;
    std::filesystem::create_directories(dir.file("share/meridax/help"));
    std::filesystem::create_directories(dir.file("build/help"));
    if (c.installed) testing::writeTextFile(dir.file("share/meridax/help/meridax.html"), "<html>");
    if (c.built) testing::writeTextFile(dir.file("build/help/meridax.html"), "<html>");
    const std::string expected = std::string(c.expected) == "share" ? dir.file("share/meridax/help") : dir.file("build/help");
    EXPECT_EQ(helpDirectoryFor(dir.file("share/meridax/help"), dir.file("build/help"), "meridax.html"), expected)
        << c.installed << c.built;
  }
}

TEST(AppPaths, HelpDirectory_NeverAPlaceFoundFromWhereTheProgramOrThePersonIs) {
  // A manual planted beside a copy of the program, or below the working directory, is not looked at: only
  // the two full paths the program was built with count.
  testing::TempDir dir;
  std::filesystem::create_directories(dir.file("share/meridax/help"));
  testing::writeTextFile(dir.file("share/meridax/help/meridax.html"), "<html>planted");
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const std::string chosen = helpDirectoryFor("share/meridax/help", "../share/meridax/help", "meridax.html");
  std::filesystem::current_path(previous);
  EXPECT_EQ(chosen, "") << "no place known, reported missing, rather than the planted manual";
  EXPECT_EQ(helpDirectoryFor("/nonexistent/share/meridax/help", dir.file("share/meridax/help"), "meridax.html"),
            dir.file("share/meridax/help"));
}

}  // namespace meridax
