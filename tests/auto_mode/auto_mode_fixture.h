// AutoMode's tick on a simulated desktop in virtual time: a window with the
// main window's controls whose timer 1 runs the tick, and a host that stands
// in for the main window's commands and the client driver.  The host records
// every call with the local time it came at; its runs are threads that end
// after a set time, as the BetRunner does.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/run_control.h"
#include "base/settings.h"
#include "base/voting_terms.h"
#include "platform/dialog.h"
#include "platform/sim/desktop.h"
#include "platform/sim/scripted_user.h"
#include "support/support.h"
#include "ui/auto_mode.h"

namespace automode_test {

// Sunday 28 March 1999 (Asia/Tokyo).
constexpr std::int64_t k0850 = 922578600;
constexpr std::int64_t k0920 = 922580400;
constexpr std::int64_t k1010 = 922583400;
constexpr std::int64_t k1655 = 922607700;

struct HostCall {
    std::string time;  // local "HH:MM:SS"
    std::string what;  // "finish", "bet", "refresh", "load NAME", "votelog", "status", "payouts", "close-client"
    int runSource = 0;
    std::int16_t runState = 0;
};

class AutoModeTest;

class RecordingHost : public ui::AutoModeHost {
public:
    explicit RecordingHost(AutoModeTest& test) : test_(test) {}

    void finishRun() override;
    void bet() override;
    int refreshVotingTerms() override;
    bool loadBetFile(const std::string& path) override;
    void loadNewVoteLog() override;
    void showBetStatus() override;
    void fetchPayouts() override;
    void closeClient() override;

    std::vector<HostCall> calls;
    // A run lasts this long (virtual ms) and ends with this RunState.
    std::int64_t runMs = 5 * 60 * 1000;
    std::int16_t runEnd = 1;
    // The amount limits refused: 投票 starts no run and the list stays.
    bool refuseRuns = false;
    // Loads are cancelled at a question: the lines stay, the file too.
    bool cancelLoads = false;
    // RefreshVotingTerms' result; with askFirst it first shows a box.
    int refreshResult = 0;
    bool askFirst = false;

private:
    void record(const std::string& what);
    AutoModeTest& test_;
};

class AutoModeTest : public ::testing::Test {
protected:
    explicit AutoModeTest(std::int64_t start = k0920, bool refusePowerOff = false);
    ~AutoModeTest() override;

    // Opens the window; its timer starts at once.  AUTO mode on moves the
    // timer-bet cursor to the current time, as the AUTO/MANU switch does.
    void start(bool autoMode = true);
    // Runs the desktop until the local time "HH:MM:SS" of the start day.
    void runTill(const char* hhmmss);
    // A file in the bet-file directory (Shift-JIS text).
    void writeBetFile(const std::string& name, const std::string& text = "東京 1R 単勝 1 100\r\n");
    bool betFileExists(const std::string& name) const;

    // Local times of the host's calls whose text starts with what, and the
    // calls themselves.
    std::vector<std::string> at(const std::string& what) const;
    std::vector<HostCall> callsOf(const std::string& what) const;
    // Local times of the deadline alarms (the first flash of each).
    std::vector<std::string> alarms() const;
    // The race of meeting slot 0 starting at hhmm.
    void raceAt(int race, int hhmm, int slot = 0);
    std::string listText() const;

    // Whether the window has closed, and the result of its modal loop.
    bool closed = false;
    int closeResult = 0;
    std::string closedAt;

    testsupport::TempDir dir;
    sim::Desktop desktop;
    sim::ScriptedUser user;
    base::Settings settings;
    base::VotingTerms terms;
    base::CurrentBetFile betFile;
    base::RunControl run;
    std::string nextLogPath;
    RecordingHost host{*this};
    std::unique_ptr<plat::Dialog> window;
    plat::Hwnd main = 0;

    friend class RecordingHost;

private:
    std::int64_t startTime_;
};

// Local "HH:MM:SS" of the virtual clock now.
std::string Now();

}  // namespace automode_test
