// Ornel's process on the desktop the terminal shows: everything the program
// keeps, its main window with the start-up the window needs to place bets,
// run until the window closes.
#pragma once

#include <atomic>
#include <string>

#include "base/run_control.h"

namespace tui {

// What the front end reads of the running program (on the harness, between
// the simulated threads' turns).
struct OrnelProcess {
    std::atomic<bool> ended{false};
    // While the main window is up: the run state and AUTO mode.
    std::atomic<const base::RunControl*> run{nullptr};
};

// Ornel's process: call on its first thread.
void RunOrnelProcess(OrnelProcess& process);

// The program's part of the status line: AUTO or MANU and the run state.
std::string ProcessStatus(const OrnelProcess& process);

}  // namespace tui
