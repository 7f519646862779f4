// The bet-list window run alone on a headless desktop, for the batch
// commands that import and load bet text as the program does.  The client
// steps are skipped as if they had succeeded; the settings are only read.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "base/message_box_notifier.h"
#include "base/profile_store.h"
#include "base/settings.h"
#include "frontends/cli/batch_options.h"
#include "frontends/cli/batch_host.h"
#include "ui/bet_list_window.h"

namespace cli {

// The "Bet File Dir" setting for a directory given on the command line (the
// setting names the directory with its trailing separator).
std::string betDirectorySetting(const std::string& directory);

// The program's state for one run.
class BatchBetList {
public:
    // iniPath: the settings profile to read ("" for the defaults).
    explicit BatchBetList(std::string iniPath);

    // The betting client's directory whose voting terms are read ("" for
    // none), and the bet-file directory ("" keeps the setting's).
    std::string clientDir;
    std::string betDir;

    // Loads the settings (the directories above replace theirs) and the
    // voting terms, then runs the window on Ornel's thread with the program
    // clock at `now`: script runs once the window is up, and the window
    // closes after everything the script set off has been handled.  False
    // when the run did not come to its end (a box that nobody answered).
    bool run(BatchHost& host, std::int64_t now,
             std::function<void(ui::BetListWindow&)> script);

    // The BetList's text when the window closed.
    const std::string& listText() const { return listText_; }

    base::Settings settings;
    base::VotingTerms terms;
    clientdata::VoteLogState voteLog;
    betdata::BetListState betList;
    base::CurrentBetFile betFile;
    base::RunControl runControl;

private:
    std::string iniPath_;
    std::unique_ptr<base::ProfileStore> file_;
    std::unique_ptr<base::ProfileStore> profile_;
    base::MessageBoxNotifier notifier_;
    std::string listText_;
};

// One batch command's run: the bet-list window with the settings, terms,
// answers and program clock of the options (and their bet-file directory);
// script runs on it.  When script returns true, the list comes out on
// standard output and the boxes shown on standard error.  Returns the exit
// status: 0, or 2 after "ornel NAME: reason".
int RunBatchBetList(const char* name, const BatchOptions& options,
                    std::function<bool(ui::BetListWindow&)> script);

}  // namespace cli
