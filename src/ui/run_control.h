// Run control of the main window: the run state shared with the BetRunner
// thread, AUTO mode, the program clock, and what the window remembers of
// the bet files it has loaded.
#pragma once

#include <atomic>
#include <cstdint>

#include "betdata/unmovable_bet_files.h"

namespace ui {

struct RunControl {
    // 0 idle, 2 running, -3 stop requested, 1 finished, -1 stopped or failed.
    std::atomic<std::int16_t> runState{0};
    std::atomic<int> autoMode{0};
    std::atomic<int> closeWithoutAsking{0};
    // The program's current time (seconds): set at start-up and on every
    // AutoMode tick.
    std::atomic<std::int64_t> programClock{0};
    // Loaded bet files that could be neither renamed nor removed.
    betdata::UnmovableBetFiles unmovableBetFiles;
};

}  // namespace ui
