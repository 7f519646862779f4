// The main window's dialog with its bet-list work: the status box, the
// BetList and the six buttons; the BetList's replacement procedure, the
// three private messages, the commands 読込, ﾏ-ｼﾞ and ｸﾘｱ, and the commands on
// the client's data files (start times, timer-bet file).  Every command
// has one id and is dispatched through the command table, whichever control
// or menu it comes from.
//
// MainWindow builds the program's window on it; the batch commands run it
// alone on a headless desktop.
#pragma once

#include <functional>
#include <map>

#include "base/notifier.h"
#include "base/profile_store.h"
#include "base/run_control.h"
#include "base/settings.h"
#include "betdata/bet_data_context.h"
#include "betdata/bet_list_commands.h"
#include "betdata/list_edit_proc.h"
#include "clientdata/vote_log.h"
#include "base/voting_terms.h"
#include "driver/bet_runner.h"
#include "platform/dialog.h"

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
    // The client connection (filled in by the driver); none: the connect
    // step succeeds without a client.
    base::TermsConnector* connector = nullptr;
    // The bet run the 投票 command starts (filled in by the application);
    // none: 投票 does nothing.
    driver::BetRun* betRun = nullptr;
};

class BetListWindow : public plat::Dialog, private clientdata::VoteLogHost {
public:
    explicit BetListWindow(MainWindowModel& model);
    ~BetListWindow() override;

    // Runs a command by its id; false when the id names none.
    bool runCommand(int id);
    // Adds or replaces the command of an id.
    void setCommand(int id, std::function<void()> command);

    betdata::BetDataContext& betData() { return betData_; }
    betdata::BetListCommands& listCommands() { return listCommands_; }
    clientdata::VoteLogHost& voteLogHost() { return *this; }

protected:
    // Sets up the controls and the BetList's procedure; the counters start at 0.
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override {}  // Enter belongs to the BetList; there is no default button
    plat::Lresult onMessage(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam,
                            bool& handled) override;

    MainWindowModel& model_;

private:
    void widenStagingEdit();
    void refreshVoteLog();

    // VoteLogHost
    std::string mainCaption() override;
    void setMainCaption(const std::string& caption) override;
    void showBetStatus() override;
    void storeCurrentInfo(const std::string& line) override;

    betdata::BetDataContext betData_;
    betdata::BetListCommands listCommands_;
    betdata::ListEditSubclass listProc_;
    std::map<int, std::function<void()>> commands_;
};

}  // namespace ui
