// Where the program keeps its profile, and loading a real profile file.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/load_settings.h"
#include "base/profile_store.h"
#include "platform/sim/desktop.h"
#include "support/support.h"

namespace {

TEST(ProfilePath, TheExecutablesNameWithIniInTheWindowsDirectory) {
    testsupport::TempDir dir;
    sim::Desktop desktop(sim::Desktop::Options{dir.path()});
    std::string path;
    base::Settings settings;
    desktop.startProgram("Ornel", dir.file("bin/Ornel.exe"), [&] {
        path = base::ProgramProfilePath();
        base::LoadSettings(path, settings);
    });
    desktop.run();
    EXPECT_EQ(path, dir.file("WINDOWS/Ornel.INI"));
    EXPECT_EQ(settings.limitRace, 5000);
    // Loading wrote nothing, so no profile was made.
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
