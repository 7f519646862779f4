// Ornel for the `ornel sim` commands that bet: what the program keeps for a
// bet run, and its main window driven as a user would drive it.
#pragma once

#include <cstdint>
#include <string>

#include "base/message_box_notifier.h"
#include "base/profile_store.h"
#include "base/settings.h"
#include "base/next_bet_file.h"
#include "betdata/bet_list_state.h"
#include "clientdata/vote_log.h"
#include "base/voting_terms.h"
#include "driver/bet_runner.h"
#include "driver/client_connector.h"
#include "driver/driver_state.h"
#include "driver/pat_driver.h"
#include "ui/main_window.h"
#include "base/run_control.h"

namespace cli {

// Everything the program keeps, one instance, with its settings read from
// the profile.
struct BetRunWorld {
    BetRunWorld(base::ProfileStore& profileStore, std::int64_t clock);
    BetRunWorld(const BetRunWorld&) = delete;
    BetRunWorld& operator=(const BetRunWorld&) = delete;

    base::Settings settings;
    base::ProfileStore& profile;
    base::MessageBoxNotifier notifier;
    base::VotingTerms terms;
    clientdata::VoteLogState voteLog;
    betdata::BetListState betList;
    base::CurrentBetFile betFile;
    base::RunControl run;
    driver::DriverState state;
    driver::PatDriver driver{state, terms, betFile, settings, notifier, run.programClock};
    driver::ClientConnector connector{driver};
    driver::BetRun betRun{driver, run, run.runState, betList};
    ui::MainWindowModel model{settings, profile, notifier, terms, voteLog, betList, betFile, run, &connector, &betRun};
};

// The program's main window driven by a batch command as a user would drive
// it: the start-up steps that precede betting, text typed into the BetList
// and Enter, 投票; it tells the lines a run reads and the tick on which
// FinishRun completed a run.
class DrivenMainWindow : public ui::MainWindow {
protected:
    explicit DrivenMainWindow(BetRunWorld& world);

    // What the start-up does before a bet can be placed: the driver's
    // settings and flags, today's bet file and the newest vote log (so the
    // vote log of a run is read when it has finished).
    bool onInitDialog() override;
    plat::Lresult onMessage(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam, bool& handled) override;

    // The text as typed into the list (replacing it), then Enter on its
    // first line.
    void typeIntoList(const std::string& text);
    // 投票 (STOP during a run), as a click would.
    void pressBet();

    // The run has read its lineNumber-th line of the list.
    virtual void onLineRead(int /*lineNumber*/) {}
    // FinishRun has completed a run that ended with result (1 or -1).
    virtual void onRunCompleted(std::int16_t result) = 0;

    BetRunWorld& world_;

private:
    void watchLineReads();
    int linesRead_ = 0;
};

// `ornel sim bet`'s window: one bet text, 投票, STOP after some lines when
// asked; it closes once the run has been completed.
class BetWindow : public DrivenMainWindow {
public:
    // betText: bet text with CR LF line ends.  stopAfterLines above 0:
    // STOP is pressed once the run has read that many lines.
    BetWindow(BetRunWorld& world, std::string betText, int stopAfterLines);

    // The RunState the run ended with (1 or -1); 0 when no run started.
    std::int16_t runResult() const { return runResult_; }
    // The BetList after the run was completed.
    const std::string& listAfter() const { return listAfter_; }
    // The status box after the run was completed.
    const std::string& statusAfter() const { return statusAfter_; }
    // Virtual milliseconds from the 投票 press until the run was completed.
    std::int64_t runMs() const { return runMs_; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onLineRead(int lineNumber) override;
    void onRunCompleted(std::int16_t result) override;

private:
    void finish();

    std::string betText_;
    int stopAfterLines_;
    std::int16_t runResult_ = base::kRunIdle;
    std::string listAfter_;
    std::string statusAfter_;
    std::uint32_t pressedAt_ = 0;
    std::int64_t runMs_ = 0;
};

}  // namespace cli
