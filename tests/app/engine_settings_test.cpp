#include "app/engine_settings.h"

#include <filesystem>

#include "app/app_test_support.h"
#include "app/memory_profile.h"

namespace meridax::testing {
namespace {

TEST(EngineSettings, TheFirstRunFindsGnuGoOnThePathAndLaterRunsKeepWhatWasWritten) {
  TempDir dir;
  const std::string gnugo = dir.file("gnugo");
  writeTextFile(gnugo, "#!/bin/sh\n");
  std::filesystem::permissions(gnugo, std::filesystem::perms::owner_all);

  MemoryProfile profile;
  const EngineSettings first = readEngineSettings(profile, "/nonexistent:" + dir.path());
  ASSERT_EQ(first.engines.size(), 1u);
  EXPECT_EQ(first.engines[0], (EngineEntry{"GNU Go", gnugo + " --mode gtp", ""}));
  EXPECT_EQ(first.current(), &first.engines[0]);

  EngineSettings chosen;
  chosen.engines = {EngineEntry{"GNU Go", "gnugo --mode gtp --level 1", ""},
                    EngineEntry{"Other", "'/opt/my engine/run' --gtp", "/opt/my engine"}};
  chosen.selected = 1;
  writeEngineSettings(profile, chosen);
  EXPECT_EQ(readEngineSettings(profile, dir.path()), chosen) << "GNU Go is not added again";

  // An emptied list stays empty; a selection beyond the list and entries without a command are mended.
  writeEngineSettings(profile, EngineSettings{});
  EXPECT_EQ(readEngineSettings(profile, dir.path()).current(), nullptr);
  profile.writeInt("Engines", "Count", 3);
  profile.writeInt("Engines", "Selected", 7);
  profile.writeString("Engines", "Command 1", "");
  profile.writeString("Engines", "Name 2", "Kept");
  profile.writeString("Engines", "Command 2", "kept --gtp");
  const EngineSettings mended = readEngineSettings(profile, dir.path());
  ASSERT_EQ(mended.engines.size(), 1u);
  EXPECT_EQ(mended.current()->name, "Kept");
  EXPECT_EQ(mended.selected, 0);
}

}  // namespace
}  // namespace meridax::testing
