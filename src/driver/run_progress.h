// How far a bet run has got, for whoever shows it while it goes on (the
// terminal's status line): the line being entered of how many, the group
// of how many, and the step the driver is on.  Written by the BetRunner
// thread, read by any other.
#pragma once

#include <atomic>

namespace driver {

enum class RunStep {
    None,        // no run, or between steps
    Connecting,  // bringing up the client, logging in, opening the vote form
    Racecourse,  // day, racecourse and race on the vote form
    Numbers,     // kind, method and the numbers
    Amount,      // the amount on the keypad
    Confirm,     // "Ｏ　Ｋ": the bet joins the pending list
    Total,       // the amount-confirmation form and the group's total
    Vote,        // the vote sent and its transfer
    Finished,    // the run has ended
};

// A short name of the step for the person watching (ASCII).
const char* RunStepName(RunStep step);

struct RunProgress {
    std::atomic<int> line{0};    // the line being entered, from 1
    std::atomic<int> lines{0};   // lines of the list when the run started
    std::atomic<int> group{0};   // from 1
    std::atomic<int> groups{0};  // as many as the lines fill (bets the terms do not sell are left out)
    std::atomic<RunStep> step{RunStep::None};

    // A run starts by bringing up the client...
    void begin() {
        line = lines = group = groups = 0;
        step = RunStep::Connecting;
    }
    // ...then reads how many lines the list holds.
    void count(int listLines, int groupSize) {
        lines = listLines;
        groups = groupSize > 0 ? (listLines + groupSize - 1) / groupSize : 0;
    }
};

}  // namespace driver
