// Ornel's process on the desktop the terminal shows: everything the program
// keeps, its main window with the start-up the window needs to place bets,
// run until the window closes.
#pragma once

#include <atomic>
#include <string>

#include "base/run_control.h"
#include "driver/run_progress.h"

namespace tui {

// What the front end reads of the running program (on the harness, between
// the simulated threads' turns).
struct OrnelProcess {
    std::atomic<bool> ended{false};
    // While the main window is up: the run state and AUTO mode, and how far
    // a run has got.
    std::atomic<const base::RunControl*> run{nullptr};
    std::atomic<const driver::RunProgress*> progress{nullptr};
};

// Ornel's process: call on its first thread.
void RunOrnelProcess(OrnelProcess& process);

// The program's part of the status line: AUTO or MANU, the run state and,
// while a run goes on, "bet k of n  group g of m  step".
std::string ProcessStatus(const OrnelProcess& process);

}  // namespace tui
