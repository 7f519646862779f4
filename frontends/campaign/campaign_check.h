// What must hold after every run of a session: the bets the centre accepted
// in the run and the bets left in the list are exactly the list the run was
// given (nothing lost, nothing placed twice, whatever was refused stays),
// and the run reports success (1) only when nothing was left.
#pragma once

#include <string>
#include <vector>

namespace campaign {

struct RunOutcome {
    int result = 0;        // RunState the run ended with: 1, -1, or 0 when no run started
    std::string given;     // the list when the run started (canonical lines)
    std::string placed;    // the run's new ledger entries, as canonical lines
    std::string left;      // the list after FinishRun
};

// The broken rules, one line each (empty when the run kept them).  Lines
// are compared without their numbers.
std::vector<std::string> CheckRun(const RunOutcome& outcome);

// The bets of a canonical list without their line numbers, one per line.
std::vector<std::string> BetsOf(const std::string& list);

}  // namespace campaign
