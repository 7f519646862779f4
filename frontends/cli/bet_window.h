// Ornel for `ornel sim bet`: what the program keeps for a bet run, and its
// main window driven as a user would drive it for one bet file: the text
// into the BetList and Enter, then 投票 (and STOP after some lines, when
// asked); the window closes once the run has been completed.
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

class BetWindow : public ui::MainWindow {
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
    plat::Lresult onMessage(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam, bool& handled) override;

private:
    void watchLineReads();
    void finish();

    BetRunWorld& world_;
    std::string betText_;
    int stopAfterLines_;
    int linesRead_ = 0;
    std::int16_t runResult_ = base::kRunIdle;
    std::string listAfter_;
    std::string statusAfter_;
    std::uint32_t pressedAt_ = 0;
    std::int64_t runMs_ = 0;
};

}  // namespace cli
