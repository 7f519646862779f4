// AutoMode: everything the main window does on its own two-second timer.
// Each tick completes a bet run that has ended, refreshes the program clock
// and, on their own counters, checks the deadline alarm (every 30 ticks),
// watches the bet-file directory and refreshes the vote log (a 6-tick
// cycle), and on every "Bet File Watch Distance" seconds walks the minutes
// for timer-bet files and the payout fetch and performs the auto exit.
// Picking up files, the payout fetch and the auto exit happen only in AUTO
// mode; the rest in either mode.  Main window's thread only.
#pragma once

#include <string>

#include "base/path_helpers.h"
#include "base/run_control.h"
#include "base/settings.h"
#include "base/voting_terms.h"
#include "platform/wintypes.h"

namespace ui {

// The main window's timer, which drives the ticks: id 1, every two seconds.
constexpr plat::Uint kTickTimer = 1;
constexpr plat::Uint kTickMs = 2000;
constexpr unsigned kTickSeconds = kTickMs / 1000;
// The deadline alarm is checked on every 30th tick (once a minute).
constexpr int kAlarmCheckTicks = 30;
// The bet-file watch runs on the third tick of each 6-tick cycle, the
// vote-log refresh on its last.
constexpr int kCycleTicks = 6;
constexpr int kBetFileWatchTick = 2;

// What the tick calls on in the main window and the client driver.
class AutoModeHost {
public:
    virtual ~AutoModeHost() = default;
    // FinishRun: completes a run that has ended (RunState 1 or -1).
    virtual void finishRun() = 0;
    // 投票 (OnBet): starts a run on the BetList.
    virtual void bet() = 0;
    // RefreshVotingTerms: 0 when the client holds today's terms (or nothing
    // was to be done), -1 when it refused.
    virtual int refreshVotingTerms() = 0;
    // LoadBetFile: the file appended to the bet log, imported into the
    // BetList and renamed or removed.  True when the file was loaded whole;
    // false when nothing was loaded or the user cancelled the import at one
    // of its questions (the file then stays, to be offered again).
    virtual bool loadBetFile(const std::string& path) = 0;
    // The client's next vote log loaded into the running totals when it has
    // data, and the status box redrawn when it counted.
    virtual void loadNewVoteLog() = 0;
    virtual void showBetStatus() = 0;
    // The day's payouts fetched from the client and reconciled with the bet
    // log (with the wait cursor up).
    virtual void fetchPayouts() = 0;
    // CloseClient (its result is not used).
    virtual void closeClient() = 0;
};

struct AutoMode {
    base::RunControl& run;             // with AutoMode's counters and cursors
    const base::Settings& settings;
    const base::VotingTerms& terms;    // start times; statusDirty
    base::CurrentBetFile& betFile;     // the bet-file directory
    const std::string& nextLogPath;    // the client's vote log expected next
    plat::Hwnd window;                 // the main window
    AutoModeHost& host;
};

// One tick of timer 1.
void OnTimer(AutoMode& autoMode);

}  // namespace ui
