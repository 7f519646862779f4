// One session of the campaign: a fresh simulated home with the strict
// client on the plan's day, the whole program started on it, and the plan's
// runs on the one running client — each run as a user makes it (the
// settings of the run, the list typed in and Enter, or the list the run
// before left, then 投票; STOP or a client fault at the planned line), and
// checked against the centre's ledger once the main window has completed it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace campaign {

// Longest virtual time a session may take (runs, faults and all).
constexpr std::int64_t kSessionLimitMs = 12LL * 3'600'000;

// What a session did and what it broke.
struct SessionLog {
    std::vector<std::string> events;      // one line per run (and the lists of a run that broke a rule)
    std::vector<std::string> violations;  // "run K: rule broken"
    int runs = 0;                         // runs made (started or not)
};

SessionLog RunSession(std::uint64_t seed);

}  // namespace campaign
