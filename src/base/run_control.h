// Run control: the run state shared with the BetRunner thread, AUTO mode,
// what started the current run and the program clock.  One instance lives in the
// application object; the main window, AutoMode and the driver read it.
#pragma once

#include <atomic>
#include <cstdint>

#include "base/auto_mode_state.h"
#include "base/run_state.h"

namespace base {

// What started the current run.
constexpr int kRunSourceUser = 0;
constexpr int kRunSourceBetFile = 1;
constexpr int kRunSourceTimerBet = 2;

struct RunControl {
    // 0 idle, 2 running, -3 stop requested, 1 finished, -1 stopped or failed.
    RunState runState{kRunIdle};
    std::atomic<int> autoMode{0};
    std::atomic<int> runSource{kRunSourceUser};
    std::atomic<int> closeWithoutAsking{0};
    // The program's current time (seconds): set at start-up and on every
    // AutoMode tick.
    std::atomic<std::int64_t> programClock{0};
    // AutoMode's tick guard, counters and cursors (window thread only).
    AutoModeState autoState;

    // A run started from a timer-bet file while AUTO mode is on: the client
    // is run with fixed option flags and without questions.
    bool timerBetRun() const { return autoMode.load() != 0 && runSource.load() == kRunSourceTimerBet; }
};

}  // namespace base
