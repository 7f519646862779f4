// The BetRunner: the worker thread that places the bet list into the
// client.  It reads the list edit line by line, enters each bet on the vote
// form and submits the bets in groups of at most "Bet Divide Unit", then
// reports the outcome through RunState alone (it posts nothing to the main
// window).
//
// A stop request (RunState -3) is noticed before each line is read and
// after a group has been entered, never inside a bet's entry or a
// submission.  However the run ends early - stopped or failed - the lines of
// the groups already submitted are removed from the list, so that it holds
// exactly the bets that were not placed and a new run does not place any
// bet twice.
#pragma once

#include <cstddef>

#include "base/run_control.h"
#include "base/list_counters.h"
#include "base/run_state.h"
#include "driver/pat_driver.h"
#include "platform/clock.h"
#include "platform/wintypes.h"

namespace driver {

// Each line of the list is read into a buffer of this size.
constexpr std::size_t kRunnerLineBytes = 256;

// What a run works with.  It outlives the thread (the application owns it).
struct BetRun {
    PatDriver& driver;
    const base::RunControl& control;  // a timer-bet run forces the driver flags
    base::RunState& runState;
    base::ListCounters& list; // list count and total, rebuilt per group
};

// The thread procedure: the list edit is its only argument.
void BetRunner(BetRun& run, plat::Hwnd listEdit);

// Starts BetRunner on a new thread of the calling program.
plat::ThreadId StartBetRunner(BetRun& run, plat::Hwnd listEdit);

// Removes lines 0 .. lines - 1 from the list edit without going through the
// clipboard (the user's clipboard stays as it was).
void RemoveLeadingLines(plat::Hwnd listEdit, int lines);

}  // namespace driver
