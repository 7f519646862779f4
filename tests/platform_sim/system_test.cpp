// Shell execute, sounds, power-off and help, as the trace records them.
#include <filesystem>
#include <fstream>

#include "sim_fixture.h"
#include "platform/system.h"
#include "support/support.h"

using namespace simtest;
using Kind = sim::TraceEvent::Kind;

namespace {

// A directory of its own, removed afterwards.
class ScratchDir {
public:
    ScratchDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "ornel-sim-XXXXXX").string();
        path_ = mkdtemp(tmpl.data()) ? tmpl : std::string();
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string touch(const std::string& name) const {
        std::string p = path_ + "/" + name;
        std::ofstream(p) << "x";
        return p;
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

TEST_F(SimTest, ShellExecuteStartsTheProgramRegisteredForTheFile) {
    ScratchDir dir;
    std::string exe = dir.touch("PAT95V3.EXE");
    dir.touch("notes.txt");
    std::string startedWith, startedProgram, startedExe;
    desktop.registerProgram("client", "Pat95*.exe", [&](const std::string& path) {
        startedWith = path;
        startedProgram = sim::currentProgramName();
        startedExe = sim::currentProgramExePath();
    });

    int found = 0, missing = 0, unregistered = 0;
    ASSERT_TRUE(desktop.call("ornel", [&] {
        found = plat::shellExecute(0, "open", exe, "", dir.path(), 1);
        missing = plat::shellExecute(0, "open", dir.path() + "/Pat95.exe", "", "", 1);
        unregistered = plat::shellExecute(0, "open", "notes.txt", "", dir.path(), 1);
    }));
    EXPECT_GT(found, 32);
    EXPECT_EQ(missing, 2);
    EXPECT_EQ(unregistered, 31);
    desktop.run();
    EXPECT_EQ(startedWith, exe);
    EXPECT_EQ(startedProgram, "client");
    EXPECT_EQ(std::filesystem::path(startedExe).parent_path(), std::filesystem::path(dir.path()));

    const auto& trace = desktop.trace();
    ASSERT_EQ(trace.size(), 3u);
    EXPECT_EQ(trace[0].kind, Kind::Shell);
    EXPECT_EQ(trace[0].fromProgram, "ornel");
    EXPECT_EQ(trace[0].text, exe);
    EXPECT_EQ(trace[0].value, found);
    EXPECT_EQ(trace[1].value, 2);
}

TEST_F(SimTest, SoundPowerOffAndHelpAreRecorded) {
    ScratchDir dir;
    std::string wave = dir.touch("alarm.wav");
    bool played = false, silent = true;
    desktop.runFor(60'000);
    ASSERT_TRUE(desktop.call("ornel", [&] {
        played = plat::playSound(wave, plat::SND_ASYNC | plat::SND_NODEFAULT);
        silent = plat::playSound(dir.path() + "/none.wav", plat::SND_ASYNC | plat::SND_NODEFAULT);
        plat::winHelp(0, "ORNEL.HLP", plat::HELP_FINDER);
        plat::exitWindows(plat::EWX_POWEROFF);
    }));
    EXPECT_TRUE(played);
    EXPECT_FALSE(silent);
    const auto& trace = desktop.trace();
    ASSERT_EQ(trace.size(), 4u);
    EXPECT_EQ(trace[0].kind, Kind::Sound);
    EXPECT_EQ(trace[0].text, wave);
    EXPECT_EQ(trace[0].timeMs, 60'000);
    EXPECT_EQ(trace[2].kind, Kind::Help);
    EXPECT_EQ(trace[2].value, plat::HELP_FINDER);
    EXPECT_EQ(trace[3].kind, Kind::PowerOff);
    EXPECT_EQ(trace[3].value, plat::EWX_POWEROFF);
    EXPECT_EQ(trace[3].fromProgram, "ornel");
}

TEST(ClockWithoutDesktop, LocalTimeFollowsTheProcessZone) {
    testsupport::useJapanTime();
    plat::LocalTime t = plat::localTime(kStartTime);
    EXPECT_EQ(t.year, 2024);
    EXPECT_EQ(t.month, 5);
    EXPECT_EQ(t.day, 1);
    EXPECT_EQ(t.hour, 9);
    EXPECT_EQ(t.weekday, 3);
    EXPECT_EQ(plat::fromLocalTime(t), kStartTime);
    EXPECT_EQ(plat::formatTime(kStartTime, "%y%m%d %H:%M 東京"), "240501 09:00 東京");
    EXPECT_EQ(plat::formatTime(kStartTime, ""), "");
    // The host's clock when no desktop exists.
    EXPECT_GT(plat::now(), kStartTime);
}
