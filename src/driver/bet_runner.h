// The BetRunner: the worker thread that places the bet list into the
// client.  It reads the list edit line by line, enters each bet on the vote
// form and submits the bets in groups of at most "Bet Divide Unit", then
// reports the outcome through RunState alone (it posts nothing to the main
// window).
//
// Everything the run reads of the settings and of the driver's
// configuration is copied when it starts, on the window thread, so a
// settings dialog confirmed meanwhile changes nothing of it.
//
// A stop request (RunState -3) is noticed before each line is read and
// after a group has been entered, never inside a bet's entry or a
// submission.  However the run ends, the list afterwards holds exactly the
// bets that were not placed: the lines of the bets placed are removed, and
// with them, in AUTO mode, the bets the centre refused (they are handed to
// FinishRun, which records them).  The run ends as finished (1) only when
// nothing is left: a line it could not read back, a bet refused in manual
// mode, a group whose confirmation is left to the user (AutoPat off) with
// lines after it, a stop or a failure end it with -1.  Bets entered in the
// client and not sent are cleared from it (the client is closed) before the
// run ends, and a run that starts while some may still be there clears them
// before entering anything, so that no vote ever carries a bet twice.
#pragma once

#include <cstddef>
#include <vector>

#include "base/acceptance.h"
#include "base/list_counters.h"
#include "base/run_control.h"
#include "base/run_state.h"
#include "driver/pat_driver.h"
#include "platform/clock.h"
#include "platform/wintypes.h"

namespace driver {

// Each line of the list is read into a buffer of this size.
constexpr std::size_t kRunnerLineBytes = 256;

// What a run works with.  It outlives the thread (the application owns it).
struct BetRun {
    BetRun(PatDriver& d, const base::RunControl& c, base::RunState& s, base::ListCounters& l)
        : driver(d), control(c), runState(s), list(l) {}

    PatDriver& driver;
    const base::RunControl& control;  // a timer-bet run forces the driver flags
    base::RunState& runState;
    base::ListCounters& list;  // list count and total, rebuilt per group
    // The bets the centre refused in the last run, in list order: written
    // by the run, taken by FinishRun once RunState says the run has ended.
    std::vector<base::RefusedBet> refused;
};

// Starts BetRunner on a new thread of the calling program (the window
// thread), with the list edit as its argument and the settings and driver
// configuration of this moment.
plat::ThreadId StartBetRunner(BetRun& run, plat::Hwnd listEdit);

// Removes the lines marked done from the list edit (the lines after the
// marks stay as they are), without going through the clipboard.
void RemoveDoneLines(plat::Hwnd listEdit, const std::vector<bool>& done);

}  // namespace driver
