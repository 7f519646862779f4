// The 投票 command of the main window and the completion of a run.
//
// OnBet starts a run (re-parse, amount limits, buttons, BetRunner thread)
// or, while one is running, asks it to stop.  FinishRun completes a run
// that has ended (RunState 1 or -1): it is called from the main window's
// timer, since the BetRunner thread posts nothing to the window.
#pragma once

#include <atomic>
#include <vector>

#include "betdata/bet_table.h"
#include "driver/bet_runner.h"
#include "platform/wintypes.h"
#include "ui/command.h"

namespace ui {

// Captions of the 投票 button (1004).
constexpr const char* kBetCaption = "投票";
constexpr const char* kStopCaption = "STOP";

// The main window's own handlers the command calls on.
class BetCommandHost {
public:
    virtual ~BetCommandHost() = default;
    // The re-parse request handler (the terms step skipped when asked);
    // false when the terms step failed and the list was not parsed.
    virtual bool reparseRequest(bool skipTermsCheck) = 0;
    virtual void clearCommand() = 0;
    virtual void focusBetList() = 0;
    virtual void autoToggle() = 0;
    // After a finished run: the client's new vote log into the running
    // totals, and the status box redrawn when it was read.
    virtual void loadNewVoteLog() = 0;
    // The bets the centre refused in the run: into the day's bet log and the
    // status box.
    virtual void recordRefusedBets(const std::vector<base::RefusedBet>& refused) = 0;
};

struct BetCommand {
    plat::Hwnd window;              // the main window (a dialog holding the controls)
    const CommandTable& commands;   // the buttons' enabled states and captions
    BetCommandHost& host;
    driver::BetRun& run;            // driver, RunState, list counters
    const betdata::BetTable& table; // the parsed bet list, for the amount limits
    const std::atomic<int>& autoMode;
};

// Command 1004.
void OnBet(BetCommand& command);

// Whether the BetList has nothing to place: its first line, read into a
// 32-byte buffer, gives no characters.
bool BetListFirstLineEmpty(plat::Hwnd list);

// Whether the run has ended and waits for FinishRun.
bool RunHasEnded(const base::RunState& runState);

// Completes an ended run: after a finished one the list is cleared; after
// a stopped or failed one it holds the bets that were not placed and is
// parsed again.  The window returns to idle in its mode; RunState becomes 0.
// Bets the centre refused are recorded in the bet log and the status box;
// in manual mode (where they stay in the list) one box lists them.
void FinishRun(BetCommand& command);

}  // namespace ui
