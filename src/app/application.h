// The application object: one instance owns everything the program keeps —
// Settings and their profile, the voting terms and vote-log state, the
// bet-list state, run control, the driver's state and the client
// connection — and runs the process: settings loaded, the main window run
// modally until it closes, the dialing prefix restored.  However the window
// ends — closed by the user, by the auto exit, or by a quit message — the
// process goes on after it to the same shutdown steps.
//
// Front ends and tests build this object and nothing else; what differs
// between them is only where the profile is and whether a betting client is
// installed.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "base/message_box_notifier.h"
#include "base/profile_store.h"
#include "base/run_control.h"
#include "base/settings.h"
#include "base/voting_terms.h"
#include "betdata/bet_list_state.h"
#include "clientdata/payout_tables.h"
#include "clientdata/reconcile_bet_log.h"
#include "clientdata/vote_log.h"
#include "driver/bet_runner.h"
#include "driver/client_connector.h"
#include "driver/driver_state.h"
#include "driver/modem_setting.h"
#include "driver/pat_driver.h"
#include "ui/main_window.h"

namespace app {

struct ProgramOptions {
    // The settings profile; empty: the program's own (its executable's name
    // with ".INI" in the Windows directory).
    std::string profilePath;
    // Writes to the profile are dropped (commands that must leave the
    // user's settings as they are).
    bool readOnlyProfile = false;
    // Without an installed client, only the client's files are read and
    // 投票 has nothing to run.
    driver::ClientPresence client = driver::ClientPresence::Installed;
    // Runs once the settings are loaded, before the main window starts
    // (directories named on a command line).
    std::function<void(base::Settings&)> adjustSettings;
    // Told after each command that operated the betting client, with the
    // command's id and the operation's result (see ui::MainWindowModel).
    std::function<void(int command, int result)> clientOperated;
};

class Application : private ui::MainWindowShell {
public:
    explicit Application(ProgramOptions options = {});
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The process on the calling (the program's main) thread; returns its
    // exit status.
    int run();

    // The main window while it runs; null before and after.
    ui::MainWindow* window() const { return window_.load(); }
    plat::Hwnd mainWindow() const;
    // The settings profile (read-only for some front ends); valid once run()
    // has loaded the settings.
    base::ProfileStore& profile() { return *profile_; }
    const ProgramOptions& options() const { return options_; }
    // Whether a betting client is installed to be operated.
    bool clientInstalled() const { return options_.client == driver::ClientPresence::Installed; }
    // What a reconciliation works on, as the settings stand now.
    clientdata::PayoutContext payoutContext(ui::MainWindow& window);

    base::Settings settings;
    base::MessageBoxNotifier notifier;
    base::VotingTerms terms;
    clientdata::VoteLogState voteLog;
    betdata::BetListState betList;
    base::CurrentBetFile betFile;
    base::RunControl runControl;
    driver::DriverState driverState;
    driver::PatDriver driver{driverState, terms, betFile, settings, notifier, runControl.programClock};
    driver::ClientConnector connector;
    driver::BetRun betRun{driver, runControl, runControl.runState, betList};
    // The payouts of the last reconciliation (empty before the first).
    clientdata::PayoutTables payoutTables;
    driver::DialingPrefixState dialingPrefix;

private:
    void openProfile();

    // MainWindowShell
    void windowCreated(plat::Hwnd window) override;
    void showCaution(plat::Hwnd window) override;
    ui::ExitChoice confirmExit(plat::Hwnd window) override;
    void startUpModem(plat::Hwnd window) override;
    void fetchPayouts() override;

    ProgramOptions options_;
    std::unique_ptr<base::FileProfileStore> profileFile_;
    std::unique_ptr<base::ReadOnlyProfileStore> readOnlyProfile_;
    base::ProfileStore* profile_ = nullptr;
    std::atomic<ui::MainWindow*> window_{nullptr};
};

}  // namespace app
