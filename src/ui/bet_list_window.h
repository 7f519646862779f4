// The main window's dialog with its bet-list work: the status box, the
// BetList and the six buttons; the BetList's replacement procedure, its
// three private messages, the commands 読込, ﾏ-ｼﾞ and ｸﾘｱ, and the commands on
// the client's data files (start times, timer-bet file).  Every command has
// one id and is run through the command table, whichever control or menu it
// comes from.
//
// MainWindow builds the program's window on it.
#pragma once

#include <functional>

#include "base/notifier.h"
#include "base/profile_store.h"
#include "base/run_control.h"
#include "base/settings.h"
#include "base/voting_terms.h"
#include "betdata/bet_data_context.h"
#include "betdata/bet_list_commands.h"
#include "betdata/list_edit_proc.h"
#include "clientdata/vote_log.h"
#include "driver/bet_runner.h"
#include "driver/pat_driver.h"
#include "platform/dialog.h"
#include "ui/command.h"

namespace ui {

// What the main window works on; the application object owns it all.
struct MainWindowModel {
    base::Settings& settings;
    base::ProfileStore& profile;
    base::Notifier& notifier;
    base::VotingTerms& terms;
    clientdata::VoteLogState& voteLog;
    betdata::BetListState& betList;
    base::CurrentBetFile& betFile;
    base::RunControl& run;
    // The client connection; none: the connect step succeeds without a client.
    base::TermsConnector* connector = nullptr;
    // The bet run the 投票 command starts; none: 投票 does nothing.
    driver::BetRun* betRun = nullptr;
    // The client driver; none: the window does no client work of its own
    // (its timing and flags, the terms of a running client, closing it).
    driver::PatDriver* driver = nullptr;
    // Whether the Load command first restarts a client whose terms are not
    // today's (a program without a client has nothing to restart).
    bool refreshesVotingTerms = false;
    // Told after a command operated the betting client, with the command's
    // id and the operation's result (front ends that report what the
    // program did); may be empty.
    std::function<void(int command, int result)> clientOperated = {};
};

class BetListWindow : public plat::Dialog, private clientdata::VoteLogHost {
public:
    explicit BetListWindow(MainWindowModel& model);
    ~BetListWindow() override;

    CommandTable& commands() { return commands_; }
    // Runs a command as the user asked for it; false when the id names none.
    bool runCommand(int id);

    betdata::BetDataContext& betData() { return betData_; }
    betdata::BetListCommands& listCommands() { return listCommands_; }
    clientdata::VoteLogHost& voteLogHost() { return *this; }
    bool runInProgress() const { return model_.run.runState.load() != base::kRunIdle; }

protected:
    // Sets up the controls and the BetList's procedure; the counters start at 0.
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override {}  // Enter belongs to the BetList; there is no default button
    plat::Lresult onMessage(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam,
                            bool& handled) override;

    // The steps of the main window's start-up that set up the bet list.
    // bindControls first: the controls the template made, and the buttons
    // of the command table.
    void bindControls();
    void limitAndHideEdits();
    void widenStagingEdit();
    void resetListCounters();
    void subclassBetList();

    MainWindowModel& model_;

private:
    void refreshVoteLog();

    // VoteLogHost
    std::string mainCaption() override;
    void setMainCaption(const std::string& caption) override;
    void showBetStatus() override;
    void storeCurrentInfo(const std::string& line) override;

    betdata::BetDataContext betData_;
    betdata::BetListCommands listCommands_;
    betdata::ListEditSubclass listProc_;
    CommandTable commands_;
};

}  // namespace ui
