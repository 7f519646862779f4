// What the bet-list commands of the main window work on: its controls, the
// bet-list state, the voting terms, the settings, the current bet file, the
// user and the client steps.  The main window owns the values and hands
// this out by reference.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "base/notifier.h"
#include "base/profile_store.h"
#include "base/settings.h"
#include "base/next_bet_file.h"
#include "betdata/bet_list_context.h"
#include "base/bet_list_edit.h"
#include "betdata/bet_list_state.h"
#include "betdata/bet_status.h"
#include "betdata/unmovable_bet_files.h"
#include "base/voting_terms.h"
#include "platform/wintypes.h"

namespace betdata {

struct BetListWindows {
    plat::Hwnd main = 0;     // the main window (receives the private messages)
    plat::Hwnd betList = 0;  // the list edit
    plat::Hwnd staging = 0;  // the hidden staging edit
    plat::Hwnd status = 0;   // the status box
};

struct BetDataContext {
    BetListWindows windows;
    BetListState& state;
    base::VotingTerms& terms;
    base::Settings& settings;
    base::ProfileStore& profile;
    base::Notifier& notifier;
    base::CurrentBetFile& betFile;
    UnmovableBetFiles& unmovableFiles;
    const std::atomic<std::int64_t>& clock;  // the program clock
    const std::atomic<int>& autoMode;
    // The client steps: ConnectClient (none: nothing to connect, the step
    // succeeds) and RefreshVotingTerms (empty: nothing to do).
    base::TermsConnector* connector = nullptr;
    std::function<void()> refreshVotingTerms;
    // RefreshVoteLog with the main window's vote-log context.
    std::function<void()> refreshVoteLog;

    // The bet list as the grammar sees it.
    base::EditBetList listText{0};

    BetListContext listContext() {
        listText = base::EditBetList(windows.betList);
        return BetListContext{listText, state, terms, notifier, connector};
    }
    void showStatus() { ShowBetStatus(windows.status, state, terms); }
    // ConnectClient with mode 0: true when the day's terms are ready.
    bool connectTerms() { return connector == nullptr || connector->connectClient(base::kConnectTermsOnly) == 0; }
};

}  // namespace betdata
