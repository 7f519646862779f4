// Ornel's side of `ornel sim bet`: what the program keeps for a bet run and
// a stand-in for the main window holding the list edit, the status box and
// the six buttons.  The window runs the 投票 command and, on its two-second
// timer, completes the run with FinishRun, as the main window does.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "app/message_box_notifier.h"
#include "app/settings.h"
#include "betdata/bet_file_paths.h"
#include "betdata/bet_list_state.h"
#include "clientdata/vote_log.h"
#include "clientdata/voting_terms.h"
#include "driver/bet_runner.h"
#include "driver/driver_state.h"
#include "driver/pat_driver.h"
#include "platform/dialog.h"
#include "ui/bet_command.h"

namespace cli {

// Everything the program keeps for a run, one instance.
struct BetRunWorld {
    BetRunWorld(const app::Settings& initial, std::int64_t clockNow) : settings(initial), clock(clockNow) {}
    BetRunWorld(const BetRunWorld&) = delete;
    BetRunWorld& operator=(const BetRunWorld&) = delete;

    app::Settings settings;
    driver::DriverState state;
    clientdata::VotingTerms terms;
    betdata::CurrentBetFile betFile;
    clientdata::VoteLogState voteLog;
    app::MessageBoxNotifier notifier;
    std::atomic<std::int64_t> clock;  // the program clock
    driver::PatDriver driver{state, terms, betFile, settings, notifier, clock};
    driver::RunControl control;
    driver::RunState runState{driver::kRunIdle};
    betdata::BetListState list;
    driver::BetRun run{driver, control, runState, list};
};

class BetWindow : public plat::Dialog, private ui::BetCommandHost, private clientdata::VoteLogHost {
public:
    // betText: the bet text (CR LF line ends) put into the list and parsed
    // as Enter would parse it; then 投票 is pressed.  With stopAfterLines
    // above 0, STOP is pressed once the run has read that many lines.
    BetWindow(BetRunWorld& world, std::string betText, int stopAfterLines);

    // The RunState the run ended with (1 or -1); 0 when no run started.
    std::int16_t runResult() const { return runResult_; }
    // The list after the run was completed.
    const std::string& listAfter() const { return listAfter_; }
    // Virtual milliseconds from the 投票 press until the run was completed.
    std::int64_t runMs() const { return runMs_; }

private:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    plat::Lresult onMessage(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam, bool& handled) override;

    // ui::BetCommandHost
    void reparseRequest(bool skipTermsCheck) override;
    void clearCommand() override;
    void focusBetList() override;
    void autoToggle() override;
    void loadNewVoteLog() override;
    // clientdata::VoteLogHost
    std::string mainCaption() override;
    void setMainCaption(const std::string& caption) override;
    void showBetStatus() override;
    void storeCurrentInfo(const std::string& line) override;

    void onTimer();
    void watchLineReads();
    void finish();
    plat::Hwnd list() const { return item(ui::kIdBetList); }
    ui::BetCommand command() { return {hwnd(), *this, world_.run}; }

    BetRunWorld& world_;
    std::string betText_;
    int stopAfterLines_;
    int linesRead_ = 0;
    std::int16_t runResult_ = driver::kRunIdle;
    std::string listAfter_;
    std::uint32_t pressedAt_ = 0;
    std::int64_t runMs_ = 0;
};

}  // namespace cli
