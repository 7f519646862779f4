// Ornel's BetRunner against the replacement client on a simulated desktop:
// the client installed with a day whose races start in the afternoon (so
// nothing closes while a run lasts) and the day's terms already fetched,
// Ornel's window thread holding the list edit, and the run's state.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/recording_notifier.h"
#include "base/settings.h"
#include "base/next_bet_file.h"
#include "betdata/bet_list_state.h"
#include "base/voting_terms.h"
#include "driver/bet_runner.h"
#include "driver/driver_state.h"
#include "driver/pat_driver.h"
#include "frontends/simhome/ornel_desktop.h"
#include "support/support.h"

namespace runnertest {

constexpr const char* kOrnel = simhome::kOrnelProgram;
constexpr std::int64_t k1000 = 912819600;  // 1998-12-05 10:00 JST
constexpr std::int64_t k1705 = 912845100;  // 1998-12-05 17:05 JST

// 東京 (slot 0): races 1-12, eighteen horses, all kinds on sale; race 11
// has sixteen horses with horse 6 scratched, so bracket 3 (horses 5 and 6)
// cannot pair with itself.  阪神 (slot 1): races 1-12 as 東京's first.
extern const char* const kRunnerDay;

class RunnerTest : public ::testing::Test {
protected:
    explicit RunnerTest(std::int64_t start = k1000);
    ~RunnerTest() override;

    // Installs the client (with faults) and has the centre write the day's
    // terms files, as a fetch earlier in the day would have.
    void install(const std::vector<std::string>& faults = {});
    void setFaults(const std::vector<std::string>& lines);
    // Puts text (CR LF line ends) into the list edit.
    void setList(const std::string& text);
    std::string listText();
    // Starts the BetRunner on the list (RunState 2, as the 投票 command sets).
    void startBets();
    // Drives the desktop until the run has ended (RunState 1 or -1); false
    // when it did not end in maxMs.
    bool runEnded(std::int64_t maxMs = 4 * 3'600'000);
    bool runBets() {
        startBets();
        return runEnded();
    }
    // Another run on the same running client: RunState back to idle (as
    // FinishRun leaves it), the line count from 0, no STOP unless asked.
    bool runAgain(int stopAfter = 0) {
        runState.store(base::kRunIdle);
        linesRead = 0;
        stopAfterLines = stopAfter;
        return runBets();
    }
    // The user presses OK on every box the client has up.
    void answerClientBoxes();
    // Counts the lines the run reads and presses STOP after stopAfterLines.
    void watchLineReads();
    // Runs fn as Ornel (a thread of its program).
    void asOrnel(const std::function<void()>& fn);

    // The centre's accepted bets as canonical bet-list lines.
    std::string ledgerText();
    // Captions of the client's controls Ornel pressed (button down), in order.
    std::vector<std::string> pressed(std::size_t fromTrace = 0) const;
    // How often a caption is among them.
    static long pressesOf(const std::vector<std::string>& pressed, const std::string& caption);
    // Ids of Ornel's messages shown (8141, 8142, ...).
    std::vector<int> messages() const { return notifier.boxIds(); }

    testsupport::TempDir home, client;
    simhome::OrnelDesktop desk;
    sim::Desktop& desktop;
    std::string exe;
    base::Settings settings;
    driver::DriverState state;
    base::VotingTerms terms;
    base::CurrentBetFile betFile;
    base::RecordingNotifier notifier;
    std::atomic<std::int64_t> clock;
    driver::PatDriver driver;
    base::RunControl control;
    base::RunState runState{base::kRunIdle};
    betdata::BetListState list;
    driver::BetRun run{driver, control, runState, list};
    plat::Hwnd host = 0;
    plat::Hwnd edit = 0;
    // When above 0, STOP is pressed (RunState -3) as soon as the run has
    // read this many lines of the list.
    int stopAfterLines = 0;
    int linesRead = 0;
};

// Canonical lines numbered from 001, from (venue name, race, kind name,
// numbers, yen) rows: "東京", 11, "馬連", {3, 5}, 1000.
struct Row {
    const char* venue;
    int race;
    const char* kind;
    std::vector<int> numbers;
    int yen;
};
std::string canonical(const std::vector<Row>& rows);

// "" when the texts are equal; else the first line where they differ, as
// "line N: <a> | <b>" in UTF-8 (for short failure messages on long lists).
std::string firstDifference(const std::string& a, const std::string& b);

}  // namespace runnertest
