// `ornel sim day` end to end: a whole race day in a simulated home — every
// file written is picked up and every bet placed once, alarms sound, the
// payout report is written and the program closes itself at 17:00 — and a
// day whose client fails, where the bet that was not placed is named.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "run_ornel.h"
#include "support/support.h"

using cli_test::runOrnel;
using testsupport::u8;

namespace {

class SimDayCommand : public ::testing::Test {
protected:
    cli_test::Run day(std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {"sim", "day", "--home", home.path() + "home", "--date", "1999-03-28"};
        args.insert(args.end(), extra.begin(), extra.end());
        return runOrnel(args, "", "C.UTF-8");
    }
    // The value after "key " on its line of the output.
    static std::string valueOf(const std::string& out, const std::string& key) {
        const std::size_t at = out.find("\n" + key + " ");
        if (at == std::string::npos) return "";
        const std::size_t from = at + key.size() + 2;
        return out.substr(from, out.find('\n', from) - from);
    }
    static bool hasEvent(const std::string& out, const std::string& text) {
        return out.find(" " + text + "\n") != std::string::npos;
    }

    testsupport::TempDir home;
};

TEST_F(SimDayCommand, AWholeDayPlacesEveryFileOnceAndEndsAtTheAutoExit) {
    const auto run = day();
    ASSERT_EQ(run.status, 0) << run.err << run.out;
    EXPECT_EQ(valueOf(run.out, "files"), "8 picked 8");
    EXPECT_EQ(valueOf(run.out, "timer-files"), "2 picked 2");
    EXPECT_EQ(valueOf(run.out, "runs"), "10 finished 10 failed 0");
    std::istringstream bets(valueOf(run.out, "bets"));
    std::string written, placed;
    int w = 0, p = 0;
    bets >> written >> w >> placed >> p;
    EXPECT_GT(w, 0);
    EXPECT_EQ(w, p);
    EXPECT_GT(std::stoi(valueOf(run.out, "alarms")), 0);
    const std::string report = valueOf(run.out, "report");
    EXPECT_EQ(report, home.path() + "home/bets/Hi990328.Txt");
    EXPECT_TRUE(std::filesystem::is_regular_file(report));
    EXPECT_TRUE(hasEvent(run.out, "picked up 99032801.BET"));
    EXPECT_NE(run.out.find("\n17:00:"), std::string::npos) << "closed at the auto exit";
    EXPECT_TRUE(hasEvent(run.out, "program closed"));
    // The day's settings were the run's: the home's profile keeps its own.
    const std::string profile = testsupport::readBytes(home.path() + "home/WINDOWS/Ornel.INI");
    EXPECT_EQ(profile.find("Auto Mode"), std::string::npos);
    EXPECT_EQ(profile.find("Auto Exit Time"), std::string::npos);
}

TEST_F(SimDayCommand, ABetTheDayLostIsNamedAndTheExitStatusSaysSo) {
    // A transfer error at the first login leaves the client unusable: the
    // re-parse of the first file's bets cannot reach it, so no run starts
    // and they stay in the list; the timer-bet file due next is refused and
    // not tried again.
    const auto run = day({"--fault", "transfer-error", "--files", "1", "--timer-files", "1"});
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_EQ(valueOf(run.out, "runs"), "0 finished 0 failed 0") << run.out;
    EXPECT_EQ(valueOf(run.out, "timer-files"), "1 picked 0");
    EXPECT_NE(run.err.find("ornel sim day: "), std::string::npos);
    EXPECT_NE(run.err.find(": written 1, placed 0, left after a failed run 0"), std::string::npos) << run.err;
}

TEST_F(SimDayCommand, TheDayNeedsADateAndTakesNoOtherStartTime) {
    EXPECT_EQ(runOrnel({"sim", "day", "--home", home.path() + "home"}).status, 2);
    const auto now = day({"--now", "1999-03-28 10:00"});
    EXPECT_EQ(now.status, 2);
    EXPECT_NE(now.err.find("unknown option --now"), std::string::npos) << now.err;
    EXPECT_EQ(day({"--files", "100"}).status, 2);
    EXPECT_EQ(runOrnel({"sim", "day", "--home", home.path() + "home", "--date", "1999-02-30"}).status, 2);
}

}  // namespace
