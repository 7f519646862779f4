// The counters and cursors of AutoMode.  One instance lives for the whole
// process, in the run control; only the main window's thread touches it: the
// tick routine, and the AUTO/MANU switch, which moves the timer-bet cursor to
// the current time when AUTO mode is switched on.
#pragma once

#include <cstdint>

namespace base {

struct AutoModeState {
    // Set while a tick runs: a tick that arrives meanwhile (inside a message
    // box of the running tick) does nothing.
    bool tickOpen = false;
    int alarmCounter = 0;       // ticks since the last deadline-alarm check (0..29)
    int cycleCounter = 0;       // place in the 6-tick cycle (0..5)
    unsigned watchCounter = 0;  // seconds since the last watch interval
    // The last minute up to which timer-bet files and the payout fetch time
    // have been looked at (seconds since 1970).
    std::int64_t timerBetCursor = 0;
    // The last minute up to which race start times have been compared; set
    // on the first alarm check.
    std::int64_t alarmCursor = 0;
    bool alarmCursorSet = false;
};

}  // namespace base
